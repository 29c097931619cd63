#pragma once
// How fast the partial sums S_k (Series.h, mean included) approach the 512 samples.
#include "Series.h"

#include <array>
#include <optional>
#include <vector>

namespace Fourier {

// A signal whose samples take exactly two values, each held for at least MinPlateau samples
// in a row (counting round the period): a square wave, a pulse. Its jumps are taken to lie
// halfway between the last sample of one level and the first of the other.
struct TTwoLevels {
    static constexpr int MinPlateau = 3;
    struct TPlateau {
        int First = 0;  // index of its first sample
        int Length = 0; // samples in the plateau; First + Length may pass 511 (it wraps)
    };
    double Low = 0;
    double High = 0;
    std::vector<TPlateau> UpperRuns; // the spans held at High
};
std::optional<TTwoLevels> FindTwoLevels(const TSamples& samples);

// The Gibbs overshoot of the series of a jump, the limit of OvershootPercent as k grows
// without aliasing: 100 * (Si(pi)/pi - 1/2) percent of the jump, Si the sine integral.
inline constexpr double GibbsOvershootPercent = 8.9489872236;

// The overshoot of S_k at the jumps: the largest value of S_k over the spans held at High,
// each widened by half a grid step to its jumps, less High, in percent of the jump
// High - Low. The largest value is searched between the samples, where S_k really peaks.
double OvershootPercent(const TSeries& series, const TTwoLevels& levels, int k);

struct TConvergence {
    // For k = 0..256 (S_256 = S_255 + c_256 cos 256x, the samples themselves):
    // RmsError[k] = sqrt((1/512) sum_j (f(x_j) - S_k(x_j))^2), the table ResidualRms;
    std::array<double, NyquistLine + 1> RmsError{};
    // EnergyShare[k] = 100 * (power of harmonics 0..k) / MeanSquare(samples): 100 at k = 256
    // by Parseval; all NaN for a zero signal.
    std::array<double, NyquistLine + 1> EnergyShare{};
    // OvershootPercent[k] for k = 1..HighestHarmonic when the signal has two levels; NaN
    // otherwise and at k = 0.
    std::array<double, HighestHarmonic + 1> OvershootPercent{};
    bool HasJump = false;
};

// The whole table, k = 0..256, from running sums over the harmonics (no synthesis per k).
TConvergence MeasureConvergence(const TAnalysis& analysis);

} // namespace Fourier
