#pragma once
// Walking UTF-8 text by characters: a character starts at every byte that is not a
// continuation byte (10xxxxxx).
#include <cstddef>
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

} // namespace Fourier
