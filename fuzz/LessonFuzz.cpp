// Arbitrary bytes as a lesson file, both on their own and in place of (or before) one line
// of a good lesson, so that every key's reader is reached with short inputs. The reader
// must throw nothing but its own error, and whatever it accepts must be written back to a
// text that reads as the same lesson and is written again unchanged (which also keeps the
// sign of a zero).
#include "Lesson.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace Fourier;

void Check(std::string_view text) {
    TLesson lesson;
    try {
        lesson = ParseLesson(text);
    } catch (const TLessonError&) {
        return;
    }
    const std::string written = FormatLesson(lesson);
    const TLesson back = ParseLesson(written);
    if (!(back == lesson) || FormatLesson(back) != written) std::abort();
}

// A lesson with every key written, and long lines of numbers among them.
TLesson FullLesson() {
    TLesson lesson;
    lesson.Title = "Ряд \\ прямоугольника";
    lesson.Task = "Соберите сумму.\nЧто у скачка?";
    lesson.Waveform = 3;
    lesson.Sliders[0] = 31;
    lesson.Harmonic = 7;
    lesson.Last = TLessonLast::None;
    lesson.Synthesised = lesson.LabOpen = true;
    lesson.Tab = "SoundPane";
    lesson.Formula = "sin(x)+0.5*sin(3*x)";
    lesson.Drawing.emplace();
    for (int j = 0; j < SampleCount; ++j)
        (*lesson.Drawing)[j] = j * 0.25 - 3;
    lesson.Coefficients.emplace();
    for (int k = 1; k <= EditableHarmonics; ++k)
        lesson.Coefficients->Sin[k] = 1.0 / k;
    lesson.Shown = TLessonSource::Drawing;
    lesson.Muted = {2, 4};
    lesson.Soloed = {1};
    lesson.Hidden = {"SpinEdit1", "GamePane"};
    return lesson;
}

std::vector<std::string> GoodLines(const TLesson& lesson) {
    std::vector<std::string> lines;
    const std::string text = FormatLesson(lesson);
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// The first byte picks the lesson (bit 0: the full one or a default one), whether the
// other bytes replace a line or go before it (bit 1), and the line (the rest, counted
// round the lesson's lines and one more after «end»).
std::string Spliced(uint8_t selector, std::string_view replacement) {
    static const std::vector<std::string> full = GoodLines(FullLesson());
    static const std::vector<std::string> plain = GoodLines(TLesson());
    std::vector<std::string> lines = selector & 1 ? full : plain;
    const std::size_t index = (selector >> 2) % (lines.size() + 1);
    if (index == lines.size() || (selector & 2) != 0)
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(index), std::string(replacement));
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
