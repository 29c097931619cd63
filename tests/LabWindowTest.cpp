// The lab beside a real main window, driven by keys and mouse: F2 and the pictures' context
// menu open it, slider steps and syntheses reach it, closing it stops that, the spectrum table
// copies as tab-separated text, and its own signal replaces the main window's until it follows
// again.
#include "LabWindow.h"
#include "LabFixture.h"
#include "LabLauncher.h"
#include "PictureExport.h"
#include "SeriesOracle.h"
#include "UserInput.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QSet>
#include <QSettings>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <qcustomplot.h>

#include <functional>
#include <numbers>

namespace {

using SeriesOracle::Real;

class LabWindowTest : public LabFixture {
  protected:
    void TearDown() override {
        // The clipboard outlives the test; leave it empty for the next one.
        QApplication::clipboard()->clear();
        LabFixture::TearDown();
    }

    QWidget* Main() { return form->Widget(); }
    Fourier::LabWindow* Lab() {
        return qobject_cast<Fourier::LabWindow*>(Fourier::OpenedLab(Main()));
    }

    // Runs the event loop until done() holds, at most a second.
    static bool WaitUntil(const std::function<bool()>& done) {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < 1000)
            QTest::qWait(2);
        return done();
    }

    void PressF2() {
        Main()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Main()));
        UserInput::PressKey(Main(), Qt::Key_F2);
        ASSERT_NE(Lab(), nullptr);
        ASSERT_TRUE(WaitUntil([this] { return Lab()->isVisible(); }));
    }

    // Shows a view of the lab with its Ctrl+digit shortcut, as a user switches tabs.
    void ShowTab(int digit) {
        Lab()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Lab()));
        UserInput::PressKey(Lab(), Qt::Key(Qt::Key_0 + digit), Qt::ControlModifier);
        ASSERT_EQ(Lab()->Tabs()->currentIndex(), digit == 0 ? 9 : digit - 1); // 0 is the tenth
    }

    template <class T> T* LabChild(const char* name) {
        T* child = Lab()->findChild<T*>(QLatin1String(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }

    // The spectrum table's cell, which shows six significant digits with a real minus sign,
    // against a number.
    void ExpectCell(int row, int column, double expected) {
        QTableView* table = LabChild<QTableView>("SpectrumTable");
        const QString text = table->model()->index(row, column).data().toString();
        bool read = false;
        const double shown = QLocale().toDouble(QString(text).replace("−", "-"), &read);
        EXPECT_TRUE(read) << text.toStdString();
        EXPECT_NEAR(shown, expected, 1e-5 * (1 + std::abs(expected)))
            << "row " << row << ", column " << column << ": " << text.toStdString();
    }

    // Turns "Перерисовывать" on, so that a slider step analyses at once.
    void RedrawOnEveryChange() {
        if (!form->CheckBox3->Checked()) UserInput::Click(form->CheckBox3->Widget());
        ASSERT_TRUE(form->CheckBox3->Checked());
    }

    void StepTrackBar1(Qt::Key key) {
        Main()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Main()));
        form->TrackBar1->SetFocus();
        UserInput::PressKey(Main(), key);
    }

    // Steps the harmonic number up from 0 with the arrow key and presses Enter, which runs
    // the synthesis.
    void StepHarmonicTo(int k) {
        ASSERT_EQ(form->SpinEdit1->Text(), "0");
        form->SpinEdit1->SetFocus();
        for (int i = 0; i < k; ++i)
            UserInput::PressKey(Main(), Qt::Key_Up);
        ASSERT_EQ(form->SpinEdit1->Text(), std::to_string(k));
        UserInput::PressKey(Main(), Qt::Key_Return);
    }

    // Opens the context menu of a picture with the right mouse button and clicks the item
    // with this text; returns the item's shortcut text, or "missing" when there is none.
    QString ChooseFromContextMenu(QWidget* picture, const QString& item) {
        QString shortcut = QStringLiteral("missing");
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu) return;
            for (QAction* action : menu->actions())
                if (action->text() == item && action->isVisible() && action->isEnabled()) {
                    shortcut = action->shortcut().toString();
                    QTest::mouseClick(menu, Qt::LeftButton, {},
                                      menu->actionGeometry(action).center());
                    return;
                }
            menu->close();
        });
        // Through the window, as the platform delivers it: that is where Qt makes the
        // context-menu event of a right click.
        QTest::mouseClick(picture->window()->windowHandle(), Qt::RightButton, {},
                          picture->mapTo(picture->window(), picture->rect().center()));
        return shortcut;
    }
};

