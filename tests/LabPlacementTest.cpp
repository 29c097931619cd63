// Where the lab's window opens: beside the main window when the screen has room, on the
// screen always, and where the student left it the next time.
#include "LabPlacement.h"
#include "LabFixture.h"
#include "LabLauncher.h"
#include "UserInput.h"

#include <QApplication>
#include <QFileInfo>
#include <QMainWindow>
#include <QSettings>
#include <QStandardPaths>
#include <QTabWidget>
#include <pwd.h>
#include <unistd.h>

namespace {

using Fourier::PlaceBeside;

enum class Side { Right, Left, Below, Covering };

struct PlacementRow {
    const char* name;
    QRect screen;
    QRect mainClient;
    Side side;
};

// A frame as a window manager draws one: a title bar and thin borders.
const QMargins Frame(3, 28, 3, 3);
const QSize Wanted(900, 660), Smallest(520, 400);

class LabPlacement : public ::testing::TestWithParam<PlacementRow> {};

TEST_P(LabPlacement, BesideTheMainWindowWhenThereIsRoom) {
    const PlacementRow& row = GetParam();
    const QRect mainFrame = row.mainClient.marginsAdded(Frame);
    const QRect lab = PlaceBeside(mainFrame, Frame, Wanted, Smallest, row.screen);
    const QRect labFrame = lab.marginsAdded(Frame);

    EXPECT_TRUE(row.screen.contains(labFrame)) << "off the screen";
    EXPECT_LE(lab.width(), Wanted.width());
    EXPECT_LE(lab.height(), Wanted.height());
    switch (row.side) {
    case Side::Right:
        EXPECT_EQ(labFrame.left(), mainFrame.right() + 1);
        break;
    case Side::Left:
        EXPECT_EQ(labFrame.right(), mainFrame.left() - 1);
        break;
    case Side::Below:
        EXPECT_EQ(labFrame.top(), mainFrame.bottom() + 1);
        break;
    case Side::Covering:
        EXPECT_EQ(lab.size(), Wanted.boundedTo(row.screen.size().shrunkBy(Frame)));
        return; // no room anywhere: the one case allowed to cover
    }
    EXPECT_FALSE(labFrame.intersects(mainFrame));
    EXPECT_GE(lab.width(), Smallest.width());
    EXPECT_GE(lab.height(), Smallest.height());
    // As large as it wants, or as the room beside it allows.
    const int roomWidth = row.side == Side::Right  ? row.screen.right() - mainFrame.right()
                          : row.side == Side::Left ? mainFrame.left() - row.screen.left()
                                                   : row.screen.width();
    const int roomHeight =
        row.side == Side::Below ? row.screen.bottom() - mainFrame.bottom() : row.screen.height();
    EXPECT_EQ(lab.width(), std::min(Wanted.width(), roomWidth - Frame.left() - Frame.right()));
    EXPECT_EQ(lab.height(), std::min(Wanted.height(), roomHeight - Frame.top() - Frame.bottom()));
}

// The main window at the centre of the screen unless the row says otherwise.
QRect Centred(QSize screen) {
    return {(screen.width() - 800) / 2, (screen.height() - 600) / 2, 800, 600};
}

INSTANTIATE_TEST_SUITE_P(
    Screens, LabPlacement,
    ::testing::Values(
        PlacementRow{
            "FullHdNarrowedToTheRightRoom", {0, 0, 1920, 1080}, Centred({1920, 1080}), Side::Right},
        PlacementRow{
            "WideScreenWholeToTheRight", {0, 0, 2560, 1440}, Centred({2560, 1440}), Side::Right},
        PlacementRow{"MainAtTheRightEdge", {0, 0, 1920, 1080}, {1100, 100, 800, 600}, Side::Left},
        // The room right of the main window's frame holds a client 520 px wide, or 519.
        PlacementRow{
            "RightRoomJustWideEnough", {0, 0, 1920, 1080}, {591, 100, 800, 600}, Side::Right},
        PlacementRow{
            "RightRoomJustTooNarrow", {0, 0, 1920, 1080}, {592, 100, 800, 600}, Side::Left},
        PlacementRow{"PortraitScreen", {0, 0, 1080, 1920}, {140, 60, 800, 600}, Side::Below},
        PlacementRow{
            "SecondScreenOnTheRight", {1920, 0, 1920, 1080}, {1925, 200, 800, 600}, Side::Right},
        PlacementRow{
            "SmallScreenIsCovered", {0, 0, 1024, 768}, Centred({1024, 768}), Side::Covering},
        PlacementRow{
            "ScreenSmallerThanTheLab", {0, 0, 800, 600}, {0, 0, 790, 560}, Side::Covering}),
    [](const auto& info) { return std::string(info.param.name); });

// Opened, moved and resized, closed: a new session opens it where it was left.
class LabGeometry : public LabFixture {
  protected:
    QMainWindow* OpenLab() {
        UserInput::PressKey(form->Widget(), Qt::Key_F2);
        QMainWindow* lab = Fourier::OpenedLab(form->Widget());
        if (lab) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(lab));
        }
        return lab;
    }
};

