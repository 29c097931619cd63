#pragma once
#include <optional>
#include <string_view>

namespace Translator {

// Reads the whole text as a decimal number: leading blanks, an optional sign, a mantissa
// (digits, optionally "." and digits; either part or both may be empty) and an optional
// exponent ("E" or "e", optional sign, at least one digit), nothing after. So "5.",
// ".", "E5" convert; "", " ", "-", "5 ", "5e", "1,5" do not.
// Digits and scaling are carried in long double; the result is stored as a double.
// Meant for texts of at most 255 characters, as Translate passes them.
// Throws FloatingPointError(feOverflow) when it lies beyond the range of a double;
// a value too small becomes 0 or denormal silently.
std::optional<double> ConvertNumber(std::string_view text);

} // namespace Translator
