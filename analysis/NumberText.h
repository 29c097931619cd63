#pragma once
// Numbers as text, the way the window writes them into and reads them from its edits.
#include <string>
#include <string_view>

namespace Fourier {

// The general floating-point format: the shortest text with at most `precision`
// significant digits, trailing zeros dropped, with the given decimal separator;
// scientific ("1.5E+020", at least three exponent digits) only where needed.
std::string FormatGeneral(double value, int precision, std::string_view decimalSeparator);

// Every "," replaced by ".", so the translator and ReadEditNumber can read it.
std::string WithDecimalPoint(std::string text);

// A decimal number by the formula translator's number rules. Text that does not convert
// reads as the digits met before the first misfit, taken as a whole number (0 if none).
double ReadEditNumber(const std::string& text);

} // namespace Fourier
