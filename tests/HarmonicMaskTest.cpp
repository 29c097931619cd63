// Muting and soloing: which harmonics are heard, and the masked partial sum against the
// audible terms added directly.
#include "HarmonicMask.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <numbers>
#include <set>
#include <stdexcept>

namespace {

using namespace Fourier;

struct MaskRow {
    const char* name;
    std::set<int> muted, soloed;
    std::set<int> audible; // among 1..32
    bool above32Audible;
    const char* text; // for the lab's heading
};

void PrintTo(const MaskRow& row, std::ostream* out) {
    *out << row.name;
}

class MaskRules : public ::testing::TestWithParam<MaskRow> {};

TEST_P(MaskRules, AudibleHarmonics) {
    const MaskRow& row = GetParam();
    THarmonicMask mask;
    for (int k : row.muted)
        mask.SetMuted(k, true);
    for (int k : row.soloed)
        mask.SetSoloed(k, true);
    EXPECT_TRUE(mask.Audible(0)) << "the mean";
    for (int k = 1; k <= 32; ++k)
        EXPECT_EQ(mask.Audible(k), row.audible.contains(k)) << "harmonic " << k;
    for (int k : {33, 100, 255, 256})
        EXPECT_EQ(mask.Audible(k), row.above32Audible) << "harmonic " << k;
    EXPECT_EQ(MaskText(mask), row.text);
}

std::set<int> AllBut(std::set<int> left_out) {
    std::set<int> all;
    for (int k = 1; k <= 32; ++k)
        if (!left_out.contains(k)) all.insert(k);
    return all;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MaskRules,
    ::testing::Values(
        MaskRow{"Nothing", {}, {}, AllBut({}), true, ""},
        MaskRow{"OneMuted", {3}, {}, AllBut({3}), true, "выключены гармоники 3"},
        MaskRow{"SeveralMuted",
                {1, 2, 32},
                {},
                AllBut({1, 2, 32}),
                true,
                "выключены гармоники 1, 2, 32"},
        MaskRow{"MutedRuns",
                {3, 4, 5, 6, 9, 10, 11},
                {},
                AllBut({3, 4, 5, 6, 9, 10, 11}),
                true,
                "выключены гармоники 3–6, 9–11"},
        MaskRow{"OneSolo", {}, {5}, {5}, false, "только гармоники 5 (соло)"},
        MaskRow{"SolosAdd", {}, {3, 5, 32}, {3, 5, 32}, false, "только гармоники 3, 5, 32 (соло)"},
        MaskRow{"SoloWinsOverOthersMute", {2, 4}, {5}, {5}, false, "только гармоники 5 (соло)"},
        MaskRow{
            "SoloWinsOverItsOwnMute", {3}, {3, 7}, {3, 7}, false, "только гармоники 3, 7 (соло)"},
        MaskRow{"AllMuted", AllBut({}), {}, {}, true, "выключены гармоники 1–32"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MaskSwitches, TurnOffAgain) {
    THarmonicMask mask;
    mask.SetMuted(4, true);
    mask.SetSoloed(6, true);
    mask.SetSoloed(6, false);
    EXPECT_FALSE(mask.AnySolo());
    EXPECT_FALSE(mask.Audible(4));
    mask.SetMuted(4, false);
    EXPECT_EQ(mask, THarmonicMask{});
}

TEST(MaskSwitches, RefuseHarmonicsOutsideOneToThirtyTwo) {
    THarmonicMask mask;
    for (int k : {-1, 0, 33, 256}) {
        EXPECT_THROW(mask.SetMuted(k, true), std::out_of_range) << k;
        EXPECT_THROW(mask.SetSoloed(k, true), std::out_of_range) << k;
        EXPECT_THROW((void)mask.Muted(k), std::out_of_range) << k;
    }
    EXPECT_THROW((void)mask.Audible(-1), std::out_of_range);
    EXPECT_THROW((void)mask.Audible(257), std::out_of_range);
    EXPECT_EQ(mask, THarmonicMask{});
}

// The square wave's lines, b_k = 4/(pi k) for odd k, and a mean of 0.25, scaled as the
// analysis scales them.
constexpr double Mean = 0.25;

double SquareB(int k) {
    return k % 2 == 1 ? 4 / (std::numbers::pi * k) : 0.0;
}

void SquareWaveLines(TLines& re, TLines& im) {
    re.fill(0.0);
    im.fill(0.0);
    re[0] = std::sqrt(512.0) * Mean;
    for (int k = 1; k <= 255; ++k)
        im[k] = CoefficientScale() * SquareB(k);
}

struct SumRow {
    const char* name;
    std::set<int> muted, soloed;
    int k;
    std::set<int> terms; // the harmonics the sum must hold
};

void PrintTo(const SumRow& row, std::ostream* out) {
    *out << row.name;
}

class MaskedSum : public ::testing::TestWithParam<SumRow> {};

// Against the mean plus the audible sine terms, added directly.
TEST_P(MaskedSum, AddsExactlyTheAudibleTerms) {
    const SumRow& row = GetParam();
    TLines re, im;
    SquareWaveLines(re, im);
    THarmonicMask mask;
    for (int k : row.muted)
        mask.SetMuted(k, true);
    for (int k : row.soloed)
        mask.SetSoloed(k, true);
    const TSamples values = MaskedPartialSum(re, im, row.k, mask);
    for (int j = 0; j < 512; ++j) {
        const long double x =
            -std::numbers::pi_v<long double> + j * std::numbers::pi_v<long double> / 256;
        long double expected = Mean;
        for (int k : row.terms)
            expected += SquareB(k) * std::sin(k * x);
        EXPECT_NEAR(values[j], static_cast<double>(expected), 1e-12) << "sample " << j;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MaskedSum,
    ::testing::Values(SumRow{"MeanOnly", {}, {}, 0, {}}, SumRow{"Plain", {}, {}, 5, {1, 3, 5}},
                      SumRow{"FundamentalMuted", {1}, {}, 7, {3, 5, 7}},
                      SumRow{"SolosOnly", {}, {3, 9}, 32, {3, 9}},
                      SumRow{"SoloAboveK", {}, {3, 9}, 5, {3}},
                      SumRow{"AboveThirtyTwoFollowMutes",
                             {1, 3},
                             {},
                             35,
                             {5, 7, 9, 11, 13, 15, 17, 19, 21, 23, 25, 27, 29, 31, 33, 35}},
                      SumRow{"SoloedAndMuted", {5}, {5}, 5, {5}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MaskedSum, RefusesKOutsideTheSpectrum) {
    TLines re{}, im{};
    EXPECT_THROW(MaskedPartialSum(re, im, -1, {}), std::out_of_range);
    EXPECT_THROW(MaskedPartialSum(re, im, 257, {}), std::out_of_range);
}

} // namespace
