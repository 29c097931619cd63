#pragma once
// What a screen reader says about a picture: a few Russian sentences holding the numbers a
// sighted student reads off it. Every number is written by ReadableNumber with SpokenDigits
// significant digits; amplitudes and phases follow Harmonic.h (A_k = hypot(a_k, b_k),
// a_k cos kx + b_k sin kx = A_k cos(kx − φ_k)), errors are entries of ResidualRms.
//
// Worked example, the square wave «2. Прямоугольник» synthesised to k = 5: the graph says
// «… скачки при x = 0 и x = 3,14 …; синтез до гармоники 5 …; ошибка (СКО f − S₅) 0,259», the
// spectrum names A₁ = 1,27, φ₁ = 1,56 first (π/2 less half a sample step, the sampled jump
// lying half a step before x = 0), and the status reads «Синтез до гармоники 5: ошибка 0,259»,
// since sqrt(1 − (8/π²)(1 + 1/9 + 1/25)) ≈ 0,259.
#include "Analysis.h"
#include "Coefficients.h"
#include "Convergence.h"
#include "Run.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace Fourier {

inline constexpr int SpokenDigits = 3;
// The spectrum's summary names at most this many of the strongest harmonics.
inline constexpr int SpokenHarmonics = 5;

// Where the periodic continuation of samples taken at x_j = a + j (b − a)/512 jumps, in
// increasing x. A jump is a step between neighbours of at least JumpShare of the signal's
// range that is also more than JumpContrast times the steps two samples before and after
// it (so that a steep but smooth curve is no jump); steps of one sign next to each other (a
// sample part way up a jump) make one jump. It lies at the first sample of the new level, or
// at the middle one of the samples part way up; the step from the last sample round to the
// first lies at x = b, the period's end. The square wave of the catalogue (−1 on samples
// 0..255, 1 on 256..511) jumps at x = 0 and x = π.
inline constexpr double JumpShare = 0.05;
inline constexpr double JumpContrast = 4.0;
std::vector<double> JumpPositions(std::span<const double, SampleCount> samples, double a, double b);

// The signal: «Сигнал «2. Прямоугольник»: пик 1, скачки при x = 0 и x = 3,14» (or «без
// скачков»); the signal is sampled on [a, b).
std::string SignalSummary(const TRun& run, double a, double b, std::string_view separator);

// What a synthesis drew: k, the partial sum S_k and harmonic k's part alone as the run
// asked, and the RMS error of S_k over the 512 samples.
std::string SynthesisSummary(const TRun& run, std::string_view separator);

// The main window's graph: the signal, and after a synthesis what SynthesisSummary says.
std::string GraphSummary(const TRun& run, double a, double b, std::string_view separator);

// The harmonics 0..harmonics−1 with the largest A_k, strongest first (ties by k), at most
// SpokenHarmonics, leaving out those within rounding (RoundingShare) of the largest.
std::vector<int> StrongestHarmonics(const TAnalysis& analysis, int harmonics);

// «Сильнейшие гармоники: A₁ = 1,27, φ₁ = 1,56; A₃ = 0,424, φ₃ = 1,55; …» of harmonics
// 0..harmonics−1 (φ in radians; «φ не определена» for an amplitude that is rounding noise).
std::string SpectrumSummary(const TAnalysis& analysis, int harmonics, std::string_view separator);

// One row per harmonic 0..harmonics−1: k, a_k, b_k, A_k, φ_k as text, numbers scaled by the
// largest amplitude (rounding noise reads 0, an undefined phase «—»).
using TSpectrumRow = std::array<std::string, 5>;
std::vector<TSpectrumRow> SpectrumRows(const TAnalysis& analysis, int harmonics,
                                       std::string_view separator);

// The lab's «Сходимость» at k: the RMS error of S_k, the share of the energy in harmonics
// 0..k and, for a signal with jumps, the overshoot of S_k.
std::string ConvergenceSummary(const TConvergence& convergence, int k, std::string_view separator);

// «Остаток»: the RMS and the largest magnitude of f − S_k.
std::string ResidualSummary(const TAnalysis& analysis, int k, std::string_view separator);

// «Коэффициент»: a_k (or b_k for the sine part) as the integral ends.
std::string CoefficientSummary(const TAnalysis& analysis, int k, bool sine,
                               std::string_view separator);

// «Круги»: k circles, their radii the amplitudes A_1..A_k, the largest named.
std::string CirclesSummary(const TAnalysis& analysis, int k, std::string_view separator);

// «Дискретизация»: the signal sampled `perPeriod` times a period, and the highest harmonic
// such a sampling keeps apart from its aliases (perPeriod/2 − 1 for an even count).
std::string SamplingSummary(const TAnalysis& analysis, int perPeriod, std::string_view separator);

// The drawing: what is drawn (the samples' lowest and highest value) on the range shown.
std::string DrawingSummary(const TSamples& samples, double halfRange, std::string_view separator);

// The coefficient bars: how many harmonics are not zero and the strongest of them.
std::string BarsSummary(const TCoefficients& coefficients, std::string_view separator);

// The game's plot: the student's signal and the target (or that it is hidden), with the
// RMS of their difference when both are seen.
std::string GameSummary(const TSamples& mine, const std::optional<TSamples>& target,
                        std::string_view separator);

// The status line after a run of the main window: «Синтез до гармоники 5: ошибка 0,259» or
// «Анализ: 2. Прямоугольник, пик 1».
std::string RunStatus(const TRun& run, std::string_view separator);

} // namespace Fourier
