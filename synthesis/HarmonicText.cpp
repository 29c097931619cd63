#include "HarmonicText.h"

#include <cstdint>
#include <vector>

namespace {

// Byte offsets at which each character of a UTF-8 text starts, plus the end.
std::vector<std::size_t> CharacterStarts(const std::string& text) {
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) starts.push_back(i);
    starts.push_back(text.size());
    return starts;
}

} // namespace

bool IsIntegerText(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == text.size()) return false;
    int64_t magnitude = 0;
    const int64_t limit = negative ? int64_t{1} << 31 : (int64_t{1} << 31) - 1;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > limit) return false;
    }
    return true;
}

std::string CleanHarmonicText(std::string text) {
    if (text.size() >= 2 && text[0] == '0') text.erase(text.begin());
    if (!text.empty() && !IsIntegerText(text)) {
        const std::vector<std::size_t> starts = CharacterStarts(text);
        const std::size_t characters = starts.size() - 1;
        std::size_t p = characters; // 1-based: the first prefix that is not an integer
        for (std::size_t n = 1; n <= characters; ++n) {
            if (!IsIntegerText(text.substr(0, starts[n]))) {
                p = n;
                break;
            }
        }
        text.erase(starts[p - 1], starts[p] - starts[p - 1]);
        if (text.empty()) text.assign(1, '0');
    }
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) text.erase(text.begin());
    return text;
}
