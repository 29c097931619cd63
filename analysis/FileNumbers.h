#pragma once
// What the «.fourier» readers and writers share (saved signals and lessons): numbers in the
// shortest form that reads back to the same double, read only when finite and within
// LargestSavedValue, fields split at single spaces, and pieces of a file quoted safely in
// messages. Used by SavedWork.cpp and Lesson.cpp only.
#include "SavedWork.h"
#include "Wording.h"

#include <charconv>
#include <cmath>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace Fourier::FileText {

inline std::string AtLine(int number) {
    return Filled(Wording("SavedWork", "Строка %1: "), {std::to_string(number)});
}

// A piece of the file quoted in a message: short, and only printable ASCII, so that a
// binary file cannot spoil the message.
inline std::string Quoted(std::string_view piece) {
    constexpr std::size_t Longest = 24;
    std::string quoted;
    for (const char c : piece.substr(0, Longest))
        quoted += c >= 0x20 && c < 0x7f ? c : '?';
    if (piece.size() > Longest) quoted += "…";
    return Filled(Wording("SavedWork", "«%1»"), {quoted});
}

// The pieces between single spaces; two spaces in a row give an empty piece.
inline std::vector<std::string_view> Fields(std::string_view text) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t space = text.find(' ', start);
        fields.push_back(text.substr(start, space - start));
        if (space == std::string_view::npos) return fields;
        start = space + 1;
    }
}

inline std::string BeyondTheBound() {
    return Wording("SavedWork", "больше миллиона по модулю: с такими значениями программа не может "
                                "сосчитать энергию и среднеквадратичную ошибку");
}

// The number in field; otherwise throws TError with a message that starts with where
// (e.g. "Строка 5: ").
template <class TError> double ReadNumber(std::string_view field, const std::string& where) {
    if (field.empty())
        throw TError(where + Wording("SavedWork", "пусто там, где должно быть число"));
    double value = 0.0;
    const char* const end = field.data() + field.size();
    const auto [stop, error] = std::from_chars(field.data(), end, value);
    if (error == std::errc::result_out_of_range)
        throw TError(where + Filled(Wording("SavedWork", "число %1 не помещается в double"),
                                    {Quoted(field)}));
    if (error != std::errc{} || stop != end)
        throw TError(where + Filled(Wording("SavedWork", "%1 — не число"), {Quoted(field)}));
    if (!std::isfinite(value))
        throw TError(where +
                     Filled(Wording("SavedWork", "%1 — не конечное число"), {Quoted(field)}));
    if (std::fabs(value) > LargestSavedValue)
        throw TError(
            where + Filled(Wording("SavedWork", "число %1 %2"), {Quoted(field), BeyondTheBound()}));
    return value;
}

inline void AppendNumber(std::string& text, double value) {
    char buffer[32];
    const std::to_chars_result written = std::to_chars(buffer, buffer + sizeof buffer, value);
    text.append(buffer, written.ptr);
}

} // namespace Fourier::FileText
