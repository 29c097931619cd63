// The main window tells its follower (the lab) about every finished run.
#include "Unit1.h"

#include <algorithm>

using namespace Fourier;

void TForm1::SetRunListener(TRunListener* listener) {
    runListener_ = listener;
}

TRun TForm1::CurrentRun(bool synthesised) const {
    TRun run;
    // ReBuf holds the spectrum now; the samples are the copy the analysis run kept.
    run.Analysis.Samples = lastSamples_;
    std::copy(std::begin(ReBuf), std::end(ReBuf), run.Analysis.Re.begin());
    std::copy(std::begin(ImBuf), std::end(ImBuf), run.Analysis.Im.begin());
    run.Analysis.Peak = SignalPeak;
    run.Analysis.Status = FftStatus;
    run.WaveformIndex = ComboBox1->ItemIndex();
    run.WaveformName = ComboBox1->Text();
    const TWaveform* waveform = WaveformAt(run.WaveformIndex);
    run.HasJump = waveform && waveform->HasJump;
    run.Harmonic = SpinEdit1->Value();
    run.SumShown = SCheckBox->Checked();
    run.LastHarmonic = std::clamp(LastHarmonicChoice(), TLastHarmonic::Sine, TLastHarmonic::None);
    run.Synthesised = synthesised;
    return run;
}

void TForm1::NotifyRunListener(bool synthesised) {
    synthesisShown_ = synthesised;
    runShown_ = true;
    const TRun run = CurrentRun(synthesised);
    UpdateSpokenSummaries(run);
    if (runListener_) runListener_->RunFinished(run);
}

TLastHarmonic TForm1::LastHarmonicChoice() const {
    return static_cast<TLastHarmonic>(LRadioGroup->ItemIndex());
}
