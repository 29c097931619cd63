// Arbitrary bytes as a saved-work file, both on their own and in place of one line of a
// good file (so that damage deep inside a long file is reached with short inputs). The
// reader must throw nothing but its own error, and whatever it accepts must be written
// back to a text that reads as the same values, bit for bit.
#include "SavedWork.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace Fourier;

bool SameBits(double a, double b) {
    return std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b);
}

bool SameBits(const TSavedWork& a, const TSavedWork& b) {
    if (a.index() != b.index()) return false;
    if (const auto* samples = std::get_if<TSamples>(&a)) {
        for (int j = 0; j < SampleCount; ++j)
            if (!SameBits((*samples)[j], std::get<TSamples>(b)[j])) return false;
        return true;
    }
    const auto& first = std::get<TCoefficients>(a);
    const auto& second = std::get<TCoefficients>(b);
    for (int k = 0; k <= EditableHarmonics; ++k)
        if (!SameBits(first.Cos[k], second.Cos[k]) || !SameBits(first.Sin[k], second.Sin[k]))
            return false;
    return true;
}

void Check(std::string_view text) {
    TSavedWork work;
    try {
        work = ParseSavedWork(text);
    } catch (const TSavedWorkError&) {
        return;
    }
    if (!SameBits(work, ParseSavedWork(FormatSavedWork(work)))) std::abort();
}

std::vector<std::string> GoodLines(const TSavedWork& work) {
    std::vector<std::string> lines;
    const std::string text = FormatSavedWork(work);
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

TSavedWork GoodSamples() {
    TSamples samples;
    for (int j = 0; j < SampleCount; ++j)
        samples[j] = j * 0.25 - 3;
    return samples;
}

TSavedWork GoodCoefficients() {
    TCoefficients coefficients;
    for (int k = 0; k <= EditableHarmonics; ++k) {
        coefficients.Cos[k] = 1.0 / (k + 1);
        coefficients.Sin[k] = k == 0 ? 0.0 : -k * 1e-3;
    }
    return coefficients;
}

// The first byte picks the file (its low bit) and the line (the rest: from the top for
// 0..63, else counted from the end, 64 meaning a new line after the last); the other
// bytes take that line's place.
std::string Spliced(uint8_t selector, std::string_view replacement) {
    static const std::vector<std::string> samples = GoodLines(GoodSamples());
    static const std::vector<std::string> coefficients = GoodLines(GoodCoefficients());
    std::vector<std::string> lines = selector & 1 ? samples : coefficients;
    const int chosen = selector >> 1;
    const int count = static_cast<int>(lines.size());
    const int index = std::clamp(chosen < 64 ? chosen : count - (chosen - 64), 0, count);
    if (index >= count)
        lines.emplace_back(replacement);
    else
        lines[index] = std::string(replacement);
    std::string text;
    for (const std::string& line : lines)
        text.append(line).append("\n");
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Check(bytes);
    if (size > 0) Check(Spliced(data[0], bytes.substr(1)));
    return 0;
}