TEST_F(LabWindowTest, F2OpensTheLabOnTheMainWindowsRunAndLeavesTheMainWindowAlone) {
    Choose(1); // "2. Прямоугольник"
    const std::string harmonic = form->SpinEdit1->Text();
    EXPECT_EQ(Lab(), nullptr); // nothing is built before it is asked for
    form->SpinEdit1->SetFocus();
    PressF2();
    EXPECT_EQ(Lab()->objectName(), "LabWindow");
    EXPECT_EQ(Lab()->windowTitle(), "Лаборатория");
    EXPECT_FALSE(Lab()->isModal());
    EXPECT_EQ(form->SpinEdit1->Text(), harmonic); // the key went to the lab, not to the field
    EXPECT_EQ(form->ComboBox1->ItemIndex(), 1);
    EXPECT_TRUE(LabChild<QLabel>("LabHeading")->text().contains("2. Прямоугольник"));
    const QStringList tabs = {"Сходимость",   "Остаток",      "Коэффициент", "Спектр",
                              "Звук",         "Своя функция", "Нарисовать",  "Коэффициенты",
                              "Гармоники",    "Операции",     "Круги",       "Дискретизация",
                              "Угадай сигнал"};
    ASSERT_EQ(Lab()->Tabs()->count(), tabs.size());
    for (int i = 0; i < tabs.size(); ++i)
        EXPECT_EQ(Lab()->Tabs()->tabText(i), tabs[i]);

    // The square wave's series, summed directly: the lab shows that signal.
    const auto direct = SeriesOracle::DirectSeries(SeriesOracle::Waveform(1, 0));
    ShowTab(4);
    for (int k : {1, 3, 5, 101})
        ExpectCell(k, 2, static_cast<double>(direct.B[k]));

    // F2 again while it is open only brings it forward.
    Fourier::LabWindow* first = Lab();
    PressF2();
    EXPECT_EQ(Lab(), first);
}

// Muted and soloed harmonics change every view, so the heading says which are left out.
TEST_F(LabWindowTest, HeadingNamesTheHarmonicsLeftOut) {
    Choose(1);
    PressF2();
    ShowTab(9); // «Гармоники»
    QLabel* heading = LabChild<QLabel>("LabHeading");
    for (Qt::Key digit : {Qt::Key_1, Qt::Key_3, Qt::Key_4, Qt::Key_5})
        UserInput::PressKey(Lab()->focusWidget(), digit);
    ASSERT_TRUE(WaitUntil([&] { return heading->text().contains("выключены"); }));
    EXPECT_TRUE(heading->text().endsWith("; выключены гармоники 1, 3–5"))
        << heading->text().toStdString();
    UserInput::PressKey(Lab()->focusWidget(), Qt::Key_7, Qt::ShiftModifier);
    ASSERT_TRUE(WaitUntil([&] { return heading->text().contains("соло"); }));
    EXPECT_TRUE(heading->text().endsWith("; только гармоники 7 (соло)"))
        << heading->text().toStdString();
    EXPECT_TRUE(heading->text().contains("2. Прямоугольник"));
}

TEST_F(LabWindowTest, BothPicturesOfferTheLabInTheirContextMenu) {
    Choose(2);
    for (Fourier::Toolkit::TImage* picture : {form->Image1, form->Image2}) {
        SCOPED_TRACE(picture->Name());
        if (Lab()) Lab()->close();
        EXPECT_EQ(ChooseFromContextMenu(picture->Widget(), "Лаборатория…"), "F2");
        ASSERT_NE(Lab(), nullptr);
        ASSERT_TRUE(WaitUntil([this] { return Lab()->isVisible(); }));
        EXPECT_TRUE(LabChild<QLabel>("LabHeading")->text().contains("3. Треугольник"));
    }
}

