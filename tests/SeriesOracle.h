#pragma once
// Independent references for the lab's numbers: the eight waveforms' samples written from
// their definitions, and their Fourier series by direct sums in long double with exact angles.
#include "WaveformOracle.h"

#include <array>
#include <cmath>
#include <numbers>

namespace SeriesOracle {

using Samples = std::array<double, 512>;
using Real = long double;

inline constexpr Real Pi = std::numbers::pi_v<Real>;

inline double GridX(int j) {
    return static_cast<double>(-Pi + j * (Pi / 256));
}

// Waveform `item` (0..7, in the list's order) for track-bar positions p1, p2, p3.
inline Samples Waveform(int item, int p1, int p2 = 0, int p3 = 0) {
    return WaveformOracle::CatalogueSamples(item, p1, p2, p3);
}

// f(x_j) = A[0]/2 + sum_{k=1..255} (A[k] cos kx_j + B[k] sin kx_j) + A[256] cos 256x_j.
struct Series {
    std::array<Real, 257> A{}, B{};
};

// cos and sin of k x_j, the angle reduced to whole turns first: k x_j = 2 pi k (j - 256) / 512.
inline const std::array<Real, 512>& TurnCosines() {
    static const std::array<Real, 512> table = [] {
        std::array<Real, 512> t{};
        for (int m = 0; m < 512; ++m)
            t[m] = std::cos(2 * Pi * m / 512);
        return t;
    }();
    return table;
}
inline int Turn(int k, int j) {
    return (((j - 256) * k) % 512 + 512) % 512;
}
inline Real GridCos(int k, int j) {
    return TurnCosines()[Turn(k, j)];
}
inline Real GridSin(int k, int j) {
    return TurnCosines()[(Turn(k, j) + 384) % 512];
} // sin t = cos(t - pi/2)

inline Series DirectSeries(const Samples& s) {
    Series series;
    for (int k = 0; k <= 256; ++k) {
        for (int j = 0; j < 512; ++j) {
            series.A[k] += s[j] * GridCos(k, j);
            series.B[k] += s[j] * GridSin(k, j);
        }
        series.A[k] /= 256; // a_k = (2/512) sum_j f_j cos k x_j
        series.B[k] /= 256;
    }
    series.A[256] /= 2; // the Nyquist line is not doubled by its mirror image
    series.B[0] = series.B[256] = 0;
    return series;
}

// S_k(x) with the mean, in long double, computing every cosine and sine afresh.
inline Real PartialSum(const Series& series, int k, Real x) {
    Real sum = series.A[0] / 2;
    for (int i = 1; i <= k; ++i)
        sum += series.A[i] * std::cos(i * x) + series.B[i] * std::sin(i * x);
    return sum;
}

} // namespace SeriesOracle
