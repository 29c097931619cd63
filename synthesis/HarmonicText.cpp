#include "HarmonicText.h"

#include "DecimalText.h"
#include "Utf8.h"

namespace Fourier {

bool IsIntegerText(const std::string& text) {
    return ReadDecimalInteger(text).has_value();
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

} // namespace Fourier
