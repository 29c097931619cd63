#include "CoefficientIntegral.h"

#include <cmath>
#include <numbers>

namespace Fourier {

TCoefficientIntegral CoefficientIntegral(const TSamples& samples, int k, bool sinePart) {
    TCoefficientIntegral result;
    // k x_j = 2 pi k j / 512 - k pi: the angle is reduced to a whole turn exactly, so no
    // rounding of a large argument enters the integrand.
    const double sign = k % 2 == 0 ? 1.0 : -1.0;
    const long turns = k < 0 ? SampleCount - (-k % SampleCount) : k % SampleCount;
    // (1/pi) * GridStep per sample, exactly 1/256.
    constexpr double Weight = GridStep / std::numbers::pi;
    double sum = 0;
    for (int j = 0; j < SampleCount; ++j) {
        const double angle = 2 * std::numbers::pi * ((turns * j) % SampleCount) / SampleCount;
        const double wave = sign * (sinePart ? std::sin(angle) : std::cos(angle));
        result.Integrand[j] = samples[j] * wave;
        result.Running[j] = sum * Weight;
        sum += result.Integrand[j];
    }
    result.Running[SampleCount] = sum * Weight;
    return result;
}

} // namespace Fourier
