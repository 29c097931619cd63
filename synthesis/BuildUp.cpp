#include "BuildUp.h"

#include <algorithm>
#include <cmath>

namespace Fourier {

TBuildUp::TBuildUp(int limit, double rate) {
    SetLimit(limit);
    SetRate(rate);
}

void TBuildUp::Play() {
    if (K >= LimitK) {
        K = 1;
        Waited = TDuration{0};
    }
    IsPlaying = K < LimitK;
}

void TBuildUp::Pause() {
    IsPlaying = false;
}

void TBuildUp::StepForward() {
    Pause();
    Waited = TDuration{0};
    K = std::min(K + 1, LimitK);
}

void TBuildUp::StepBack() {
    Pause();
    Waited = TDuration{0};
    K = std::max(K - 1, 1);
}

void TBuildUp::SetLimit(int limit) {
    LimitK = std::clamp(limit, 1, LargestLimit);
    if (K >= LimitK) {
        K = LimitK;
        IsPlaying = false;
    }
}

void TBuildUp::SetRate(double stepsPerSecond) {
    // NaN would pass std::clamp unchanged; the slowest rate is the safe reading of it.
    StepsPerSecond = std::isnan(stepsPerSecond)
                         ? SlowestRate
                         : std::clamp(stepsPerSecond, SlowestRate, FastestRate);
}

TBuildUp::TDuration TBuildUp::StepLength() const {
    return TDuration{std::llround(1e9 / StepsPerSecond)};
}

bool TBuildUp::Advance(TDuration elapsed) {
    if (!IsPlaying || elapsed <= TDuration{0}) return false;
    const int before = K;
    Waited += elapsed;
    const TDuration step = StepLength();
    while (Waited >= step && K < LimitK) {
        Waited -= step;
        ++K;
    }
    if (K >= LimitK) {
        IsPlaying = false;
        Waited = TDuration{0};
    }
    return K != before;
}

TBuildUp::TDuration TBuildUp::UntilNextStep() const {
    if (!IsPlaying) return TDuration{0};
    return std::max(StepLength() - Waited, TDuration{0});
}

} // namespace Fourier
