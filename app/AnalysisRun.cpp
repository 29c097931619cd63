// The analysis run: sample the chosen waveform, draw it, transform it, show its spectrum.
#include "Analysis.h"
#include "DesktopLocale.h"
#include "Fft87b41.h"
#include "NumberText.h"
#include "Unit1.h"
#include "Waveforms.h"

#include <algorithm>
#include <numbers>

using namespace Fourier::Toolkit;
using namespace Fourier;

void TForm1::Button1Click(TObject*) {
    YCheckBox->SetChecked(true);

    const std::string hiText = HiEdit->Text(), loText = LoEdit->Text();
    const std::string maxText = MaxEdit->Text(), minText = MinEdit->Text();
    if (hiText.empty() || loText.empty() || maxText.empty() || minText.empty()) return;
    double b = ReadEditNumber(hiText);
    double a = ReadEditNumber(loText);
    const double yMax = ReadEditNumber(maxText);
    const double yMin = ReadEditNumber(minText);

    if (XCheckBox->Checked()) {
        b = std::numbers::pi;
        a = -std::numbers::pi;
    }
    const TPositions positions{TrackBar1->Position(), TrackBar2->Position(), TrackBar3->Position()};
    const TRunInputs inputs{ComboBox1->ItemIndex(), positions, a, b, DesktopDecimalSeparator()};
    // A slider step runs the analysis twice on the same inputs; when nothing has touched
    // the results and the pictures since, the second run would redraw the same pixels.
    if (lastRun_.Repeats(inputs, *this)) {
        NotifyRunListener(false);
        return;
    }
    lastRun_.Valid = false;

    std::fill(std::begin(ReBuf), std::end(ReBuf), 0.0);
    std::fill(std::begin(ImBuf), std::end(ImBuf), 0.0);
    const TWaveform* waveform = WaveformAt(inputs.WaveformIndex);
    if (!waveform) return; // nothing selected
    TSamples samples{};
    if (waveform->Formula) {
        FEdit->SetText(waveform->Formula(positions, inputs.DecimalSeparator));
        FEdit->SetText(WithDecimalPoint(FEdit->Text()));
        samples = formulaSamples_.Samples(FEdit->Text(), a, b);
    } else {
        waveform->WriteSamples(positions, samples);
    }
    std::copy(samples.begin(), samples.end(), ReBuf);

    ClearDrawings();
    PlotGraph(samples, TPlotMode::Stems, b, a, yMax, yMin, clRed);

    const TAnalysis analysis = AnalyseSamples(samples);
    lastSamples_ = analysis.Samples;
    std::copy(analysis.Re.begin(), analysis.Re.end(), ReBuf);
    std::copy(analysis.Im.begin(), analysis.Im.end(), ImBuf);
    SignalPeak = analysis.Peak;
    FftStatus = analysis.Status;

    if (FftStatus == Fft87b41::fsOk) ShowSpectrum();
    lastRun_.Record(inputs, *this);
    NotifyRunListener(false);
}
