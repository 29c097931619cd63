// The user's own formula: its samples and spectrum against the formula computed directly,
// its errors with their position or x, and a translator left empty after every call.
#include "OwnFormula.h"
#include "Translator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>
#include <string>

namespace {

using namespace Fourier;

void ExpectTranslatorEmpty(const std::string& text) {
    EXPECT_EQ(Translator::FunctionNodeCount, 0) << text;
    EXPECT_EQ(Translator::OperatorNodeCount, 0) << text;
}

TEST(FormulaGrid, IsTheAnalysisGrid) {
    for (int j = 0; j < SampleCount; ++j)
        EXPECT_NEAR(FormulaGridX(j), -std::numbers::pi + j * std::numbers::pi / 256, 1e-15) << j;
    EXPECT_EQ(FormulaGridX(256), 0.0);
    EXPECT_EQ(FormulaGridX(0), -std::numbers::pi);
}

struct GoodRow {
    const char* text;
    std::function<double(double)> f; // the same function written in C++
};

class OwnFormula : public ::testing::TestWithParam<GoodRow> {};

// Samples as the formula gives them, and the spectrum of those samples by a direct DFT in
// long double, scaled as the main window's buffers are.
TEST_P(OwnFormula, SamplesAndSpectrumAreTheFormulas) {
    const GoodRow& row = GetParam();
    const TAnalysis analysis = AnalyseOwnFormula(row.text);
    ExpectTranslatorEmpty(row.text);
    double largest = 0;
    for (int j = 0; j < SampleCount; ++j) {
        const double expected = row.f(FormulaGridX(j));
        EXPECT_NEAR(analysis.Samples[j], expected, 1e-13 * (1 + std::abs(expected))) << j;
        largest = std::max(largest, std::abs(expected));
    }
    EXPECT_DOUBLE_EQ(analysis.Peak, largest);
    for (int k = 0; k <= HighestHarmonic; ++k) {
        long double re = 0, im = 0;
        for (int j = 0; j < SampleCount; ++j) {
            const int turn = (((j - 256) * k) % 512 + 512) % 512;
            const long double angle = 2 * std::numbers::pi_v<long double> * turn / 512;
            re += row.f(FormulaGridX(j)) * std::cos(angle);
            im += row.f(FormulaGridX(j)) * std::sin(angle);
        }
        const long double scale = std::sqrt(512.0L);
        EXPECT_NEAR(analysis.Re[k], static_cast<double>(re / scale), 1e-11 * (1 + largest)) << k;
        EXPECT_NEAR(analysis.Im[k], static_cast<double>(im / scale), 1e-11 * (1 + largest)) << k;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, OwnFormula,
    ::testing::Values(
        GoodRow{"x", [](double x) { return x; }}, GoodRow{"x^2", [](double x) { return x * x; }},
        GoodRow{"(sin(x)^2)^0.5", [](double x) { return std::abs(std::sin(x)); }},
        GoodRow{"sin(x)+sin(2*x)/2+sin(3*x)/3",
                [](double x) { return std::sin(x) + std::sin(2 * x) / 2 + std::sin(3 * x) / 3; }},
        GoodRow{"2.5", [](double) { return 2.5; }},
        // as a student types it: blanks, a unary minus, a Russian х
        GoodRow{"-х^2 + 1.5", [](double x) { return 1.5 - x * x; }},
        GoodRow{"1/(x^2+1)", [](double x) { return 1 / (x * x + 1); }},
        GoodRow{"ln(x^2+1)*cos(3*x)",
                [](double x) { return std::log(x * x + 1) * std::cos(3 * x); }}),
    [](const auto& info) { return "row" + std::to_string(info.index); });

struct BadRow {
    const char* text;
    TOwnFormulaError::TKind kind;
    std::size_t position; // oeSyntax: 1-based, in characters
    int sample;           // oeEvaluation
    const char* words;    // part of the message
    char separator = '.';
};

// x as a message must show it: six significant digits, the given separator, a true minus.
std::string ShownX(double x, char separator) {
    char digits[32];
    std::snprintf(digits, sizeof digits, "%g", x);
    std::string text = digits;
    if (const auto point = text.find('.'); point != std::string::npos) text[point] = separator;
    if (text.front() == '-') text.replace(0, 1, "−");
    return text;
}

class OwnFormulaError : public ::testing::TestWithParam<BadRow> {};

TEST_P(OwnFormulaError, SaysWhatAndWhere) {
    const BadRow& row = GetParam();
    try {
        AnalyseOwnFormula(row.text, row.separator);
        FAIL() << row.text << " was analysed";
    } catch (const TOwnFormulaError& e) {
        EXPECT_EQ(e.Kind(), row.kind) << row.text;
        const std::string message = e.what();
        EXPECT_NE(message.find(row.words), std::string::npos) << message;
        // Said in words a pupil knows.
        EXPECT_EQ(message.find("double"), std::string::npos) << message;
        if (row.kind == TOwnFormulaError::oeSyntax) {
            EXPECT_EQ(e.Position(), row.position) << message;
        }
        if (row.kind == TOwnFormulaError::oeEvaluation) {
            EXPECT_EQ(e.Sample(), row.sample) << message;
            const std::string x = "x = " + ShownX(FormulaGridX(row.sample), row.separator);
            EXPECT_NE(message.find(x), std::string::npos) << message;
        }
    }
    ExpectTranslatorEmpty(row.text);
    // The translator works on afterwards.
    EXPECT_EQ(AnalyseOwnFormula("x").Samples[256], 0.0);
}

// Just under the bound everything the lab sums stays finite.
TEST(OwnFormulaBound, ValuesJustUnderItAreAnalysed) {
    const TAnalysis analysis = AnalyseOwnFormula("10^149*(x+4)");
    double energy = 0;
    for (const double v : analysis.Samples)
        energy += v * v;
    EXPECT_TRUE(std::isfinite(energy));
    EXPECT_NEAR(analysis.Samples[256] / 4e149, 1.0, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, OwnFormulaError,
    ::testing::Values(
        BadRow{"", TOwnFormulaError::oeSyntax, 1, -1, "пуста"},
        BadRow{"x+", TOwnFormulaError::oeSyntax, 2, -1, "символ 2"},
        BadRow{"Sin(x)", TOwnFormulaError::oeSyntax, 1, -1, "Sin"},
        BadRow{"sin(x", TOwnFormulaError::oeSyntax, 4, -1, "Ошибка в формуле"},
        // positions in the typed characters, past a Russian letter and an inserted "0"
        BadRow{"х+*2", TOwnFormulaError::oeSyntax, 3, -1, "символ 3"},
        BadRow{"-x+*2", TOwnFormulaError::oeSyntax, 4, -1, "символ 4"},
        BadRow{"ж", TOwnFormulaError::oeSyntax, 1, -1, "символ 1): русская буква «ж»"},
        BadRow{"1e400", TOwnFormulaError::oeSyntax, 1, -1, "больше 10³⁰⁸ компьютер не считает"},
        BadRow{"10^400", TOwnFormulaError::oeEvaluation, 0, 0, "слишком велико"},
        BadRow{"ln(x)", TOwnFormulaError::oeEvaluation, 0, 0, "логарифм отрицательного числа"},
        BadRow{"ln(x)", TOwnFormulaError::oeEvaluation, 0, 0, "= −3,14159: логарифм", ','},
        BadRow{"(x-2)^0.5", TOwnFormulaError::oeEvaluation, 0, 0, "дробная степень"},
        BadRow{"x^(-1)", TOwnFormulaError::oeEvaluation, 0, 256, "деление на ноль"},
        BadRow{"ln(x-x)", TOwnFormulaError::oeEvaluation, 0, 0, "логарифм нуля"},
        // "/" by zero gives 0 to the main window, but f is not defined there.
        BadRow{"1/x", TOwnFormulaError::oeEvaluation, 0, 256,
               "f не определена при x = 0: деление на ноль"},
        BadRow{"x+0/0", TOwnFormulaError::oeEvaluation, 0, 0, "деление на ноль"},
        // 10^(400x) passes the largest double, about 10^308.25, from x = 0.77064 on: x_319.
        BadRow{"10^(400*x)", TOwnFormulaError::oeEvaluation, 0, 319, "слишком велико"},
        // Beyond 10^150 the squares the lab sums (energy, RMS error) would pass the largest
        // double, although the spectrum itself is finite.
        BadRow{"10^200*x", TOwnFormulaError::oeSpectrum, 0, -1, "больше 10¹⁵⁰"},
        BadRow{"10^151", TOwnFormulaError::oeSpectrum, 0, -1, "больше 10¹⁵⁰"},
        BadRow{"10^307*(x^2+1)", TOwnFormulaError::oeSpectrum, 0, -1, "энергию"}),
    [](const auto& info) { return "row" + std::to_string(info.index); });

} // namespace