TEST_F(LabWindowTest, ASliderStepReachesTheOpenLabOnceWithTheNewSignal) {
    Choose(7); // "8. Прямоугольный импульс": 4 * P1 + 1 samples of 1
    RedrawOnEveryChange();
    PressF2();
    ShowTab(4);
    QSignalSpy changes(Lab(), &Fourier::LabWindow::runChanged);
    const int p1 = form->TrackBar1->Position();
    ExpectCell(0, 1, 2.0 * (4 * p1 + 1) / 512);

    StepTrackBar1(Qt::Key_Right);
    ASSERT_EQ(form->TrackBar1->Position(), p1 + 1);
    ASSERT_TRUE(WaitUntil([&] { return changes.count() > 0; }));
    QTest::qWait(10);
    EXPECT_EQ(changes.count(), 1); // the step's two analysis runs make one update
    const auto shown = changes.front().front().value<Fourier::TRun>();
    EXPECT_EQ(shown.Analysis.Samples[256 + 2 * (p1 + 1)], 1.0);
    ExpectCell(0, 1, 2.0 * (4 * (p1 + 1) + 1) / 512); // a_0: twice the mean
    ExpectCell(0, 3, (4.0 * (p1 + 1) + 1) / 512);     // A_0: the mean's size

    // The convergence view, shown afterwards, has the new signal too.
    ShowTab(1);
    const QString numbers = LabChild<QCPTextElement>("ConvergenceNumbers")->text();
    EXPECT_TRUE(numbers.startsWith("k = 0:")) << numbers.toStdString();
    QCustomPlot* plot = LabChild<QCustomPlot>("ConvergencePlot");
    ASSERT_GE(plot->graphCount(), 3);
    const double share0 = plot->graph(2)->data()->at(0)->value; // energy of harmonic 0 alone
    // Samples of 0 and 1: the mean square is the mean, so harmonic 0 carries mean^2 / mean.
    const double mean = (4.0 * (p1 + 1) + 1) / 512;
    EXPECT_NEAR(share0, 100 * mean, 1e-9);
}

// The tabs behind the panes, reached by keys alone (Ctrl+0, then Ctrl+Tab onwards), draw the
// main window's signal and follow its slider as the first views do.
TEST_F(LabWindowTest, OperationsCirclesAndSamplingFollowTheMainWindowsSlider) {
    Choose(7); // "8. Прямоугольный импульс"
    RedrawOnEveryChange();
    PressF2();
    ShowTab(0);
    EXPECT_EQ(Lab()->Tabs()->tabText(Lab()->Tabs()->currentIndex()), "Операции");
    for (const QString name : {"Круги", "Дискретизация"}) {
        SCOPED_TRACE(name.toStdString());
        UserInput::PressKey(Lab(), Qt::Key_Tab, Qt::ControlModifier);
        ASSERT_EQ(Lab()->Tabs()->tabText(Lab()->Tabs()->currentIndex()), name);
        QWidget* view = Lab()->Tabs()->currentWidget();
        // The circles turn while shown: held still, their picture changes only with the signal.
        if (auto* play = view->findChild<QAbstractButton*>("CirclesPlay")) UserInput::Click(play);
        QApplication::processEvents();
        const QImage before = view->grab().toImage();
        QSet<QRgb> colours;
        for (int y = 0; y < before.height(); y += 2)
            for (int x = 0; x < before.width(); x += 2)
                colours.insert(before.pixel(x, y));
        EXPECT_GT(colours.size(), 8); // curves, not a blank tab

        const int p1 = form->TrackBar1->Position(); // the pulse: 4 * P1 + 1 samples of 1
        ASSERT_EQ(Lab()->ShownRun().Analysis.Samples[256 + 2 * (p1 + 1)], 0.0);
        StepTrackBar1(Qt::Key_Right);
        ASSERT_TRUE(WaitUntil(
            [&] { return Lab()->ShownRun().Analysis.Samples[256 + 2 * (p1 + 1)] == 1.0; }));
        QApplication::processEvents();
        EXPECT_NE(view->grab().toImage(), before);
        Lab()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Lab()));
    }
}

