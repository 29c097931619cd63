// Pen strokes on the 512 samples: which samples a stroke writes, with what value, and that
// a fast drag leaves no gap.
#include "Stroke.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <limits>
#include <numbers>
#include <stdexcept>
#include <vector>

namespace {

using Fourier::DrawStroke;
using Fourier::TPenPoint;
using Fourier::TSamples;

constexpr double Pi = std::numbers::pi;
constexpr double Step = Pi / 256;
constexpr double Untouched = -1234.5;

// Grid x in long double, independent of the code under test.
long double X(int j) {
    return -std::numbers::pi_v<long double> + j * (std::numbers::pi_v<long double> / 256);
}

TSamples Blank() {
    TSamples samples;
    samples.fill(Untouched);
    return samples;
}

// The value of the line through a and b at x.
long double LineAt(TPenPoint a, TPenPoint b, long double x) {
    return a.Y + (static_cast<long double>(b.Y) - a.Y) * (x - a.X) /
                     (static_cast<long double>(b.X) - a.X);
}

struct StrokeRow {
    const char* name;
    TPenPoint from, to;
    int first, last; // samples expected to be written; the line gives their values
};

void PrintTo(const StrokeRow& row, std::ostream* out) {
    *out << row.name;
}

class StrokeOnGrid : public ::testing::TestWithParam<StrokeRow> {};

TEST_P(StrokeOnGrid, WritesTheLineBetweenThePointsAndNothingElse) {
    const StrokeRow& row = GetParam();
    TSamples samples = Blank();
    const Fourier::TSampleRange range = DrawStroke(samples, row.from, row.to);
    EXPECT_EQ(range, (Fourier::TSampleRange{row.first, row.last}));
    for (int j = 0; j < 512; ++j) {
        if (j < row.first || j > row.last) {
            EXPECT_EQ(samples[j], Untouched) << "sample " << j;
            continue;
        }
        EXPECT_NEAR(samples[j], static_cast<double>(LineAt(row.from, row.to, X(j))), 1e-12)
            << "sample " << j;
    }
}

// Pen x between grid points (a quarter step off) so the expected ends are unambiguous.
double Between(int j) {
    return -Pi + (j + 0.25) * Step;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StrokeOnGrid,
    ::testing::Values(
        StrokeRow{"LeftToRight", {Between(10), -1.0}, {Between(50), 2.0}, 11, 50},
        StrokeRow{"RightToLeft", {Between(300), 0.5}, {Between(200), -0.5}, 201, 300},
        StrokeRow{"AcrossZero", {-0.3, 1.0}, {0.4, 1.0}, 232, 288},
        StrokeRow{"Steep", {Between(100), -50.0}, {Between(102), 50.0}, 101, 102},
        // Exactly one grid point passed: it takes the line's value (the pen is nearer 42).
        StrokeRow{"OverOneGridPoint", {-Pi + 40.6 * Step, 0.0}, {-Pi + 41.6 * Step, 1.0}, 41, 41},
        StrokeRow{"StartsOnGridPoint", {-Pi, 0.0}, {Between(8), 8.0}, 0, 8},
        StrokeRow{"LeavesAtTheRight", {Between(500), 0.0}, {Pi + 0.2, 1.0}, 501, 511},
        StrokeRow{"LeavesAtTheLeft", {Between(5), 1.0}, {-Pi - 0.3, -1.0}, 0, 5},
        StrokeRow{"WholePeriodAndBeyond", {-4.0, -1.0}, {4.0, 1.0}, 0, 511}),
    [](const auto& info) { return std::string(info.param.name); });

// A stroke that passes no grid point sets the sample nearest to where the pen now is.
struct NearestRow {
    const char* name;
    TPenPoint from, to;
    int sample;
};

void PrintTo(const NearestRow& row, std::ostream* out) {
    *out << row.name;
}

class StrokeWithoutGridPoint : public ::testing::TestWithParam<NearestRow> {};

TEST_P(StrokeWithoutGridPoint, SetsTheSampleNearestThePen) {
    const NearestRow& row = GetParam();
    TSamples samples = Blank();
    DrawStroke(samples, row.from, row.to);
    for (int j = 0; j < 512; ++j)
        EXPECT_EQ(samples[j], j == row.sample ? row.to.Y : Untouched) << "sample " << j;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StrokeWithoutGridPoint,
    ::testing::Values(
        NearestRow{"Press", {Between(40), 0.7}, {Between(40), 0.7}, 40},
        NearestRow{"PressOnGridPoint", {-Pi + 77 * Step, 0.1}, {-Pi + 77 * Step, 0.1}, 77},
        NearestRow{"MoveInsideOneStep", {-Pi + 40.2 * Step, 0.0}, {-Pi + 40.7 * Step, 0.3}, 41},
        NearestRow{
            "InTheLastStepBeforePi", {-Pi + 511.2 * Step, 0.0}, {-Pi + 511.9 * Step, 1.0}, 511},
        NearestRow{"EntirelyBeyondTheRight", {4.0, 0.0}, {5.0, 2.0}, 511},
        NearestRow{"EntirelyBeyondTheLeft", {-5.0, 0.0}, {-4.0, -2.0}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// A fast drag, as mouse events arrive: far apart, back and forth; each sample ends on the
// segment of the drag that last passed over it, and a sweep over the period misses none.
TEST(StrokeDrag, FastSweepLeavesNoGapAndFollowsThePolyline) {
    const std::vector<TPenPoint> drag = {{-3.2, 0.0}, {-2.0, 1.0}, {-1.9, -1.0}, {0.05, 0.5},
                                         {1.7, 2.0},  {2.9, -0.5}, {3.3, 0.0}};
    TSamples samples = Blank();
    for (std::size_t i = 1; i < drag.size(); ++i)
        DrawStroke(samples, drag[i - 1], drag[i]);
    for (int j = 0; j < 512; ++j) {
        ASSERT_NE(samples[j], Untouched) << "gap at sample " << j;
        std::size_t segment = 1;
        while (X(j) > drag[segment].X)
            ++segment;
        EXPECT_NEAR(samples[j], static_cast<double>(LineAt(drag[segment - 1], drag[segment], X(j))),
                    1e-12)
            << "sample " << j;
    }
}

TEST(StrokeDrag, BackwardStrokeOverwritesWhatItCrosses) {
    TSamples samples = Blank();
    DrawStroke(samples, {-1.0, 1.0}, {1.0, 1.0});
    DrawStroke(samples, {0.5, -1.0}, {-0.5, -1.0});
    for (int j = 0; j < 512; ++j) {
        const long double x = X(j);
        const double expected = x >= -0.5 && x <= 0.5   ? -1.0
                                : x >= -1.0 && x <= 1.0 ? 1.0
                                                        : Untouched;
        EXPECT_EQ(samples[j], expected) << "sample " << j;
    }
}

TEST(StrokeDrag, RefusesCoordinatesThatAreNotFinite) {
    constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
    constexpr double Inf = std::numeric_limits<double>::infinity();
    TSamples samples = Blank();
    EXPECT_THROW(DrawStroke(samples, {NaN, 0.0}, {1.0, 0.0}), std::domain_error);
    EXPECT_THROW(DrawStroke(samples, {0.0, 0.0}, {1.0, Inf}), std::domain_error);
    EXPECT_THROW(DrawStroke(samples, {0.0, -Inf}, {1.0, 0.0}), std::domain_error);
    EXPECT_THROW(DrawStroke(samples, {0.0, 0.0}, {Inf, 0.0}), std::domain_error);
    for (double value : samples)
        EXPECT_EQ(value, Untouched);
}

} // namespace
