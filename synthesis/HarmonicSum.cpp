#include "HarmonicSum.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace Fourier {
namespace {

constexpr double pi = std::numbers::pi;
constexpr double gridStep = pi / 256;

double Argument(int j, int i) { return (j * gridStep - pi) * i; }

} // namespace

void PartialSum(std::span<const double, 1024> re, std::span<const double, 1024> im, int k,
                std::span<double, 512> values) {
    std::fill(values.begin(), values.end(), 0.0);
    if (k < 1 || k > HighestHarmonic) return;
    for (int i = 1; i <= k; ++i) {
        for (int j = 0; j < 512; ++j) {
            const double argument = Argument(j, i);
            values[j] += re[i] * std::cos(argument);
            values[j] += im[i] * std::sin(argument);
        }
    }
}

void SingleHarmonic(std::span<const double, 1024> re, std::span<const double, 1024> im, int k,
                    bool sinePart, std::span<double, 512> values) {
    for (int j = 0; j < 512; ++j) {
        const double argument = Argument(j, k);
        values[j] = sinePart ? im[k] * std::sin(argument) : re[k] * std::cos(argument);
    }
}

} // namespace Fourier
