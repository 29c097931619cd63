#pragma once
// The curves of the synthesis on the 512-point grid x_j = j*pi/256 - pi.
#include "Analysis.h"

#include <span>

namespace Fourier {

// values[j] = sum over i = 1..k of re[i]*cos(i x_j) + im[i]*sin(i x_j), added term by term;
// all zero when k is outside 1..HighestHarmonic. The constant term re[0] is never added.
void PartialSum(std::span<const double, 1024> re, std::span<const double, 1024> im, int k,
                std::span<double, 512> values);

// Harmonic k alone: its sine part (im[k] sin kx) or its cosine part (re[k] cos kx).
void SingleHarmonic(std::span<const double, 1024> re, std::span<const double, 1024> im, int k,
                    bool sinePart, std::span<double, 512> values);

} // namespace Fourier
