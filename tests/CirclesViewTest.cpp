// «Круги» offscreen, driven as a user drives it: the picture follows each run and each
// control, the clock moves t only while the view is shown and playing, the slider's keys
// set t, and the numbers line shows S_k(t) of the signal's own formula.
#include "CirclesView.h"
#include "UserInput.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QScreen>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

using namespace Fourier;
constexpr double Pi = std::numbers::pi;

TRun RunOf(double (*f)(double), int k) {
    TRun run;
    for (int j = 0; j < SampleCount; ++j)
        run.Analysis.Samples[j] = f(-Pi + j * Pi / 256);
    run.Analysis = AnalyseSamples(run.Analysis.Samples);
    run.Harmonic = k;
    return run;
}
const auto HalfPlusCosine = [](double x) { return 0.5 + std::cos(x); };
const auto Square = [](double x) { return x < 0 ? -1.0 : 1.0; };
const auto BigThird = [](double x) { return 0.3 * std::cos(x) + std::sin(3 * x); }; // A_3 > A_1

class CirclesViewTest : public ::testing::Test {
  protected:
    void SetUp() override {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        view.resize(860, 520);
        view.ShowRun(RunOf(HalfPlusCosine, 1));
        ASSERT_TRUE(UserInput::ShowAndActivate(&view));
        canvas = UserInput::Find(&view, "CirclesCanvas");
        play = UserInput::FindAs<QToolButton>(&view, "CirclesPlay");
        slider = UserInput::FindAs<QSlider>(&view, "CirclesTime");
        numbers = UserInput::FindAs<QLabel>(&view, "CirclesNumbers");
        ASSERT_TRUE(canvas && play && slider && numbers);
    }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }

    QImage Picture() { return canvas->grab().toImage(); }
    void Pause() {
        if (view.Playing()) UserInput::Click(play);
        ASSERT_FALSE(view.Playing());
    }
    double TipShown() { // the numbers line's last number
        const QString text = numbers->text();
        bool read = false;
        const double tip =
            QLocale().toDouble(text.mid(text.lastIndexOf("= ") + 2).replace("−", "-"), &read);
        EXPECT_TRUE(read) << text.toStdString();
        return tip;
    }
    bool AnyTimerRuns() {
        for (const QTimer* timer : view.findChildren<QTimer*>())
            if (timer->isActive()) return true;
        return false;
    }

    CirclesView view;
    QWidget* canvas = nullptr;
    QToolButton* play = nullptr;
    QSlider* slider = nullptr;
    QLabel* numbers = nullptr;
};

TEST_F(CirclesViewTest, DrawsEachNewRun) {
    Pause();
    const QImage first = Picture();
    int drawn = 0;
    for (int y = 0; y < first.height(); ++y)
        for (int x = 0; x < first.width(); ++x)
            drawn += first.pixel(x, y) != first.pixel(0, 0);
    EXPECT_GT(drawn, first.width() * first.height() / 4); // the white panels at least
    view.ShowRun(RunOf(Square, 3));
    const QImage three = Picture();
    view.ShowRun(RunOf(Square, 9));
    const QImage nine = Picture();
    EXPECT_TRUE(first != three && three != nine);
    EXPECT_TRUE(numbers->text().startsWith("k = 9;")) << numbers->text().toStdString();
    view.ShowRun(RunOf(Square, 9)); // the same run again: the same picture
    EXPECT_EQ(Picture(), nine);
}

// It opens playing, at the display's rate; pause holds t; hidden, no timer runs.
TEST_F(CirclesViewTest, ClockRunsOnlyWhileShownAndPlaying) {
    ASSERT_TRUE(view.Playing() && AnyTimerRuns());
    const auto* clock = view.findChild<QTimer*>("CirclesClock");
    ASSERT_TRUE(clock && clock->isActive());
    EXPECT_LE(clock->interval(), 1000 / view.screen()->refreshRate() + 1);
    double t = view.Time();
    QImage picture = Picture();
    QTest::qWait(200);
    EXPECT_TRUE(view.Time() != t && Picture() != picture);

    view.hide();
    EXPECT_FALSE(AnyTimerRuns());
    t = view.Time();
    QTest::qWait(150);
    EXPECT_EQ(view.Time(), t);
    view.show(); // resumes, since it was playing
    QTest::qWait(150);
    EXPECT_NE(view.Time(), t);

    UserInput::Click(play);
    t = view.Time();
    picture = Picture();
    view.hide();
    view.show(); // paused stays paused
    QTest::qWait(150);
    EXPECT_FALSE(view.Playing() || AnyTimerRuns());
    EXPECT_TRUE(view.Time() == t && Picture() == picture);
}

// f = 1/2 + cos x, k = 1: the tip's height is 1/2 + cos t. The slider spans one period from
// t = -pi; each key moves it as a slider moves, and t with it.
TEST_F(CirclesViewTest, SliderKeysSetTime) {
    Pause();
    slider->setFocus();
    const int first = slider->minimum(), last = slider->maximum();
    const int arrow = slider->singleStep(), page = slider->pageStep();
    EXPECT_TRUE(arrow > 0 && page > arrow);
    const std::pair<Qt::Key, int> steps[] = {{Qt::Key_Home, first},
                                             {Qt::Key_Left, first},
                                             {Qt::Key_Right, first + arrow},
                                             {Qt::Key_PageUp, first + arrow + page},
                                             {Qt::Key_PageDown, first + arrow},
                                             {Qt::Key_End, last}};
    for (const auto& [key, position] : steps) {
        QTest::keyClick(slider, key);
        const double t = -Pi + (position - first) * 2 * Pi / (last - first + 1);
        EXPECT_NEAR(view.Time(), t, 1e-15) << position;
        EXPECT_NEAR(TipShown(), 0.5 + std::cos(t), 1e-4) << position;
    }
    EXPECT_LT(view.Time(), Pi);
    EXPECT_FALSE(view.Playing() || AnyTimerRuns()); // scrubbing does not start the clock
}

// Hiding circles or vectors, or taking the largest first, changes the chain, never the tip.
TEST_F(CirclesViewTest, ControlsChangeTheChainButNotTheTip) {
    view.ShowRun(RunOf(BigThird, 3));
    Pause();
    auto* circles = UserInput::FindAs<QCheckBox>(&view, "CirclesShowCircles");
    auto* vectors = UserInput::FindAs<QCheckBox>(&view, "CirclesShowVectors");
    auto* order = UserInput::FindAs<QComboBox>(&view, "CirclesOrder");
    ASSERT_TRUE(circles && vectors && order && circles->isChecked() && vectors->isChecked());
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_PageUp);
    const QString tip = numbers->text();
    const QImage all = Picture();
    QImage before = all;
    for (QCheckBox* box : {circles, vectors, circles}) { // then neither, then no vectors
        UserInput::Click(box);
        EXPECT_TRUE(Picture() != before && Picture() != all) << box->text().toStdString();
        before = Picture();
    }
    UserInput::Click(vectors);
    EXPECT_EQ(Picture(), all);

    order->setFocus();
    QTest::keyClick(order, Qt::Key_Down);
    EXPECT_EQ(order->currentText(), "по величине");
    EXPECT_NE(Picture(), all);
    EXPECT_EQ(numbers->text(), tip);
    EXPECT_NEAR(TipShown(), BigThird(view.Time()), 1e-4);
    QTest::keyClick(order, Qt::Key_Up);
    EXPECT_EQ(Picture(), all);
}

} // namespace
