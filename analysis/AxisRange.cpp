#include "AxisRange.h"

#include <algorithm>
#include <cmath>

namespace Fourier {

TAxisRange Extent(std::initializer_list<std::span<const double>> curves) {
    TAxisRange extent{0.0, 0.0};
    bool first = true;
    for (std::span<const double> curve : curves)
        for (double v : curve)
            if (std::isfinite(v)) {
                extent.Low = first ? v : std::min(extent.Low, v);
                extent.High = first ? v : std::max(extent.High, v);
                first = false;
            }
    return extent;
}

TAxisRange FollowRange(TAxisRange current, double low, double high, TAxisScale scale) {
    const bool logarithmic = scale == TAxisScale::Logarithmic;
    if (!std::isfinite(low) || !std::isfinite(high) || low > high || (logarithmic && low <= 0))
        return current;
    const auto span = [logarithmic](double from, double to) {
        return logarithmic ? std::log10(to / from) : to - from;
    };
    const auto holds = [current](double v) { return v >= current.Low && v <= current.High; };
    if (holds(low) && holds(high) && span(low, high) >= 0.5 * span(current.Low, current.High))
        return current;
    if (logarithmic) {
        const double spare = std::pow(10.0, 0.2 * std::max(span(low, high), 1.0));
        return {low / spare, high * spare};
    }
    const double spare =
        std::max({0.2 * (high - low), 1e-3 * std::max(std::abs(low), std::abs(high)), 1e-12});
    return {low - spare, high + spare};
}

double SymmetricHalfRange(double largest) {
    return std::max(1.0, 1.1 * largest);
}

} // namespace Fourier
