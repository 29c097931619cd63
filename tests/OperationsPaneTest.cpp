// «Операции» in a real lab beside a real main window, driven by keys: a chain of operations
// undone back to following the main window bit for bit, the shift slider's gestures as undo
// steps, one stack with the drawing, and the main window's slider step reaching the pane.
#include "OperationsPane.h"
#include "DrawPane.h"
#include "DrawingArea.h"
#include "LabFixture.h"
#include "LabLauncher.h"
#include "LabWindow.h"
#include "OwnFormula.h"
#include "SeriesOracle.h"
#include "UserInput.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QSignalSpy>
#include <QSlider>
#include <QTabWidget>
#include <QTableView>
#include <QUndoStack>

#include <functional>

namespace {

using Fourier::TSamples;

// The main window's «2. Прямоугольник»: -1, then 1 from x = 0.
const TSamples Square = SeriesOracle::Waveform(1, 0);

class OperationsPaneTest : public LabFixture {
  protected:
    Fourier::LabWindow* Lab() {
        return qobject_cast<Fourier::LabWindow*>(Fourier::OpenedLab(form->Widget()));
    }
    Fourier::OperationsPane* Pane() { return Lab()->findChild<Fourier::OperationsPane*>(); }
    Fourier::DrawPane* Drawing() { return Lab()->findChild<Fourier::DrawPane*>(); }
    const TSamples& Shown() { return Lab()->ShownRun().Analysis.Samples; }
    std::string Caption() { return Lab()->ShownRun().WaveformName; }

    // Runs the event loop (the lab hands what it shows to its panes at the end of a turn).
    static void WaitFor(const std::function<bool()>& done) {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < 1000)
            QTest::qWait(2);
        ASSERT_TRUE(done());
    }

    // The waveform, F2, and the tab «Операции» with the keyboard in its slider.
    void OpenOperations(int waveform) {
        Choose(waveform);
        UserInput::PressKey(form->Widget(), Qt::Key_F2);
        WaitFor([this] { return Lab() && Lab()->isVisible(); });
        Lab()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Lab()));
        const int tab = Lab()->Tabs()->indexOf(Pane());
        ASSERT_EQ(Lab()->Tabs()->tabText(tab), "Операции");
        ShowPane(Pane());
        ASSERT_EQ(Lab()->focusWidget(), Pane()->ShiftSlider());
    }

    void ShowPane(QWidget* pane) {
        Lab()->Tabs()->setCurrentWidget(pane);
        pane->setFocus();
    }

    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        UserInput::PressKey(Lab(), key, modifiers);
    }

    // Tab until the control has the keyboard (so every control is reached by Tab).
    void TabTo(const QString& name) {
        for (int i = 0; i < 40 && Lab()->focusWidget()->objectName() != name; ++i)
            Press(Qt::Key_Tab);
        ASSERT_EQ(Lab()->focusWidget()->objectName(), name);
    }

    void Operate(const QString& button) {
        TabTo(button);
        Press(Qt::Key_Return);
    }
};

TEST_F(OperationsPaneTest, FiveOperationsUndoneGiveTheMainWindowsSignalBackAndRedoneTheChain) {
    OpenOperations(1);
    ASSERT_EQ(Shown(), Square);
    std::vector<TSamples> steps{Square};
    Operate("InvertButton");
    steps.push_back(Shown());
    Operate("HalfWaveButton");
    steps.push_back(Shown());
    TabTo("ConstantValue"); // 0.5 three arrow steps down, and Enter in the field
    for (int i = 0; i < 3; ++i)
        Press(Qt::Key_Down);
    Press(Qt::Key_Return);
    steps.push_back(Shown());
    TabTo("ClipLevel"); // a digit typed goes to the field, not to muting harmonic 1
    Press(Qt::Key_A, Qt::ControlModifier);
    UserInput::TypeText(Lab(), "1");
    Operate("ClipButton");
    steps.push_back(Shown());
    Operate("ReverseButton");
    steps.push_back(Shown());

    // -square is 1 before x = 0 and -1 after; max(., 0), + 0.2 and clipping at 1 leave 1 and
    // 0.2; reversal takes sample (512 - j) mod 512 to j.
    TSamples expected;
    for (int j = 0; j < 512; ++j)
        expected[j] = (j == 0 || j > 256) ? 1.0 : 0.2;
    EXPECT_EQ(steps.back(), expected);
    EXPECT_EQ(Drawing()->Samples(), expected) << "the drawing holds the result";
    EXPECT_TRUE(Caption().starts_with("2. Прямоугольник → ")) << Caption();
    EXPECT_TRUE(Caption().ends_with(", обращение времени")) << Caption();
    EXPECT_EQ(Pane()->EffectLine()->text(), "Aₖ без изменений, φₖ → −φₖ");
    EXPECT_EQ(Pane()->UndoStack()->count(), 5);

    for (int i = 4; i >= 0; --i) {
        Press(Qt::Key_Z, Qt::ControlModifier);
        ASSERT_EQ(Shown(), steps[i]) << "undone to step " << i;
    }
    EXPECT_TRUE(Lab()->FollowsMainWindow());
    EXPECT_EQ(Caption(), "2. Прямоугольник");
    EXPECT_EQ(Drawing()->Samples(), TSamples{}) << "the drawing holds what it held before";
    for (int i = 1; i <= 5; ++i) {
        Press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        ASSERT_EQ(Shown(), steps[i]) << "redone to step " << i;
    }
}

