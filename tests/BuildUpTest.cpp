// The build-up schedule: k as a function of the time played, pausing, stepping by hand,
// and changes of limit and rate.
#include "BuildUp.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>
#include <ostream>

namespace {

using Fourier::TBuildUp;
using namespace std::chrono_literals;

struct RateRow {
    double rate;
    int limit;
    std::chrono::nanoseconds tick;
};

void PrintTo(const RateRow& row, std::ostream* out) {
    *out << row.rate << " steps/s to " << row.limit << ", ticks of " << row.tick.count() << " ns";
}

class BuildUpSchedule : public ::testing::TestWithParam<RateRow> {};

// Driven by a timer of the row's period, k is 1 + floor(t * rate) up to the limit.
TEST_P(BuildUpSchedule, StepsAtTheRateUntilTheLimit) {
    const RateRow& row = GetParam();
    TBuildUp buildUp(row.limit, row.rate);
    buildUp.Play();
    ASSERT_TRUE(buildUp.Playing());
    ASSERT_EQ(buildUp.Harmonic(), 1);
    std::chrono::nanoseconds played{0};
    const double end = (row.limit + 2) / row.rate; // seconds, well past the limit
    while (std::chrono::duration<double>(played).count() < end) {
        const int before = buildUp.Harmonic();
        const bool changed = buildUp.Advance(row.tick);
        played += row.tick;
        EXPECT_EQ(changed, buildUp.Harmonic() != before);
        const double steps = std::chrono::duration<double>(played).count() * row.rate;
        // A step due within a microsecond of this instant may fall on either side of it.
        if (std::abs(steps - std::round(steps)) < 1e-6 * row.rate) continue;
        const int expected = std::min(row.limit, 1 + static_cast<int>(std::floor(steps)));
        ASSERT_EQ(buildUp.Harmonic(), expected) << "after " << played.count() << " ns";
        ASSERT_EQ(buildUp.Playing(), expected < row.limit) << "after " << played.count() << " ns";
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, BuildUpSchedule,
                         ::testing::Values(RateRow{0.5, 3, 16ms}, RateRow{1.0, 5, 1ms},
                                           RateRow{2.0, 32, 10ms}, RateRow{3.0, 10, 7ms},
                                           RateRow{7.0, 40, 1ms}, RateRow{10.0, 255, 33ms},
                                           RateRow{10.0, 12, 250ms}));

TEST(BuildUp, OneLongIntervalTakesSeveralStepsAndStopsAtTheLimit) {
    TBuildUp buildUp(5, 2.0);
    buildUp.Play();
    EXPECT_TRUE(buildUp.Advance(1600ms));
    EXPECT_EQ(buildUp.Harmonic(), 4);
    EXPECT_TRUE(buildUp.Playing());
    EXPECT_EQ(buildUp.UntilNextStep(), 400ms);
    EXPECT_TRUE(buildUp.Advance(1h));
    EXPECT_EQ(buildUp.Harmonic(), 5);
    EXPECT_FALSE(buildUp.Playing());
    EXPECT_FALSE(buildUp.Advance(1h));
}

TEST(BuildUp, PauseKeepsKAndThePartOfTheStepAlreadyWaited) {
    TBuildUp buildUp(10, 2.0);
    buildUp.Play();
    buildUp.Advance(800ms); // k = 2, 300 ms into the next step
    buildUp.Pause();
    EXPECT_FALSE(buildUp.Advance(10s));
    EXPECT_EQ(buildUp.Harmonic(), 2);
    EXPECT_EQ(buildUp.UntilNextStep(), 0ns);
    buildUp.Play();
    EXPECT_FALSE(buildUp.Advance(199ms));
    EXPECT_TRUE(buildUp.Advance(1ms));
    EXPECT_EQ(buildUp.Harmonic(), 3);
}

TEST(BuildUp, PlayAtTheLimitStartsAgainFromOne) {
    TBuildUp buildUp(3, 10.0);
    buildUp.Play();
    buildUp.Advance(1s);
    ASSERT_EQ(buildUp.Harmonic(), 3);
    ASSERT_FALSE(buildUp.Playing());
    buildUp.Play();
    EXPECT_EQ(buildUp.Harmonic(), 1);
    EXPECT_TRUE(buildUp.Playing());
    EXPECT_FALSE(buildUp.Advance(99ms));
    EXPECT_TRUE(buildUp.Advance(1ms));
    EXPECT_EQ(buildUp.Harmonic(), 2);
}

// With limit 1 the series is built up before it starts: Play has nothing to step through.
// One more harmonic, and it plays.
TEST(BuildUp, PlayNeedsAStepLeftBeforeTheLimit) {
    struct Row {
        const char* name;
        int limit;
        bool plays;
    };
    for (const Row& row : {Row{"limit 1", 1, false}, Row{"limit 2", 2, true}}) {
        SCOPED_TRACE(row.name);
        TBuildUp buildUp(row.limit, 2.0);
        buildUp.Play();
        EXPECT_EQ(buildUp.Playing(), row.plays);
        EXPECT_EQ(buildUp.UntilNextStep(), row.plays ? std::chrono::nanoseconds(500ms) : 0ns);
        EXPECT_EQ(buildUp.Advance(1s), row.plays);
        EXPECT_EQ(buildUp.Harmonic(), row.limit);
    }
}

TEST(BuildUp, StepsByHandPauseAndStayWithinOneToTheLimit) {
    TBuildUp buildUp(3, 2.0);
    buildUp.StepBack();
    EXPECT_EQ(buildUp.Harmonic(), 1);
    buildUp.Play();
    buildUp.Advance(300ms);
    buildUp.StepForward();
    EXPECT_EQ(buildUp.Harmonic(), 2);
    EXPECT_FALSE(buildUp.Playing());
    buildUp.StepForward();
    buildUp.StepForward();
    EXPECT_EQ(buildUp.Harmonic(), 3);
    buildUp.StepBack();
    EXPECT_EQ(buildUp.Harmonic(), 2);
    // Stepping forgot the 300 ms waited before it: a whole step is due after Play.
    buildUp.Play();
    EXPECT_FALSE(buildUp.Advance(499ms));
    EXPECT_TRUE(buildUp.Advance(1ms));
}

TEST(BuildUp, LimitBelowKBringsKDownAndEndsPlaying) {
    TBuildUp buildUp(20, 10.0);
    buildUp.Play();
    buildUp.Advance(950ms);
    ASSERT_EQ(buildUp.Harmonic(), 10);
    buildUp.SetLimit(6);
    EXPECT_EQ(buildUp.Harmonic(), 6);
    EXPECT_FALSE(buildUp.Playing());
    buildUp.SetLimit(0);
    EXPECT_EQ(buildUp.Limit(), 1);
    buildUp.SetLimit(1000);
    EXPECT_EQ(buildUp.Limit(), 255);
    EXPECT_EQ(buildUp.Harmonic(), 1);
}

TEST(BuildUp, RateIsClampedAndAFasterRateCountsTheTimeWaited) {
    TBuildUp buildUp(32, 2.0);
    for (auto [asked, kept] : {std::pair{0.1, 0.5},
                               {-3.0, 0.5},
                               {25.0, 10.0},
                               {4.0, 4.0},
                               {std::numeric_limits<double>::quiet_NaN(), 0.5},
                               {std::numeric_limits<double>::infinity(), 10.0}}) {
        buildUp.SetRate(asked);
        EXPECT_EQ(buildUp.Rate(), kept) << asked;
    }
    buildUp.SetRate(2.0);
    buildUp.Play();
    buildUp.Advance(300ms);
    buildUp.SetRate(4.0); // 250 ms a step: the 300 ms waited already cover it
    EXPECT_EQ(buildUp.UntilNextStep(), 0ns);
    EXPECT_TRUE(buildUp.Advance(1ns));
    EXPECT_EQ(buildUp.Harmonic(), 2);
    EXPECT_EQ(buildUp.UntilNextStep(), 200ms - 1ns);
}

} // namespace
