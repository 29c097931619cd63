// Fourier synthesis: the partial sum of harmonics 1 to k in red stems and harmonic k
// alone as a yellow line, on the y range the last spectrum display chose.
#include "HarmonicSum.h"
#include "HarmonicText.h"
#include "NumberText.h"
#include "Unit1.h"

#include <numbers>

using namespace Fourier::Toolkit;
using namespace Fourier;

void TForm1::SSpeedButtonClick(TObject*) {
    if (SpinEdit1->Text().empty()) {
        SpeedButton2->Click();
        return;
    }
    YCheckBox->SetChecked(false);
    ClearDrawings();
    const double hi = ReadEditNumber(MaxEdit->Text());
    const double lo = ReadEditNumber(MinEdit->Text());
    constexpr double Pi = std::numbers::pi;
    TSamples values{};

    if (SCheckBox->Checked()) {
        PartialSum(ReBuf, ImBuf, SpinEdit1->Value(), values);
        PlotGraph(values, TPlotMode::Stems, Pi, -Pi, hi, lo, clRed);
    }

    const int k = SpinEdit1->Value();
    const TLastHarmonic last = LastHarmonicChoice();
    if (last != TLastHarmonic::None && k >= 1 && k <= HighestHarmonic) {
        SingleHarmonic(ReBuf, ImBuf, k, last == TLastHarmonic::Sine, values);
        PlotGraph(values, TPlotMode::Line, Pi, -Pi, hi, lo, clYellow);
    }

    ShowSpectrum();
    NotifyRunListener(true);
}

void TForm1::SpeedButton2Click(TObject*) {
    SpinEdit1->SetValue(0);
}

void TForm1::SpinEdit1Change(TObject*) {
    const std::string text = SpinEdit1->Text();
    if (!text.empty() && CheckBox2->Checked()) SSpeedButton->Click();
    if (text.empty()) return;
    // Writing the cleaned text back runs this handler again, one cleaning step per level.
    SpinEdit1->SetText(CleanHarmonicText(text));
}

void TForm1::GroupBox1Click(TObject*) {
    if (SCheckBox->Checked() || LastHarmonicChoice() != TLastHarmonic::None) {
        if (ASpeedButton->Enabled()) SSpeedButton->SetEnabled(true);
    } else {
        SSpeedButton->SetEnabled(false);
    }
}