TEST_F(LabWindowTest, ASynthesisSetsTheLabsHarmonicAndPartialSum) {
    Choose(2); // "3. Треугольник"
    PressF2();
    ShowTab(2);
    Main()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Main()));
    StepHarmonicTo(3);
    ASSERT_TRUE(WaitUntil([this] { return Lab()->ShownRun().Harmonic == 3; }));
    QTest::qWait(5);
    EXPECT_TRUE(Lab()->ShownRun().Synthesised);

    // S_3 with the mean, summed directly, against the red curve of «Остаток».
    const auto direct = SeriesOracle::DirectSeries(SeriesOracle::Waveform(2, 0));
    QCustomPlot* plot = LabChild<QCustomPlot>("ResidualPlot");
    QCPGraph* sum = nullptr;
    for (int g = 0; g < plot->graphCount(); ++g)
        if (plot->graph(g)->name() == "Sₖ") sum = plot->graph(g);
    ASSERT_NE(sum, nullptr);
    for (int j : {0, 100, 256, 300, 511})
        EXPECT_NEAR(
            sum->data()->at(j)->value,
            static_cast<double>(SeriesOracle::PartialSum(direct, 3, SeriesOracle::GridX(j))), 1e-12)
            << "j=" << j;

    // And the curve is really drawn: red pixels in the plot (its thin line is smoothed, so
    // most of them are only close to pure red).
    const QImage picture = plot->grab().toImage();
    int red = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = picture.pixel(x, y);
            red += qRed(p) > 180 && qGreen(p) < 120 && qBlue(p) < 120;
        }
    EXPECT_GT(red, 500);
}

TEST_F(LabWindowTest, AClosedLabHearsNothingAndCatchesUpWhenOpenedAgain) {
    Choose(7);
    RedrawOnEveryChange();
    PressF2();
    ShowTab(4);
    QSignalSpy changes(Lab(), &Fourier::LabWindow::runChanged);
    UserInput::PressKey(Lab(), Qt::Key_W, Qt::ControlModifier); // «Закрыть»
    ASSERT_FALSE(Lab()->isVisible());
    const int p1 = form->TrackBar1->Position();
    StepTrackBar1(Qt::Key_Left);
    ASSERT_EQ(form->TrackBar1->Position(), p1 - 1);
    QTest::qWait(20);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(Lab()->ShownRun().Analysis.Samples[256 + 2 * p1], 1.0); // still the old pulse

    PressF2();
    EXPECT_EQ(changes.count(), 1); // shown at once, before the first paint
    EXPECT_EQ(Lab()->ShownRun().Analysis.Samples[256 + 2 * p1], 0.0);
    ExpectCell(0, 1, 2.0 * (4 * (p1 - 1) + 1) / 512);
}

TEST_F(LabWindowTest, CtrlCCopiesTheSelectedRowsAsTabSeparatedText) {
    Choose(1);
    PressF2();
    ShowTab(4);
    QTableView* table = LabChild<QTableView>("SpectrumTable");
    // Rows 1 to 3: a click on the first, a shift-click on the last.
    table->scrollToTop();
    const QRect first = table->visualRect(table->model()->index(1, 2));
    const QRect last = table->visualRect(table->model()->index(3, 2));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, first.center());
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::ShiftModifier, last.center());
    QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);

    const QStringList lines = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], "k\taₖ\tbₖ\tAₖ\tφₖ, рад");
    const auto direct = SeriesOracle::DirectSeries(SeriesOracle::Waveform(1, 0));
    for (int k = 1; k <= 3; ++k) {
        const QStringList cells = lines[k].split('\t');
        ASSERT_EQ(cells.size(), 5) << lines[k].toStdString();
        EXPECT_EQ(cells[0], QString::number(k));
        const Real a = direct.A[k], b = direct.B[k];
        const double expected[] = {static_cast<double>(a), static_cast<double>(b),
                                   static_cast<double>(std::hypot(a, b)),
                                   static_cast<double>(std::atan2(b, a))};
        for (int c = 0; c < 4; ++c) {
            if (cells[c + 1].isEmpty()) {
                EXPECT_LT(std::abs(expected[2]), 1e-9) << "only an undefined phase is left empty";
                continue;
            }
            EXPECT_NEAR(QLocale().toDouble(cells[c + 1]), expected[c],
                        1e-10 * (1 + std::abs(expected[c])))
                << "k=" << k << " column " << c + 1;
        }
    }
}

