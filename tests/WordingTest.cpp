// The core's texts in another language: with a lookup installed, composed messages come out
// in its words with the numbers in their places; without one, in the Russian they always were.
#include "Wording.h"
#include "Convergence.h"
#include "GuessGame.h"
#include "Lesson.h"
#include "SpokenSummary.h"
#include "Translator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <string_view>
#include <vector>

using namespace Fourier;

namespace {

struct TEnglish {
    std::string_view Context, Source, Text;
};

// The few sources these tests compose, with their English written here.
constexpr TEnglish English[] = {
    {"SpokenSummary", "Синтез до гармоники %1: ошибка %2", "Synthesis to harmonic %1: error %2"},
    {"SpokenSummary", "Сигнал «%1»: пик %2", "Signal “%1”: peak %2"},
    {"SpokenSummary", "%1, скачки при %2", "%1, jumps at %2"},
    {"SpokenSummary", "%1 и %2", "%1 and %2"},
    {"SpokenSummary", "График. %1.", "Graph. %1."},
    {"SpokenSummary", "сумма гармоник 1…%1 (красная)", "sum of harmonics 1…%1 (red)"},
    {"SpokenSummary", "нарисована %1", "drawn: %1"},
    {"SpokenSummary", "Синтез до гармоники %1: %2; ошибка (СКО f − %3) %4",
     "Synthesis to harmonic %1: %2; error (RMS of f − %3) %4"},
    {"SpokenSummary",
     "Сходимость при k = %1: ошибка (СКО f − %2) %3, доля энергии в гармониках 0…%1 %4 %",
     "Convergence at k = %1: error (RMS of f − %2) %3, energy share in harmonics 0…%1 %4 %"},
    {"SpokenSummary", "%1, выброс у скачка %2 % скачка",
     "%1, overshoot at the jump %2 % of the jump"},
    {"SavedWork", "Строка %1: ", "Line %1: "},
    {"SavedWork", "«%1»", "“%1”"},
    {"Lesson", "%1 %2 вне пределов %3..%4", "%1 %2 is outside %3..%4"},
    {"Lesson", "номер формы сигнала", "waveform number"},
    {"GuessGame", "1 попытка", "1 try"},
    {"GuessGame", "%1 попытка", "%1 tries"},
    {"GuessGame", "%1 попыток", "%1 tries"},
    {"GuessGame", "Выиграно раундов: %1", "Rounds won: %1"},
    {"GuessGame", "%1; лучший: %2, %3 с", "%1; best: %2, %3 s"},
    {"Translator", "неизвестное имя «%1»", "unknown name “%1”"},
    {"Translator", "Ошибка в формуле (символ %1): %2", "Formula error (character %1): %2"},
};

std::string TestLookup(const char* context, const char* source) {
    for (const TEnglish& text : English)
        if (text.Context == context && text.Source == source) return std::string(text.Text);
    return source;
}

// Installs the test lookup for one scope, and leaves none behind.
struct TEnglishInstalled {
    TEnglishInstalled() { SetWordingLookup(&TestLookup); }
    ~TEnglishInstalled() { SetWordingLookup(nullptr); }
    TEnglishInstalled(const TEnglishInstalled&) = delete;
    TEnglishInstalled& operator=(const TEnglishInstalled&) = delete;
};

// The catalogue's square wave, −1 then 1, synthesised to k = 5.
TRun SquareToFive(const char* name) {
    TSamples square{};
    for (int j = 0; j < SampleCount; ++j)
        square[j] = j < SampleCount / 2 ? -1.0 : 1.0;
    TRun run;
    run.Analysis = AnalyseSamples(square);
    run.WaveformName = name;
    run.Harmonic = 5;
    run.LastHarmonic = TLastHarmonic::None;
    run.Synthesised = true;
    return run;
}

template <class TError> std::string Thrown(const std::function<void()>& action) {
    try {
        action();
    } catch (const TError& error) {
        return ShownMessage(error);
    }
    return "nothing thrown";
}

bool HasCyrillic(const std::string& text) {
    // Cyrillic letters U+0400..U+04FF are the UTF-8 lead bytes 0xD0..0xD3.
    for (const char c : text)
        if (static_cast<unsigned char>(c) >= 0xD0 && static_cast<unsigned char>(c) <= 0xD3)
            return true;
    return false;
}

} // namespace

TEST(Wording, FilledPutsArgumentsWhereThePatternSays) {
    struct TRow {
        const char* name;
        const char* pattern;
        std::vector<std::string_view> arguments;
        const char* expected;
    };
    const TRow rows[] = {
        {"in order", "%1 of %2", {"a", "b"}, "a of b"},
        {"reordered", "%2 of %1", {"a", "b"}, "b of a"},
        {"repeated", "«%1 a_%1 b_%1»", {"3"}, "«3 a_3 b_3»"},
        {"ninth", "%9.", {"1", "2", "3", "4", "5", "6", "7", "8", "9"}, "9."},
        {"ten stays", "%10 and %1", {"x"}, "%10 and x"},
        {"nought stays", "%0%1", {"x"}, "%0x"},
        {"lone percent", "%1 %", {"93,3"}, "93,3 %"},
        {"percent before a letter", "%x %1", {"y"}, "%x y"},
        {"percent at the end", "100%", {}, "100%"},
        {"fewer arguments", "%1, %2, %3", {"a"}, "a, %2, %3"},
        {"no arguments", "%1", {}, "%1"},
        {"argument not read again", "%1 %2", {"%2", "b"}, "%2 b"},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.name);
        std::string text;
        switch (row.arguments.size()) { // initializer_list cannot be built from a vector
        case 0:
            text = Filled(row.pattern, {});
            break;
        case 1:
            text = Filled(row.pattern, {row.arguments[0]});
            break;
        case 2:
            text = Filled(row.pattern, {row.arguments[0], row.arguments[1]});
            break;
        default:
            text = Filled(row.pattern, {row.arguments[0], row.arguments[1], row.arguments[2],
                                        row.arguments[3], row.arguments[4], row.arguments[5],
                                        row.arguments[6], row.arguments[7], row.arguments[8]});
        }
        EXPECT_EQ(text, row.expected);
    }
}