// Four steps right and one left are one step of 3/64 period on the square wave: its samples
// move by 24 places. A drag after it is a step of its own, again on the square wave itself.
TEST_F(OperationsPaneTest, ShiftSliderKeysAreOneStepAndEveryShiftStartsFromTheSameSignal) {
    OpenOperations(1);
    QSlider* slider = Pane()->ShiftSlider();
    const auto movedBy = [&](int places) {
        for (int j = 0; j < 512; ++j)
            if (std::abs(Shown()[j] - Square[((j - places) % 512 + 512) % 512]) > 1e-12)
                return false;
        return true;
    };
    for (const Qt::Key key :
         {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Left})
        Press(key);
    EXPECT_EQ(Pane()->findChild<QLabel*>("ShiftText")->text(), "τ = 3/64 периода");
    EXPECT_EQ(Pane()->UndoStack()->count(), 1);
    EXPECT_TRUE(movedBy(24));
    EXPECT_EQ(Caption(), "2. Прямоугольник → сдвиг");

    const QPoint handle = UserInput::SliderHandle(slider).center();
    const QPoint away = handle + QPoint(2 * UserInput::SliderHandle(slider).width(), 0);
    QTest::mousePress(slider, Qt::LeftButton, {}, handle);
    QTest::mouseMove(slider, (handle + away) / 2);
    QTest::mouseMove(slider, away);
    QTest::mouseRelease(slider, Qt::LeftButton, {}, away);
    ASSERT_GT(slider->value(), 3);
    EXPECT_EQ(Pane()->UndoStack()->count(), 2);
    EXPECT_TRUE(movedBy(8 * slider->value()));
    EXPECT_EQ(Caption(), "2. Прямоугольник → сдвиг");

    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(slider->value(), 3);
    EXPECT_TRUE(movedBy(24));
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(slider->value(), 0);
    EXPECT_EQ(Shown(), Square);
    // Away and back in one run of keys leaves nothing to undo, and the lab follows again.
    Press(Qt::Key_Right);
    Press(Qt::Key_Left);
    EXPECT_EQ(Pane()->UndoStack()->index(), 0);
    EXPECT_TRUE(Lab()->FollowsMainWindow());
}

// The pen touches the result up; undone in the drawing, the operated signal comes back with its
// name and the chain goes on; the drawing's Ctrl+Z undoes operations too. The own formula's
// signal comes back likewise.
TEST_F(OperationsPaneTest, OneStackWithTheDrawingAndTheOwnFormula) {
    OpenOperations(1);
    TSamples inverted;
    for (int j = 0; j < 512; ++j)
        inverted[j] = -Square[j];
    Operate("InvertButton");
    Press(Qt::Key_7, Qt::ControlModifier); // «Нарисовать»
    Fourier::DrawingArea* area = Drawing()->Area();
    ASSERT_EQ(Drawing()->Samples(), inverted);
    QTest::mouseClick(area, Qt::LeftButton, {}, area->PixelOf({0.5, 0.25}).toPoint());
    EXPECT_EQ(Caption(), "Нарисованный сигнал");
    QTest::qWait(20);
    QTest::keyClick(area, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Shown(), inverted);
    QTest::qWait(20);
    ShowPane(Pane());
    Operate("OddButton"); // the square wave has only odd harmonics
    EXPECT_EQ(Caption(), "2. Прямоугольник → инверсия, только нечётные гармоники");
    EXPECT_EQ(Pane()->EffectLine()->text(), "спектр не изменился");
    ShowPane(Drawing());
    for (int i = 0; i < 2; ++i)
        QTest::keyClick(area, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(Lab()->FollowsMainWindow());
    EXPECT_EQ(Shown(), Square);
    EXPECT_EQ(Drawing()->Samples(), TSamples{});

    ShowPane(Lab()->findChild<QWidget*>("FormulaPane"));
    QSignalSpy handed(Lab(), &Fourier::LabWindow::runChanged);
    UserInput::TypeText(Lab(), "cos(3*x)+x/7\r");
    const std::string formula = Caption();
    ASSERT_EQ(formula, "Своя функция: f(x) = cos(3*x)+x/7");
    WaitFor([&] { return handed.count() > 0; });
    ShowPane(Pane());
    Operate("FullWaveButton");
    EXPECT_EQ(Caption(), formula + " → выпрямление");
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Shown(), Fourier::AnalyseOwnFormula("cos(3*x)+x/7").Samples);
    EXPECT_EQ(Caption(), formula);
}

// After a slider step of the main window the pane works on the new pulse, and the lab's
// spectrum shows the result: a_0 = -2(4p + 1)/512 for the pulse of 4p + 1 samples inverted.
TEST_F(OperationsPaneTest, FollowsASliderStepOfTheMainWindowAndTheViewsShowTheResult) {
    OpenOperations(7); // «8. Прямоугольный импульс»
    if (!form->CheckBox3->Checked()) UserInput::Click(form->CheckBox3->Widget());
    QSignalSpy handed(Lab(), &Fourier::LabWindow::runChanged);
    const int p = form->TrackBar1->Position() + 1;
    form->Widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form->Widget()));
    form->TrackBar1->SetFocus();
    UserInput::PressKey(form->Widget(), Qt::Key_Right);
    WaitFor([&] { return handed.count() > 0; });
    const TSamples pulse = Shown();
    ASSERT_EQ(pulse[256 + 2 * p], 1.0);

    Lab()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Lab()));
    Operate("InvertButton");
    for (int j = 0; j < 512; ++j)
        ASSERT_EQ(Shown()[j], -pulse[j]) << j;
    Press(Qt::Key_4, Qt::ControlModifier); // «Спектр»
    const QAbstractItemModel* table = Lab()->findChild<QTableView*>("SpectrumTable")->model();
    const auto a0 = [&] {
        return QLocale().toDouble(table->index(0, 1).data().toString().replace("−", "-"));
    };
    WaitFor([&] { return std::abs(a0() + 2.0 * (4 * p + 1) / 512) < 1e-5; });
}

} // namespace
