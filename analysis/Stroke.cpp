#include "Stroke.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace Fourier {
namespace {

constexpr double LastIndex = SampleCount - 1;

int NearestSample(double position) {
    return static_cast<int>(std::round(std::clamp(position, 0.0, LastIndex)));
}

} // namespace

double GridPosition(double x) {
    return (x + std::numbers::pi) / GridStep;
}

TSampleRange DrawStroke(TSamples& samples, TPenPoint from, TPenPoint to) {
    if (!std::isfinite(from.X) || !std::isfinite(from.Y) || !std::isfinite(to.X) ||
        !std::isfinite(to.Y))
        throw std::domain_error("stroke point is not finite");

    const double u0 = GridPosition(from.X);
    const double u1 = GridPosition(to.X);
    // Clamped before the conversion, so a far-off pen cannot overflow the index.
    const double low = std::clamp(std::ceil(std::min(u0, u1)), 0.0, LastIndex + 1);
    const double high = std::clamp(std::floor(std::max(u0, u1)), -1.0, LastIndex);
    if (low > high || u0 == u1) {
        const int j = NearestSample(u1);
        samples[j] = to.Y;
        return {j, j};
    }

    const int first = static_cast<int>(low);
    const int last = static_cast<int>(high);
    const double slope = (to.Y - from.Y) / (u1 - u0);
    for (int j = first; j <= last; ++j)
        samples[j] = from.Y + slope * (j - u0);
    return {first, last};
}

} // namespace Fourier