TEST(Wording, ComposedMessagesSpeakTheLookupsLanguageAndRussianWithoutIt) {
    struct TRow {
        const char* name;
        std::function<std::string()> compose;
        const char* russian;
        const char* english;
    };
    const TRow rows[] = {
        // Error sqrt(1 − 8/π² (1 + 1/9 + 1/25)) = 0,259 of the square wave at k = 5.
        {"status", [] { return RunStatus(SquareToFive("2. Square wave"), ","); },
         "Синтез до гармоники 5: ошибка 0,259", "Synthesis to harmonic 5: error 0,259"},
        {"lesson line",
         [] {
             return Thrown<TLessonError>(
                 [] { ParseLesson("fourier lesson 1\nwaveform 9\nend\n"); });
         },
         "Строка 2: номер формы сигнала «9» вне пределов 0..8",
         "Line 2: waveform number “9” is outside 0..8"},
        {"one try", [] { return TriesText(1); }, "1 попытка", "1 try"},
        {"five tries", [] { return TriesText(5); }, "5 попыток", "5 tries"},
        {"twenty-one tries", [] { return TriesText(21); }, "21 попытка", "21 tries"},
        {"progress",
         [] {
             TLevelProgress progress;
             progress.Record({5, 30});
             progress.Record({1, 9});
             return ProgressText(progress);
         },
         "Выиграно раундов: 2; лучший: 1 попытка, 9 с", "Rounds won: 2; best: 1 try, 9 s"},
        {"formula error",
         [] {
             return Thrown<Translator::FormulaSyntaxError>([] { Translator::Translate("Sin(x)"); });
         },
         "Ошибка в формуле (символ 1): неизвестное имя «Sin»",
         "Formula error (character 1): unknown name “Sin”"},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.name);
        {
            const TEnglishInstalled english;
            EXPECT_EQ(row.compose(), row.english);
        }
        EXPECT_EQ(row.compose(), row.russian);
    }
}

TEST(Wording, FormulaErrorKeepsItsRussianWhatInEveryLanguage) {
    const TEnglishInstalled english;
    try {
        Translator::Translate("2*Sin(x)");
        FAIL() << "Sin is no name of the grammar";
    } catch (const Translator::FormulaSyntaxError& e) {
        EXPECT_STREQ(e.what(), "Ошибка в формуле (символ 3): неизвестное имя «Sin»");
        EXPECT_EQ(e.Problem(), "неизвестное имя «Sin»");
        EXPECT_EQ(e.Position(), 3u);
        EXPECT_EQ(e.ShownProblem(), "unknown name “Sin”");
        EXPECT_EQ(e.Shown(), "Formula error (character 3): unknown name “Sin”");
    }
}

TEST(Wording, SquareWaveSummariesSpeakEnglishWithTheirNumbers) {
    const TRun run = SquareToFive("2. Square wave");
    const TConvergence convergence = MeasureConvergence(run.Analysis);
    const std::string russian = ConvergenceSummary(convergence, 5, ",");
    const TEnglishInstalled english;
    const std::string graph = GraphSummary(run, -std::numbers::pi, std::numbers::pi, ",");
    EXPECT_EQ(graph.substr(0, graph.find(", jumps")), "Graph. Signal “2. Square wave”: peak 1");
    EXPECT_NE(graph.find(", jumps at x = 0 and x = 3,14. Synthesis to harmonic 5: drawn: sum of "
                         "harmonics 1…5 (red); error (RMS of f − S₅) 0,259."),
              std::string::npos)
        << graph;
    EXPECT_FALSE(HasCyrillic(graph)) << graph;

    // Energy share 8/π² (1 + 1/9 + 1/25) = 93,3 %; the overshoot as the Russian says it.
    const std::string text = ConvergenceSummary(convergence, 5, ",");
    const std::string before = "выброс у скачка ", after = " % скачка";
    const std::size_t start = russian.find(before);
    ASSERT_NE(start, std::string::npos) << russian;
    ASSERT_TRUE(russian.ends_with(after)) << russian;
    const std::string overshoot = russian.substr(
        start + before.size(), russian.size() - after.size() - start - before.size());
    EXPECT_EQ(text, "Convergence at k = 5: error (RMS of f − S₅) 0,259, energy share in harmonics "
                    "0…5 93,3 %, overshoot at the jump " +
                        overshoot + " % of the jump");
}
