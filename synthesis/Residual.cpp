#include "Residual.h"

#include "HarmonicSum.h"
#include "Series.h"

namespace Fourier {

TResidual ResidualOf(const TAnalysis& analysis, int k) {
    TResidual result;
    // The main window's sum has neither the constant term nor the coefficients' units.
    PartialSum(analysis.Re, analysis.Im, k, result.Sum);
    const double mean = SeriesOf(analysis).A[0] / 2;
    for (int j = 0; j < SampleCount; ++j) {
        result.Sum[j] = mean + result.Sum[j] / CoefficientScale();
        result.Residual[j] = analysis.Samples[j] - result.Sum[j];
    }
    result.Rms = ResidualRms(analysis)[k];
    return result;
}

} // namespace Fourier
