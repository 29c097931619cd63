#pragma once
// The curves of the synthesis on the 512-point grid x_j = j*pi/256 - pi.
#include "Analysis.h"

#include <span>

namespace Fourier {

// values[j] = sum over i = 1..k of re[i]*cos(i x_j) + im[i]*sin(i x_j), added term by term;
// all zero when k is outside 1..HighestHarmonic. The constant term re[0] is never added.
void PartialSum(std::span<const double, BufferLength> re, std::span<const double, BufferLength> im,
                int k, std::span<double, SampleCount> values);

// Harmonic k (1..HighestHarmonic) alone: its sine part (im[k] sin kx) or its cosine part
// (re[k] cos kx).
void SingleHarmonic(std::span<const double, BufferLength> re,
                    std::span<const double, BufferLength> im, int k, bool sinePart,
                    std::span<double, SampleCount> values);

// cos(i x_j) and sin(i x_j) for i = 1..HighestHarmonic, each argument formed as
// (j*pi/256 - pi)*i in double, built once on first use and never changed.
double GridCos(int i, int j);
double GridSin(int i, int j);

} // namespace Fourier
