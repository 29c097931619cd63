#pragma once
// Where a coefficient comes from: a_k = (1/pi) * integral over [-pi, pi) of f(x) cos kx dx,
// and b_k the same with sin kx. On the grid the integral is the transform's own sum, the
// rectangle rule with step pi/256, so the running integral ends exactly at the coefficient
// of Series.h. The main window's bar k is CoefficientScale() * a_k (blue) and
// CoefficientScale() * b_k (green), k = 0..255 (bar 0 is sqrt(512) * mean = CoefficientScale() *
// a_0).
#include "Analysis.h"

#include <array>

namespace Fourier {

struct TCoefficientIntegral {
    TSamples Integrand{}; // f(x_j) cos(k x_j), or f(x_j) sin(k x_j)
    // Running[j] = (1/pi) * sum_{i<j} Integrand[i] * pi/256: the integral from -pi to x_j,
    // with x_512 = pi.
    std::array<double, SampleCount + 1> Running{};
    double Coefficient() const { return Running.back(); }
};

TCoefficientIntegral CoefficientIntegral(const TSamples& samples, int k, bool sinePart);

} // namespace Fourier
