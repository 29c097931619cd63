#pragma once
// The digits of a number as Unicode subscripts (S₁₅, a₃) or superscripts (10⁻³), for texts
// that cannot hold markup: UTF-8.
#include <string>

namespace Fourier {

inline std::string Subscript(int n) {
    std::string text;
    for (const char c : std::to_string(n)) {
        if (c >= '0' && c <= '9') {
            text += "\xE2\x82"; // U+2080..U+2089
            text += static_cast<char>(0x80 + (c - '0'));
        } else {
            text += c;
        }
    }
    return text;
}

// Superscript digits and minus: ¹, ² and ³ sit in Latin-1, the others from U+2070 on.
inline std::string Superscript(int n) {
    static const char* const digits[] = {"\u2070", "\u00B9", "\u00B2", "\u00B3", "\u2074",
                                         "\u2075", "\u2076", "\u2077", "\u2078", "\u2079"};
    std::string text;
    for (const char c : std::to_string(n))
        text += c == '-' ? "\u207B" : digits[c - '0'];
    return text;
}

} // namespace Fourier
