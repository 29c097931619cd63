// Translation of sub-formulas into pool nodes, with the checks that keep a text
// outside the grammar from building a wrong tree.
#include "FormulaNodes.h"
#include "FormulaText.h"
#include "NumberConversion.h"
#include "SyntaxFault.h"

#include <algorithm>
#include <string>

namespace Translator {

namespace {

// Within the grammar and 255 characters the pools cannot run out; this keeps any
// other text from taking a node beyond them.
uint8_t HandOut(uint8_t& count, std::string_view text) {
    if (count == PoolSize) Reject(text, WORDING_NOOP("Translator", "формула слишком сложна"));
    return ++count;
}

// Fills one operand slot from the text of a whole operand, argument or formula.
void Classify(std::string_view text, TOperandKind& kind, double& value, uint8_t& func,
              uint8_t& op) {
    const auto number = ConvertNumber(text);
    value = number.value_or(0.0);
    if (number) {
        kind = okNumber;
    } else if (text == "x") {
        kind = okVariable;
    } else if (HasTopLevelOperator(text)) {
        kind = okOperator;
        op = HandOut(OperatorNodeCount, text);
        OperatorNode(op).Init(text);
    } else {
        kind = okFunction;
        func = HandOut(FunctionNodeCount, text);
        FunctionNode(func).Init(text);
    }
}

// An operand may stand in one pair of parentheses.
std::string_view WithoutParens(std::string_view operand) {
    if (operand.front() != '(') return operand;
    const std::string_view inner = StripEnclosingParens(operand);
    if (inner.empty()) Reject(operand, WORDING_NOOP("Translator", "пустые скобки"));
    return inner;
}

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsPrintable(char c) {
    return c > ' ' && c <= '~';
}

// text is neither a number, nor "x", nor an operation, nor a well-formed call.
[[noreturn]] void RejectNonCall(std::string_view text, std::string_view name) {
    if (const std::size_t blank = FirstTopLevelBlank(text); blank != std::string_view::npos)
        Reject(text.substr(blank),
               WORDING_NOOP("Translator", "пробел допустим только перед числом"));
    if (text.front() == '(') {
        const std::size_t close = ClosingParen(text, 0);
        if (close + 1 == text.size()) Reject(text, WORDING_NOOP("Translator", "лишние скобки"));
        Reject(text.substr(close + 1), WORDING_NOOP("Translator", "пропущен знак операции"));
    }
    if (name == "x") Reject(text.substr(1), WORDING_NOOP("Translator", "пропущен знак операции"));
    if (!name.empty())
        Reject(text, WORDING_NOOP("Translator", "неизвестное имя «%1»"), std::string(name));
    const char c = text.front();
    if (IsDigit(c) || c == '.') Reject(text, WORDING_NOOP("Translator", "неверная запись числа"));
    if (IsPrintable(c))
        Reject(text, WORDING_NOOP("Translator", "недопустимый символ «%1»"), std::string(1, c));
    Reject(text, WORDING_NOOP("Translator", "недопустимый символ с кодом %1"),
           std::to_string(static_cast<unsigned char>(c)));
}

} // namespace

void TOperatorNode::Init(std::string_view text) {
    const auto [operatorCharacter, position] = FindSplitOperator(text);
    Op = static_cast<uint8_t>(OperatorPairs.find(operatorCharacter) + 1);
    const std::string_view sign = text.substr(position - 1, 1);
    const std::string_view left = text.substr(0, position - 1);
    const std::string_view right = text.substr(position);
    // Both sides are checked before either is built, so a run of bare operators
    // cannot hand out a node per character.
    if (left.empty())
        Reject(sign, WORDING_NOOP("Translator", "нет операнда перед «%1»"), std::string(sign));
    if (right.empty())
        Reject(sign, WORDING_NOOP("Translator", "нет операнда после «%1»"), std::string(sign));
    Classify(WithoutParens(left), LeftKind, LeftValue, LeftFunc, LeftOp);
    Classify(WithoutParens(right), RightKind, RightValue, RightFunc, RightOp);
}

void TFunctionNode::Init(std::string_view text) {
    if (text.empty()) Reject(text, WORDING_NOOP("Translator", "нет операнда"));
    const std::string_view name =
        text.substr(0, std::ranges::find_if_not(text, IsLetter) - text.begin());
    const auto known = std::ranges::find(FunctionNames, name);
    if (known == FunctionNames.end() || FirstTopLevelBlank(text) != std::string_view::npos)
        RejectNonCall(text, name);
    Func = static_cast<uint8_t>(known - FunctionNames.begin() + 1);

    const std::size_t open = name.size();
    if (open == text.size() || text[open] != '(')
        Reject(text.substr(open), WORDING_NOOP("Translator", "после «%1» нужна «(»"),
               std::string(name));
    const std::size_t close = ClosingParen(text, open);
    if (close + 1 != text.size())
        Reject(text.substr(close + 1), WORDING_NOOP("Translator", "пропущен знак операции"));
    const std::string_view argument = text.substr(open + 1, close - open - 1);
    if (argument.empty())
        Reject(text.substr(close), WORDING_NOOP("Translator", "нет аргумента у «%1»"),
               std::string(name));
    Classify(argument, ArgKind, ArgValue, ArgFunc, ArgOp);
}

} // namespace Translator