// Harmonic 3 of the square wave reads the same in the spectrum's table, in the saved CSV and in
// the coefficient pane's amplitude and phase: A_3 = 1/(128 sin(3 pi/512)) and
// phi_3 = pi/2 - 3 pi/512 for the 512 samples (the series' 4/(3 pi) and pi/2), each to the
// digits it shows.
TEST_F(LabWindowTest, OneHarmonicReadsTheSameInTheTableTheCsvAndTheCoefficientPane) {
    constexpr double Pi = std::numbers::pi;
    const double amplitude = 1 / (128 * std::sin(3 * Pi / 512));
    const double phase = Pi / 2 - 3 * Pi / 512;
    Choose(1); // "2. Прямоугольник"
    PressF2();

    ShowTab(4); // «Спектр»: six significant digits
    ExpectCell(3, 3, amplitude);
    ExpectCell(3, 4, phase);
    const QAbstractItemModel* table = LabChild<QTableView>("SpectrumTable")->model();
    for (int column : {3, 4})
        EXPECT_TRUE(table->headerData(column, Qt::Horizontal, Qt::ToolTipRole)
                        .toString()
                        .contains("aₖ cos kx + bₖ sin kx = Aₖ cos(kx − φₖ)"));

    QTemporaryDir folder;
    auto* keeping = Lab()->window()->findChild<Fourier::PictureExport*>();
    ASSERT_NE(keeping, nullptr);
    const QString path = folder.filePath("данные.csv");
    keeping->ChooseFile = [&](const QString&, const QString&, const QString&) { return path; };
    keeping->SaveDataAction()->trigger();
    QFile csv(path);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QStringList row = QString::fromUtf8(csv.readAll()).split('\n')[2 + 3].split(',');
    ASSERT_EQ(row.size(), 8);
    EXPECT_EQ(row[3], "3");
    EXPECT_NEAR(row[6].toDouble(), amplitude, 1e-12);
    EXPECT_NEAR(row[7].toDouble(), phase, 1e-12);

    ShowTab(8); // «Коэффициенты», showing amplitude and phase; harmonic 3's bars are the
                // fifth and sixth
    auto* pairChoice = LabChild<QComboBox>("PairChoice");
    pairChoice->setFocus();
    QTest::keyClick(pairChoice, Qt::Key_Down);
    ASSERT_EQ(pairChoice->currentText(), "Амплитуда и фаза");
    auto* bars = LabChild<QWidget>("CoefficientBars");
    auto* field = LabChild<QDoubleSpinBox>("ValueField");
    bars->setFocus();
    const auto labelShows = [&](const QString& text) {
        for (QLabel* label : field->parentWidget()->findChildren<QLabel*>())
            if (label->text() == text) return true;
        return false;
    };
    const double shown = 0.5e-6; // six decimals
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(bars, Qt::Key_Right);
    EXPECT_TRUE(labelShows("A₃ ="));
    EXPECT_NEAR(field->locale().toDouble(field->cleanText()), amplitude, shown);
    QTest::keyClick(bars, Qt::Key_Right);
    EXPECT_TRUE(labelShows("φ₃ ="));
    EXPECT_NEAR(field->locale().toDouble(field->cleanText()), phase, shown);
}

