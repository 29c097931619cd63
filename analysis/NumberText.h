#pragma once
// Numbers as text: the way the window writes them into and reads them from its edits, and
// the way the lab writes them for a reader.
#include <string>
#include <string_view>

namespace Fourier {

// The general floating-point format: the shortest text with at most `precision`
// significant digits, trailing zeros dropped, with the given decimal separator;
// scientific ("1.5E+020", at least three exponent digits) only where needed.
std::string FormatGeneral(double value, int precision, std::string_view decimalSeparator);

// Below this share of the largest value shown beside it, a value is rounding noise: a double
// holds about 16 significant digits, and the 512-point transform and the sums behind the
// numbers the lab shows lose up to three or four of them. The largest value of the same
// table or plot is the scale because the noise of a sum comes from its biggest terms, not
// from the small result.
inline constexpr double RoundingShare = 1e-12;

// A number written for a reader: at most `digits` significant digits, trailing zeros
// dropped, the given decimal separator and a real minus sign (U+2212); where a power of ten
// is needed "1,5·10⁻⁵" (or "10⁻⁵" for a mantissa of 1), never "1.5E-005". A value within
// rounding of zero next to `scale` (|value| <= scale · RoundingShare), and −0, read "0";
// NaN reads "—" (nothing to show), the infinities "∞" and "−∞".
std::string ReadableNumber(double value, int digits, std::string_view decimalSeparator,
                           double scale = 0.0);

// Every "," replaced by ".", so the translator and ReadEditNumber can read it.
std::string WithDecimalPoint(std::string text);

// A decimal number by the formula translator's number rules. Text that does not convert
// reads as the digits met before the first misfit, taken as a whole number (0 if none).
double ReadEditNumber(const std::string& text);

} // namespace Fourier
