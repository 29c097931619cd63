#pragma once
// Decimal integers as the program reads them everywhere: the harmonic field, the
// configuration file and the window's number texts.
#include <cstdint>
#include <optional>
#include <string_view>

namespace Fourier {

constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Leading blanks, an optional sign, then one or more digits and nothing else, within the
// int32 range; anything else is no number.
constexpr std::optional<int32_t> ReadDecimalInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == text.size()) return std::nullopt;
    const int64_t limit = negative ? int64_t{INT32_MAX} + 1 : int64_t{INT32_MAX};
    int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        if (!IsDigit(text[i])) return std::nullopt;
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > limit) return std::nullopt;
    }
    return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

} // namespace Fourier
