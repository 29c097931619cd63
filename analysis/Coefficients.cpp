#include "Coefficients.h"

namespace Fourier {

TCoefficients CoefficientsOf(const TAnalysis& analysis) {
    const double scale = CoefficientScale();
    TCoefficients coefficients;
    for (int k = 0; k <= EditableHarmonics; ++k) {
        coefficients.Cos[k] = analysis.Re[k] / scale;
        coefficients.Sin[k] = k == 0 ? 0.0 : analysis.Im[k] / scale;
    }
    return coefficients;
}

void WriteLines(const TCoefficients& coefficients, TLines& re, TLines& im) {
    const double scale = CoefficientScale();
    re.fill(0.0);
    im.fill(0.0);
    for (int k = 0; k <= EditableHarmonics; ++k) {
        re[k] = scale * coefficients.Cos[k];
        if (k > 0) im[k] = scale * coefficients.Sin[k];
    }
}

} // namespace Fourier
