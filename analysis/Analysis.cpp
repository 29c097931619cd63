#include "Analysis.h"

#include "Fft87b41.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace Fourier {

double CoefficientScale() {
    return std::sqrt(double{SampleCount}) / 2;
}

double GridX(int j) {
    return j * GridStep - std::numbers::pi;
}

TAnalysis AnalyseSamples(std::span<const double, SampleCount> samples) {
    TAnalysis result;
    std::copy(samples.begin(), samples.end(), result.Samples.begin());
    TLines& re = result.Re;
    TLines& im = result.Im;
    std::copy(samples.begin(), samples.end(), re.begin());

    // The sample at x = 0 goes first, so the phases are those of cos kx and sin kx.
    std::swap_ranges(re.begin(), re.begin() + SampleCount / 2, re.begin() + SampleCount / 2);
    result.Peak = 0.0;
    for (int i = 0; i < SampleCount; ++i)
        result.Peak = std::max(result.Peak, std::abs(re[i]));

    Fft87b41::RealFft(SampleCount, 0, re, im, result.Status);
    // The transform's sine parts carry the opposite sign; mirroring turns them round.
    for (int i = 0; i <= SampleCount / 2 - 1; ++i)
        std::swap(im[i], im[SampleCount - i]);
    im[0] = 0.0;
    return result;
}

bool IsMeasurable(const TAnalysis& analysis) {
    const auto withinBound = [](double v) { return std::fabs(v) <= LargestMeasuredValue; };
    const auto finite = [](double v) { return std::isfinite(v); };
    return std::ranges::all_of(analysis.Samples, withinBound) &&
           std::ranges::all_of(analysis.Re, finite) && std::ranges::all_of(analysis.Im, finite);
}

} // namespace Fourier
