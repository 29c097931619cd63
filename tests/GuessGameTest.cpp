// «Угадай сигнал» without Qt: rounds drawn from (seed, level, round) alone, every target
// within its level's rule, the RMS difference against a direct 512-point sum, the match's
// strict tolerance, the answer's text and the score of a round.
#include "GuessGame.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <numbers>
#include <random>
#include <set>
#include <string>
#include <utility>

namespace {

using namespace Fourier;

bool SameTarget(const TGameRound& a, const TGameRound& b) {
    return a.Target.Cos == b.Target.Cos && a.Target.Sin == b.Target.Sin;
}

// The RMS of the difference of two series over one period, summed directly at 512 points
// (exact for harmonics up to 32: the square holds harmonics up to 64 only).
double DirectRms(const TCoefficients& a, const TCoefficients& b) {
    using Real = long double;
    const Real pi = std::numbers::pi_v<Real>;
    Real sum = 0;
    for (int j = 0; j < 512; ++j) {
        const Real x = 2 * pi * j / 512;
        Real f = (Real(a.Cos[0]) - b.Cos[0]) / 2;
        for (int k = 1; k <= EditableHarmonics; ++k)
            f += (Real(a.Cos[k]) - b.Cos[k]) * std::cos(k * x) +
                 (Real(a.Sin[k]) - b.Sin[k]) * std::sin(k * x);
        sum += f * f;
    }
    return static_cast<double>(std::sqrt(sum / 512));
}

TEST(GuessGameRounds, SameSeedAndLevelGiveTheSameTwentyRounds) {
    for (const std::uint64_t seed : {0ull, 1ull, 12345ull, 0xFFFFFFFFFFFFFFFFull}) {
        for (int level = 1; level <= GameLevelCount; ++level) {
            std::set<std::pair<std::array<double, 33>, std::array<double, 33>>> distinct;
            for (int round = 1; round <= 20; ++round) {
                const TGameRound first = MakeRound(seed, level, round);
                const TGameRound again = MakeRound(seed, level, round);
                EXPECT_TRUE(SameTarget(first, again)) << seed << " " << level << " " << round;
                EXPECT_EQ(first.Told, again.Told);
                EXPECT_EQ(first.Level, level);
                EXPECT_EQ(first.Number, round);
                distinct.insert({first.Target.Cos, first.Target.Sin});
            }
            // Level 1 has 90 targets, the others far more: twenty rounds are not one target.
            EXPECT_GE(distinct.size(), 8u) << "seed " << seed << ", level " << level;
        }
    }
}

TEST(GuessGameRounds, AnotherSeedOrLevelGivesOtherRounds) {
    const auto sequence = [](std::uint64_t seed, int level) {
        std::vector<std::pair<std::array<double, 33>, std::array<double, 33>>> rounds;
        for (int round = 1; round <= 20; ++round) {
            const TGameRound made = MakeRound(seed, level, round);
            rounds.emplace_back(made.Target.Cos, made.Target.Sin);
        }
        return rounds;
    };
    for (std::uint64_t seed = 0; seed < 50; ++seed) {
        for (int level = 1; level <= GameLevelCount; ++level) {
            EXPECT_NE(sequence(seed, level), sequence(seed + 1, level))
                << "seeds " << seed << " and " << seed + 1 << ", level " << level;
            EXPECT_NE(sequence(seed, level), sequence(seed ^ (1ull << 63), level))
                << "the seed's top bit counts, level " << level;
            if (level < GameLevelCount) {
                EXPECT_NE(sequence(seed, level), sequence(seed, level + 1)) << "seed " << seed;
            }
        }
    }
}

TEST(GuessGameRounds, LevelsAndRoundsOutsideTheGameAreRefused) {
    EXPECT_THROW(MakeRound(1, 0, 1), std::out_of_range);
    EXPECT_THROW(MakeRound(1, 6, 1), std::out_of_range);
    EXPECT_THROW(MakeRound(1, 1, 0), std::out_of_range);
    EXPECT_THROW(GameLevel(0), std::out_of_range);
    EXPECT_THROW(GameLevel(6), std::out_of_range);
    EXPECT_NO_THROW(MakeRound(1, 5, 1));
}

// Each level's rule as stated to the student.
struct TRule {
    const char* name;
    int level;
    int fewest, most; // harmonics in the target
    int highest;      // harmonic number
    enum { Sines, CosOrSin, Both } parts;
    bool negative;   // values may be negative
    double smallest; // |value| of a part (Sines, CosOrSin) or A_k (Both)
    bool told;       // the harmonics are told
    double tolerance;
    const char* title;
};

const TRule Rules[] = {
    {"OneHarmonic", 1, 1, 1, 5, TRule::Sines, true, 0.2, true, 0.05, "Одна гармоника"},
    {"TwoHarmonics", 2, 2, 2, 6, TRule::Sines, true, 0.2, true, 0.05, "Две гармоники"},
    {"AmplitudeAndPhase", 3, 1, 1, 4, TRule::Both, true, 0.3, true, 0.05, "Амплитуда и фаза"},
    {"UpToFive", 4, 3, 5, 8, TRule::CosOrSin, true, 0.2, false, 0.08, "До пяти гармоник"},
    {"ByEar", 5, 1, 3, 5, TRule::Sines, false, 0.2, false, 0.15, "На слух"},
};

class GuessGameRule : public ::testing::TestWithParam<TRule> {};

bool OnGrid(double value) {
    return value == std::round(value * 10) / 10;
}

TEST_P(GuessGameRule, EveryRoundObeysItsLevelAndTheRuleIsCoveredWhole) {
    const TRule& rule = GetParam();
    EXPECT_STREQ(GameLevel(rule.level).Name, rule.title);
    EXPECT_EQ(GameLevel(rule.level).TargetDrawn, rule.level != 5);
    EXPECT_EQ(GameLevel(rule.level).HarmonicsTold, rule.told);
    std::set<int> counts, harmonics;
    std::set<long> values; // in tenths
    for (std::uint64_t seed = 0; seed < 1000; ++seed) {
        for (int round = 1; round <= 8; ++round) {
            const TGameRound made = MakeRound(seed * 0x9E3779B97F4A7C15ull, rule.level, round);
            const std::string where =
                "seed " + std::to_string(seed) + ", round " + std::to_string(round);
            ASSERT_EQ(made.Tolerance, rule.tolerance) << where;
            ASSERT_EQ(made.Target.Cos[0], 0.0) << where;
            ASSERT_EQ(made.Target.Sin[0], 0.0) << where;
            std::vector<int> present;
            for (int k = 1; k <= EditableHarmonics; ++k) {
                const double a = made.Target.Cos[k];
                const double b = made.Target.Sin[k];
                if (a == 0 && b == 0) continue;
                present.push_back(k);
                harmonics.insert(k);
                ASSERT_LE(k, rule.highest) << where;
                ASSERT_TRUE(OnGrid(a) && OnGrid(b)) << where << ": " << a << ", " << b;
                ASSERT_LE(std::abs(a), 1.0) << where;
                ASSERT_LE(std::abs(b), 1.0) << where;
                switch (rule.parts) {
                case TRule::Sines:
                    ASSERT_EQ(a, 0.0) << where;
                    ASSERT_GE(std::abs(b), rule.smallest - 1e-12) << where;
                    ASSERT_TRUE(rule.negative || b > 0) << where;
                    values.insert(std::lround(b * 10));
                    break;
                case TRule::CosOrSin:
                    ASSERT_TRUE(a == 0 || b == 0) << where << ": both parts at k = " << k;
                    ASSERT_GE(std::abs(a + b), rule.smallest - 1e-12) << where;
                    values.insert(std::lround((a + b) * 10) + (a != 0 ? 100 : 0));
                    break;
                case TRule::Both:
                    ASSERT_GE(std::hypot(a, b), rule.smallest - 1e-12) << where;
                    values.insert(std::lround(a * 10) * 100 + std::lround(b * 10));
                    break;
                }
            }
            ASSERT_GE(static_cast<int>(present.size()), rule.fewest) << where;
            ASSERT_LE(static_cast<int>(present.size()), rule.most) << where;
            counts.insert(static_cast<int>(present.size()));
            if (rule.told)
                ASSERT_EQ(made.Told, present) << where;
            else
                ASSERT_TRUE(made.Told.empty()) << where;
        }
    }
    // 8000 rounds reach every count, every harmonic and every allowed value (level 3 has 416).
    EXPECT_EQ(static_cast<int>(counts.size()), rule.most - rule.fewest + 1);
    EXPECT_EQ(static_cast<int>(harmonics.size()), rule.highest);
    std::size_t allowed = 0;
    switch (rule.parts) {
    case TRule::Sines:
        allowed = rule.negative ? 18 : 9; // ±0.2..1.0
        break;
    case TRule::CosOrSin:
        allowed = 2 * 18; // a_k or b_k, ±0.2..1.0
        break;
    case TRule::Both:
        for (int a = -10; a <= 10; ++a)
            for (int b = -10; b <= 10; ++b)
                allowed += a * a + b * b >= 9 ? 1 : 0;
        break;
    }
    EXPECT_EQ(values.size(), allowed);
}

INSTANTIATE_TEST_SUITE_P(Levels, GuessGameRule, ::testing::ValuesIn(Rules),
                         [](const auto& info) { return std::string(info.param.name); });

TCoefficients RandomCoefficients(std::mt19937& engine, int highest) {
    std::uniform_real_distribution<double> value(-2.0, 2.0);
    TCoefficients c;
    c.Cos[0] = value(engine);
    for (int k = 1; k <= highest; ++k) {
        c.Cos[k] = value(engine);
        c.Sin[k] = value(engine);
    }
    return c;
}

TEST(GuessGameDifference, ClosedFormsAndTheDirectSumAgree) {
    TCoefficients none, sine, mean;
    sine.Sin[3] = 0.7;
    mean.Cos[0] = 1.0;
    EXPECT_EQ(RmsDifference(none, none), 0.0);
    EXPECT_NEAR(RmsDifference(sine, none), 0.7 / std::sqrt(2.0), 1e-15);
    EXPECT_NEAR(RmsDifference(none, sine), 0.7 / std::sqrt(2.0), 1e-15);
    EXPECT_NEAR(RmsDifference(mean, none), 0.5, 1e-15) << "a_0/2 is the mean";

    std::mt19937 engine(2024);
    for (const int highest : {1, 5, 32}) {
        for (int i = 0; i < 10; ++i) {
            const TCoefficients a = RandomCoefficients(engine, highest);
            const TCoefficients b = RandomCoefficients(engine, highest);
            const double direct = DirectRms(a, b);
            EXPECT_NEAR(RmsDifference(a, b), direct, 1e-12 * (1 + direct))
                << "harmonics up to " << highest;
        }
    }
}

TEST(GuessGameDifference, AMatchIsStrictlyBelowTheTolerance) {
    for (int level = 1; level <= GameLevelCount; ++level) {
        const TGameRound round = MakeRound(99, level, 3);
        ASSERT_TRUE(Matches(round, round.Target));
        // A sine of harmonic 17 (never in a target) of amplitude d adds d/sqrt 2 to the RMS;
        // so does a mean of d/sqrt 2.
        for (const double share : {1 - 1e-9, 1 + 1e-9}) {
            const double d = std::sqrt(2.0) * round.Tolerance * share;
            TCoefficients extraSine = round.Target;
            extraSine.Sin[17] += d;
            TCoefficients extraMean = round.Target;
            extraMean.Cos[0] = 2 * round.Tolerance * share;
            EXPECT_EQ(Matches(round, extraSine), share < 1) << "level " << level << ", " << share;
            EXPECT_EQ(Matches(round, extraMean), share < 1) << "level " << level << ", " << share;
        }
        // A mean of exactly the tolerance (sqrt of a square is exact) is not a match.
        TCoefficients atTolerance = round.Target;
        atTolerance.Cos[0] = 2 * round.Tolerance;
        ASSERT_EQ(RmsDifference(round.Target, atTolerance), round.Tolerance);
        EXPECT_FALSE(Matches(round, atTolerance)) << "level " << level;
    }
}

// "b₃ = −0,4" as (name, k) -> value.
std::map<std::pair<char, int>, double> ReadAnswer(const std::string& text) {
    std::map<std::pair<char, int>, double> read;
    std::size_t at = 0;
    while (at < text.size()) {
        const char name = text[at++];
        int k = 0;
        while (text.compare(at, 2, "\xE2\x82") == 0) { // subscript digit U+2080..U+2089
            k = 10 * k + (static_cast<unsigned char>(text[at + 2]) - 0x80);
            at += 3;
        }
        EXPECT_EQ(text.compare(at, 3, " = "), 0) << text;
        at += 3;
        const std::size_t end = std::min(text.find("; ", at), text.size());
        std::string number = text.substr(at, end - at);
        if (number.rfind("\u2212", 0) == 0) number = "-" + number.substr(3);
        for (char& c : number)
            if (c == ',') c = '.';
        EXPECT_TRUE(read.emplace(std::pair{name, k}, std::stod(number)).second) << text;
        at = end + 2;
    }
    return read;
}

TEST(GuessGameAnswer, ListsTheNonZeroCoefficientsInOrder) {
    TGameRound round;
    round.Target.Sin[1] = 0.7;
    round.Target.Sin[3] = -0.4;
    EXPECT_EQ(AnswerText(round), "b₁ = 0,7; b₃ = −0,4");
    round.Target.Cos[3] = 1.0;
    round.Target.Cos[12] = 0.5;
    EXPECT_EQ(AnswerText(round), "b₁ = 0,7; a₃ = 1; b₃ = −0,4; a₁₂ = 0,5");
    EXPECT_EQ(AnswerText(round, "."), "b₁ = 0.7; a₃ = 1; b₃ = −0.4; a₁₂ = 0.5");

    for (int level = 1; level <= GameLevelCount; ++level) {
        for (int r = 1; r <= 40; ++r) {
            const TGameRound made = MakeRound(5, level, r);
            std::map<std::pair<char, int>, double> expected;
            for (int k = 0; k <= EditableHarmonics; ++k) {
                if (made.Target.Cos[k] != 0) expected[{'a', k}] = made.Target.Cos[k];
                if (made.Target.Sin[k] != 0) expected[{'b', k}] = made.Target.Sin[k];
            }
            EXPECT_EQ(ReadAnswer(AnswerText(made)), expected) << AnswerText(made);
        }
    }
}

TEST(GuessGameScore, ChecksCountUntilTheFirstMatchAndAShownAnswerForfeits) {
    const TGameRound round = MakeRound(3, 1, 1);
    TGamePlay play(round);
    const TCoefficients zero;
    const auto miss = play.Check(zero, 2.5);
    EXPECT_FALSE(miss.Matched);
    EXPECT_FALSE(miss.NewlyWon);
    EXPECT_DOUBLE_EQ(miss.Difference, DirectRms(round.Target, zero));
    EXPECT_FALSE(play.Score());
    const auto hit = play.Check(round.Target, 14.9);
    EXPECT_TRUE(hit.Matched);
    EXPECT_TRUE(hit.NewlyWon);
    ASSERT_TRUE(play.Score());
    EXPECT_EQ(*play.Score(), (TGameScore{2, 14})) << "whole seconds, the matching check counted";
    const auto later = play.Check(round.Target, 30);
    EXPECT_TRUE(later.Matched);
    EXPECT_FALSE(later.NewlyWon);
    EXPECT_EQ(play.Tries(), 2);
    EXPECT_EQ(*play.Score(), (TGameScore{2, 14}));

    TGamePlay shown(round);
    shown.ShowAnswer();
    const auto afterAnswer = shown.Check(round.Target, 1);
    EXPECT_TRUE(afterAnswer.Matched);
    EXPECT_FALSE(afterAnswer.NewlyWon);
    EXPECT_FALSE(shown.Score()) << "a round whose answer was shown is not won";
}

TEST(GuessGameScore, TheBestIsFewestTriesThenShortestTime) {
    struct TStep {
        TGameScore won;
        TGameScore best;
    };
    const TStep steps[] = {
        {{3, 40}, {3, 40}}, // the first win is the best
        {{4, 5}, {3, 40}},  // more tries lose however quick
        {{3, 41}, {3, 40}}, // as many tries, slower
        {{3, 39}, {3, 39}}, // as many tries, quicker
        {{1, 90}, {1, 90}}, // fewer tries win however slow
        {{1, 90}, {1, 90}}, // a tie keeps the best
    };
    TLevelProgress progress;
    EXPECT_EQ(ProgressText(progress), "Выиграно раундов: 0");
    int won = 0;
    for (const TStep& step : steps) {
        progress.Record(step.won);
        EXPECT_EQ(progress.Won, ++won);
        ASSERT_TRUE(progress.Best);
        EXPECT_EQ(*progress.Best, step.best) << "after " << won << " wins";
    }
    EXPECT_EQ(ProgressText(progress), "Выиграно раундов: 6; лучший: 1 попытка, 90 с");
}

TEST(GuessGameTexts, ResultLinesAsTheStudentReadsThem) {
    EXPECT_EQ(MatchedText({2, 14}), "Совпало! Попыток: 2, время: 14 с");
    EXPECT_EQ(MissedText(0.21, 0.05), "Ещё не совпадает: разница 0,21 (нужно меньше 0,05)");
    EXPECT_EQ(MissedText(0.0504, 0.05), "Ещё не совпадает: разница 0,0504 (нужно меньше 0,05)")
        << "a difference never reads as the tolerance";
    EXPECT_EQ(MissedText(0.5, 0.15, "."), "Ещё не совпадает: разница 0.5 (нужно меньше 0.15)");
    const std::pair<int, const char*> tries[] = {
        {1, "1 попытка"},   {2, "2 попытки"},   {4, "4 попытки"},     {5, "5 попыток"},
        {11, "11 попыток"}, {12, "12 попыток"}, {14, "14 попыток"},   {21, "21 попытка"},
        {22, "22 попытки"}, {25, "25 попыток"}, {111, "111 попыток"}, {101, "101 попытка"},
    };
    for (const auto& [n, text] : tries)
        EXPECT_EQ(TriesText(n), text);
}

} // namespace
