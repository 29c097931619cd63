#include "Series.h"

#include <cmath>
#include <numeric>

namespace Fourier {

TSeries SeriesOf(const TAnalysis& analysis) {
    TSeries series;
    const double root = std::sqrt(double{SampleCount});
    series.A[0] = 2 * analysis.Re[0] / root;
    for (int k = 1; k <= HighestHarmonic; ++k) {
        series.A[k] = analysis.Re[k] / CoefficientScale();
        series.B[k] = analysis.Im[k] / CoefficientScale();
    }
    series.A[NyquistLine] = analysis.Re[NyquistLine] / root;
    return series;
}

TSeriesPoint EvaluatePartialSum(const TSeries& series, int k, double x) {
    // cos ix and sin ix by turning (cos x, sin x) on by x per harmonic: no call per term.
    const double turnCos = std::cos(x), turnSin = std::sin(x);
    double cosIx = turnCos, sinIx = turnSin;
    TSeriesPoint point{series.A[0] / 2, 0, 0};
    for (int i = 1; i <= k; ++i) {
        const double even = series.A[i] * cosIx + series.B[i] * sinIx;
        const double odd = series.B[i] * cosIx - series.A[i] * sinIx;
        point.Value += even;
        point.Slope += i * odd;
        point.Curvature -= double(i) * i * even;
        const double c = cosIx * turnCos - sinIx * turnSin;
        sinIx = sinIx * turnCos + cosIx * turnSin;
        cosIx = c;
    }
    return point;
}

std::array<double, NyquistLine + 1> HarmonicPower(const TAnalysis& analysis) {
    // In the transform's unitary scaling sum_j f_j^2 = sum over all 512 lines of |line|^2;
    // lines k and 512 - k are mirror images, hence the factor 2 below Nyquist.
    std::array<double, NyquistLine + 1> power{};
    const double n = SampleCount;
    power[0] = analysis.Re[0] * analysis.Re[0] / n;
    for (int k = 1; k <= HighestHarmonic; ++k)
        power[k] = 2 * (analysis.Re[k] * analysis.Re[k] + analysis.Im[k] * analysis.Im[k]) / n;
    power[NyquistLine] = analysis.Re[NyquistLine] * analysis.Re[NyquistLine] / n;
    return power;
}

std::array<double, NyquistLine + 1> ResidualRms(const TAnalysis& analysis) {
    const auto power = HarmonicPower(analysis);
    std::array<double, NyquistLine + 1> rms{};
    double tail = 0;
    for (int k = NyquistLine; k >= 0; --k) {
        rms[k] = std::sqrt(tail);
        tail += power[k];
    }
    return rms;
}

double MeanSquare(const TSamples& samples) {
    return std::inner_product(samples.begin(), samples.end(), samples.begin(), 0.0) / SampleCount;
}

} // namespace Fourier
