#pragma once
// Scans over formula text. All of them follow the depth rule: "(" adds one and ")"
// subtracts one before the character is looked at, and a character is top-level when
// the depth after it is 0.
#include <cstddef>
#include <string_view>

namespace Translator {

// Throws a syntax fault at the first ")" without a partner or the last "(" left open.
void CheckParentheses(std::string_view text);

// Whether any of "+-*/^" is top-level. False for the empty text.
bool HasTopLevelOperator(std::string_view text);

struct TSplitOperator {
    char Operator;
    std::size_t Position; // 1-based
};
// Of the top-level operators, those of the loosest level present, and of these the
// rightmost. Only for a text where HasTopLevelOperator holds.
TSplitOperator FindSplitOperator(std::string_view text);

// For a text beginning with "(": without its first and last characters when the first
// "(" closes at the end, else unchanged.
std::string_view StripEnclosingParens(std::string_view text);

// Index of the ")" that closes the "(" at index open (parentheses balanced).
std::size_t ClosingParen(std::string_view text, std::size_t open);

// Index of the first top-level blank, or npos.
std::size_t FirstTopLevelBlank(std::string_view text);

} // namespace Translator
