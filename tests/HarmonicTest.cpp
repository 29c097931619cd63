// The one harmonic convention, a_k cos kx + b_k sin kx = A_k cos(kx - phi_k), against closed
// forms: signals analysed from their 512 samples, parts turned into amplitude and phase and
// back, and the rule that hides the phase of rounding noise, on both sides of its threshold.
#include "Harmonic.h"
#include "RowName.h"
#include "Waveforms.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

using namespace Fourier;
constexpr double Pi = std::numbers::pi;

struct AnalysedRow {
    const char* name;
    double (*signal)(double x); // null: the catalogue's square wave
    int k;
    double amplitude, phase, tolerance;
};

void PrintTo(const AnalysedRow& row, std::ostream* out) {
    *out << row.name;
}

class AnalysedHarmonic : public ::testing::TestWithParam<AnalysedRow> {};

TEST_P(AnalysedHarmonic, HasTheClosedFormsAmplitudeAndPhase) {
    const AnalysedRow& row = GetParam();
    TSamples samples;
    for (int j = 0; j < SampleCount; ++j)
        samples[j] = row.signal ? row.signal(GridX(j)) : 0.0;
    const TAnalysis analysis =
        row.signal ? AnalyseSamples(samples) : AnalyseWaveform(Waveforms()[1], {});
    const THarmonic harmonic = HarmonicsOf(analysis)[row.k];
    EXPECT_NEAR(harmonic.Amplitude, row.amplitude, row.tolerance);
    EXPECT_NEAR(harmonic.Phase, row.phase, row.tolerance);
}

// The sampled square wave (-1 left of 0, +1 from 0 on) has, for odd k, a_k = 1/128 and
// b_k = cot(k pi/512)/128 exactly: A_k = 1/(128 sin(k pi/512)) and phi_k = pi/2 - k pi/512,
// the series' 4/(pi k) and pi/2 within the sampling error.
INSTANTIATE_TEST_SUITE_P(
    Rows, AnalysedHarmonic,
    ::testing::Values(
        AnalysedRow{"SquareWave1", nullptr, 1, 4 / Pi, Pi / 2, Pi / 512 + 1e-12},
        AnalysedRow{"SquareWave3", nullptr, 3, 4 / (3 * Pi), Pi / 2, 3 * Pi / 512 + 1e-12},
        AnalysedRow{"SampledSquareWave5", nullptr, 5, 1 / (128 * std::sin(5 * Pi / 512)),
                    Pi / 2 - 5 * Pi / 512, 1e-12},
        AnalysedRow{"Cosine", [](double x) { return std::cos(2 * x); }, 2, 1, 0, 1e-12},
        AnalysedRow{"MinusSine", [](double x) { return -std::sin(4 * x); }, 4, 1, -Pi / 2, 1e-12},
        AnalysedRow{"ShiftedCosine", [](double x) { return std::cos(3 * x - 0.7); }, 3, 1, 0.7,
                    1e-12},
        AnalysedRow{"NegativeMean", [](double x) { return -0.25 + std::sin(8 * x); }, 0, 0.25, Pi,
                    1e-12},
        AnalysedRow{"PositiveMean", [](double x) { return 0.5 + std::sin(8 * x); }, 0, 0.5, 0,
                    1e-12}),
    RowName<AnalysedRow>);

struct PartsRow {
    const char* name;
    int k;
    double a, b, amplitude, phase;
};

void PrintTo(const PartsRow& row, std::ostream* out) {
    *out << row.name;
}

class HarmonicParts : public ::testing::TestWithParam<PartsRow> {};

