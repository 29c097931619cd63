// The lab's numbers without Qt: energy shares, errors and overshoots of the partial sums,
// the coefficient as a running integral, magnitudes and phases, each against direct sums.
#include "Convergence.h"
#include "CoefficientIntegral.h"
#include "Harmonic.h"
#include "SeriesOracle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace SeriesOracle;

struct WaveformRow {
    const char* name;
    int item, p1, p2, p3;
};

// All eight waveforms, some at two settings.
const WaveformRow WaveformRows[] = {
    {"sine_8", 0, 8, 0, 0},      {"sine_24", 0, 24, 0, 0},    {"square", 1, 0, 0, 0},
    {"triangle", 2, 0, 0, 0},    {"trapezoid_1", 3, 1, 0, 0}, {"trapezoid_31", 3, 31, 0, 0},
    {"delta_8", 4, 8, 0, 0},     {"delta_9", 4, 9, 0, 0},     {"beats_4_2", 5, 0, 4, 2},
    {"beats_16_4", 5, 0, 16, 4}, {"am_16_8_4", 6, 16, 8, 4},  {"pulse_1", 7, 1, 0, 0},
    {"pulse_8", 7, 8, 0, 0},     {"pulse_31", 7, 31, 0, 0},
};

Samples SamplesOf(const WaveformRow& row) {
    return Waveform(row.item, row.p1, row.p2, row.p3);
}

Fourier::TAnalysis Analyse(const Samples& s) {
    return Fourier::AnalyseSamples(s);
}

Real MeanSquareOf(const Samples& s) {
    Real sum = 0;
    for (double v : s)
        sum += Real{v} * v;
    return sum / 512;
}

TEST(ConvergenceTest, EnergySharesOfAllHarmonicsMakeTheWholeSignal) {
    for (const WaveformRow& row : WaveformRows) {
        SCOPED_TRACE(row.name);
        const Samples s = SamplesOf(row);
        const auto convergence = Fourier::MeasureConvergence(Analyse(s));
        EXPECT_NEAR(convergence.EnergyShare[256] / 100, 1.0, 1e-9);
        EXPECT_TRUE(std::is_sorted(convergence.EnergyShare.begin(), convergence.EnergyShare.end()));
    }
}

TEST(ConvergenceTest, PowerOfEachHarmonicMatchesItsDirectCoefficients) {
    for (const WaveformRow& row : WaveformRows) {
        SCOPED_TRACE(row.name);
        const Samples s = SamplesOf(row);
        const Series direct = DirectSeries(s);
        const auto power = Fourier::HarmonicPower(Analyse(s));
        const double tolerance = 1e-12 * static_cast<double>(MeanSquareOf(s));
        EXPECT_NEAR(power[0], static_cast<double>(direct.A[0] * direct.A[0] / 4), tolerance);
        for (int k = 1; k <= 255; ++k) {
            const Real expected = (direct.A[k] * direct.A[k] + direct.B[k] * direct.B[k]) / 2;
            ASSERT_NEAR(power[k], static_cast<double>(expected), tolerance) << "k=" << k;
        }
        EXPECT_NEAR(power[256], static_cast<double>(direct.A[256] * direct.A[256]), tolerance);
    }
}

TEST(ConvergenceTest, RmsErrorEqualsTheErrorOfTheSumEvaluatedAtTheSamples) {
    for (const WaveformRow& row : WaveformRows) {
        SCOPED_TRACE(row.name);
        const Samples s = SamplesOf(row);
        const Series direct = DirectSeries(s);
        const auto convergence = Fourier::MeasureConvergence(Analyse(s));
        for (int k : {0, 1, 2, 7, 32, 100, 254, 255}) {
            Real squares = 0;
            for (int j = 0; j < 512; ++j) {
                Real sum = direct.A[0] / 2;
                for (int i = 1; i <= k; ++i)
                    sum += direct.A[i] * GridCos(i, j) + direct.B[i] * GridSin(i, j);
                squares += (s[j] - sum) * (s[j] - sum);
            }
            const double expected = static_cast<double>(std::sqrt(squares / 512));
            EXPECT_NEAR(convergence.RmsError[k], expected, 1e-9 * (1 + expected)) << "k=" << k;
        }
        EXPECT_NEAR(convergence.RmsError[256], 0.0,
                    1e-12 * (1 + std::sqrt(static_cast<double>(MeanSquareOf(s)))));
        for (int k = 1; k <= 256; ++k)
            ASSERT_LE(convergence.RmsError[k], convergence.RmsError[k - 1]) << "k=" << k;
    }
}

