#include "NumberText.h"

#include "DecimalText.h"
#include "NumberConversion.h"
#include "Subscript.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

namespace Fourier {
namespace {

// "1.5e+20" -> "1.5E+020": the classic general format writes at least three exponent digits.
std::string WidenExponent(std::string text) {
    const auto e = text.find('e');
    if (e == std::string::npos) return text;
    text[e] = 'E';
    const std::size_t digits = text.size() - (e + 2);
    if (digits < 3) text.insert(e + 2, 3 - digits, '0');
    return text;
}

// The digits met before the first character that does not fit a number: leading
// blanks, sign, digits, ".", digits, exponent mark, sign, digits.
std::string DigitsBeforeMisfit(std::string_view text) {
    std::string digits;
    std::size_t i = 0;
    auto takeDigits = [&] {
        while (i < text.size() && IsDigit(text[i]))
            digits += text[i++];
    };
    while (i < text.size() && text[i] == ' ')
        ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    takeDigits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        takeDigits();
    }
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        takeDigits();
    }
    return digits;
}

} // namespace

std::string FormatGeneral(double value, int precision, std::string_view decimalSeparator) {
    if (value == 0.0) return "0"; // negative zero too
    char buffer[64];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, precision);
    if (error != std::errc()) return "0";
    std::string text = WidenExponent(std::string(buffer, end));
    const auto point = text.find('.');
    if (point != std::string::npos) text.replace(point, 1, decimalSeparator);
    return text;
}

std::string ReadableNumber(double value, int digits, std::string_view decimalSeparator,
                           double scale) {
    constexpr const char* Minus = "\u2212";
    if (std::isnan(value)) return "\u2014";
    if (std::isinf(value)) return value > 0 ? "\u221E" : std::string(Minus) + "\u221E";
    const double noise = std::isfinite(scale) ? std::abs(scale) * RoundingShare : 0.0;
    if (std::abs(value) <= noise || value == 0.0) return "0";
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, std::abs(value),
                                            std::chars_format::general, std::clamp(digits, 1, 17));
    if (error != std::errc()) return "0";
    const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    const auto e = text.find('e');
    std::string mantissa(text.substr(0, e));
    if (const auto point = mantissa.find('.'); point != std::string::npos)
        mantissa.replace(point, 1, decimalSeparator);
    std::string written = value < 0 ? Minus : "";
    if (e == std::string_view::npos) return written + mantissa;
    int exponent = 0;
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(),
                    exponent);
    if (mantissa != "1") written += mantissa + "\u00B7";
    return written + "10" + Superscript(exponent);
}

std::string WithDecimalPoint(std::string text) {
    std::replace(text.begin(), text.end(), ',', '.');
    return text;
}

double ReadEditNumber(const std::string& text) {
    if (const auto value = Translator::ConvertNumber(text)) return *value;
    double whole = 0.0;
    for (char digit : DigitsBeforeMisfit(text))
        whole = whole * 10.0 + (digit - '0');
    return whole;
}

} // namespace Fourier
