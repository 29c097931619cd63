#include "BuildUp.h"

#include <algorithm>
#include <cmath>

namespace Fourier {

TBuildUp::TBuildUp(int limit, double rate) {
    SetLimit(limit);
    SetRate(rate);
}

void TBuildUp::Play() {
    if (k_ >= limit_) {
        k_ = 1;
        waited_ = TDuration{0};
    }
    playing_ = k_ < limit_;
}

void TBuildUp::Pause() {
    playing_ = false;
}

void TBuildUp::StepForward() {
    Pause();
    waited_ = TDuration{0};
    k_ = std::min(k_ + 1, limit_);
}

void TBuildUp::StepBack() {
    Pause();
    waited_ = TDuration{0};
    k_ = std::max(k_ - 1, 1);
}

void TBuildUp::SetLimit(int limit) {
    limit_ = std::clamp(limit, 1, LargestLimit);
    if (k_ >= limit_) {
        k_ = limit_;
        playing_ = false;
    }
}

void TBuildUp::SetRate(double stepsPerSecond) {
    // NaN would pass std::clamp unchanged; the slowest rate is the safe reading of it.
    rate_ = std::isnan(stepsPerSecond) ? SlowestRate
                                       : std::clamp(stepsPerSecond, SlowestRate, FastestRate);
}

TBuildUp::TDuration TBuildUp::StepLength() const {
    return TDuration{std::llround(1e9 / rate_)};
}

bool TBuildUp::Advance(TDuration elapsed) {
    if (!playing_ || elapsed <= TDuration{0}) return false;
    const int before = k_;
    waited_ += elapsed;
    const TDuration step = StepLength();
    while (waited_ >= step && k_ < limit_) {
        waited_ -= step;
        ++k_;
    }
    if (k_ >= limit_) {
        playing_ = false;
        waited_ = TDuration{0};
    }
    return k_ != before;
}

TBuildUp::TDuration TBuildUp::UntilNextStep() const {
    if (!playing_) return TDuration{0};
    return std::max(StepLength() - waited_, TDuration{0});
}

} // namespace Fourier