TEST_F(LabGeometry, IsRememberedAcrossSessions) {
    QMainWindow* lab = OpenLab();
    ASSERT_NE(lab, nullptr);
    const QRect first = lab->geometry();
    EXPECT_TRUE(lab->screen()->availableGeometry().contains(lab->frameGeometry()));
    EXPECT_LT(lab->minimumWidth(), lab->maximumWidth()) << "the lab must be resizable";

    const QRect left(QPoint(37, 21), QSize(640, 480));
    ASSERT_NE(left, first);
    lab->setGeometry(left);
    lab->close();

    StartWindow(true); // a new main window, as after a restart
    Fourier::InstallLab(*form);
    ShowAndActivate();
    lab = OpenLab();
    ASSERT_NE(lab, nullptr);
    EXPECT_EQ(lab->geometry(), left);
}

// A place remembered on a screen that is gone (a projector unplugged) is not restored off
// every screen.
TEST_F(LabGeometry, ComesBackOntoAScreenThatExists) {
    QMainWindow* lab = OpenLab();
    ASSERT_NE(lab, nullptr);
    lab->setGeometry(QRect(QPoint(5000, 3000), QSize(640, 480)));
    lab->close();

    StartWindow(true);
    Fourier::InstallLab(*form);
    ShowAndActivate();
    lab = OpenLab();
    ASSERT_NE(lab, nullptr);
    EXPECT_TRUE(lab->screen()->availableGeometry().intersects(lab->frameGeometry()))
        << lab->geometry().x() << "," << lab->geometry().y();
    EXPECT_TRUE(lab->screen()->availableGeometry().contains(lab->geometry().topLeft()));
}

// On a 1920 px screen the main window, centred, leaves 560 px on each side: with every tab
// laid out, the lab must fit there inside a window frame.
TEST_F(LabGeometry, IsNarrowEnoughToStandBesideTheMainWindow) {
    Choose(1); // the square wave: its harmonics fold in the sampling view, with long texts
    QMainWindow* lab = OpenLab();
    ASSERT_NE(lab, nullptr);
    auto* tabs = lab->findChild<QTabWidget*>();
    ASSERT_NE(tabs, nullptr);
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        QApplication::processEvents(); // a view's parts, built when first shown, show a turn later
        EXPECT_LE(tabs->widget(i)->minimumSizeHint().width(), 530)
            << tabs->tabText(i).toStdString();
    }
    EXPECT_LE(lab->minimumSizeHint().width(), (1920 - 800) / 2 - 8);
    // And it fits on a 1024 x 768 screen with a panel, whatever tab was shown.
    EXPECT_LE(lab->minimumSizeHint().height(), 768 - 48 - 30);
}

// What the lab remembers (its place, the formula history) never lands in the home folder
// of the user running the tests, whatever HOME says.
TEST(TestSettings, StayOutOfTheUsersHome) {
    const passwd* user = getpwuid(getuid());
    ASSERT_NE(user, nullptr);
    const QString home = QDir(QString::fromLocal8Bit(user->pw_dir)).canonicalPath() + '/';
    const QString settings =
        QFileInfo(
            QSettings(QSettings::NativeFormat, QSettings::UserScope, "fourier", "lab").fileName())
            .absoluteFilePath();
    EXPECT_FALSE(settings.startsWith(home)) << settings.toStdString();
    EXPECT_FALSE(
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation).startsWith(home));
}

} // namespace
