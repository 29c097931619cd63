#pragma once
// Windows for the spectrum of an excerpt of samples, and what they leak.
//
// The windows are periodic (DFT-even): w_n = a0 − a1 cos(2πn/M) + a2 cos(4πn/M), n = 0..M−1,
// one period of the continuous window with its end sample left out. That is the window of
// spectral analysis rather than of filter design: the M samples are the period of the
// transform, the coherent gain is exactly a0 (M >= 3), and the side lobe levels are the
// continuous windows' ones (rectangular −13.3 dB, Hann −31.5 dB, Hamming −42.7 dB, Blackman
// −58.1 dB). A symmetric window would repeat its end value at the next period's start.
//
// Frequencies are in harmonics, cycles per period of the signal; the excerpt has N samples per
// period (Sampling.h), so its spectrum runs from 0 to N/2 with bins 1/P harmonics apart for an
// excerpt of P periods.
#include <optional>
#include <span>
#include <vector>

namespace Fourier {

enum class TWindowKind { Rectangular, Hann, Hamming, Blackman };

// The coefficients a0, a1, a2 above: rectangular 1, 0, 0; Hann 0.5, 0.5, 0; Hamming 0.54,
// 0.46, 0; Blackman 0.42, 0.5, 0.08.
struct TWindowTerms {
    double A0, A1, A2;
};
TWindowTerms WindowTerms(TWindowKind kind);

// w_0 .. w_{M−1}, for M >= 1.
std::vector<double> WindowShape(TWindowKind kind, int length);

// (1/M) sum_n w_n: the factor a tone at a whole bin loses to the window.
double CoherentGain(std::span<const double> window);

// Points Low, Low + step, ..., High (Points >= 2, or one point at Low).
struct TFrequencyGrid {
    double Low = 0.0;
    double High = 0.0;
    int Points = 0;
    double At(int i) const;
};

// Grid points over 0..N/2 for an excerpt of M samples: eight per bin, but no more than a
// plot can tell apart, and the evaluation stays within a few milliseconds for M = 2048.
inline constexpr int MostSpectrumPoints = 1025;
TFrequencyGrid ExcerptGrid(int samplesPerPeriod, int length);

// The amplitude spectrum of the windowed excerpt x_n (n = 0..M−1, N per period) at each grid
// frequency nu (in harmonics, 0 <= nu <= N/2), evaluated directly:
//   X(nu) = sum_n w_n x_n e^{−i nu 2πn/N},  amplitude = c |X(nu)| / sum_n w_n,
// with c = 2 except at nu = 0 and nu = N/2, where a tone has no mirror image apart from
// itself and c = 1. So A cos(kt − φ) with whole k, 0 < k < N/2, over whole periods reads A
// at nu = k with any window (less what the window leaks from the mirror image at −k), and a
// constant reads itself at 0. Throws std::invalid_argument for an empty excerpt or N < 1.
std::vector<double> ExcerptSpectrum(std::span<const double> excerpt, int samplesPerPeriod,
                                    TWindowKind kind, const TFrequencyGrid& grid);

// Each value in dB relative to the largest one (Decibels.h): 0 dB at the largest.
std::vector<double> RelativeDecibels(std::span<const double> amplitudes);

// The window's own transform |W(beta)| in dB relative to its main lobe's peak W(0), for
// offsets beta = 0..Bins in bins of the length-M transform (2π/M per bin); the highest side
// lobe is the largest local peak beyond the main lobe's first minimum, found to a small
// fraction of a dB, and is missing when the range holds no side lobe (a very short window).
struct TLeakage {
    std::vector<double> Offsets;  // in bins
    std::vector<double> Decibels; // 0 at offset 0
    std::optional<double> HighestSideLobe;
};
// Offsets up to min(M/2, LeakageBins), PointsPerBin apart.
inline constexpr double LeakageBins = 24;
inline constexpr int LeakagePointsPerBin = 32;
TLeakage WindowLeakage(TWindowKind kind, int length);

} // namespace Fourier
