// The numbers the windows draw with, against values worked out by hand.
#include "AxisRange.h"
#include "AxisTicks.h"
#include "Decibels.h"
#include "PlotLayout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace Fourier;

namespace {

TEST(PlotNumbers, TicksAreOneTwoFiveStepsWithEachEndATickWhenItLiesOnOne) {
    struct Row {
        const char* name;
        double min, max;
        std::vector<double> ticks;
    };
    const Row rows[] = {
        {"unit", 0, 1, {0, 0.2, 0.4, 0.6, 0.8, 1}},
        {"ends_between_ticks", -3, 7, {-2, 0, 2, 4, 6}},
        {"thousandths", 0.0013, 0.0071, {0.002, 0.003, 0.004, 0.005, 0.006, 0.007}},
        {"across_ten", 5, 15, {6, 8, 10, 12, 14}},
        // 0.07 / 0.01 comes out a hair above 7 and 0.7 / 0.1 a hair below.
        {"low_end_a_hair_off", 0.07, 0.12, {0.07, 0.08, 0.09, 0.1, 0.11, 0.12}},
        {"high_end_a_hair_off", 0.3, 0.7, {0.3, 0.4, 0.5, 0.6, 0.7}},
        {"empty", 2, 2, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::vector<double> ticks = RoundTickValues(row.min, row.max);
        ASSERT_EQ(ticks.size(), row.ticks.size());
        for (std::size_t i = 0; i < ticks.size(); ++i)
            EXPECT_NEAR(ticks[i], row.ticks[i], 1e-12 * row.max) << i;
    }
    EXPECT_FALSE(std::signbit(RoundTickValues(-0.3, 5)[0])); // "0", not "-0"
    EXPECT_EQ(PowerOfTenAtMost(std::nextafter(1000.0, 0.0)), 100);
    EXPECT_EQ(PowerOfTenAtMost(1000), 1000);
}

TEST(PlotNumbers, DecibelsAreTwentyLogsDownToTheFloor) {
    const double rows[][3] = {
        {1, 1, 0}, {0.1, 1, -20}, {2e-9, 2, -180}, {0, 1, -200}, {1, 0, -200}};
    for (const auto& [value, reference, decibels] : rows)
        EXPECT_NEAR(Decibels(value, reference), decibels, 1e-12) << value << " of " << reference;
}

TEST(PlotNumbers, RangesStayWhileHalfFilledElseFitWithAFifthToSpare) {
    const auto linear = TAxisScale::Linear, log = TAxisScale::Logarithmic;
    const double fifth = std::pow(10, 0.2); // of a decade
    const struct {
        const char* name;
        double low, high;
        TAxisScale scale;
        TAxisRange expected; // from [1e-3, 2]
    } rows[] = {
        {"half_filled", 0.5, 1.5, linear, {1e-3, 2}},
        {"under_half", 0.5, 1.4, linear, {0.32, 1.58}},
        {"flat", 3, 3, linear, {2.997, 3.003}},
        {"decades_half_filled", 0.04, 2, log, {1e-3, 2}},
        {"decades_under_half", 0.05, 2, log, {0.05 / std::pow(40, 0.2), 2 * std::pow(40, 0.2)}},
        {"within_a_decade", 0.5, 2, log, {0.5 / fifth, 2 * fifth}},
        {"zero_on_a_log_axis", 0, 1, log, {1e-3, 2}},
    };
    for (const auto& row : rows) {
        const TAxisRange range = FollowRange({1e-3, 2}, row.low, row.high, row.scale);
        EXPECT_NEAR(range.Low, row.expected.Low, 1e-12) << row.name;
        EXPECT_NEAR(range.High, row.expected.High, 1e-12) << row.name;
    }
    const double curve[] = {1, NAN, -2}, other[] = {INFINITY, 5};
    EXPECT_EQ(Extent({curve, other}), (TAxisRange{-2, 5}));
    EXPECT_EQ(SymmetricHalfRange(0.5), 1);
}

TEST(PlotNumbers, MainWindowScalesLeaveTheirMarginsFree) {
    // Graph 231 rows high, autoscaled to samples from -1 to 2: the x axis at row
    // 231 - 231/3 = 154, 201 rows for the 3 units, so 2 at row 154 - 134 = 20, -1 at 221.
    const double data[] = {0.5, 2, -1, 1};
    const auto [top, bottom] = GraphValueRange(data, 9, -9, true);
    ASSERT_EQ(GraphAxisRow(231, top, bottom), 154);
    const double perPixel = GraphValuePerPixel(231, top, bottom);
    EXPECT_EQ(GraphRow(154, perPixel, 2), 20);
    EXPECT_EQ(GraphRow(154, perPixel, -1), 221);
    EXPECT_EQ(GraphValueRange(data, 9, -9, false).Top, 9);
    // Spectrum 185 rows high for parts in [-10, 10]: 150 rows for 20 units.
    EXPECT_EQ(SpectrumPixelsPerUnit(185, 10, -10), 7.5);
}

} // namespace
