#pragma once
// Harmonic k written as one cosine: a_k cos kx + b_k sin kx = 2|c_k| cos(kx + phi_k), where
// c_k = (a_k - i b_k)/2 is the weight of e^(ikx) and phi_k = arg c_k in (-pi, pi]; c_0 = a_0/2,
// the mean (a_k, b_k as in Series.h).
#include "Series.h"

#include <array>

namespace Fourier {

struct TSpectrumLine {
    double A = 0, B = 0;  // a_k, b_k
    double Magnitude = 0; // |c_k|
    double Phase = 0;     // phi_k in radians; NaN where |c_k| is below 1e-9 of the largest
};

std::array<TSpectrumLine, HighestHarmonic + 1> SpectrumLines(const TSeries& series);

} // namespace Fourier
