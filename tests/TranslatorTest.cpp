// The formula translator: grammar, tree shape, number conversion, arithmetic rules,
// errors and the refusal of texts outside the grammar.
#include "Translator.h"
#include "Arithmetic.h"
#include "FormulaNodes.h"
#include "FormulaText.h"
#include "NumberConversion.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <numbers>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

using namespace Translator;

namespace {

constexpr double Epsilon = std::numeric_limits<double>::epsilon();

// ---- Reading the pools back as text: "O1(* F1(cos x) 2)" names every node by pool and index.

std::string DescribeFunction(uint8_t index);
std::string DescribeOperator(uint8_t index);

std::string DescribeOperand(TOperandKind kind, double value, uint8_t func, uint8_t op) {
    switch (kind) {
    case okNumber: {
        std::ostringstream text;
        text << value;
        return text.str();
    }
    case okVariable:
        return "x";
    case okFunction:
        return DescribeFunction(func);
    case okOperator:
        return DescribeOperator(op);
    }
    return "?";
}

std::string DescribeFunction(uint8_t index) {
    const TFunctionNode& node = FunctionNode(index);
    return "F" + std::to_string(index) + "(" + std::string(FunctionName(node.Func)) + " " +
           DescribeOperand(node.ArgKind, node.ArgValue, node.ArgFunc, node.ArgOp) + ")";
}

std::string DescribeOperator(uint8_t index) {
    const TOperatorNode& node = OperatorNode(index);
    return "O" + std::to_string(index) + "(" + OperatorPairs[node.Op - 1u] + " " +
           DescribeOperand(node.LeftKind, node.LeftValue, node.LeftFunc, node.LeftOp) + " " +
           DescribeOperand(node.RightKind, node.RightValue, node.RightFunc, node.RightOp) + ")";
}

std::string DescribeTree() {
    return RootIsOperator ? DescribeOperator(1) : DescribeFunction(1);
}

// Every pool node and count, to tell whether anything in the pools moved.
struct TPoolsCopy {
    std::array<TFunctionNode, PoolSize> functionNodes = FunctionNodes;
    std::array<TOperatorNode, PoolSize> operatorNodes = OperatorNodes;
    uint8_t functionNodeCount = FunctionNodeCount;
    uint8_t operatorNodeCount = OperatorNodeCount;
    bool rootIsOperator = RootIsOperator;
};

bool PoolsUnchanged(const TPoolsCopy& before) {
    return before.functionNodes == FunctionNodes && before.operatorNodes == OperatorNodes &&
           before.functionNodeCount == FunctionNodeCount &&
           before.operatorNodeCount == OperatorNodeCount && before.rootIsOperator == RootIsOperator;
}

// The error a call raises, as the analysis run's caller would see it, or "" for none.
template <class F> std::string ErrorOf(F call) {
    try {
        call();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "";
}

template <class F> std::optional<TFloatError> FloatErrorOf(F call) {
    try {
        call();
    } catch (const FloatingPointError& e) {
        return e.Kind();
    }
    return std::nullopt;
}

// The texts the analysis run builds, with the same formulas written in C++.
const char* const SineText = "sin(8*x)";
const char* const BeatsText = "cos(18*x)+0.5*cos(14*x)";
const char* const ModulationText = "cos(8*x)*(1+0.3*cos(8*x))";
double Modulation(double x) {
    return std::cos(8 * x) * (1 + 0.3 * std::cos(8 * x));
}

// ---------------------------------------------------------------- number conversion

TEST(NumberConversion, ConvertsTheDecimalForms) {
    struct Row {
        const char* text;
        double value;
    };
    const Row rows[] = {
        {"2.5", 2.5},
        {" 7", 7},
        {"-3", -3},
        {".", 0},
        {"5.", 5},
        {".5", 0.5},
        {"5.E3", 5000},
        {"E5", 0},
        {"e-5", 0},
        {"+4", 4},
        {"-.25", -0.25},
        {"  0.25e1", 2.5},
        {"-1.5e+2", -150},
        {"1e-400", 0},
        {"007", 7},
        {"0.3", 0.3},
        {"1e308", 1e308},
        {"123456789012345678", 123456789012345678.0},
        {"1.7976931348623157e308", std::numeric_limits<double>::max()},
        {"4.9406564584124654e-324", std::numeric_limits<double>::denorm_min()},
        {"0e99999999999999999999", 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        const std::optional<double> value = ConvertNumber(row.text);
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(*value, row.value);
    }
}

TEST(NumberConversion, RefusesTextThatIsNoNumber) {
    for (const char* text : {"", " ", "-", "+", "5 ", "5e", "5e+", "1,5", "e", "--1", "1.2.3", "x",
                             "1e5.0", "1 5", "- 5", "0x10", "5f", ".e", "1e2e3"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(ConvertNumber(text).has_value());
    }
}

TEST(NumberConversion, MatchesCorrectlyRoundedReadingWithinOneUlp) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> digitCount(1, 17), digit(0, 9), exponent(-290, 290),
        point(0, 17);
    for (int n = 0; n < 2000; ++n) {
        std::string text;
        const int count = digitCount(random), pointAt = point(random);
        for (int i = 0; i < count; ++i) {
            if (i == pointAt) text += '.';
            text += static_cast<char>('0' + digit(random));
        }
        text += "e" + std::to_string(exponent(random));
        SCOPED_TRACE(text);
        const double oracle = std::strtod(text.c_str(), nullptr);
        const std::optional<double> value = ConvertNumber(text);
        ASSERT_TRUE(value.has_value());
        EXPECT_LE(std::fabs(*value - oracle),
                  std::fabs(std::nextafter(oracle, 2 * oracle + 1) - oracle));
    }
}

TEST(NumberConversion, OverflowsBeyondTheRangeOfADouble) {
    for (const char* text : {"1e400", "-1e400", "1.8e308", "1e99999999999999999999", "0.001e312"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(FloatErrorOf([&] { ConvertNumber(text); }), feOverflow);
    }
}

// ---------------------------------------------------------------- text scans

TEST(FormulaText, FindsTheLoosestRightmostTopLevelOperator) {
    struct Row {
        const char* text;
        char op;
        std::size_t position;
    };
    const Row rows[] = {
        {"cos(8*x)*(1+0.3*cos(8*x))", '*', 9},
        {"1-2+3", '+', 4},
        {"8/2/2", '/', 4},
        {"2^3^2", '^', 4},
        {"2+3*4", '+', 2},
        {"2*3^2", '*', 2},
        {"(1+2)*3", '*', 6},
        {"-3+x", '+', 3},
        {"2^(-1)", '^', 2},
        {"x*(1-2)", '*', 2},
        {"1e-3", '-', 3},
        {"sin(x+1)^2/x", '/', 11},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        const TSplitOperator split = FindSplitOperator(row.text);
        EXPECT_EQ(split.Operator, row.op);
        EXPECT_EQ(split.Position, row.position);
    }
}

// ---------------------------------------------------------------- translation: tree shape

TEST(Translate, TextsWithinTheGrammarGiveTheseTrees) {
    struct Row {
        const char* text;
        const char* tree;
        int operatorNodes, functionNodes;
    };
    const Row rows[] = {
        {"sin(x)", "F1(sin x)", 0, 1},
        {"sin(-3)", "F1(sin -3)", 0, 1},
        {"1-2+3", "O1(+ O2(- 1 2) 3)", 2, 0},
        {"8/2/2", "O1(/ O2(/ 8 2) 2)", 2, 0},
        {"2^3^2", "O1(^ O2(^ 2 3) 2)", 2, 0},
        {"2+3*4", "O1(+ 2 O2(* 3 4))", 2, 0},
        {"2*3^2", "O1(* 2 O2(^ 3 2))", 2, 0},
        {"(x+1)*(x-1)", "O1(* O2(+ x 1) O3(- x 1))", 3, 0},
        {"2^(-1)", "O1(^ 2 -1)", 1, 0},
        {"-3+x", "O1(+ -3 x)", 1, 0},
        {"x-(-3)", "O1(- x -3)", 1, 0},
        {"( 7)*x", "O1(* 7 x)", 1, 0},
        {"sin( 2)", "F1(sin 2)", 0, 1},
        {"x+(1e-3)", "O1(+ x 0.001)", 1, 0},
        {"ln(tg(x))", "F1(ln F2(tg x))", 0, 2},
        {"x^(x^2)", "O1(^ x O2(^ x 2))", 2, 0},
        {"((x)+1)*2", "O1(* O2(+ x 1) 2)", 2, 0},
        {"sin((x)+1)", "F1(sin O1(+ x 1))", 1, 1},
        {"sin(x)^2+cos(x)^2", "O1(+ O2(^ F1(sin x) 2) O3(^ F2(cos x) 2))", 3, 2},
        {ModulationText, "O1(* F1(cos O2(* 8 x)) O3(+ 1 O4(* 0.3 F2(cos O5(* 8 x)))))", 5, 2},
        {BeatsText, "O1(+ F1(cos O2(* 18 x)) O3(* 0.5 F2(cos O4(* 14 x))))", 4, 2},
        {SineText, "F1(sin O1(* 8 x))", 1, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        Translate(row.text);
        EXPECT_FALSE(FormulaIsConstant);
        EXPECT_FALSE(FormulaIsX);
        EXPECT_EQ(DescribeTree(), row.tree);
        EXPECT_EQ(OperatorNodeCount, row.operatorNodes);
        EXPECT_EQ(FunctionNodeCount, row.functionNodes);
        ReleaseFormula();
    }
}

TEST(Translate, StoresTheOperatorCodeByPositionInOperatorPairs) {
    const std::pair<const char*, int> rows[] = {
        {"1+2", 1}, {"1-2", 2}, {"1*2", 3}, {"1/2", 4}, {"1^2", 5}};
    for (const auto& [text, code] : rows) {
        SCOPED_TRACE(text);
        Translate(text);
        EXPECT_EQ(OperatorNode(1).Op, code);
    }
}

TEST(Translate, NestedFormulaNumbersItsNodesAndReleasesThemAll) {
    Translate(ModulationText);
    ASSERT_TRUE(RootIsOperator);
    EXPECT_EQ(OperatorNode(1).Op, 3);
    EXPECT_EQ(OperatorNode(1).LeftKind, okFunction);
    EXPECT_EQ(OperatorNode(1).LeftFunc, 1);
    EXPECT_EQ(OperatorNode(1).RightKind, okOperator);
    EXPECT_EQ(OperatorNode(1).RightOp, 3);
    EXPECT_EQ(FunctionNode(1).Func, 2);
    EXPECT_EQ(FunctionNode(1).ArgOp, 2);
    EXPECT_EQ(FunctionNode(2).ArgOp, 5);
    EXPECT_EQ(OperatorNode(4).RightFunc, 2);
    EXPECT_EQ(OperatorNodeCount, 5);
    EXPECT_EQ(FunctionNodeCount, 2);

    const TPoolsCopy translated;
    ReleaseFormula();
    EXPECT_EQ(OperatorNodeCount, 0);
    EXPECT_EQ(FunctionNodeCount, 0);
    // Releasing moves the counts only.
    TPoolsCopy expected = translated;
    expected.operatorNodeCount = 0;
    expected.functionNodeCount = 0;
    EXPECT_TRUE(PoolsUnchanged(expected));

    ReleaseFormula();
    EXPECT_EQ(OperatorNodeCount, 0) << "a second release must not wrap the count";
    EXPECT_EQ(FunctionNodeCount, 0);
}

TEST(Translate, ConstantsBuildNoNodes) {
    const std::pair<const char*, double> rows[] = {
        {"2.5", 2.5}, {" 7", 7}, {"-3", -3},    {".", 0},
        {"5.", 5},    {"E5", 0}, {"1e-400", 0}, {"+.5e1", 5},
    };
    for (const auto& [text, value] : rows) {
        SCOPED_TRACE(text);
        Translate(ModulationText);
        const TPoolsCopy tree;
        Translate(text);
        EXPECT_TRUE(FormulaIsConstant);
        EXPECT_FALSE(FormulaIsX);
        EXPECT_EQ(ConstantValue, value);
        EXPECT_TRUE(PoolsUnchanged(tree));
        for (double x : {-3.0, 0.0, 1e19})
            EXPECT_EQ(Evaluate(x), value);
    }
}

TEST(Translate, XAfterATreeLeavesThePoolsAndANewTreeStartsAtNodeOne) {
    Translate(ModulationText);
    const TPoolsCopy tree;
    Translate("x");
    EXPECT_TRUE(FormulaIsX);
    EXPECT_FALSE(FormulaIsConstant);
    EXPECT_TRUE(PoolsUnchanged(tree));
    for (double x : {-2.5, 0.0, 7.0})
        EXPECT_EQ(Evaluate(x), x);

    Translate("ln(x)-2");
    EXPECT_EQ(DescribeTree(), "O1(- F1(ln x) 2)");
    EXPECT_EQ(OperatorNodeCount, 1);
    EXPECT_EQ(FunctionNodeCount, 1);
}

TEST(Translate, ReleaseAfterAConstantOrXLeavesBothCountsAtZero) {
    for (const char* text : {"2.5", "x"}) {
        SCOPED_TRACE(text);
        Translate(ModulationText);
        Translate(text);
        ReleaseFormula();
        EXPECT_EQ(OperatorNodeCount, 0);
        EXPECT_EQ(FunctionNodeCount, 0);
    }
}

TEST(Translate, LongestTextsFillThePoolsAsFarAsTheGrammarAllows) {
    std::string sum = "x";
    while (sum.size() < MaxTextLength)
        sum += "+x";
    ASSERT_EQ(sum.size(), MaxTextLength);
    Translate(sum);
    EXPECT_EQ(OperatorNodeCount, 127);
    EXPECT_EQ(Evaluate(1.5), 128 * 1.5);
    ReleaseFormula();
    EXPECT_EQ(OperatorNodeCount, 0);

    std::string nested = "x";
    for (int i = 0; i < 63; ++i)
        nested = "tg(" + nested + ")";
    Translate(nested);
    EXPECT_EQ(FunctionNodeCount, 63);
    double oracle = 0.1;
    for (int i = 0; i < 63; ++i)
        oracle = std::tan(oracle);
    EXPECT_NEAR(Evaluate(0.1), oracle, 1e-13);
    ReleaseFormula();
    EXPECT_EQ(FunctionNodeCount, 0);
}

// ---------------------------------------------------------------- evaluation

TEST(Evaluate, GivesTheValuesOfTheGrammar) {
    struct Row {
        const char* text;
        double x;
        double expected;
        double ulps; // 0: exact
    };
    const Row rows[] = {
        {"1-2+3", 0, 2, 0},
        {"8/2/2", 0, 2, 0},
        {"2^3^2", 0, 64, 0},
        {"2+3*4", 0, 14, 0},
        {"2*3^2", 0, 18, 0},
        {"0^0", 0, 1, 0},
        {"0^2", 0, 0, 0},
        {"(-2)^3", 0, -8, 0},
        {"2^(-2)", 0, 0.25, 0},
        {"2^(-1)", 0, 0.5, 0},
        {"4^0.5", 0, 2, 1},
        {"tg(0)", 0, 0, 0},
        {"ln(1)", 0, 0, 0},
        {"x/0", 5, 0, 0},
        {"x/0", -3, 0, 0},
        {"x/(0-0)", 1, 0, 0},
        {"1/(x-x)", 2, 0, 0},
        {"1/(x-x)", -1e300, 0, 0},
        {"sin(x)", 1e19, 0, 0},
        {"cos(x)", 1e19, 0, 0},
        {"sin(x)", -1e19, 0, 0},
        {"cos(x)", 0x1p63, 0, 0},
        {"tg(x)", 1e19, 0, 0},
        {"x", 3.5, 3.5, 0},
        {"-3+x", 1, -2, 0},
        {"x-(-3)", 1, 4, 0},
        {"(-2)^(-3)", 0, -0.125, 0},
        {"x^2-x", 3, 6, 0},
        {"x*x*x", -2, -8, 0},
        {"10^(-400)", 0, 0, 0},
        {"x*x", 1e-200, 0, 0},
        {"(-1)^2147483647", 0, -1, 0},
        {"sin(x)", 1, std::sin(1.0), 1},
        {"cos(x)", 2, std::cos(2.0), 1},
        {"tg(x)", 1, std::tan(1.0), 1},
        {"ln(x)", 10, std::log(10.0), 1},
        {"sin(x)", 1e18, std::sin(1e18), 1},
        {"x^1.5", 2, std::pow(2.0, 1.5), 1},
        {"3^40", 0, static_cast<double>(12157665459056928801.0L), 0},
        {"x/3", 1, 1.0 / 3, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.text) + " at x = " + std::to_string(row.x));
        Translate(row.text);
        EXPECT_NEAR(Evaluate(row.x), row.expected, row.ulps * Epsilon * std::fabs(row.expected));
    }
}

TEST(Evaluate, SineSquaredPlusCosineSquaredIsOne) {
    Translate("sin(x)^2+cos(x)^2");
    for (double x : {-3.0, -0.5, 0.0, 0.7, 2.0, 100.0, 1e6}) {
        SCOPED_TRACE(x);
        EXPECT_NEAR(Evaluate(x), 1.0, 4 * Epsilon);
    }
}

TEST(Evaluate, TheAnalysisTextsAgreeWithTheFormulasInCpp) {
    struct Row {
        const char* text;
        double (*formula)(double);
        int operatorNodes, functionNodes;
    };
    const Row rows[] = {
        {SineText, [](double x) { return std::sin(8 * x); }, 1, 1},
        {BeatsText, [](double x) { return std::cos(18 * x) + 0.5 * std::cos(14 * x); }, 4, 2},
        {ModulationText, Modulation, 5, 2},
    };
    const double a = -std::numbers::pi, d = 2 * std::numbers::pi / 512;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        Translate(row.text);
        for (int i = 0; i < 512; ++i) {
            const double x = a + i * d;
            ASSERT_NEAR(Evaluate(x), row.formula(x), 1e-14) << "sample " << i;
        }
        EXPECT_EQ(OperatorNodeCount, row.operatorNodes);
        EXPECT_EQ(FunctionNodeCount, row.functionNodes);
        ReleaseFormula();
        EXPECT_EQ(OperatorNodeCount, 0);
        EXPECT_EQ(FunctionNodeCount, 0);
    }
}

TEST(Evaluate, NestedFormulaAtZeroIsOnePointThreeAndRepeatsExactly) {
    Translate(ModulationText);
    EXPECT_NEAR(Evaluate(0), 1.3, Epsilon);
    for (double x : {-1.0, 0.25, 3.0}) {
        const double first = Evaluate(x);
        const double second = Evaluate(x);
        EXPECT_EQ(std::memcmp(&first, &second, sizeof first), 0) << x;
    }
}

// ---------------------------------------------------------------- arithmetic rules

TEST(ApplyOperation, PowerRulesInTheirOrder) {
    struct Row {
        const char* name;
        double a, b, expected, ulps;
    };
    const Row rows[] = {
        {"zero exponent, zero base", 0, 0, 1, 0},
        {"zero exponent, negative zero", -3, -0.0, 1, 0},
        {"zero base, positive exponent", 0, 2, 0, 0},
        {"zero base, fractional exponent", 0, 0.5, 0, 0},
        {"zero base, huge exponent", 0, 1e300, 0, 0},
        {"integer exponent: negative base, odd exponent", -2, 3, -8, 0},
        {"integer exponent: negative base, negative exponent", -2, -3, -0.125, 0},
        {"integer exponent: exact in extended precision", 3, 40,
         static_cast<double>(12157665459056928801.0L), 0},
        {"integer exponent: largest exponent", -1, 2147483647, -1, 0},
        {"integer exponent: underflow is silent", 0.5, 2147483647, 0, 0},
        {"integer exponent: smallest denormal", 2, -1074, std::ldexp(1.0, -1074), 0},
        {"integer exponent: power beyond long double inverts to 0", 1e300, -100, 0, 0},
        {"integer exponent: negative exponent, inexact power", 1.5, -7, 1 / std::pow(1.5, 7), 1},
        {"fractional exponent: square root", 4, 0.5, 2, 1},
        {"fractional exponent: fractional exponent", 2, 1.5, std::pow(2.0, 1.5), 1},
        {"fractional exponent: exponent beyond 2^31", 1, 1e10, 1, 0},
        {"fractional exponent: negative fractional exponent", 10, -0.5, 1 / std::sqrt(10.0), 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_NEAR(ApplyOperation(opPower, row.a, row.b), row.expected,
                    row.ulps * Epsilon * std::fabs(row.expected));
    }
}

TEST(ApplyOperation, RaisesTheFloatingPointErrors) {
    struct Row {
        const char* name;
        TOperation operation;
        double a, b;
        TFloatError error;
    };
    const Row rows[] = {
        {"ln of negative", opLn, -1, 0, feInvalidOperation},
        {"ln of 0", opLn, 0, 0, feDivisionByZero},
        {"ln of -0", opLn, -0.0, 0, feDivisionByZero},
        {"integer exponent: 0 to a negative integer", opPower, 0, -1, feDivisionByZero},
        {"fractional exponent: 0 to a negative fraction", opPower, 0, -0.5, feDivisionByZero},
        {"fractional exponent: 0 to a negative integer beyond 2^31", opPower, 0, -2147483648.0,
         feDivisionByZero},
        {"fractional exponent: negative base, fraction", opPower, -8, 1.0 / 3, feInvalidOperation},
        {"fractional exponent: negative base, integer beyond 2^31", opPower, -1, 2147483648.0,
         feInvalidOperation},
        {"integer exponent: beyond a double", opPower, 10, 400, feOverflow},
        {"integer exponent: just beyond a double", opPower, 2, 1024, feOverflow},
        {"integer exponent: inverse of an underflow", opPower, 1e-300, -100, feOverflow},
        {"fractional exponent: beyond a double", opPower, 2, 1024.5, feOverflow},
        {"fractional exponent: integer exponent beyond 2^31", opPower, 2, 2147483648.0, feOverflow},
        {"sum beyond a double", opAdd, 1e308, 1e308, feOverflow},
        {"difference beyond a double", opSubtract, -1e308, 1e308, feOverflow},
        {"product beyond a double", opMultiply, 1e200, 1e200, feOverflow},
        {"quotient beyond a double", opDivide, 1e300, 1e-300, feOverflow},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(FloatErrorOf([&] { ApplyOperation(row.operation, row.a, row.b); }), row.error);
    }
}

TEST(ApplyOperation, DivisionByZeroAndTheTrigonometricLimit) {
    struct Row {
        const char* name;
        TOperation operation;
        double a, b, expected;
    };
    const double belowLimit = std::nextafter(0x1p63, 0);
    const Row rows[] = {
        {"x/0", opDivide, 1, 0, 0},
        {"x/-0", opDivide, 1, -0.0, 0},
        {"0/0", opDivide, 0, 0, 0},
        {"product underflows silently", opMultiply, 1e-200, 1e-200, 0},
        {"sine at 2^63", opSin, 0x1p63, 0, 0},
        {"cosine at -2^63", opCos, -0x1p63, 0, 0},
        {"tangent at 2^63", opTg, 0x1p63, 0, 0},
        {"sine below 2^63", opSin, belowLimit, 0,
         static_cast<double>(std::sin(static_cast<long double>(belowLimit)))},
        {"cosine below 2^63", opCos, belowLimit, 0,
         static_cast<double>(std::cos(static_cast<long double>(belowLimit)))},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ApplyOperation(row.operation, row.a, row.b), row.expected);
    }
    EXPECT_NE(ApplyOperation(opSin, belowLimit, 0), 0.0);
}

// Sine and cosine are the long double library functions rounded to a double, bit for bit,
// however the translator gets there: on the grid a formula is sampled on, at multiples of
// 2^-k, next to multiples of pi/2 (where the remainder nearly cancels), on both sides of
// 2^20 and at random.
TEST(ApplyOperation, SineAndCosineAreTheLongDoubleFunctionsRounded) {
    std::vector<double> arguments;
    for (int multiple = 1; multiple <= 32; ++multiple)
        for (int j = 0; j < 512; ++j) {
            const long double x = -std::numbers::pi + j * (2 * std::numbers::pi / 512);
            arguments.push_back(multiple * static_cast<double>(x));
        }
    for (int quarter = -40000; quarter <= 40000; quarter += 7) {
        const double near = static_cast<double>(quarter * (std::numbers::pi_v<long double> / 2));
        for (double step : {-2.0, -1.0, 0.0, 1.0, 2.0})
            arguments.push_back(near + step * std::abs(near) * Epsilon);
    }
    for (double edge : {0x1p20, -0x1p20})
        for (double x : {std::nextafter(edge, 0.0), edge, std::nextafter(edge, 2 * edge)})
            arguments.push_back(x);
    std::mt19937_64 random(5);
    std::uniform_real_distribution<double> wide(-3e6, 3e6), narrow(-8, 8);
    for (int i = 0; i < 200000; ++i)
        arguments.push_back(i % 2 ? wide(random) : narrow(random) * std::ldexp(1.0, i % 9));
    int differing = 0;
    for (double x : arguments) {
        const long double wideX = x;
        differing += ApplyOperation(opSin, x, 0) != static_cast<double>(std::sin(wideX));
        differing += ApplyOperation(opCos, x, 0) != static_cast<double>(std::cos(wideX));
    }
    EXPECT_EQ(differing, 0) << "of " << 2 * arguments.size();
}

TEST(ApplyOperation, NamesMatchExactlyAndCaseSensitively) {
    const std::pair<const char*, std::optional<TOperation>> rows[] = {
        {"sin", opSin},         {"cos", opCos},        {"tg", opTg},          {"ln", opLn},
        {"^", opPower},         {"+", opAdd},          {"-", opSubtract},     {"*", opMultiply},
        {"/", opDivide},        {"Sin", std::nullopt}, {"tan", std::nullopt}, {"", std::nullopt},
        {"sin ", std::nullopt},
    };
    for (const auto& [name, operation] : rows) {
        SCOPED_TRACE(name);
        EXPECT_EQ(OperationByName(name), operation);
    }
}

// ---------------------------------------------------------------- errors through the interface

TEST(FloatingPointErrors, CarryTheirExactMessages) {
    struct Row {
        const char* text;
        double x;
        const char* message;
    };
    const Row rows[] = {
        {"ln(0)", 0, "Floating point division by zero"},
        {"ln(x)", 0, "Floating point division by zero"},
        {"0^(-1)", 0, "Floating point division by zero"},
        {"x^(-2)", 0, "Floating point division by zero"},
        {"0^(-0.5)", 0, "Floating point division by zero"},
        {"ln(0-1)", 0, "Invalid floating point operation"},
        {"(-8)^(1/3)", 0, "Invalid floating point operation"},
        {"x^0.5", -1, "Invalid floating point operation"},
        {"10^400", 0, "Floating point overflow"},
        {"x*x", 1e200, "Floating point overflow"},
        {"x+x", 1e308, "Floating point overflow"},
        {"x^(-2)", 1e-200, "Floating point overflow"},
        {"x+1", std::numeric_limits<double>::quiet_NaN(), "Invalid floating point operation"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        Translate(row.text);
        EXPECT_EQ(ErrorOf([&] { Evaluate(row.x); }), row.message);
    }
}

TEST(FloatingPointErrors, NumbersBeyondADoubleOverflowWhileTranslating) {
    for (const char* text :
         {"1e400", "-1e400", "x*1e400", "1e400*x", "sin(1e400)", "x+(1e400)", "2^(1e999)"}) {
        SCOPED_TRACE(text);
        Translate(ModulationText);
        const TPoolsCopy tree;
        EXPECT_EQ(FloatErrorOf([&] { Translate(text); }), feOverflow);
        EXPECT_EQ(ErrorOf([&] { Translate(text); }), "Floating point overflow");
        // The failed text leaves the previous formula as it was.
        EXPECT_TRUE(PoolsUnchanged(tree));
        EXPECT_FALSE(FormulaIsConstant);
        EXPECT_NEAR(Evaluate(0.4), Modulation(0.4), 1e-15);
    }
}

TEST(FloatingPointErrors, TheFormulaStaysUsableAfterAnError) {
    Translate("ln(x)");
    const TPoolsCopy tree;
    EXPECT_EQ(FloatErrorOf([] { Evaluate(-1); }), feInvalidOperation);
    EXPECT_TRUE(PoolsUnchanged(tree));
    EXPECT_EQ(Evaluate(1), 0.0);
    EXPECT_NEAR(Evaluate(std::numbers::e), 1.0, Epsilon);
    ReleaseFormula();
    EXPECT_EQ(FunctionNodeCount, 0);
    Translate("x+1");
    EXPECT_EQ(Evaluate(1), 2.0);
}

// ---------------------------------------------------------------- texts outside the grammar

TEST(RejectedTexts, NameTheProblemAndTheCharacterAndKeepThePreviousFormula) {
    struct Row {
        std::string text;
        std::size_t position;
    };
    const Row rows[] = {
        {"-x", 1},         {"x*", 2},
        {"2*-3", 2},       {"-3*x", 1},
        {"X", 1},          {"Sin(x)", 1},
        {"sin(X)", 5},     {"exp(x)", 1},
        {"((x))", 1},      {"sin((x))", 5},
        {"((x))*2", 2},    {"sin(x)*((x))", 9},
        {"(x+1)", 1},      {"(x)", 1},
        {"(2)", 1},        {"x +1", 2},
        {" x", 1},         {"sin (x)", 4},
        {"5 ", 2},         {"x+1 ", 4},
        {"", 1},           {std::string(256, '1'), 256},
        {"sin(x", 4},      {"x)", 2},
        {")x(", 1},        {"2*(3", 3},
        {"x+1e-3", 3},     {"2x", 1},
        {"2(x)", 1},       {"x(2)", 2},
        {"(x)2", 4},       {"sin(x)cos(x)", 7},
        {"sinx", 1},       {"sin", 4},
        {"sin2", 4},       {"sin()", 5},
        {"()*2", 1},       {"x^", 2},
        {"1,5", 1},        {"#", 1},
        {"x+\xd1\x85", 3}, {"x\t+1", 2},
        {"x+1\n", 3},      {"+", 1},
        {"++++", 4},       {"pi", 1},
        {"sin(x)+", 7},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("«" + row.text + "»");
        Translate(ModulationText);
        const TPoolsCopy tree;
        try {
            Translate(row.text);
            ADD_FAILURE() << "accepted";
        } catch (const FormulaSyntaxError& e) {
            EXPECT_EQ(e.Position(), row.position) << e.what();
            const std::string message = e.what();
            EXPECT_EQ(
                message.find("Ошибка в формуле (символ " + std::to_string(row.position) + "): "),
                0u)
                << message;
            EXPECT_FALSE(e.Problem().empty());
        }
        EXPECT_TRUE(PoolsUnchanged(tree));
        EXPECT_FALSE(FormulaIsConstant);
        EXPECT_FALSE(FormulaIsX);
        EXPECT_NEAR(Evaluate(0), 1.3, Epsilon);
        ReleaseFormula();
        EXPECT_EQ(OperatorNodeCount, 0);
        EXPECT_EQ(FunctionNodeCount, 0);
    }
}

TEST(RejectedTexts, SayWhatIsWrong) {
    const std::pair<const char*, const char*> rows[] = {
        {"-x", "нет операнда перед «-»"},
        {"x*", "нет операнда после «*»"},
        {"Sin(x)", "неизвестное имя «Sin»"},
        {"((x))*2", "лишние скобки"},
        {"x +1", "пробел допустим только перед числом"},
        {"", "формула пуста"},
        {"sin(x", "нет пары для «(»"},
        {"x)", "нет пары для «)»"},
        {"x(2)", "пропущен знак операции"},
        {"2x", "неверная запись числа"},
        {"sin()", "нет аргумента у «sin»"},
        {"sin2", "после «sin» нужна «(»"},
        {"()*2", "пустые скобки"},
        {"#", "недопустимый символ «#»"},
        // Printable ASCII, from '!' to '~', is quoted; DEL, just past it, is named by its code.
        {"!", "недопустимый символ «!»"},
        {"~", "недопустимый символ «~»"},
        {"\x7f", "недопустимый символ с кодом 127"},
    };
    for (const auto& [text, problem] : rows) {
        SCOPED_TRACE(text);
        try {
            Translate(text);
            ADD_FAILURE() << "accepted";
        } catch (const FormulaSyntaxError& e) {
            EXPECT_EQ(e.Problem(), problem);
        }
    }
}

TEST(RejectedTexts, TooLongIsRejectedEvenWhenOtherwiseValid) {
    std::string sum = "x";
    while (sum.size() <= MaxTextLength)
        sum += "+x";
    try {
        Translate(sum);
        ADD_FAILURE() << "accepted";
    } catch (const FormulaSyntaxError& e) {
        EXPECT_EQ(e.Position(), MaxTextLength + 1);
    }
}

// ---------------------------------------------------------------- before any translation

TEST(FreshTranslator, EvaluateAndReleaseBeforeAnyTranslateAreSafe) {
    // A fresh process: the module state is still as at program start.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            const double value = Evaluate(1.5);
            ReleaseFormula();
            std::exit(value == 0 && FunctionNodeCount == 0 && OperatorNodeCount == 0 ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

} // namespace
