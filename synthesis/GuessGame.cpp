#include "GuessGame.h"

#include "NumberText.h"
#include "Subscript.h"
#include "Wording.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <random>
#include <stdexcept>

namespace Fourier {
namespace {

const TGameLevel Levels[GameLevelCount] = {
    {WORDING_NOOP("GuessGame", "Одна гармоника"),
     WORDING_NOOP("GuessGame", "Цель — синусоида bₖ sin kx, |bₖ| от 0,2 до 1 через 0,1."), 0.05,
     true, true},
    {WORDING_NOOP("GuessGame", "Две гармоники"),
     WORDING_NOOP("GuessGame", "Цель — две синусоиды разных гармоник с 1 по 6."), 0.05, true, true},
    {WORDING_NOOP("GuessGame", "Амплитуда и фаза"),
     WORDING_NOOP("GuessGame",
                  "Цель — гармоника aₖ cos kx + bₖ sin kx; столбики могут быть Aₖ и φₖ."),
     0.05, true, true},
    {WORDING_NOOP("GuessGame", "До пяти гармоник"),
     WORDING_NOOP("GuessGame",
                  "Цель — 3–5 гармоник с 1 по 8, косинус или синус; номера не подсказаны."),
     0.08, true, false},
    {WORDING_NOOP("GuessGame", "На слух"),
     WORDING_NOOP("GuessGame", "Цель только звучит: 1–3 синусоиды с 1 по 5 гармонику."), 0.15,
     false, false},
};

// splitmix64's finaliser: every input bit reaches every output bit, so neighbouring seeds,
// levels and rounds start the generator far apart.
std::uint64_t Mix(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

// 0..n-1, each equally likely: draws above the last whole multiple of n are thrown back.
int Below(std::mt19937_64& engine, int n) {
    const auto count = static_cast<std::uint64_t>(n);
    const std::uint64_t limit = std::numeric_limits<std::uint64_t>::max() -
                                std::numeric_limits<std::uint64_t>::max() % count;
    std::uint64_t x = engine();
    while (x >= limit)
        x = engine();
    return static_cast<int>(x % count);
}

int Between(std::mt19937_64& engine, int low, int high) {
    return low + Below(engine, high - low + 1);
}

double Tenths(int tenths) {
    return tenths / 10.0;
}

// An amplitude of 0.2..1.0, with a random sign when signed.
double Amplitude(std::mt19937_64& engine, bool withSign) {
    const double value = Tenths(Between(engine, 2, 10));
    return withSign && Below(engine, 2) == 1 ? -value : value;
}

// `count` different harmonics of 1..highest, ascending (a partial Fisher–Yates shuffle).
std::vector<int> Harmonics(std::mt19937_64& engine, int count, int highest) {
    std::vector<int> all(static_cast<std::size_t>(highest));
    std::iota(all.begin(), all.end(), 1);
    for (int i = 0; i < count; ++i)
        std::swap(all[static_cast<std::size_t>(i)],
                  all[static_cast<std::size_t>(Between(engine, i, highest - 1))]);
    all.resize(static_cast<std::size_t>(count));
    std::sort(all.begin(), all.end());
    return all;
}

std::string Number(double value, std::string_view separator, int digits = 6) {
    return ReadableNumber(value, digits, separator);
}

std::string Whole(int n) {
    return ReadableNumber(n, 12, ",");
}

} // namespace

std::string GameLevelName(int level) {
    return Wording("GuessGame", GameLevel(level).Name);
}

std::string GameLevelRule(int level) {
    return Wording("GuessGame", GameLevel(level).Rule);
}

const TGameLevel& GameLevel(int level) {
    if (level < 1 || level > GameLevelCount)
        throw std::out_of_range(Wording("GuessGame", "Нет такого уровня игры"));
    return Levels[level - 1];
}

TGameRound MakeRound(std::uint64_t seed, int level, int round) {
    const TGameLevel& rule = GameLevel(level);
    if (round < 1) throw std::out_of_range(Wording("GuessGame", "Раунды игры считаются с 1"));
    std::mt19937_64 engine(Mix(Mix(Mix(seed) ^ static_cast<std::uint64_t>(level)) ^
                               static_cast<std::uint64_t>(round)));

    TGameRound made;
    made.Level = level;
    made.Number = round;
    made.Tolerance = rule.Tolerance;
    TCoefficients& target = made.Target;
    switch (level) {
    case 1:
        made.Told = Harmonics(engine, 1, 5);
        target.Sin[made.Told[0]] = Amplitude(engine, true);
        break;
    case 2:
        made.Told = Harmonics(engine, 2, 6);
        for (const int k : made.Told)
            target.Sin[k] = Amplitude(engine, true);
        break;
    case 3: {
        made.Told = Harmonics(engine, 1, 4);
        // Both parts on the grid, and a harmonic large enough to see: A_k >= 0.3.
        int a = 0;
        int b = 0;
        while (a * a + b * b < 3 * 3) {
            a = Between(engine, -10, 10);
            b = Between(engine, -10, 10);
        }
        target.Cos[made.Told[0]] = Tenths(a);
        target.Sin[made.Told[0]] = Tenths(b);
        break;
    }
    case 4:
        for (const int k : Harmonics(engine, Between(engine, 3, 5), 8))
            (Below(engine, 2) == 0 ? target.Cos : target.Sin)[k] = Amplitude(engine, true);
        break;
    default:
        for (const int k : Harmonics(engine, Between(engine, 1, 3), 5))
            target.Sin[k] = Amplitude(engine, false);
        break;
    }
    return made;
}

double RmsDifference(const TCoefficients& a, const TCoefficients& b) {
    const double mean = (a.Cos[0] - b.Cos[0]) / 2;
    double harmonics = 0.0;
    for (int k = 1; k <= EditableHarmonics; ++k) {
        const double da = a.Cos[k] - b.Cos[k];
        const double db = a.Sin[k] - b.Sin[k];
        harmonics += da * da + db * db;
    }
    return std::sqrt(mean * mean + harmonics / 2);
}

bool Matches(const TGameRound& round, const TCoefficients& attempt) {
    return RmsDifference(round.Target, attempt) < round.Tolerance;
}

std::string AnswerText(const TGameRound& round, std::string_view decimalSeparator) {
    std::string text;
    const auto add = [&](const char* name, int k, double value) {
        if (value == 0.0) return;
        if (!text.empty()) text += "; ";
        text += name + Subscript(k) + " = " + Number(value, decimalSeparator);
    };
    add("a", 0, round.Target.Cos[0]);
    for (int k = 1; k <= EditableHarmonics; ++k) {
        add("a", k, round.Target.Cos[k]);
        add("b", k, round.Target.Sin[k]);
    }
    return text.empty() ? Wording("GuessGame", "все коэффициенты равны 0") : text;
}

bool IsBetter(const TGameScore& score, const TGameScore& than) {
    if (score.Tries != than.Tries) return score.Tries < than.Tries;
    return score.Seconds < than.Seconds;
}

void TLevelProgress::Record(const TGameScore& score) {
    ++Won;
    if (!Best || IsBetter(score, *Best)) Best = score;
}

TGamePlay::TCheck TGamePlay::Check(const TCoefficients& attempt, double secondsSinceStart) {
    TCheck check;
    check.Difference = RmsDifference(round_.Target, attempt);
    check.Matched = Matches(round_, attempt);
    if (score_) return check; // already won: later checks change nothing
    ++tries_;
    if (check.Matched && !answerShown_) {
        score_ = TGameScore{tries_, static_cast<int>(std::max(0.0, std::floor(secondsSinceStart)))};
        check.NewlyWon = true;
    }
    return check;
}

std::string MatchedText(const TGameScore& score) {
    return Filled(Wording("GuessGame", "Совпало! Попыток: %1, время: %2 с"),
                  {Whole(score.Tries), Whole(score.Seconds)});
}

std::string MissedText(double difference, double tolerance, std::string_view decimalSeparator) {
    // Two digits, more where they would read as the tolerance itself.
    const std::string limit = Number(tolerance, decimalSeparator);
    std::string shown = Number(difference, decimalSeparator, 2);
    for (int digits = 3; shown == limit && digits <= 6; ++digits)
        shown = Number(difference, decimalSeparator, digits);
    return Filled(Wording("GuessGame", "Ещё не совпадает: разница %1 (нужно меньше %2)"),
                  {shown, limit});
}

std::string TriesText(int tries) {
    // One try has a text of its own: English says "1 try" but "21 tries", where Russian
    // uses the same form for both.
    if (tries == 1) return Wording("GuessGame", "1 попытка");
    const int lastTwo = tries % 100;
    const int last = tries % 10;
    std::string pattern = Wording("GuessGame", "%1 попыток");
    if (last == 1 && lastTwo != 11)
        pattern = Wording("GuessGame", "%1 попытка");
    else if (last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14))
        pattern = Wording("GuessGame", "%1 попытки");
    return Filled(pattern, {Whole(tries)});
}

std::string ProgressText(const TLevelProgress& progress) {
    const std::string text =
        Filled(Wording("GuessGame", "Выиграно раундов: %1"), {Whole(progress.Won)});
    if (!progress.Best) return text;
    return Filled(Wording("GuessGame", "%1; лучший: %2, %3 с"),
                  {text, TriesText(progress.Best->Tries), Whole(progress.Best->Seconds)});
}

} // namespace Fourier
