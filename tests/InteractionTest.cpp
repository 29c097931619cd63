// The window in the user's hands: waveform choice, track bars, synthesis, keyboard.
#include "FormFixture.h"
#include "HarmonicSum.h"
#include "HarmonicText.h"
#include "NumberText.h"
#include "Rounding.h"

#include <QApplication>
#include <QRadioButton>
#include <cmath>
#include <numbers>

using namespace Fourier;

namespace {

using Toolkit::TColor;
constexpr double Pi = std::numbers::pi;

class InteractionTest : public FormFixture {
  protected:
    void SetUp() override {
        FormFixture::SetUp();
        ShowAndActivate();
    }
    void Key(Toolkit::TControl* control, Qt::Key key) {
        control->SetFocus();
        QTest::keyClick(QApplication::focusWidget(), key);
    }
    void ClickRadio(int item) {
        auto buttons = form->LRadioGroup->Widget()->findChildren<QRadioButton*>();
        ASSERT_EQ(buttons.size(), 3);
        QTest::mouseClick(buttons[item], Qt::LeftButton, {},
                          QPoint(5, buttons[item]->height() / 2));
    }
    int CountInGraph(TColor colour) {
        int n = 0;
        for (int y = 0; y < 231; ++y)
            for (int x = 0; x < 579; ++x)
                n += form->GraphBitmap.Canvas().Pixel(x, y) == colour;
        return n;
    }
};

struct SetupRow {
    const char* name;
    int item;
    bool bar1, bar2, bar3;
    int min1, max1, pos1;
    int pos2;
    int max3, pos3, page3;
    const char* label1;
    int radio;
};

// With the shipped velmora.cfg: 1/8, 0, 0, 1/8, 1/8, 2/(4 2), 3/(16 8 4), 1/8.
const SetupRow Setups[] = {
    {"sine", 0, true, false, false, 1, 24, 8, 8, 16, 8, 4, "Частота", 0},
    {"square", 1, false, false, false, 1, 31, 8, 8, 16, 8, 4, nullptr, 0},
    {"triangle", 2, false, false, false, 1, 31, 8, 8, 16, 8, 4, nullptr, 0},
    {"trapezoid", 3, true, false, false, 1, 31, 8, 8, 16, 8, 4, "Ширина верхнего основания", 0},
    {"delta", 4, true, false, false, 1, 15, 8, 8, 16, 8, 4, "Сдвиг от начала координат", 0},
    {"beats", 5, false, true, true, 1, 31, 8, 4, 4, 2, 1, nullptr, 1},
    {"modulation", 6, true, true, true, 8, 24, 16, 8, 8, 4, 2, "Несущая частота", 1},
    {"pulse", 7, true, false, false, 1, 31, 8, 8, 16, 8, 4, "Ширина импульса", 1},
};

TEST_F(InteractionTest, EachWaveformSetsUpItsControls) {
    for (const SetupRow& row : Setups) {
        SCOPED_TRACE(row.name);
        Choose(row.item);
        EXPECT_EQ(form->TrackBar1->Visible(), row.bar1);
        EXPECT_EQ(form->TrackBar2->Visible(), row.bar2);
        EXPECT_EQ(form->TrackBar3->Visible(), row.bar3);
        EXPECT_EQ(form->TrackBar1->Min(), row.min1);
        EXPECT_EQ(form->TrackBar1->Max(), row.max1);
        if (row.bar1) {
            EXPECT_EQ(form->TrackBar1->Position(), row.pos1);
        }
        if (row.bar2) {
            EXPECT_EQ(form->TrackBar2->Position(), row.pos2);
        }
        EXPECT_EQ(form->TrackBar3->Max(), row.max3);
        EXPECT_EQ(form->TrackBar3->Position(), row.pos3);
        EXPECT_EQ(form->TrackBar3->PageSize(), row.page3);
        EXPECT_EQ(form->Label1->Visible(), row.label1 != nullptr);
        if (row.label1) {
            EXPECT_EQ(form->Label1->Caption(), row.label1);
        }
        EXPECT_EQ(form->Label2->Visible(), row.bar2);
        EXPECT_EQ(form->Label3->Visible(), row.bar3);
        EXPECT_EQ(form->LRadioGroup->ItemIndex(), row.radio);
        EXPECT_TRUE(form->ASpeedButton->Enabled());
        EXPECT_TRUE(form->SSpeedButton->Enabled());
        EXPECT_TRUE(form->CheckBox3->Enabled());
        EXPECT_EQ(form->SpinEdit1->Text(), "0");
        EXPECT_TRUE(form->YCheckBox->Checked());
    }
    EXPECT_TRUE(errors.empty());
}

TEST_F(InteractionTest, SineAfterModulationGetsItsFullRangeBack) {
    Choose(6);
    Choose(0);
    EXPECT_EQ(form->TrackBar1->Min(), 1);
    EXPECT_EQ(form->TrackBar1->Max(), 24);
    EXPECT_FALSE(form->TrackBar2->Visible());
    EXPECT_FALSE(form->TrackBar3->Visible());
    EXPECT_FALSE(form->Label2->Visible());
}

TEST_F(InteractionTest, StoredPositionsAreClampedOnlyOnTheTrackBar) {
    form->ParamTable[5].P2 = 9;
    form->ParamTable[0].P1 = -40;
    Choose(5);
    EXPECT_EQ(form->TrackBar3->Position(), 4);
    EXPECT_EQ(form->ParamTable[5].P2, 9);
    Choose(0);
    EXPECT_EQ(form->TrackBar1->Position(), 1);
    EXPECT_EQ(form->FEdit->Text(), "sin(1*x)");
}

TEST_F(InteractionTest, MovesAreRememberedByCount) {
    Choose(6);
    Key(form->TrackBar2, Qt::Key_Right);
    Key(form->TrackBar3, Qt::Key_Left);
    Key(form->TrackBar1, Qt::Key_PageUp);
    EXPECT_EQ(form->ParamTable[6], (TParamEntry{3, 20, 9, 3}));
    Choose(1);
    Choose(6);
    EXPECT_EQ(form->TrackBar1->Position(), 20);
    EXPECT_EQ(form->TrackBar2->Position(), 9);
    EXPECT_EQ(form->TrackBar3->Position(), 3);

    form->ParamTable[5] = {1, 4, 2, 0}; // a count that does not fit the beats
    Choose(5);
    Key(form->TrackBar2, Qt::Key_Right);
    EXPECT_EQ(form->ParamTable[5], (TParamEntry{1, 4, 2, 0}));
}

TEST_F(InteractionTest, RedrawSwitchMakesTrackBarsAndHarmonicsRedraw) {
    Choose(0);
    Key(form->TrackBar1, Qt::Key_Right);
    EXPECT_EQ(form->FEdit->Text(), "sin(8*x)"); // off: only the position changes
    EXPECT_EQ(form->ParamTable[0].P1, 9);
    QTest::mouseClick(form->CheckBox3->Widget(), Qt::LeftButton);
    EXPECT_TRUE(form->CheckBox1->Checked());
    EXPECT_TRUE(form->CheckBox2->Checked());
    Key(form->TrackBar1, Qt::Key_Right);
    EXPECT_EQ(form->FEdit->Text(), "sin(10*x)");
    Key(form->SpinEdit1, Qt::Key_Up);
    EXPECT_EQ(form->SpinEdit1->Text(), "1");
    EXPECT_FALSE(form->YCheckBox->Checked()); // a synthesis ran
    QTest::mouseClick(form->CheckBox3->Widget(), Qt::LeftButton);
    EXPECT_FALSE(form->CheckBox1->Checked());
    EXPECT_FALSE(form->CheckBox2->Checked());
}

// "Перерисовывать" makes a typed harmonic number redraw the graph at once; without it the
// graph keeps the analysis until "&Синтез" is pressed.
TEST_F(InteractionTest, TypedHarmonicSynthesisesAtOnceOnlyWhileRedrawIsOn) {
    for (const bool redraw : {false, true}) {
        SCOPED_TRACE(redraw ? "redraw on" : "redraw off");
        StartWindow(true);
        ShowAndActivate();
        Choose(1); // the square: its last harmonic is drawn as a sine
        if (redraw) QTest::mouseClick(form->CheckBox3->Widget(), Qt::LeftButton);
        ASSERT_EQ(form->CheckBox2->Checked(), redraw);
        ASSERT_TRUE(form->YCheckBox->Checked());
        Key(form->SpinEdit1, Qt::Key_5);
        ASSERT_EQ(form->SpinEdit1->Text(), "5");
        EXPECT_EQ(form->YCheckBox->Checked(), !redraw);
        EXPECT_EQ(CountInGraph(Toolkit::clYellow) > 0, redraw) << "the fifth harmonic's line";
    }
}

TEST_F(InteractionTest, SynthesisIsDisabledForTheDeltaWithNothingToDraw) {
    Choose(1);
    ClickRadio(2);
    QTest::mouseClick(form->SCheckBox->Widget(), Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_FALSE(form->SSpeedButton->Enabled());
    Choose(4);
    EXPECT_FALSE(form->SSpeedButton->Enabled());
    Choose(3);
    EXPECT_TRUE(form->SSpeedButton->Enabled());
}

TEST_F(InteractionTest, EnablingRuleNeedsAClickOfTheGroup) {
    Choose(1);
    QTest::mouseClick(form->SCheckBox->Widget(), Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_TRUE(form->SSpeedButton->Enabled());
    ClickRadio(2); // the radio group has no handler of its own
    EXPECT_TRUE(form->SSpeedButton->Enabled());
    QTest::mouseClick(form->GroupBox1->Widget(), Qt::LeftButton, {}, QPoint(150, 190));
    EXPECT_FALSE(form->SSpeedButton->Enabled());
    ClickRadio(0);
    QTest::mouseClick(form->GroupBox1->Widget(), Qt::LeftButton, {}, QPoint(150, 190));
    EXPECT_TRUE(form->SSpeedButton->Enabled());
}

TEST_F(InteractionTest, HarmonicZeroDrawsOnlyTheAxes) {
    Choose(1);
    QTest::mouseClick(form->SSpeedButton->Widget(), Qt::LeftButton);
    EXPECT_FALSE(form->YCheckBox->Checked());
    EXPECT_EQ(CountInGraph(Toolkit::clRed), 0);
    EXPECT_EQ(CountInGraph(Toolkit::clYellow), 0);
    EXPECT_GT(CountInGraph(Toolkit::clGray), 579);
}

TEST_F(InteractionTest, SumOffCosineThreeDrawsOnlyThatHarmonic) {
    Choose(2);
    QTest::mouseClick(form->SCheckBox->Widget(), Qt::LeftButton, {}, QPoint(5, 8));
    ClickRadio(1);
    form->SpinEdit1->SetText("3");
    QTest::mouseClick(form->SSpeedButton->Widget(), Qt::LeftButton);
    EXPECT_EQ(CountInGraph(Toolkit::clRed), 0);
    const double P = ReadEditNumber(form->MaxEdit->Text());
    const double q = 2 * P / 201;
    for (int j = 0; j < 511; j += 37) {
        const double v = form->ReBuf[3] * std::cos((j * (Pi / 256) - Pi) * 3);
        EXPECT_EQ(form->GraphBitmap.Canvas().Pixel(33 + j, RoundHalfEven(115 - v / q)),
                  Toolkit::clYellow)
            << j;
    }
}

TEST_F(InteractionTest, HarmonicFortyBeforeFocusLossIsDrawnThenClamped) {
    Choose(4);
    form->TrackBar1->SetPosition(9); // the delta at x = pi/64: every harmonic has a sine part
    form->Button1->Click();
    form->SpinEdit1->SetFocus();
    form->SpinEdit1->SetText("40");
    QTest::mouseClick(form->SSpeedButton->Widget(), Qt::LeftButton);
    std::array<double, 512> sum, last;
    Fourier::PartialSum(form->ReBuf, form->ImBuf, 40, sum);
    Fourier::SingleHarmonic(form->ReBuf, form->ImBuf, 40, true, last);
    const double P = ReadEditNumber(form->MaxEdit->Text());
    const double q = 2 * P / 201;
    for (int j = 1; j < 511; j += 29) {
        EXPECT_EQ(form->GraphBitmap.Canvas().Pixel(33 + j, RoundHalfEven(115 - last[j] / q)),
                  Toolkit::clYellow)
            << j;
        const int tip = RoundHalfEven(115 - sum[j] / q);
        if (std::abs(tip - 115) > 2) { // a stem from the axis towards its value, maybe crossed
            const TColor c = form->GraphBitmap.Canvas().Pixel(33 + j, (tip + 115) / 2);
            EXPECT_TRUE(c == Toolkit::clRed || c == Toolkit::clYellow) << j;
        }
    }
    form->ComboBox1->SetFocus();
    EXPECT_EQ(form->SpinEdit1->Text(), "32");
}

TEST_F(InteractionTest, ResetOnZeroTriggersNothing) {
    Choose(1);
    QTest::mouseClick(form->CheckBox3->Widget(), Qt::LeftButton);
    ASSERT_TRUE(form->YCheckBox->Checked());
    QTest::mouseClick(form->SpeedButton2->Widget(), Qt::LeftButton);
    EXPECT_TRUE(form->YCheckBox->Checked()); // no synthesis ran
    form->SpinEdit1->SetText("5");
    EXPECT_FALSE(form->YCheckBox->Checked());
    form->Button1->Click();
    QTest::mouseClick(form->SpeedButton2->Widget(), Qt::LeftButton);
    EXPECT_EQ(form->SpinEdit1->Text(), "0");
    EXPECT_FALSE(form->YCheckBox->Checked()); // "5" -> "0" is a change: the synthesis ran
}

TEST_F(InteractionTest, HarmonicFieldIsCleanedOneStepPerChange) {
    Choose(1);
    struct Row {
        const char* typed;
        const char* cleaned;
    } rows[] = {
        {"007", "7"}, {"-5", "5"}, {"5x", "5"},  {"1.5", "15"}, {"+3", "3"},
        {"abc", "0"}, {"", ""},    {"12", "12"}, {" 0", " 0"},  {"99999999999", "999999999"}};
    for (const Row& row : rows) {
        form->SpinEdit1->SetText(row.typed);
        EXPECT_EQ(form->SpinEdit1->Text(), row.cleaned) << row.typed;
    }
    // Each step is a change of its own: 007 -> 07 -> 7.
    EXPECT_EQ(Fourier::CleanHarmonicText("007"), "07");
    EXPECT_EQ(Fourier::CleanHarmonicText("07"), "7");
    EXPECT_EQ(Fourier::CleanHarmonicText("1.5"), "15");
    EXPECT_EQ(Fourier::CleanHarmonicText("5ж"), "5");
}

TEST_F(InteractionTest, SumNeverHoldsTheConstantTerm) {
    Choose(7);
    std::array<double, 512> sum;
    Fourier::PartialSum(form->ReBuf, form->ImBuf, 32, sum);
    double mean = 0;
    for (double v : sum)
        mean += v / 512;
    EXPECT_GT(form->ReBuf[0], 0.1);
    EXPECT_NEAR(mean, 0.0, 1e-12);
}

TEST_F(InteractionTest, EnterRunsAnalysisOrSynthesisByFocus) {
    Choose(0);
    form->SSpeedButton->Click();
    ASSERT_FALSE(form->YCheckBox->Checked());
    Key(form->TrackBar1, Qt::Key_Return);
    EXPECT_TRUE(form->YCheckBox->Checked());

    form->SSpeedButton->Click();
    Key(form->ComboBox1, Qt::Key_Return);
    EXPECT_TRUE(form->YCheckBox->Checked());

    const int beepsBefore = beeps;
    Key(form->SpinEdit1, Qt::Key_Return);
    EXPECT_FALSE(form->YCheckBox->Checked());
    EXPECT_EQ(beeps, beepsBefore + 1); // the field refuses Enter
}

TEST_F(InteractionTest, EnterDoesNothingWhileSynthesisIsDisabled) {
    Choose(1);
    ClickRadio(2);
    QTest::mouseClick(form->SCheckBox->Widget(), Qt::LeftButton, {}, QPoint(5, 8));
    ASSERT_FALSE(form->SSpeedButton->Enabled());
    form->SSpeedButton->Click();
    Key(form->ComboBox1, Qt::Key_Return);
    EXPECT_FALSE(form->YCheckBox->Checked());
}

TEST_F(InteractionTest, BackspaceAndDeleteNeverEmptyTheField) {
    Choose(1);
    struct Row {
        const char* text;
        Qt::Key key;
        bool caretAtEnd;
        const char* left;
    } rows[] = {{"7", Qt::Key_Backspace, true, "0"}, {"12", Qt::Key_Backspace, true, "1"},
                {"0", Qt::Key_Delete, false, "0"},   {"0", Qt::Key_Backspace, true, "0"},
                {"5", Qt::Key_Delete, false, "0"},   {"25", Qt::Key_Delete, false, "5"}};
    for (const Row& row : rows) {
        form->SpinEdit1->SetFocus();
        form->SpinEdit1->SetText(row.text);
        QTest::keyClick(QApplication::focusWidget(), row.caretAtEnd ? Qt::Key_End : Qt::Key_Home);
        QTest::keyClick(QApplication::focusWidget(), row.key);
        EXPECT_EQ(form->SpinEdit1->Text(), row.left) << row.text;
    }
}

TEST_F(InteractionTest, AltAcceleratorsPressTheirButtons) {
    Choose(1);
    form->SpinEdit1->SetText("5");
    QWidget* focus = QApplication::focusWidget();
    QTest::sendKeyEvent(QTest::Click, focus, Qt::Key(0x421), QString::fromUtf8("С"),
                        Qt::AltModifier);
    EXPECT_EQ(form->SpinEdit1->Text(), "0"); // "&Сброс" comes before "&Синтез"
    form->SSpeedButton->Click();
    ASSERT_FALSE(form->YCheckBox->Checked());
    QTest::sendKeyEvent(QTest::Click, focus, Qt::Key(0x410), QString::fromUtf8("А"),
                        Qt::AltModifier);
    EXPECT_TRUE(form->YCheckBox->Checked()); // "&Анализ"
}

} // namespace
