#pragma once
// The formula translator: one formula in x at a time, translated into a tree of
// nodes held in two fixed pools and evaluated for any x.
//
// Grammar: decimal numbers with "." (blanks allowed only in front of a number), the
// variable "x", the operators "+" "-" (loosest), "*" "/", "^" (tightest), each level
// grouping from the left, parentheses around an operand, and the calls "sin(...)",
// "cos(...)", "tg(...)", "ln(...)". No unary sign: "-3" is a number, "-x" is not a
// formula. At most 255 characters.
//
// Errors (see TranslatorErrors.h):
// - Translate throws FormulaSyntaxError for a text outside the grammar, naming the
//   character, and FloatingPointError (overflow) for a number beyond a double.
//   A text that fails leaves the previous formula in place.
// - Evaluate throws FloatingPointError: invalid operation (logarithm of a negative
//   number), division by zero (logarithm of 0, 0 to a negative power), overflow (a
//   result beyond a double). Division by zero in "/" is not an error: it gives 0 (and is
//   counted, see ZeroDivisorsMet).
//   The formula stays usable afterwards.
#include "TranslatorErrors.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace Translator {

// Replaces the current formula by the translation of text.
void Translate(const std::string& text);

// The value of the current formula at x. Reads the formula, writes nothing but the
// current x, so it can be called any number of times. Not re-entrant.
double Evaluate(double x);

// Gives the nodes of the current formula back to their pools; both counts are 0 after.
void ReleaseFormula();

// Nodes handed out from each pool; the count is the index of the last one.
extern uint8_t FunctionNodeCount, OperatorNodeCount;
// The current formula is a constant (ConstantValue), is x, or else a tree whose
// root is operator node 1 (RootIsOperator) or function node 1.
extern bool FormulaIsConstant, FormulaIsX, RootIsOperator;
// The whole text read as a number (0 when it is none).
extern double ConstantValue;

// For callers that refuse what the arithmetic lets pass or want to say which step failed;
// neither changes a result. ZeroDivisorsMet counts the "/" met with a zero divisor (each
// gave 0) since the caller last set it to 0. FailedOperation is the name, as written in a
// formula ("ln", "^", "*", ...), of the operation whose FloatingPointError ended the last
// failed Evaluate.
extern uint32_t ZeroDivisorsMet;
extern std::string_view FailedOperation;

} // namespace Translator
