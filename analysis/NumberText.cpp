#include "NumberText.h"

#include "DecimalText.h"
#include "NumberConversion.h"

#include <algorithm>
#include <charconv>
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
