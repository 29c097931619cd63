// The analysis run: sample the chosen waveform, draw it, transform it, show its spectrum.
#include "Analysis.h"
#include "Fft87b41.h"
#include "NumberText.h"
#include "Translator.h"
#include "Unit1.h"
#include "Waveforms.h"

#include <algorithm>
#include <cmath>
#include <numbers>

using namespace Toolkit;

void TForm1::Button1Click(TObject*) {
    YCheckBox->SetChecked(true);

    const std::string hiText = HiEdit->Text(), loText = LoEdit->Text();
    const std::string maxText = MaxEdit->Text(), minText = MinEdit->Text();
    if (hiText.empty() || loText.empty() || maxText.empty() || minText.empty()) return;
    double b = ReadEditNumber(hiText);
    double a = ReadEditNumber(loText);
    const double yMax = ReadEditNumber(maxText);
    const double yMin = ReadEditNumber(minText);

    std::fill(std::begin(ReBuf), std::end(ReBuf), 0.0);
    std::fill(std::begin(ImBuf), std::end(ImBuf), 0.0);
    if (XCheckBox->Checked()) {
        b = std::numbers::pi;
        a = -std::numbers::pi;
    }

    const int index = ComboBox1->ItemIndex();
    const std::span<double, SampleCount> samples(ReBuf, SampleCount);
    const bool formula = IsFormulaWaveform(index);
    if (formula) {
        FEdit->SetText(FormulaText(index, TrackBar1->Position(), TrackBar2->Position(),
                                   TrackBar3->Position()));
        if (index != 0) FEdit->SetText(WithDecimalPoint(FEdit->Text()));
        SampleFormula(a, b);
    } else if (!WriteSamples(index, TrackBar1->Position(), samples)) {
        return; // nothing selected
    }

    ClearDrawings();
    PlotGraph(samples, 0, b, a, yMax, yMin, clRed);

    const Fourier::TAnalysis analysis = Fourier::AnalyseSamples(samples);
    lastSamples_ = analysis.Samples;
    std::copy(analysis.Re.begin(), analysis.Re.end(), ReBuf);
    std::copy(analysis.Im.begin(), analysis.Im.end(), ImBuf);
    SignalPeak = analysis.Peak;
    FftStatus = analysis.Status;

    if (FftStatus == Fft87b41::fsOk) ShowSpectrum();
    NotifyRunListener(false);
}

void TForm1::SampleFormula(double a, double b) {
    const std::string text = FEdit->Text();
    TFormulaSamples& last = lastFormula_;
    if (last.Valid && last.Text == text && last.A == a && last.B == b) {
        std::copy(std::begin(last.Values), std::end(last.Values), ReBuf);
        return;
    }
    last.Valid = false;
    Translator::Translate(text);
    const double d = (b - a) / SampleCount;
    for (int i = 0; i < SampleCount; ++i) {
        const long double x = static_cast<long double>(a) + i * static_cast<long double>(d);
        ReBuf[i] = Translator::Evaluate(static_cast<double>(x));
    }
    Translator::ReleaseFormula();
    std::copy(ReBuf, ReBuf + SampleCount, last.Values);
    last.Text = text;
    last.A = a;
    last.B = b;
    last.Valid = true;
}
