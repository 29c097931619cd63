#pragma once
// «Угадай сигнал»: the student shapes a signal with the coefficient bars until it matches a
// hidden target. Five levels, each a rule for drawing targets:
//   1 «Одна гармоника»    b_k sin kx, k in 1..5 (told), b_k in ±{0.2, 0.3, …, 1.0}; RMS < 0.05
//   2 «Две гармоники»     two different sines of 1..6 (both told), amplitudes as in 1;  < 0.05
//   3 «Амплитуда и фаза»  one harmonic k in 1..4 (told), a_k and b_k in {−1.0, …, 1.0},
//                         A_k = hypot(a_k, b_k) >= 0.3;                                  < 0.05
//   4 «До пяти гармоник»  3..5 different harmonics of 1..8 (not told), each either a_k or
//                         b_k in ±{0.2, …, 1.0};                                         < 0.08
//   5 «На слух»           1..3 different sines of 1..5 (not told), b_k in {0.2, …, 1.0};
//                         heard only, never drawn;                                       < 0.15
// Every target value is a whole number of tenths: the bars step by 0.01 (0.1 with
// PageUp/PageDown) while their scale is below 10, so the student reaches each value from 0.
//
// A round is a pure function of (seed, level, round number), the same on every standard
// library: std::mt19937_64's output is fixed by the standard, and the values are picked from
// it with this file's own integer arithmetic.
#include "Coefficients.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Fourier {

inline constexpr int GameLevelCount = 5;

struct TGameLevel {
    const char* Name; // «Одна гармоника»
    const char* Rule; // one line for the student
    double Tolerance; // a match is an RMS difference strictly below it
    bool TargetDrawn; // false: the target is only heard
    bool HarmonicsTold;
};

// Level 1..5; std::out_of_range for any other.
const TGameLevel& GameLevel(int level);

// The level's name and rule in the program's language (the table keeps them in Russian).
std::string GameLevelName(int level);
std::string GameLevelRule(int level);

struct TGameRound {
    int Level = 1;
    int Number = 1;         // 1, 2, … within a seed and level
    TCoefficients Target;   // harmonics 0..32; a_0 is always 0
    std::vector<int> Told;  // the harmonics the student is told, ascending; empty on levels 4, 5
    double Tolerance = 0.0; // a match is an RMS difference strictly below it
};

// Round `round` >= 1 of a level for a seed; std::out_of_range for a level outside 1..5 or a
// round below 1.
TGameRound MakeRound(std::uint64_t seed, int level, int round);

// The RMS over one period of the difference of the two series
// a_0/2 + sum (a_k cos kx + b_k sin kx), by Parseval:
//   sqrt((Δa_0/2)^2 + 1/2 · sum_{k>=1} (Δa_k^2 + Δb_k^2)).
double RmsDifference(const TCoefficients& a, const TCoefficients& b);

// RmsDifference(target, attempt) < the round's tolerance.
bool Matches(const TGameRound& round, const TCoefficients& attempt);

// The target's non-zero coefficients by k, a_k before b_k: "b₁ = 0,7; b₃ = −0,4".
std::string AnswerText(const TGameRound& round, std::string_view decimalSeparator = ",");

// A won round: the checks it took (the matching one included) and the whole seconds from the
// round's start to the match.
struct TGameScore {
    int Tries = 0;
    int Seconds = 0;
    bool operator==(const TGameScore&) const = default;
};

// Fewer tries wins; with as many tries, the shorter time.
bool IsBetter(const TGameScore& score, const TGameScore& than);

// What a level's rounds have come to.
struct TLevelProgress {
    int Won = 0;
    std::optional<TGameScore> Best;

    void Record(const TGameScore& score);
    bool operator==(const TLevelProgress&) const = default;
};

// One round being played: the checks counted until the first match; a round whose answer was
// shown can no longer be won.
class TGamePlay {
  public:
    explicit TGamePlay(TGameRound round) : round_(std::move(round)) {}

    struct TCheck {
        bool Matched = false;
        double Difference = 0.0;
        bool NewlyWon = false; // this check won the round (only the first match of a fair round)
    };
    // secondsSinceStart: time from the round's start; kept for the score of the winning check.
    TCheck Check(const TCoefficients& attempt, double secondsSinceStart);
    void ShowAnswer() { answerShown_ = true; }

    const TGameRound& Round() const { return round_; }
    int Tries() const { return tries_; }
    bool AnswerShown() const { return answerShown_; }
    const std::optional<TGameScore>& Score() const { return score_; } // set once won

  private:
    TGameRound round_;
    int tries_ = 0;
    bool answerShown_ = false;
    std::optional<TGameScore> score_;
};

// The texts of the result line and of a level's progress.
std::string MatchedText(const TGameScore& score); // «Совпало! Попыток: 2, время: 14 с»
std::string MissedText(double difference, double tolerance,
                       std::string_view decimalSeparator = ","); // «Ещё не совпадает: разница …»
std::string ProgressText(const TLevelProgress& progress); // «Выиграно раундов: 3; лучший: …»
// "1 попытка", "3 попытки", "5 попыток", "21 попытка".
std::string TriesText(int tries);

} // namespace Fourier
