#pragma once
// The Fourier series of the 512 samples in the signal's own units, as the lab shows it.
//
// With a_k = Re[k] / CoefficientScale() and b_k = Im[k] / CoefficientScale() for k = 1..255,
// a_0 = 2 * Re[0] / sqrt(512) (twice the mean) and c_256 = Re[256] / sqrt(512) (the weight of
// the Nyquist line cos 256x), the partial sum of harmonics 0..k is
//   S_k(x) = a_0/2 + sum_{i=1..k} (a_i cos ix + b_i sin ix),
// the mean included, so that S_k tends to the signal. On the grid, S_255 + c_256 cos 256x
// gives the samples back. The main window's red curve is CoefficientScale() * (S_k - a_0/2):
// no constant term, and the scaling of its bars.
#include "Analysis.h"

#include <array>

namespace Fourier {

struct TSeries {
    std::array<double, NyquistLine + 1> A{}; // A[0] = a_0, A[k] = a_k, A[256] = c_256
    std::array<double, NyquistLine + 1> B{}; // B[k] = b_k; B[0] = B[256] = 0
};

TSeries SeriesOf(const TAnalysis& analysis);

// S_k and its first two derivatives in x at one point, for k = 0..255.
struct TSeriesPoint {
    double Value = 0;
    double Slope = 0;
    double Curvature = 0;
};
TSeriesPoint EvaluatePartialSum(const TSeries& series, int k, double x);

// Parseval on the grid: (1/512) sum_j f(x_j)^2 = (a_0/2)^2 + sum_{k=1..255} (a_k^2 + b_k^2)/2
// + c_256^2. Entry k is term k of the right side: the mean square harmonic k carries.
std::array<double, NyquistLine + 1> HarmonicPower(const TAnalysis& analysis);

// Entry k, for k = 0..256, is the RMS of the residual over the grid,
//   sqrt((1/512) sum_j (f(x_j) - S_k(x_j))^2),
// where S_256 = S_255 + c_256 cos 256x gives the samples back. By Parseval it is the root of
// the power of harmonics k+1..256, summed from the top, so that rounding cannot make it grow
// with k. Every RMS of a residual the lab shows is an entry of this table.
std::array<double, NyquistLine + 1> ResidualRms(const TAnalysis& analysis);

// (1/512) sum_j f(x_j)^2, from the samples themselves.
double MeanSquare(const TSamples& samples);

} // namespace Fourier
