#pragma once
// Walking UTF-8 text by characters: a character starts at every byte that is not a
// continuation byte (10xxxxxx). And the characters as code points, and back.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace Fourier {

constexpr bool StartsCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

inline std::size_t CharacterCount(std::string_view text) {
    std::size_t count = 0;
    for (char byte : text)
        count += StartsCharacter(byte);
    return count;
}

// The byte offset of each character's start, followed by the text's length.
inline std::vector<std::size_t> CharacterStarts(std::string_view text) {
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (StartsCharacter(text[i])) starts.push_back(i);
    starts.push_back(text.size());
    return starts;
}

// Stands for a byte that starts no whole character.
inline constexpr char32_t Undecodable = 0xFFFFFFFF;

// The code points of the text; a broken sequence is one Undecodable character.
inline std::vector<char32_t> DecodeUtf8(std::string_view text) {
    std::vector<char32_t> codes;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80         ? 1
                           : (lead >> 5) == 6  ? 2
                           : (lead >> 4) == 14 ? 3
                           : (lead >> 3) == 30 ? 4
                                               : 0;
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        bool whole = length > 0 && i + length <= text.size();
        for (int k = 1; whole && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            whole = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        // A broken sequence is one character, so the positions after it stay right.
        codes.push_back(whole ? code : Undecodable);
        i += whole ? length : 1;
    }
    return codes;
}

inline void AppendUtf8(std::string& text, char32_t code) {
    if (code < 0x80) {
        text += static_cast<char>(code);
    } else if (code < 0x800) {
        text += static_cast<char>(0xC0 | (code >> 6));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        text += static_cast<char>(0xE0 | (code >> 12));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (code >> 18));
        text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    }
}

} // namespace Fourier