TEST_F(LabWindowTest, WithNothingSelectedTheWholeTableIsCopied) {
    Choose(0);
    PressF2();
    ShowTab(4);
    LabChild<QTableView>("SpectrumTable")->clearSelection();
    UserInput::PressKey(Lab(), Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1 + 256);
    EXPECT_TRUE(lines[256].startsWith("255\t"));
    // "1. Синус" at frequency 8: b_8 = 1, every other line empty, its phase left blank.
    const int p1 = form->TrackBar1->Position();
    const QStringList line = lines[1 + p1].split('\t');
    EXPECT_NEAR(QLocale().toDouble(line[2]), 1.0, 1e-12);
    EXPECT_EQ(lines[1 + p1 + 1].split('\t')[4], "");
}

TEST_F(LabWindowTest, OwnSignalReplacesTheMainWindowsUntilTheLabFollowsAgain) {
    Choose(1);
    PressF2();
    ShowTab(4);
    QSignalSpy changes(Lab(), &Fourier::LabWindow::runChanged);
    const SeriesOracle::Samples triangle = SeriesOracle::Waveform(2, 0);
    Lab()->ShowOwnSignal(Fourier::AnalyseSamples(triangle), "Мой треугольник");
    ASSERT_TRUE(WaitUntil([&] { return changes.count() == 1; }));
    EXPECT_FALSE(Lab()->FollowsMainWindow());
    EXPECT_EQ(changes.back().front().value<Fourier::TRun>().WaveformName, "Мой треугольник");
    EXPECT_TRUE(LabChild<QLabel>("LabHeading")->text().contains("Свой сигнал: Мой треугольник"));
    const auto direct = SeriesOracle::DirectSeries(triangle);
    ExpectCell(1, 2, static_cast<double>(direct.B[1]));

    // A synthesis in the main window sets k, but the signal stays the lab's own.
    Main()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Main()));
    StepHarmonicTo(7);
    ASSERT_TRUE(WaitUntil([this] { return Lab()->ShownRun().Harmonic == 7; }));
    EXPECT_EQ(Lab()->ShownRun().WaveformName, "Мой треугольник");
    ExpectCell(1, 2, static_cast<double>(direct.B[1]));

    const int before = changes.count();
    Lab()->FollowMainWindow();
    ASSERT_TRUE(WaitUntil([&] { return changes.count() == before + 1; }));
    EXPECT_EQ(changes.back().front().value<Fourier::TRun>().WaveformName, "2. Прямоугольник");
    EXPECT_TRUE(Lab()->FollowsMainWindow());
    const auto square = SeriesOracle::DirectSeries(SeriesOracle::Waveform(1, 0));
    ExpectCell(1, 2, static_cast<double>(square.B[1]));
}

TEST_F(LabWindowTest, AnAddedPaneBecomesATabWithItsShortcutAndHearsOfRuns) {
    Choose(1);
    PressF2();
    auto* pane = new QLabel("свой вид");
    QString heard;
    QObject::connect(Lab(), &Fourier::LabWindow::runChanged, pane, [&](const Fourier::TRun& run) {
        heard = QString::fromStdString(run.WaveformName);
    });
    const int index = Lab()->Tabs()->count();
    EXPECT_EQ(Lab()->AddPane(pane, "Ещё вид"), index);
    EXPECT_EQ(Lab()->Tabs()->tabText(index), "Ещё вид");
    ShowTab(5); // Ctrl+5: the fifth tab, the sound
    EXPECT_EQ(Lab()->Tabs()->tabText(Lab()->Tabs()->currentIndex()), "Звук");
    Lab()->Tabs()->setCurrentWidget(pane);
    // The user goes back to the main window to choose: digits typed in the lab mute harmonics.
    form->Widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form->Widget()));
    Choose(2);
    ASSERT_TRUE(WaitUntil([&] { return heard == "3. Треугольник"; }));
}