TEST(ConvergenceTest, PartialSumAndItsSlopeMatchTheSeriesSummedDirectly) {
    const Samples s = Waveform(2, 0);
    const Series direct = DirectSeries(s);
    const Fourier::TSeries series = Fourier::SeriesOf(Analyse(s));
    for (int k : {0, 1, 9, 128, 255}) {
        for (double x : {-3.0, -0.4, 0.0, 1.234, 3.1}) {
            const auto point = Fourier::EvaluatePartialSum(series, k, x);
            Real slope = 0;
            for (int i = 1; i <= k; ++i)
                slope +=
                    i * (direct.B[i] * std::cos(i * Real{x}) - direct.A[i] * std::sin(i * Real{x}));
            EXPECT_NEAR(point.Value, static_cast<double>(PartialSum(direct, k, x)), 1e-12)
                << k << " " << x;
            EXPECT_NEAR(point.Slope, static_cast<double>(slope), 1e-10 * (1 + k)) << k << " " << x;
        }
    }
}

// The largest value of S_k on [left, right]: a uniform grid of forty points per period of
// harmonic k (and at least a thousand), then a second grid of as many points spanning the
// two cells around the best point of the first.
Real FineGridMaximum(const Series& series, int k, Real left, Real right) {
    const int points = std::max(1000, static_cast<int>(40 * k * (right - left) / (2 * Pi)) + 1);
    Real best = -1e300, bestX = left;
    const Real step = (right - left) / (points - 1);
    for (int p = 0; p < points; ++p) {
        const Real x = left + p * step;
        if (const Real v = PartialSum(series, k, x); v > best) best = v, bestX = x;
    }
    const Real from = std::max(left, bestX - step), to = std::min(right, bestX + step);
    for (int p = 0; p < points; ++p)
        best = std::max(best, PartialSum(series, k, from + p * (to - from) / (points - 1)));
    return best;
}

struct OvershootRow {
    const char* name;
    int item, p1, k;
};

TEST(ConvergenceTest, OvershootIsWhereTheSumPeaksOnAFineGrid) {
    const OvershootRow rows[] = {
        {"square_15", 1, 0, 15},   {"square_31", 1, 0, 31},    {"square_63", 1, 0, 63},
        {"square_200", 1, 0, 200}, {"square_255", 1, 0, 255},  {"pulse_8_15", 7, 8, 15},
        {"pulse_8_63", 7, 8, 63},  {"pulse_31_31", 7, 31, 31},
    };
    for (const OvershootRow& row : rows) {
        SCOPED_TRACE(row.name);
        const Samples s = Waveform(row.item, row.p1);
        const Series direct = DirectSeries(s);
        // The upper level's samples, widened by half a step to the jumps either side.
        const int first = row.item == 1 ? 256 : 256 - 2 * row.p1;
        const int last = row.item == 1 ? 511 : 256 + 2 * row.p1;
        const Real left = GridX(first) - Pi / 512, right = GridX(last) + Pi / 512;
        const Real peak = FineGridMaximum(direct, row.k, left, right);
        const Real jump = 1 - (row.item == 1 ? -1 : 0);
        const double expected = static_cast<double>(100 * (peak - 1) / jump);
        const auto convergence = Fourier::MeasureConvergence(Analyse(s));
        ASSERT_TRUE(convergence.HasJump);
        EXPECT_NEAR(convergence.OvershootPercent[row.k], expected, 0.02);
        const auto levels = Fourier::FindTwoLevels(s);
        ASSERT_TRUE(levels);
        EXPECT_NEAR(Fourier::OvershootPercent(Fourier::SeriesOf(Analyse(s)), *levels, row.k),
                    expected, 0.02);
    }
}

