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
    // cos ix and sin ix by turning: no call per term. The odd and the even harmonics are
    // turned on by 2x each, as two chains: each turn waits for the one before it, and two
    // independent chains let the processor work on both at once, about twice as fast as one.
    struct TTurn {
        double Cos = 0, Sin = 0;
    };
    const double cosX = std::cos(x), sinX = std::sin(x);
    const TTurn twice{cosX * cosX - sinX * sinX, 2 * sinX * cosX};
    TTurn odd{cosX, sinX}, even = twice; // harmonics 1 and 2
    TSeriesPoint odds, evens;
    auto add = [&series, &twice](TSeriesPoint& sum, int i, TTurn& turn) {
        const double term = series.A[i] * turn.Cos + series.B[i] * turn.Sin;
        const double derivative = series.B[i] * turn.Cos - series.A[i] * turn.Sin;
        sum.Value += term;
        sum.Slope += i * derivative;
        sum.Curvature -= double(i) * i * term;
        turn = {turn.Cos * twice.Cos - turn.Sin * twice.Sin,
                turn.Sin * twice.Cos + turn.Cos * twice.Sin};
    };
    int i = 1;
    for (; i < k; i += 2) {
        add(odds, i, odd);
        add(evens, i + 1, even);
    }
    if (i == k) add(odds, i, odd);
    return {series.A[0] / 2 + odds.Value + evens.Value, odds.Slope + evens.Slope,
            odds.Curvature + evens.Curvature};
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
