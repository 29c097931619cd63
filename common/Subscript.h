#pragma once
// The digits of a number as Unicode subscripts (S₁₅, a₃), for texts that cannot hold markup:
// UTF-8, other characters (a minus sign) kept as they are.
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

} // namespace Fourier
