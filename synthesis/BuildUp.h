#pragma once
// The build-up of the series: the partial sum's harmonic number k stepped from 1 to a
// limit at a steady rate. Pure state driven by the time that has passed, so that a timer,
// a test or a benchmark can drive it alike.
#include "Analysis.h"

#include <chrono>

namespace Fourier {

class TBuildUp {
  public:
    using TDuration = std::chrono::nanoseconds;

    static constexpr double SlowestRate = 0.5; // steps per second
    static constexpr double FastestRate = 10.0;
    static constexpr int LargestLimit = HighestHarmonic;

    // limit in 1..255 and rate in steps per second, each clamped to its range; k starts at 1,
    // paused.
    explicit TBuildUp(int limit = HarmonicLimit, double rate = 2.0);

    int Harmonic() const { return k_; }
    int Limit() const { return limit_; }
    double Rate() const { return rate_; }
    bool Playing() const { return playing_; }

    // Starts or goes on stepping. From the limit it starts again at k = 1.
    void Play();
    // Stops stepping; Play goes on from the same k and the same point of the step.
    void Pause();
    // One step by hand; stepping by hand pauses. k stays within 1..limit.
    void StepForward();
    void StepBack();

    // Clamped to 1..255; a k beyond the new limit comes down to it, which ends playing.
    void SetLimit(int limit);
    // Clamped to 0.5..10 steps per second. The time already waited toward the next step
    // counts toward the new step length.
    void SetRate(double stepsPerSecond);

    // Lets `elapsed` pass. While playing, k goes up by one at the end of every step
    // length (1/rate), several times for a long interval, and stops at the limit, where
    // playing ends. Returns whether k changed.
    bool Advance(TDuration elapsed);

    // How long until the next step while playing (for a timer); zero when paused.
    TDuration UntilNextStep() const;

  private:
    TDuration StepLength() const;

    int k_ = 1;
    int limit_ = HarmonicLimit;
    double rate_ = 2.0; // steps per second
    bool playing_ = false;
    TDuration waited_{0}; // time since the last step while playing
};

} // namespace Fourier
