// The chain of rotating circles against the series written out in cosines and sines: the
// tip is at (sum of b_j cos jt - a_j sin jt, S_k(t)), the radii are the amplitudes, and the
// square wave's radii are 4/(pi j).
#include "RotatingCircles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <stdexcept>
#include <vector>

using namespace Fourier;

namespace {

using Real = long double;
constexpr double Pi = std::numbers::pi;
const double Times[] = {-Pi, -2.0, -0.3, 0.0, 0.7, Pi / 2, 2.5, Pi - 1e-3};

// Every harmonic present, phases in all four quadrants, falling as 1/j; mean 0.37.
TSeries MixedSeries() {
    TSeries series;
    series.A[0] = 0.74;
    for (int j = 1; j <= HighestHarmonic; ++j) {
        series.A[j] = std::cos(1.3 * j + 0.4) / j;
        series.B[j] = std::sin(2.1 * j) / j;
    }
    return series;
}

// Harmonic j's vector (b_j cos jt - a_j sin jt, a_j cos jt + b_j sin jt), summed over j <= k.
struct TSum {
    Real Across = 0, Height = 0;
};
TSum Direct(const TSeries& s, int k, Real t) {
    TSum sum{0, Real(s.A[0]) / 2};
    for (int j = 1; j <= k; ++j) {
        sum.Across += s.B[j] * std::cos(j * t) - s.A[j] * std::sin(j * t);
        sum.Height += s.A[j] * std::cos(j * t) + s.B[j] * std::sin(j * t);
    }
    return sum;
}

class ChainOfK : public ::testing::TestWithParam<int> {};

TEST_P(ChainOfK, TipIsThePartialSumAndRadiiTheAmplitudes) {
    const int k = GetParam();
    const TSeries s = MixedSeries();
    for (const TCircleOrder order : {TCircleOrder::ByFrequency, TCircleOrder::BySize}) {
        // Built in the other order and turned round, so that SetOrder is what is checked.
        TRotatingCircles chain(
            s, k, order == TCircleOrder::BySize ? TCircleOrder::ByFrequency : TCircleOrder::BySize);
        chain.SetOrder(order);
        ASSERT_EQ(chain.Circles().size(), std::size_t(k));
        std::vector<bool> seen(k + 1);
        for (int i = 0; i < k; ++i) {
            const TCircle& circle = chain.Circles()[i];
            ASSERT_TRUE(circle.Harmonic >= 1 && circle.Harmonic <= k && !seen[circle.Harmonic]);
            seen[circle.Harmonic] = true;
            EXPECT_NEAR(circle.Radius, std::hypot(s.A[circle.Harmonic], s.B[circle.Harmonic]),
                        1e-15);
            EXPECT_TRUE(order == TCircleOrder::BySize || circle.Harmonic == i + 1) << i;
            EXPECT_TRUE(order == TCircleOrder::ByFrequency || i == 0 ||
                        circle.Radius <= chain.Circles()[i - 1].Radius)
                << i;
        }
        std::vector<TJoint> joints(k + 1);
        for (const double t : Times) {
            SCOPED_TRACE(testing::Message() << "order " << int(order) << ", t = " << t);
            const TSum expected = Direct(s, k, t);
            EXPECT_NEAR(chain.Tip(t), double(expected.Height), 1e-12);
            chain.Joints(t, joints);
            EXPECT_TRUE(joints[0].X == 0.0 && joints[0].Y == 0.37);
            EXPECT_NEAR(joints[k].X, double(expected.Across), 1e-12);
            EXPECT_NEAR(joints[k].Y, double(expected.Height), 1e-12);
        }
        for (const int j : {0, 100, 256, 511}) {
            const Real x = -std::numbers::pi_v<Real> + j * (std::numbers::pi_v<Real> / 256);
            EXPECT_NEAR(chain.Trace()[j], double(Direct(s, k, x).Height), 1e-12) << j;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Harmonics, ChainOfK, ::testing::Values(0, 1, 5, 32, 255),
                         [](const auto& info) { return "k" + std::to_string(info.param); });

TEST(RotatingCircles, SquareWaveRadiiAreFourOverPiJ) {
    TSeries square;
    for (int j = 1; j <= HighestHarmonic; j += 2)
        square.B[j] = 4 / (Pi * j);
    const TRotatingCircles chain(square, 32, TCircleOrder::BySize);
    // Largest first: the odd harmonics upwards, then the zero even ones by frequency.
    for (int i = 0; i < 32; ++i) {
        const int j = i < 16 ? 2 * i + 1 : 2 * (i - 16) + 2;
        EXPECT_EQ(chain.Circles()[i].Harmonic, j);
        EXPECT_NEAR(chain.Circles()[i].Radius, j % 2 ? 4 / (Pi * j) : 0.0, 1e-15) << j;
    }
    EXPECT_DOUBLE_EQ(chain.LargestRadius(), 4 / Pi);
}

// sign x + 1/2 to k = 3: the first vector (A1 cos t, 1/2 + A1 sin t) and the third's circle
// around its end reach A1 + A3 across, up and down, at t = 0, pi/2, -pi/2 (times measured).
TEST(RotatingCircles, ExtentIsWhereTheDrawnChainGoes) {
    TSeries square;
    square.A[0] = 1.0;
    for (int j = 1; j <= HighestHarmonic; j += 2)
        square.B[j] = 4 / (Pi * j);
    const double reach = 4 / Pi * (1 + 1.0 / 3);
    for (const TCircleOrder order : {TCircleOrder::ByFrequency, TCircleOrder::BySize}) {
        const auto extent = TRotatingCircles(square, 3, order).Extent(256);
        EXPECT_NEAR(extent.Across, reach, 1e-12);
        EXPECT_NEAR(extent.High, 0.5 + reach, 1e-12);
        EXPECT_NEAR(extent.Low, 0.5 - reach, 1e-12);
    }
}

// The 512 samples -1 on [-pi, 0), +1 on [0, pi): by the geometric sums a_j = 1/128 and
// b_j = cot(pi j/512)/128 for odd j, A_j = 1/(128 sin(pi j/512)) (about 4/(pi j)), and the
// even harmonics are rounding noise whose phase the spectrum leaves undefined.
TEST(RotatingCircles, SampledSquareWaveFollowsItsDiscreteSeries) {
    TSamples samples;
    for (int j = 0; j < SampleCount; ++j)
        samples[j] = j < SampleCount / 2 ? -1.0 : 1.0;
    const TRotatingCircles chain(AnalyseSamples(samples), HighestHarmonic, TCircleOrder::BySize);
    for (const TCircle& circle : chain.Circles()) {
        const int j = circle.Harmonic;
        EXPECT_NEAR(circle.Radius, j % 2 ? 1 / (128 * std::sin(Pi * j / 512)) : 0.0, 1e-13) << j;
    }
    for (const double t : Times) {
        Real expected = 0;
        for (int j = 1; j <= HighestHarmonic; j += 2)
            expected +=
                (std::cos(j * Real(t)) + std::sin(j * Real(t)) / std::tan(Pi * j / 512)) / 128;
        EXPECT_NEAR(chain.Tip(t), double(expected), 1e-12) << t;
    }
}

TEST(RotatingCircles, RefusesHarmonicNumbersOutside0To255) {
    const TSeries s = MixedSeries();
    EXPECT_THROW(TRotatingCircles(s, -1, TCircleOrder::BySize), std::out_of_range);
    EXPECT_THROW(TRotatingCircles(s, HighestHarmonic + 1, TCircleOrder::BySize), std::out_of_range);
    std::vector<TJoint> tooFew(HighestHarmonic);
    EXPECT_THROW(TRotatingCircles(s, HighestHarmonic, TCircleOrder::BySize).Joints(0, tooFew),
                 std::length_error);
}

} // namespace
