// Edited coefficients back to samples through the inverse transform: checked against the
// series evaluated directly, and against the forward analysis (inverse then forward gives
// the coefficients back).
#include "InverseTransform.h"
#include "Coefficients.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <numbers>
#include <random>

namespace {

using namespace Fourier;

constexpr long double Pi = std::numbers::pi_v<long double>;

// cos and sin of k*x_j from the exact angle: k*(j - 256) turns of 2*pi/512, reduced first.
long double Angle(int k, int j) {
    const int turn = ((k * (j - 256)) % 512 + 512) % 512;
    return 2 * Pi * turn / 512;
}

// a_0/2 + sum_k a_k cos kx_j + b_k sin kx_j, term by term in long double.
TSamples DirectSeries(const TCoefficients& c) {
    TSamples samples;
    for (int j = 0; j < 512; ++j) {
        long double sum = c.Cos[0] / 2.0L;
        for (int k = 1; k <= EditableHarmonics; ++k)
            sum += c.Cos[k] * std::cos(Angle(k, j)) + c.Sin[k] * std::sin(Angle(k, j));
        samples[j] = static_cast<double>(sum);
    }
    return samples;
}

TCoefficients RandomCoefficients(unsigned seed) {
    std::mt19937 engine(seed);
    std::uniform_real_distribution<double> value(-2.0, 2.0);
    TCoefficients c;
    for (int k = 0; k <= EditableHarmonics; ++k) {
        c.Cos[k] = value(engine);
        c.Sin[k] = k == 0 ? 0.0 : value(engine);
    }
    return c;
}

struct SeriesRow {
    const char* name;
    TCoefficients coefficients;
};

void PrintTo(const SeriesRow& row, std::ostream* out) {
    *out << row.name;
}

TCoefficients Single(int k, double a, double b) {
    TCoefficients c;
    c.Cos[k] = a;
    c.Sin[k] = k == 0 ? 0.0 : b;
    return c;
}

TCoefficients SquareWave() {
    TCoefficients c;
    for (int k = 1; k <= EditableHarmonics; k += 2)
        c.Sin[k] = 4 / (std::numbers::pi * k);
    return c;
}

class SynthesisAgainstSeries : public ::testing::TestWithParam<SeriesRow> {};

// The transform's twiddle factors are good to about 2e-13 (their sines come from
// sqrt(1 - c*c)), so a sample may be off by that much for each unit of coefficient.
double Tolerance(const TCoefficients& c) {
    double total = 1.0;
    for (int k = 0; k <= EditableHarmonics; ++k)
        total += std::abs(c.Cos[k]) + std::abs(c.Sin[k]);
    return 4e-13 * total;
}

TEST_P(SynthesisAgainstSeries, SamplesAreTheSeriesOnTheGrid) {
    const TSamples expected = DirectSeries(GetParam().coefficients);
    const TSamples samples = SynthesiseSamples(GetParam().coefficients);
    const double tolerance = Tolerance(GetParam().coefficients);
    for (int j = 0; j < 512; ++j)
        EXPECT_NEAR(samples[j], expected[j], tolerance) << "sample " << j;
}

INSTANTIATE_TEST_SUITE_P(Rows, SynthesisAgainstSeries,
                         ::testing::Values(SeriesRow{"Zero", TCoefficients{}},
                                           SeriesRow{"MeanOnly", Single(0, 3.0, 0.0)},
                                           SeriesRow{"Cos1", Single(1, 1.0, 0.0)},
                                           SeriesRow{"Sin3", Single(3, 0.0, 2.0)},
                                           SeriesRow{"Both17", Single(17, -0.5, 0.25)},
                                           SeriesRow{"Cos32", Single(32, 1.5, 0.0)},
                                           SeriesRow{"Sin32", Single(32, 0.0, -1.0)},
                                           SeriesRow{"SquareWave", SquareWave()},
                                           SeriesRow{"Random", RandomCoefficients(7)}),
                         [](const auto& info) { return std::string(info.param.name); });

// Edited coefficients -> samples -> analysis: every coefficient comes back to 1e-12 and
// the harmonics that were not edited stay empty.
TEST(InverseThenForward, GivesTheEditedCoefficientsBack) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        const TCoefficients edited = RandomCoefficients(seed);
        const TAnalysis analysis = AnalyseSamples(SynthesiseSamples(edited));
        ASSERT_EQ(analysis.Status, 0);
        const TCoefficients back = CoefficientsOf(analysis);
        for (int k = 0; k <= EditableHarmonics; ++k) {
            EXPECT_NEAR(back.Cos[k], edited.Cos[k], 1e-12) << "seed " << seed << " a_" << k;
            EXPECT_NEAR(back.Sin[k], edited.Sin[k], 1e-12) << "seed " << seed << " b_" << k;
        }
        for (int k = EditableHarmonics + 1; k <= NyquistLine; ++k) {
            EXPECT_NEAR(analysis.Re[k] / CoefficientScale(), 0.0, 1e-12)
                << "seed " << seed << " a_" << k;
            EXPECT_NEAR(analysis.Im[k] / CoefficientScale(), 0.0, 1e-12)
                << "seed " << seed << " b_" << k;
        }
    }
}

// The whole spectrum, Nyquist line included, in the layout the main window keeps; compared
// as coefficients (lines over sqrt(512)/2).
TEST(InverseThenForward, GivesEveryLineBack) {
    std::mt19937 engine(42);
    std::uniform_real_distribution<double> value(-10.0, 10.0);
    TLines re{}, im{};
    for (int k = 0; k <= NyquistLine; ++k) {
        re[k] = value(engine);
        im[k] = k == 0 || k == NyquistLine ? 0.0 : value(engine);
    }
    const TAnalysis analysis = AnalyseSamples(SamplesFromSpectrum(re, im));
    const double scale = CoefficientScale();
    for (int k = 0; k <= NyquistLine; ++k) {
        EXPECT_NEAR(analysis.Re[k] / scale, re[k] / scale, 1e-12) << "line " << k;
        EXPECT_NEAR(analysis.Im[k] / scale, im[k] / scale, 1e-12) << "line " << k;
    }
}

TEST(InverseThenForward, AnalysedSamplesComeBackFromTheirSpectrum) {
    std::mt19937 engine(3);
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    TSamples samples;
    for (double& s : samples)
        s = value(engine);
    const TAnalysis analysis = AnalyseSamples(samples);
    const TSamples back = SamplesFromSpectrum(analysis.Re, analysis.Im);
    for (int j = 0; j < 512; ++j)
        EXPECT_NEAR(back[j], samples[j], 1e-12) << "sample " << j;
}

TEST(InverseTransform, NyquistLineIsTheAlternatingSample) {
    TLines re{}, im{};
    re[NyquistLine] = std::sqrt(512.0) * 0.75;
    const TSamples samples = SamplesFromSpectrum(re, im);
    for (int j = 0; j < 512; ++j)
        EXPECT_NEAR(samples[j], j % 2 == 0 ? 0.75 : -0.75, 1e-14) << "sample " << j;
}

} // namespace