// The largest value of S_k on [left, right] to the precision of long double: the best point
// of a uniform grid of forty points per period of harmonic k, then golden-section steps
// inside the two cells around it, where the sum has a single top.
Real TopOfSum(const Series& series, int k, Real left, Real right) {
    const int points = std::max(1000, static_cast<int>(40 * k * (right - left) / (2 * Pi)) + 1);
    const Real step = (right - left) / (points - 1);
    Real best = -1e300, bestX = left;
    for (int p = 0; p < points; ++p) {
        const Real x = left + p * step;
        if (const Real v = PartialSum(series, k, x); v > best) best = v, bestX = x;
    }
    Real a = std::max(left, bestX - step), b = std::min(right, bestX + step);
    const Real shrink = (std::sqrt(Real{5}) - 1) / 2;
    for (int i = 0; i < 120; ++i) {
        const Real c = b - shrink * (b - a), d = a + shrink * (b - a);
        if (PartialSum(series, k, c) > PartialSum(series, k, d))
            b = d;
        else
            a = c;
    }
    return std::max(best, PartialSum(series, k, (a + b) / 2));
}

struct TopRow {
    const char* name;
    Samples samples;
    std::vector<std::pair<int, int>> upperRuns; // first and last sample at the upper level
    double low, high;
    std::vector<int> orders;
};

Samples TwoPulses() {
    Samples s{};
    for (int j = 100; j <= 140; ++j)
        s[j] = 1;
    for (int j = 300; j <= 306; ++j)
        s[j] = 1;
    return s;
}

// The search between the samples stops once no step can change the overshoot by 10^-7 % of
// the jump: the value is the true top to well within a millionth of a percent, on each order
// of the table and with several spans at the upper level.
TEST(ConvergenceTest, OvershootIsTheTopOfTheSumToAMillionthOfAPercent) {
    const TopRow rows[] = {
        {"square", Waveform(1, 0), {{256, 511}}, -1, 1, {1, 2, 31, 200, 255}},
        {"pulse_1", Waveform(7, 1), {{254, 258}}, 0, 1, {3, 100}},
        {"pulse_8", Waveform(7, 8), {{240, 272}}, 0, 1, {15, 63, 254}},
        {"pulse_31", Waveform(7, 31), {{194, 318}}, 0, 1, {31, 128}},
        {"two_pulses", TwoPulses(), {{100, 140}, {300, 306}}, 0, 1, {5, 40, 180}},
    };
    for (const TopRow& row : rows) {
        SCOPED_TRACE(row.name);
        const Series direct = DirectSeries(row.samples);
        const auto convergence = Fourier::MeasureConvergence(Analyse(row.samples));
        ASSERT_TRUE(convergence.HasJump);
        for (int k : row.orders) {
            Real top = -1e300;
            for (const auto& [first, last] : row.upperRuns)
                top = std::max(
                    top, TopOfSum(direct, k, GridX(first) - Pi / 512, GridX(last) + Pi / 512));
            const double expected =
                static_cast<double>(100 * (top - row.high) / (row.high - row.low));
            EXPECT_NEAR(convergence.OvershootPercent[k], expected, 1e-6) << "k=" << k;
        }
    }
}

// Value, slope and curvature against sums written out, for a signal whose every harmonic has
// a cosine and a sine part, at orders ending on odd and on even harmonics. Each bound is
// 10^-12 of the sum of its terms' sizes: far above what rounding in 255 terms makes, far
// below one term missing or wrong.
TEST(ConvergenceTest, PartialSumSlopeAndCurvatureMatchDirectSumsAtOddAndEvenOrders) {
    const Samples s = Waveform(4, 9); // a_k = cos(k pi/64) / 256, b_k = sin(k pi/64) / 256
    const Series direct = DirectSeries(s);
    const Fourier::TSeries series = Fourier::SeriesOf(Analyse(s));
    for (int k : {1, 2, 3, 4, 127, 128, 254, 255}) {
        for (double x : {-3.1, -0.5, 0.0, 0.049, 2.0}) {
            Real value = direct.A[0] / 2, slope = 0, curvature = 0;
            Real size[3] = {};
            for (int i = 1; i <= k; ++i) {
                const Real c = std::cos(i * Real{x}), sn = std::sin(i * Real{x});
                value += direct.A[i] * c + direct.B[i] * sn;
                slope += i * (direct.B[i] * c - direct.A[i] * sn);
                curvature -= Real(i) * i * (direct.A[i] * c + direct.B[i] * sn);
                const Real magnitude = std::abs(direct.A[i]) + std::abs(direct.B[i]);
                for (int n = 0; n < 3; ++n)
                    size[n] += std::pow(Real(i), n) * magnitude;
            }
            auto bound = [&](int n) { return 1e-12 * static_cast<double>(size[n]); };
            const auto point = Fourier::EvaluatePartialSum(series, k, x);
            EXPECT_NEAR(point.Value, static_cast<double>(value), bound(0)) << k << " " << x;
            EXPECT_NEAR(point.Slope, static_cast<double>(slope), bound(1)) << k << " " << x;
            EXPECT_NEAR(point.Curvature, static_cast<double>(curvature), bound(2)) << k << " " << x;
        }
    }
}