// A_k cos(kx - phi_k) is the harmonic itself at every x; the polar form gives the parts back.
TEST_P(HarmonicParts, DescribeTheSameCurveAsAmplitudeAndPhase) {
    const PartsRow& row = GetParam();
    const THarmonic harmonic = THarmonic::FromParts(row.k, row.a, row.b);
    EXPECT_NEAR(harmonic.Amplitude, row.amplitude, 1e-15);
    EXPECT_NEAR(harmonic.Phase, row.phase, 1e-15);
    const double constant = row.k == 0 ? row.a / 2 : 0.0;
    for (double x = -3.0; x <= 3.0; x += 0.25)
        EXPECT_NEAR(harmonic.Amplitude * std::cos(row.k * x - harmonic.Phase),
                    row.k == 0 ? constant
                               : row.a * std::cos(row.k * x) + row.b * std::sin(row.k * x),
                    1e-14)
            << "x = " << x;
    if (row.k == 0) return;
    const THarmonic back = THarmonic::FromPolar(harmonic.Amplitude, harmonic.Phase);
    EXPECT_NEAR(back.Cos, row.a, 1e-15);
    EXPECT_NEAR(back.Sin, row.b, 1e-15);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, HarmonicParts,
    ::testing::Values(PartsRow{"Zero", 3, 0.0, 0.0, 0.0, 0.0},
                      PartsRow{"MinusZero", 3, -0.0, -0.0, 0.0, 0.0},
                      PartsRow{"PureCos", 3, 1.0, 0.0, 1.0, 0.0},
                      PartsRow{"PureSin", 3, 0.0, 1.0, 1.0, Pi / 2},
                      PartsRow{"NegativeCos", 3, -2.0, 0.0, 2.0, Pi},
                      PartsRow{"NegativeCosMinusZeroSin", 3, -2.0, -0.0, 2.0, Pi},
                      PartsRow{"NegativeSin", 3, 0.0, -0.5, 0.5, -Pi / 2},
                      PartsRow{"ThreeFour", 3, 3.0, 4.0, 5.0, std::atan(4.0 / 3.0)},
                      PartsRow{"ThirdQuadrant", 3, -1.0, -1.0, std::numbers::sqrt2, -3 * Pi / 4},
                      PartsRow{"MeanPositiveIgnoresB", 0, 0.5, 7.0, 0.25, 0.0},
                      PartsRow{"MeanNegative", 0, -0.5, 0.0, 0.25, Pi}),
    RowName<PartsRow>);

// Amplitudes just above and just below 1e-9 of the largest (harmonic 1's 1).
TEST(HarmonicsOf, HidesThePhaseOfRoundingNoiseOnly) {
    TSeries series;
    series.A[1] = 1.0;
    series.B[2] = 1.001e-9;
    series.B[3] = 0.999e-9;
    series.A[0] = -2e-9;
    const THarmonics harmonics = HarmonicsOf(series);
    EXPECT_EQ(harmonics[1].Phase, 0.0);
    EXPECT_NEAR(harmonics[2].Phase, Pi / 2, 1e-15);
    EXPECT_TRUE(std::isnan(harmonics[3].Phase));
    EXPECT_TRUE(std::isnan(harmonics[0].Phase)) << "A_0 = |a_0|/2 = 1e-9: not above";
    EXPECT_TRUE(std::isnan(harmonics[4].Phase));
    EXPECT_EQ(harmonics[3].Amplitude, 0.999e-9) << "only the phase is hidden";
}

// A part within 1e-12 of the largest amplitude (here 4) is noise for the angle: the phase
// is the other part's alone, whatever the noise's sign; a part just beyond it still counts.
TEST(HarmonicsOf, TakesAPartWithinRoundingAsZeroForThePhase) {
    TSeries series;
    series.B[1] = 4.0;
    series.A[5] = 0.0178, series.B[5] = 3.9e-12;   // phi_5 would be 2.2e-10
    series.A[6] = -0.0156, series.B[6] = -3.9e-12; // would be -pi + 2.5e-10
    series.A[7] = -3.9e-12, series.B[7] = -0.002;  // would be -pi/2 - 2e-9
    series.A[8] = 0.0178, series.B[8] = 4.1e-12;   // 1.025e-12 of 4: kept
    const THarmonics harmonics = HarmonicsOf(series);
    EXPECT_EQ(harmonics[5].Phase, 0.0);
    EXPECT_EQ(harmonics[6].Phase, Pi);
    EXPECT_EQ(harmonics[7].Phase, -Pi / 2);
    EXPECT_NEAR(harmonics[8].Phase, std::atan2(4.1e-12, 0.0178), 1e-24);
    EXPECT_GT(harmonics[8].Phase, 0.0);
    EXPECT_EQ(harmonics[6].Sin, -3.9e-12) << "the parts themselves are kept";
}

} // namespace
