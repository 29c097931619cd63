#pragma once
// What the partial sum S_k (Series.h, the mean included) still misses of the 512 samples.
#include "Analysis.h"

namespace Fourier {

struct TResidual {
    TSamples Sum{};      // S_k(x_j)
    TSamples Residual{}; // f(x_j) - S_k(x_j)
    // sqrt((1/512) sum_j Residual[j]^2): entry k of ResidualRms, the number the convergence
    // table holds.
    double Rms = 0;
};

// For k = 0..255. S_k is summed on the grid as the main window sums its red curve.
TResidual ResidualOf(const TAnalysis& analysis, int k);

} // namespace Fourier
