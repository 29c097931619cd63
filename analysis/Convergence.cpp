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

// How a search for the top of S_k ended: the largest value met, and S_k at the last point
// evaluated, next to that top (X is NaN before any search).
struct TTop {
    double Peak = -std::numeric_limits<double>::infinity();
    double X = NotANumber;
    TSeriesPoint AtX;
};

// The largest value of S_k in [low, high], searched from x, where S_k is p: Newton's steps
// towards the zero of the slope, halving the bracket when a step would leave it. Near its
// top S_k is a parabola whose peak lies slope^2 / (2 |curvature|) above S_k(x); once that is
// below `tolerance` no further step can change the answer, and the search stops.
TTop RefinePeak(const TSeries& series, int k, double low, double high, double x, TSeriesPoint p,
                double tolerance) {
    TTop top;
    for (int iteration = 1;; ++iteration) {
        top.Peak = std::max(top.Peak, p.Value);
        top.X = x;
        top.AtX = p;
        if (p.Curvature < 0 && p.Slope * p.Slope <= -2 * p.Curvature * tolerance) break;
        if (p.Slope > 0)
            low = x;
        else
            high = x;
        double next = p.Curvature < 0 ? x - p.Slope / p.Curvature : NotANumber;
        if (!(next >= low && next <= high)) next = (low + high) / 2;
        if (std::abs(next - x) < 1e-12 || iteration == 60) break;
        x = next;
        p = EvaluatePartialSum(series, k, x);
    }
    return top;
}

// S_k and its derivatives at x from those of S_{k-1}: one term more.
TSeriesPoint WithHarmonic(const TSeries& series, int k, double x, TSeriesPoint p) {
    const double c = std::cos(k * x), s = std::sin(k * x);
    const double term = series.A[k] * c + series.B[k] * s;
    p.Value += term;
    p.Slope += k * (series.B[k] * c - series.A[k] * s);
    p.Curvature -= double(k) * k * term;
    return p;
}

// Where the parabola through the largest probe value and its two neighbours peaks: a start
// for RefinePeak so close to the top that one Newton step usually finishes the search. The
// middle value is the largest, so the parabola opens downwards and peaks between the two.
double ParabolaTop(double xLeft, double vLeft, double x, double v, double xRight, double vRight) {
    const double left = (x - xLeft) * (v - vRight), right = (x - xRight) * (v - vLeft);
    const double denominator = left - right;
    if (!(denominator != 0)) return x;
    return x - ((x - xLeft) * left - (x - xRight) * right) / (2 * denominator);
}

// The largest value of S_k over a span, from its values at the probes: the search starts
// next to the largest, probe m, and stays within its neighbours. `last` is where the search
// for S_{k-1} ended, and becomes where this one does: S_k peaks close to S_{k-1} (a shift
// of about pi / k^2), and S_k there is S_{k-1} plus one term. Started there, the search
// needs no sum of k terms to begin with, and usually one in all.
double SpanPeak(const TSeries& series, int k, const TProbes& probes, const TProbes::TSpan& span,
                const std::vector<double>& values, int m, double tolerance, TTop& last) {
    const std::vector<double>& x = probes.X;
    const bool inside = m > span.Begin && m + 1 < span.End;
    const double low = m > span.Begin ? x[m - 1] : span.Left;
    const double high = m + 1 < span.End ? x[m + 1] : span.Right;
    if (last.X >= low && last.X <= high) {
        last = RefinePeak(series, k, low, high, last.X, WithHarmonic(series, k, last.X, last.AtX),
                          tolerance);
    } else {
        const double start =
            inside ? ParabolaTop(x[m - 1], values[m - 1], x[m], values[m], x[m + 1], values[m + 1])
                   : x[m];
        last = RefinePeak(series, k, low, high, start, EvaluatePartialSum(series, k, start),
                          tolerance);
    }
    return last.Peak;
}

double Percent(double peak, const TTwoLevels& levels) {
    return 100 * (peak - levels.High) / (levels.High - levels.Low);
}

// How close to its top the search for a peak has to come: a billionth of the jump, 10^-7 %,
// ten thousand times finer than the four digits the overshoot is shown with.
double PeakTolerance(const TTwoLevels& levels) {
    return 1e-9 * (levels.High - levels.Low);
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
    double peak = -std::numeric_limits<double>::infinity();
    for (const TProbes::TSpan& span : probes.Spans) {
        const auto largest =
            std::max_element(values.begin() + span.Begin, values.begin() + span.End);
        TTop none;
        peak = std::max(peak, SpanPeak(series, k, probes, span, values,
                                       static_cast<int>(largest - values.begin()),
                                       PeakTolerance(levels), none));
    }
    return Percent(peak, levels);
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
    const double tolerance = PeakTolerance(*levels);
    std::vector<double> turnCos(count), turnSin(count), cosKx(count), sinKx(count);
    std::vector<double> values(count, series.A[0] / 2);
    for (std::size_t p = 0; p < count; ++p) {
        cosKx[p] = turnCos[p] = std::cos(probes.X[p]);
        sinKx[p] = turnSin[p] = std::sin(probes.X[p]);
    }
    std::vector<TTop> lastTops(probes.Spans.size());
    for (int k = 1; k <= HighestHarmonic; ++k) {
        double peak = -std::numeric_limits<double>::infinity();
        for (std::size_t s = 0; s < probes.Spans.size(); ++s) {
            const TProbes::TSpan& span = probes.Spans[s];
            // The first largest value, as std::max_element finds it, is found on the way.
            int m = span.Begin;
            double largest = -std::numeric_limits<double>::infinity();
            for (int p = span.Begin; p < span.End; ++p) {
                values[p] += series.A[k] * cosKx[p] + series.B[k] * sinKx[p];
                const double c = cosKx[p] * turnCos[p] - sinKx[p] * turnSin[p];
                sinKx[p] = sinKx[p] * turnCos[p] + cosKx[p] * turnSin[p];
                cosKx[p] = c;
                if (values[p] > largest) {
                    largest = values[p];
                    m = p;
                }
            }
            peak = std::max(peak,
                            SpanPeak(series, k, probes, span, values, m, tolerance, lastTops[s]));
        }
        result.OvershootPercent[k] = Percent(peak, *levels);
    }
    return result;
}

} // namespace Fourier