TEST_F(LabWindowTest, TheLabsPanesDriveItsViews) {
    Choose(1);
    PressF2();
    Lab()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Lab()));

    // The own function: typed and built, it replaces the main window's signal.
    Lab()->Tabs()->setCurrentIndex(5);
    auto* combo = Lab()->findChild<QComboBox*>("FormulaField");
    ASSERT_NE(combo, nullptr);
    QLineEdit* field = combo->lineEdit();
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, "cos(3*x)");
    QTest::keyClick(field, Qt::Key_Return);
    ASSERT_TRUE(WaitUntil([this] { return !Lab()->FollowsMainWindow(); }));
    ASSERT_TRUE(WaitUntil([this] { return std::abs(Lab()->ShownRun().Analysis.Re[3]) > 11; }));
    EXPECT_NEAR(Lab()->ShownRun().Analysis.Re[3], std::sqrt(512.0) / 2, 1e-9);

    // Digit 3 mutes harmonic 3 wherever the lab has the keyboard; Shift+3 would solo it.
    Lab()->Tabs()->setCurrentIndex(0);
    Lab()->Tabs()->setFocus();
    QTest::keyClick(Lab()->Tabs(), Qt::Key_3);
    ASSERT_TRUE(WaitUntil([this] { return Lab()->ShownRun().Analysis.Re[3] == 0.0; }));
    QTest::keyClick(Lab()->Tabs(), Qt::Key_3);
    ASSERT_TRUE(WaitUntil([this] { return Lab()->ShownRun().Analysis.Re[3] != 0.0; }));

    // Back to the main window's signal.
    Lab()->FollowMainWindow();
    EXPECT_NEAR(Lab()->ShownRun().Analysis.Im[1], form->ImBuf[1], 0.0);
}

// In the own formula's history list Escape closes the list, not the lab. A formula far wider
// than the lab, refused or built, scrolls in its field: the lab keeps its width.
TEST_F(LabWindowTest, TheFormulaFieldKeepsEscapeAndWidthToItself) {
    PressF2();
    ShowTab(6);
    auto* combo = LabChild<QComboBox>("FormulaField");
    ASSERT_NE(combo, nullptr);
    QLineEdit* field = combo->lineEdit();
    field->setFocus();
    QTest::keyClicks(field, "x^2");
    QTest::keyClick(field, Qt::Key_Return);
    ASSERT_TRUE(WaitUntil([this] { return !Lab()->FollowsMainWindow(); }));
    const int width = Lab()->width();

    QTest::keyClick(field, Qt::Key_Down);
    ASSERT_TRUE(WaitUntil([&] { return combo->view()->isVisible(); }));
    QTest::keyClick(combo->view(), Qt::Key_Escape);
    EXPECT_TRUE(WaitUntil([&] { return !combo->view()->isVisible(); }));
    QTest::qWait(20);
    EXPECT_TRUE(Lab()->isVisible());
    EXPECT_EQ(combo->currentText(), "x^2");

    auto* error = LabChild<QLabel>("FormulaError");
    for (const QString& formula :
         {QString("x+").repeated(150), "x" + QString("+x").repeated(124)}) {
        SCOPED_TRACE(formula.size());
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, formula);
        QTest::keyClick(field, Qt::Key_Return);
        EXPECT_EQ(error->text().isEmpty(), formula.size() <= 255) << error->text().toStdString();
        QTest::qWait(20);
        EXPECT_EQ(Lab()->width(), width);
        EXPECT_LE(Lab()->minimumSizeHint().width(), width);
    }
}

TEST_F(LabWindowTest, PicturesOfferKeepingAndHelpInTheirMenu) {
    for (QWidget* picture : {form->Image1->Widget(), form->Image2->Widget()}) {
        QStringList texts;
        for (QAction* action : picture->actions())
            texts << action->text();
        for (const char* expected : {"Лаборатория…", "Сохранить рисунок…", "Копировать рисунок",
                                     "Сохранить данные…", "Справка"})
            EXPECT_TRUE(texts.contains(QString::fromUtf8(expected))) << expected;
    }
}

} // namespace
