// The synthesis core without a window: the grid table against the literal trigonometry,
// partial sums against a literal term-by-term sum, and the harmonic field's cleaning.
#include "HarmonicSum.h"
#include "HarmonicText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

using namespace Fourier;

namespace {

constexpr double Pi = std::numbers::pi;

double LiteralArgument(int j, int i) {
    return (j * (Pi / 256) - Pi) * i;
}

TEST(CoreSynthesis, GridTableHoldsTheLiteralCosinesAndSinesBitForBit) {
    for (int i = 1; i <= HighestHarmonic; ++i) {
        for (int j = 0; j < SampleCount; ++j) {
            ASSERT_EQ(GridCos(i, j), std::cos(LiteralArgument(j, i))) << i << " " << j;
            ASSERT_EQ(GridSin(i, j), std::sin(LiteralArgument(j, i))) << i << " " << j;
        }
    }
}

TEST(CoreSynthesis, PartialSumEqualsTheLiteralSumBitForBit) {
    std::mt19937 random(11);
    std::uniform_real_distribution<double> weight(-20, 20);
    TLines re{}, im{};
    for (int i = 0; i < BufferLength; ++i)
        re[i] = weight(random), im[i] = weight(random);
    for (int k : {1, 5, 32, 100, 255}) {
        TSamples sum{};
        PartialSum(re, im, k, sum);
        for (int j = 0; j < SampleCount; ++j) {
            double literal = 0;
            for (int i = 1; i <= k; ++i) {
                literal += re[i] * std::cos(LiteralArgument(j, i));
                literal += im[i] * std::sin(LiteralArgument(j, i));
            }
            ASSERT_EQ(sum[j], literal) << "k=" << k << " j=" << j;
        }
        TSamples single{};
        SingleHarmonic(re, im, k, true, single);
        EXPECT_EQ(single[77], im[k] * std::sin(LiteralArgument(77, k)));
        SingleHarmonic(re, im, k, false, single);
        EXPECT_EQ(single[77], re[k] * std::cos(LiteralArgument(77, k)));
    }
}

TEST(CoreSynthesis, PartialSumOutsideTheHarmonicsIsZero) {
    TLines re{}, im{};
    re.fill(1);
    im.fill(1);
    for (int k : {0, -1, 256, 1 << 30}) {
        TSamples sum;
        sum.fill(7);
        PartialSum(re, im, k, sum);
        for (double v : sum)
            ASSERT_EQ(v, 0.0) << k;
    }
}

TEST(CoreSynthesis, HarmonicTextIsCleanedOneStepAtATime) {
    struct Row {
        const char* text;
        const char* cleaned;
    } rows[] = {
        {"007", "07"},
        {"07", "7"},
        {"-5", "5"},
        {"+5", "5"},
        {"5x", "5"},
        {"1.5", "15"},
        {"x", "0"},
        {"", ""},
        {"0", "0"},
        {"32", "32"},
        {"5ж", "5"},
        {"ж5", "5"},
        {"99999999999", "9999999999"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(CleanHarmonicText(row.text), row.cleaned) << row.text;
}

} // namespace