TEST(ConvergenceTest, GibbsOvershootIsTheSineIntegralsExcess) {
    // Si(pi) = integral of sin(t)/t over [0, pi], by Simpson's rule on 2000 panels.
    constexpr int Panels = 2000;
    const double h = std::numbers::pi / Panels;
    auto sinc = [](double t) { return t == 0 ? 1.0 : std::sin(t) / t; };
    double sum = sinc(0) + sinc(std::numbers::pi);
    for (int i = 1; i < Panels; ++i)
        sum += (i % 2 ? 4 : 2) * sinc(i * h);
    const double si = sum * h / 3;
    EXPECT_NEAR(Fourier::GibbsOvershootPercent, 100 * (si / std::numbers::pi - 0.5), 1e-9);
}

TEST(ConvergenceTest, SquareWaveOvershootStaysNearGibbsThenRisesThroughAliasing) {
    const auto convergence = Fourier::MeasureConvergence(Analyse(Waveform(1, 0)));
    for (int k = 15; k <= 31; ++k)
        EXPECT_NEAR(convergence.OvershootPercent[k], 9.0, 0.15) << "k=" << k;
    EXPECT_NEAR(convergence.OvershootPercent[63], 9.2, 0.1);
    EXPECT_GT(convergence.OvershootPercent[255], convergence.OvershootPercent[63] + 0.5);
    EXPECT_TRUE(std::isnan(convergence.OvershootPercent[0]));
}

