// The main window tells its follower (the lab) about every finished run.
#include "Unit1.h"

#include <algorithm>

void TForm1::SetRunListener(Fourier::TRunListener* listener) {
    runListener_ = listener;
}

Fourier::TRunView TForm1::CurrentRunView(bool synthesised) const {
    Fourier::TRunView view;
    // ReBuf holds the spectrum now; the samples are the copy the analysis run kept.
    view.Analysis.Samples = lastSamples_;
    std::copy(std::begin(ReBuf), std::end(ReBuf), view.Analysis.Re.begin());
    std::copy(std::begin(ImBuf), std::end(ImBuf), view.Analysis.Im.begin());
    view.Analysis.Peak = SignalPeak;
    view.Analysis.Status = FftStatus;
    view.WaveformIndex = ComboBox1->ItemIndex();
    view.WaveformName = ComboBox1->Text();
    const Fourier::TWaveform* waveform = Fourier::WaveformAt(view.WaveformIndex);
    view.HasJump = waveform && waveform->HasJump;
    view.Harmonic = SpinEdit1->Value();
    view.SumShown = SCheckBox->Checked();
    view.LastHarmonic =
        static_cast<Fourier::TLastHarmonic>(std::clamp(LRadioGroup->ItemIndex(), 0, 2));
    view.Synthesised = synthesised;
    return view;
}

void TForm1::NotifyRunListener(bool synthesised) {
    if (runListener_) runListener_->RunFinished(CurrentRunView(synthesised));
}
