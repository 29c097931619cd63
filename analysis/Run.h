#pragma once
// What the main window computed and shows after its last analysis or synthesis run; the
// main window hands it to whoever follows it (the lab) through one notification.
#include "Analysis.h"
#include "Waveforms.h"

#include <string>

namespace Fourier {

struct TRun {
    TAnalysis Analysis;       // the signal and its spectrum
    int WaveformIndex = -1;   // catalogue index, -1 when nothing is chosen
    std::string WaveformName; // e.g. "2. Прямоугольник"
    bool HasJump = false;     // the waveform has a jump discontinuity in a period
    int Harmonic = 0;         // k of the harmonic field (0..HarmonicFieldLimit)
    bool SumShown = true;     // the partial sum is drawn
    TLastHarmonic LastHarmonic = TLastHarmonic::Sine;
    bool Synthesised = false; // the last run was a synthesis (else an analysis)
    bool OwnSignal = false;   // the lab shows a signal of its own, not the main window's
};

// Implemented by whoever follows the main window; called after every analysis and
// synthesis run, on the user-interface thread.
class TRunListener {
  public:
    virtual ~TRunListener() = default;
    virtual void RunFinished(const TRun& run) = 0;
};

} // namespace Fourier