TEST(ConvergenceTest, OnlySignalsOfTwoLevelsWithPlateausHaveJumps) {
    struct Row {
        const char* name;
        Samples samples;
        bool jump;
        int runs;
    };
    Samples wrapped = Waveform(1, 0);
    std::rotate(wrapped.begin(), wrapped.begin() + 100,
                wrapped.end()); // the +1 run crosses the end
    Samples shortRun = Waveform(1, 0);
    shortRun[100] = shortRun[101] = 1;
    Samples threeLevels = Waveform(1, 0);
    threeLevels[300] = 0.5;
    const Row rows[] = {
        {"square", Waveform(1, 0), true, 1},    {"pulse_1", Waveform(7, 1), true, 1},
        {"wrapped_square", wrapped, true, 1},   {"delta", Waveform(4, 8), false, 0},
        {"triangle", Waveform(2, 0), false, 0}, {"sine", Waveform(0, 8), false, 0},
        {"two_sample_run", shortRun, false, 0}, {"three_levels", threeLevels, false, 0},
        {"constant", Samples{}, false, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto levels = Fourier::FindTwoLevels(row.samples);
        ASSERT_EQ(levels.has_value(), row.jump);
        if (!levels) continue;
        ASSERT_EQ(static_cast<int>(levels->UpperRuns.size()), row.runs);
        for (const auto& run : levels->UpperRuns)
            for (int j = -1; j <= run.Length; ++j)
                EXPECT_EQ(row.samples[(run.First + j + 512) % 512],
                          j < 0 || j == run.Length ? levels->Low : levels->High);
    }
}

struct IntegralRow {
    const char* name;
    int item, p1, p2, p3, k;
    bool sine;
};

TEST(ConvergenceTest, RunningIntegralEndsAtTheCoefficientOfTheBar) {
    const IntegralRow rows[] = {
        {"square_sin_1", 1, 0, 0, 0, 1, true},   {"square_sin_31", 1, 0, 0, 0, 31, true},
        {"triangle_sin_3", 2, 0, 0, 0, 3, true}, {"sine_sin_8", 0, 8, 0, 0, 8, true},
        {"beats_cos_18", 5, 0, 4, 2, 18, false}, {"beats_cos_14", 5, 0, 4, 2, 14, false},
        {"delta9_sin_5", 4, 9, 0, 0, 5, true},   {"delta9_cos_255", 4, 9, 0, 0, 255, false},
        {"pulse_cos_0", 7, 8, 0, 0, 0, false},   {"trapezoid_sin_1", 3, 8, 0, 0, 1, true},
    };
    for (const IntegralRow& row : rows) {
        SCOPED_TRACE(row.name);
        const Samples s = Waveform(row.item, row.p1, row.p2, row.p3);
        const Fourier::TAnalysis analysis = Analyse(s);
        const double bar = row.sine ? analysis.Im[row.k] : analysis.Re[row.k];
        const double coefficient = bar / Fourier::CoefficientScale();
        ASSERT_GT(std::abs(coefficient), 1e-4); // a relative comparison means something
        const auto integral = Fourier::CoefficientIntegral(s, row.k, row.sine);
        EXPECT_NEAR(integral.Coefficient(), coefficient, 1e-12 * std::abs(coefficient));
        EXPECT_EQ(integral.Running[0], 0.0);
        // Half way, against the sum written out.
        Real half = 0;
        for (int j = 0; j < 256; ++j)
            half += s[j] * (row.sine ? GridSin(row.k, j) : GridCos(row.k, j));
        EXPECT_NEAR(integral.Running[256], static_cast<double>(half / 256),
                    1e-13 * (1 + std::abs(coefficient)));
        for (int j : {0, 77, 300, 511})
            EXPECT_NEAR(
                integral.Integrand[j],
                static_cast<double>(s[j] * (row.sine ? GridSin(row.k, j) : GridCos(row.k, j))),
                1e-15 * (1 + std::abs(s[j])));
    }
}

TEST(ConvergenceTest, AmplitudeAndPhaseOfAShiftedDeltaAreThoseOfItsShift) {
    // One sample of 1 at x = pi/64: a_k = cos(k pi/64)/256, b_k = sin(k pi/64)/256, so
    // A_k = 1/256 and phi_k = k pi/64, brought into (-pi, pi]; A_0 = the mean, 1/512.
    const auto harmonics = Fourier::HarmonicsOf(Analyse(Waveform(4, 9)));
    for (int k = 0; k <= 255; ++k) {
        EXPECT_NEAR(harmonics[k].Amplitude, k == 0 ? 1.0 / 512 : 1.0 / 256, 1e-15) << "k=" << k;
        double expected = std::remainder(k * std::numbers::pi / 64, 2 * std::numbers::pi);
        if (expected <= -std::numbers::pi + 1e-9) expected = std::numbers::pi;
        const double difference =
            std::remainder(harmonics[k].Phase - expected, 2 * std::numbers::pi);
        EXPECT_NEAR(difference, 0.0, 1e-9) << "k=" << k;
        EXPECT_GT(harmonics[k].Phase, -std::numbers::pi);
        EXPECT_LE(harmonics[k].Phase, std::numbers::pi);
    }
}

TEST(ConvergenceTest, PhaseOfANegativeMeanIsPiAndOfNoiseIsUndefined) {
    Samples s = Waveform(0, 8);
    for (double& v : s)
        v -= 0.25; // mean -0.25, harmonic 8 a sine
    const auto harmonics = Fourier::HarmonicsOf(Analyse(s));
    EXPECT_NEAR(harmonics[0].Amplitude, 0.25, 1e-15);
    EXPECT_EQ(harmonics[0].Phase, std::numbers::pi);
    EXPECT_NEAR(harmonics[8].Amplitude, 1.0, 1e-14);
    EXPECT_NEAR(harmonics[8].Phase, std::numbers::pi / 2, 1e-12); // sin 8x = cos(8x - pi/2)
    for (int k : {1, 7, 9, 100})
        EXPECT_TRUE(std::isnan(harmonics[k].Phase)) << "k=" << k;
}

} // namespace
