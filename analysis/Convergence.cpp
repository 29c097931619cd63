#include "Convergence.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace Fourier {
namespace {

constexpr double NotANumber = std::numeric_limits<double>::quiet_NaN();

// Where the search for the peak of S_k looks first, span by span: points crowded towards
// both jumps, where S_k peaks once k is large (its first lobe lies about pi/k from the jump),
// thinning out towards the middle by a tenth of their distance from the jump, so that every
// lobe of every k gets about ten points. Each span's points are in increasing order.
class TProbes {
  public:
    struct TSpan {
        int Begin = 0, End = 0; // its points: X[Begin..End-1]
        double Left = 0, Right = 0;
    };
    std::vector<double> X;
    std::vector<TSpan> Spans;

    explicit TProbes(const TTwoLevels& levels) {
        constexpr double Nearest = GridStep / 64;
        constexpr double Growth = 1.1;
        for (const TTwoLevels::TPlateau& plateau : levels.UpperRuns) {
            TSpan span;
            span.Left = GridX(plateau.First) - GridStep / 2;
            span.Right = span.Left + plateau.Length * GridStep;
            const double half = (span.Right - span.Left) / 2;
            span.Begin = static_cast<int>(X.size());
            std::vector<double> fromJump{0.0};
            for (double t = Nearest; t < half; t *= Growth)
                fromJump.push_back(t);
            for (double t : fromJump)
                X.push_back(span.Left + t);
            X.push_back(span.Left + half);
            for (auto t = fromJump.rbegin(); t != fromJump.rend(); ++t)
                X.push_back(span.Right - *t);
            span.End = static_cast<int>(X.size());
            Spans.push_back(span);
        }
    }
};

// The largest value of S_k near X[m], a largest probe value: Newton's steps towards the
// zero of the slope, kept inside the neighbouring probes and halving the bracket when a
// step would leave it.
double RefinePeak(const TSeries& series, int k, double low, double high, double x) {
    double best = -std::numeric_limits<double>::infinity();
    for (int iteration = 0; iteration < 60; ++iteration) {
        const TSeriesPoint p = EvaluatePartialSum(series, k, x);
        best = std::max(best, p.Value);
        if (p.Slope > 0)
            low = x;
        else
            high = x;
        double next = p.Curvature < 0 ? x - p.Slope / p.Curvature : NotANumber;
        if (!(next >= low && next <= high)) next = (low + high) / 2;
        if (std::abs(next - x) < 1e-12) break;
        x = next;
    }
    return best;
}

double PeakFromProbes(const TSeries& series, int k, const TProbes& probes,
                      const std::vector<double>& values) {
    double peak = -std::numeric_limits<double>::infinity();
    for (const TProbes::TSpan& span : probes.Spans) {
        const int m = static_cast<int>(
            std::max_element(values.begin() + span.Begin, values.begin() + span.End) -
            values.begin());
        const double low = m > span.Begin ? probes.X[m - 1] : span.Left;
        const double high = m + 1 < span.End ? probes.X[m + 1] : span.Right;
        peak = std::max(peak, RefinePeak(series, k, low, high, probes.X[m]));
    }
    return peak;
}

double Percent(double peak, const TTwoLevels& levels) {
    return 100 * (peak - levels.High) / (levels.High - levels.Low);
}

} // namespace

std::optional<TTwoLevels> FindTwoLevels(const TSamples& samples) {
    const auto [low, high] = std::minmax_element(samples.begin(), samples.end());
    TTwoLevels levels{.Low = *low, .High = *high, .UpperRuns = {}};
    if (levels.Low == levels.High) return std::nullopt;
    if (std::any_of(samples.begin(), samples.end(),
                    [&](double s) { return s != levels.Low && s != levels.High; }))
        return std::nullopt;

    // Start at a change of level, so that no run is cut in two by the end of the period.
    int start = 0;
    while (samples[start] == samples[(start + SampleCount - 1) % SampleCount])
        ++start;
    for (int j = 0; j < SampleCount;) {
        const double level = samples[(start + j) % SampleCount];
        int length = 0;
        while (j + length < SampleCount && samples[(start + j + length) % SampleCount] == level)
            ++length;
        if (length < TTwoLevels::MinPlateau) return std::nullopt;
        if (level == levels.High) levels.UpperRuns.push_back({(start + j) % SampleCount, length});
        j += length;
    }
    return levels;
}

double OvershootPercent(const TSeries& series, const TTwoLevels& levels, int k) {
    const TProbes probes(levels);
    std::vector<double> values(probes.X.size());
    for (std::size_t p = 0; p < values.size(); ++p)
        values[p] = EvaluatePartialSum(series, k, probes.X[p]).Value;
    return Percent(PeakFromProbes(series, k, probes, values), levels);
}

TConvergence MeasureConvergence(const TAnalysis& analysis) {
    TConvergence result;
    result.RmsError = ResidualRms(analysis);
    const auto power = HarmonicPower(analysis);
    const double meanSquare = MeanSquare(analysis.Samples);
    double captured = 0;
    for (int k = 0; k <= NyquistLine; ++k) {
        captured += power[k];
        result.EnergyShare[k] = meanSquare > 0 ? 100 * captured / meanSquare : NotANumber;
    }

    result.OvershootPercent.fill(NotANumber);
    const std::optional<TTwoLevels> levels = FindTwoLevels(analysis.Samples);
    result.HasJump = levels.has_value();
    if (!levels) return result;

    // S_k at every probe, harmonic by harmonic: one term per probe and k. (cosine, sine)
    // of kx is turned on by x each time; written out, as std::complex's product checks for
    // infinities on every call.
    const TSeries series = SeriesOf(analysis);
    const TProbes probes(*levels);
    const std::size_t count = probes.X.size();
    std::vector<double> turnCos(count), turnSin(count), cosKx(count), sinKx(count);
    std::vector<double> values(count, series.A[0] / 2);
    for (std::size_t p = 0; p < count; ++p) {
        cosKx[p] = turnCos[p] = std::cos(probes.X[p]);
        sinKx[p] = turnSin[p] = std::sin(probes.X[p]);
    }
    for (int k = 1; k <= HighestHarmonic; ++k) {
        for (std::size_t p = 0; p < count; ++p) {
            values[p] += series.A[k] * cosKx[p] + series.B[k] * sinKx[p];
            const double c = cosKx[p] * turnCos[p] - sinKx[p] * turnSin[p];
            sinKx[p] = sinKx[p] * turnCos[p] + cosKx[p] * turnSin[p];
            cosKx[p] = c;
        }
        result.OvershootPercent[k] = Percent(PeakFromProbes(series, k, probes, values), *levels);
    }
    return result;
}

} // namespace Fourier
