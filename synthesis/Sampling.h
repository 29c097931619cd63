#pragma once
// The signal sampled afresh: its series (Series.h) read as a function of continuous time t
// in radians, one period 2π long,
//   f(t) = a_0/2 + sum_{k=1..255} (a_k cos kt + b_k sin kt) + c_256 cos 256t,
// taken at N points per period, t_n = −π + 2πn/N, over a window of P periods
// (M = round(N·P) samples, n = 0..M−1).
//
// What N samples of one period can represent is the trigonometric interpolant through them:
// the harmonics below N/2 and, for even N, the N/2 line, of which the samples see only the
// cosine part. Harmonic k > N/2 lands at |k − N·round(k/N)| (aliasing): cos 9t and cos 7t
// take the same values at 16 points per period, since 9 = 16 − 7.
#include "Series.h"

#include <array>
#include <span>
#include <vector>

namespace Fourier {

inline constexpr int LeastSamplesPerPeriod = 4;
inline constexpr int MostSamplesPerPeriod = SampleCount;
inline constexpr double LeastPeriods = 1.0;
inline constexpr double MostPeriods = 4.0;

// M = round(N·P). Throws std::invalid_argument for N outside 4..512 or P outside 1..4.
int ExcerptLength(int samplesPerPeriod, double periods);

// t_n = −π + 2πn/N, for any n >= 0.
double SampleTime(int n, int samplesPerPeriod);

// f(t) for any t (the series is 2π-periodic).
double SignalAt(const TSeries& series, double t);

// f(t_n) for n = 0..M−1 (ExcerptLength).
std::vector<double> SampleSignal(const TSeries& series, int samplesPerPeriod, double periods);

// The interpolant through N samples of one period (N = 4..512, f_n taken at t_n), as a series
// in the same layout: A[0] twice the mean; for 1 <= m < N/2
//   a_m = (2/N) sum_n f_n cos m t_n,  b_m = (2/N) sum_n f_n sin m t_n;
// for even N the N/2 line's weight (1/N) sum_n f_n cos(N/2 · t_n), half the a_{N/2} of the
// sum above, in A[N/2] (A[256] when N = 512); every other entry 0. Its values at the t_n are
// the samples. Throws std::invalid_argument for another count.
TSeries Interpolant(std::span<const double> onePeriod);

// f(t) at t = −π + 2πi/pointsPerPeriod for i = 0..round(P·pointsPerPeriod): the curve of
// the series over a window of P periods (the first period's values repeated).
std::vector<double> SeriesCurve(const TSeries& series, double periods, int pointsPerPeriod);

// Where harmonic k >= 0 appears when sampled at N points per period: |k − N·round(k/N)|,
// in 0..N/2.
int AliasOf(int harmonic, int samplesPerPeriod);

// A_k (Harmonic.h) of lines k = 0..256 of the series; the Nyquist line's is |c_256|.
std::array<double, NyquistLine + 1> LineAmplitudes(const TSeries& series);

// A harmonic above N/2 that the samples fold down. Amplitude as in Harmonic.h (for the
// Nyquist line 256, |c_256|).
struct TAliasedHarmonic {
    int Harmonic = 0;
    int Landing = 0; // AliasOf(Harmonic, N)
    double Amplitude = 0.0;
};

// Below this share of the largest amplitude of harmonics 0..256 an aliased harmonic is left
// out: 60 dB down it is lost under the line width of any plot of the spectrum.
inline constexpr double NegligibleAliasShare = 1e-3;

// The signal's harmonics k > N/2, up to the Nyquist line 256, whose amplitude is above
// NegligibleAliasShare of the largest, in increasing k.
std::vector<TAliasedHarmonic> AliasedHarmonics(const TSeries& series, int samplesPerPeriod);

// The harmonics to name on a plot of the spectrum: of those landing on one line the loudest
// (the lower k on a tie), loudest first, at most `most` of them, so that no two names cover
// each other.
std::vector<TAliasedHarmonic> LoudestLandings(std::span<const TAliasedHarmonic> aliased, int most);

} // namespace Fourier
