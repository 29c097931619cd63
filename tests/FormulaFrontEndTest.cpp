// What a student types, as the translator gets it: the text, its value through the
// translator against the formula written in C++, what was changed and where, or why it is
// refused and at which character.
#include "FormulaFrontEnd.h"
#include "Translator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

namespace {

using namespace Fourier;

struct AcceptedRow {
    const char* name;
    const char* typed;
    char separator;
    const char* translated;
    std::function<double(double)> f;           // empty: the translator refuses it anyway
    std::vector<std::size_t> changedPositions; // characters, in order
};

class FrontEndAccepts : public ::testing::TestWithParam<AcceptedRow> {};

TEST_P(FrontEndAccepts, GivesTheTranslatorAFormulaOfTheSameValue) {
    const AcceptedRow& row = GetParam();
    const TPreparedFormula prepared = PrepareFormula(row.typed, row.separator);
    ASSERT_TRUE(prepared.Accepted) << prepared.Refusal;
    EXPECT_EQ(prepared.Text, row.translated);
    std::vector<std::size_t> positions;
    for (const TFormulaChange& change : prepared.Changes)
        positions.push_back(change.Position);
    EXPECT_EQ(positions, row.changedPositions);
    if (!row.f) return;
    Translator::Translate(prepared.Text);
    for (double x : {-2.0, -0.5, 0.7, 1.3})
        EXPECT_NEAR(Translator::Evaluate(x), row.f(x), 1e-12 * (1 + std::abs(row.f(x)))) << x;
    Translator::ReleaseFormula();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, FrontEndAccepts, ::testing::Values(
    AcceptedRow{"Blanks", " x +\t1 ", '.', "x+1", [](double x) { return x + 1; }, {}},
    AcceptedRow{"LeadingMinus", "-x", '.', "0-x", [](double x) { return -x; }, {0}},
    AcceptedRow{"LeadingMinusOfAPower", "-x^2", '.', "0-x^2", [](double x) { return -x * x; },
                {0}},
    AcceptedRow{"LeadingMinusOfAGroup", "-(x+1)", '.', "0-(x+1)", [](double x) { return -x - 1; },
                {0}},
    AcceptedRow{"MinusAfterParenthesis", "sin(-x)*(-x+3)", '.', "sin(0-x)*(0-x+3)",
                [](double x) { return std::sin(-x) * (3 - x); }, {4, 9}},
    AcceptedRow{"MinusAfterTimes", "2*-x", '.', "2*(0-x)", [](double x) { return -2 * x; }, {2}},
    AcceptedRow{"PowerAfterTimes", "3*-x^2*2", '.', "3*(0-x^2)*2",
                [](double x) { return -6 * x * x; }, {2}},
    AcceptedRow{"InAnExponent", "2^-x", '.', "2^(0-x)", [](double x) { return std::pow(2, -x); },
                {2}},
    AcceptedRow{"MinusAfterPlus", "1+-x", '.', "1+(0-x)", [](double x) { return 1 - x; }, {2}},
    AcceptedRow{"CallAfterMinus", "x--cos(x)^2", '.', "x-(0-cos(x)^2)",
                [](double x) { return x + std::pow(std::cos(x), 2); }, {2}},
    AcceptedRow{"MinusTwice", "2*--x", '.', "2*(0-(0-x))", [](double x) { return 2 * x; }, {2, 3}},
    AcceptedRow{"NegativeExponent", "2*-x^-1", '.', "2*(0-x^(0-1))",
                [](double x) { return -2 / x; }, {2, 5}},
    AcceptedRow{"NoOperandStays", "2*-", '.', "2*-", nullptr, {}},
    AcceptedRow{"SignedExponent", "1e-3*x+2E+1", '.', "(1e-3)*x+(2E+1)",
                [](double x) { return 0.001 * x + 20; }, {}},
    AcceptedRow{"SignedExponentAlone", "sin(1e-1)", '.', "sin(1e-1)",
                [](double) { return std::sin(0.1); }, {}},
    AcceptedRow{"SignedExponentIsTheWholeText", "1e-5", '.', "1e-5",
                [](double) { return 1e-5; }, {}},
    AcceptedRow{"DecimalComma", "2,5*x-0,25", ',', "2.5*x-0.25",
                [](double x) { return 2.5 * x - 0.25; }, {1, 7}},
    AcceptedRow{"PointUnderComma", "2.5*x", ',', "2.5*x", [](double x) { return 2.5 * x; }, {}},
    AcceptedRow{"CyrillicX", "х^2+Х", '.', "x^2+x", [](double x) { return x * x + x; }, {0, 4}},
    AcceptedRow{"CyrillicInNames", "сos(x)+2Е3", '.', "cos(x)+2e3",
                [](double x) { return std::cos(x) + 2000; }, {0, 8}},
    AcceptedRow{"EveryLookAlike", "хсеоарХСЕОАР", '.', "xceoapxceoap", nullptr,
                {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Each change says what the student wrote and what was understood.
TEST(FrontEndChanges, SayWhatWasUnderstood) {
    const TPreparedFormula prepared = PrepareFormula("1+2*-х^2 +0,5", ',');
    ASSERT_TRUE(prepared.Accepted) << prepared.Refusal;
    ASSERT_EQ(prepared.Changes.size(), 3u);
    EXPECT_EQ(prepared.Changes[0].Kind, TFormulaChangeKind::UnaryMinus);
    EXPECT_EQ(prepared.Changes[0].Description, "минус: «-х^2» понято как «(0-x^2)»");
    EXPECT_EQ(prepared.Changes[1].Kind, TFormulaChangeKind::CyrillicLetter);
    EXPECT_EQ(prepared.Changes[1].Description, "русская буква «х» заменена латинской x");
    EXPECT_EQ(prepared.Changes[2].Kind, TFormulaChangeKind::DecimalComma);
    EXPECT_EQ(prepared.Changes[2].Description, "десятичная запятая: «0,5» понято как «0.5»");
    // The translator's positions lead back to the typed characters, inserted ones to the
    // character they stand for; past the end is the end.
    EXPECT_EQ(prepared.Text, "1+2*(0-x^2)+0.5");
    EXPECT_EQ(prepared.TypedPosition(5), 4u);  // the inserted "(" is the "-"
    EXPECT_EQ(prepared.TypedPosition(8), 5u);  // x is the Cyrillic х
    EXPECT_EQ(prepared.TypedPosition(12), 9u); // "+" after the dropped blank
    EXPECT_EQ(prepared.TypedPosition(16), 13u);
}

struct RefusedRow {
    const char* name;
    std::string typed;
    char separator;
    const char* words;
    std::size_t position; // characters
};

class FrontEndRefuses : public ::testing::TestWithParam<RefusedRow> {};

TEST_P(FrontEndRefuses, SaysWhyAndWhere) {
    const RefusedRow& row = GetParam();
    const TPreparedFormula prepared = PrepareFormula(row.typed, row.separator);
    ASSERT_FALSE(prepared.Accepted) << prepared.Text;
    EXPECT_NE(prepared.Refusal.find(row.words), std::string::npos) << prepared.Refusal;
    EXPECT_EQ(prepared.Position, row.position) << prepared.Refusal;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, FrontEndRefuses, ::testing::Values(
    RefusedRow{"BlankInANumber", "x+2 5", '.', "пробел внутри числа", 3},
    RefusedRow{"BlankInAName", "si n(x)", '.', "пробел внутри имени «sin»", 2},
    RefusedRow{"BlankAfterAFunction", "sin  x", '.', "после «sin» нужна «(»", 3},
    RefusedRow{"BlankBetweenNumberAndX", "2 x", '.', "между «2» и «x»", 1},
    RefusedRow{"CommaUnderPoint", "2,5*x", '.', "точкой: пишите 2.5", 1},
    RefusedRow{"CommaNotBetweenDigits", "x,5", ',', "запятая не на месте", 1},
    RefusedRow{"SecondComma", "1,5,3", ',', "запятая не на месте", 3},
    RefusedRow{"CyrillicLetter", "ж+x", '.', "русская буква «ж»", 0},
    RefusedRow{"CountedInCharacters", "хх+ж", '.', "русская буква «ж»", 3},
    RefusedRow{"OtherSymbol", "x=1", '.', "недопустимый символ «=»", 1},
    RefusedRow{"BrokenUtf8", "x+\xD1", '.', "невидимый", 2},
    RefusedRow{"NumberBeyondADouble", "x+1e400", '.', "больше 10³⁰⁸", 2},
    // 10^309 written out: too long for the translator's 255 characters, but first too large
    RefusedRow{"LongNumber", "2*1" + std::string(309, '0'), '.', "слишком велико", 2}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
