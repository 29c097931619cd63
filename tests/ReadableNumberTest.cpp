// Numbers as a reader writes them, in a comma and a point locale, and the value a dragged
// track bar sets, by the rules the help states.
#include "AxisTicks.h"
#include "NumberText.h"
#include "Waveforms.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace Fourier;

namespace {

TEST(ReadableNumber, WritesWhatAReaderWritesInEitherLocale) {
    constexpr double NaN = std::numeric_limits<double>::quiet_NaN(), Inf = HUGE_VAL;
    // Value, the largest value beside it, digits, text with "." for the separator. Noise is
    // what lies within 10⁻¹² of that largest value.
    const struct {
        double value, scale;
        int digits;
        std::string text;
    } rows[] = {
        {1, 0, 5, "1"},
        {0.1, 0, 5, "0.1"},
        {0.0001, 0, 5, "0.0001"},
        {1e-5, 0, 5, "10⁻⁵"},
        {1.5e-5, 0, 5, "1.5·10⁻⁵"},
        {-2.5, 0, 5, "−2.5"},
        {-0.0, 0, 5, "0"},
        {12345, 0, 5, "12345"},
        {123456.7, 0, 5, "1.2346·10⁵"},
        {1e300, 0, 5, "10³⁰⁰"},
        {NaN, 1, 5, "—"},
        {-Inf, 0, 5, "−∞"},
        {-1.23456789e-7, 1, 6, "−1.23457·10⁻⁷"},
        {7.47705e-31, 100, 6, "0"},
        {-0.9e-10, 100, 5, "0"},
        {-1.1e-10, 100, 5, "−1.1·10⁻¹⁰"},
        {1e-12, Inf, 5, "10⁻¹²"}, // an infinite scale zeroes nothing
    };
    for (const std::string separator : {",", "."})
        for (auto row : rows) {
            if (const auto point = row.text.find('.'); point != std::string::npos)
                row.text.replace(point, 1, separator);
            EXPECT_EQ(ReadableNumber(row.value, row.digits, separator, row.scale), row.text)
                << row.value << " next to " << row.scale;
        }
    // Log ticks: powers of ten also a few ulps off, anything else a plain number.
    const std::pair<double, const char*> ticks[] = {{1, "10⁰"},
                                                    {0.1, "10⁻¹"},
                                                    {0.01, "10⁻²"},
                                                    {0.1 * 0.1 * 0.1, "10⁻³"},
                                                    {1000, "10³"},
                                                    {1e-10, "10⁻¹⁰"},
                                                    {std::nextafter(1e-5, 0.0), "10⁻⁵"},
                                                    {0.002, "0,002"},
                                                    {0.3, "0,3"}};
    for (const auto& [value, text] : ticks)
        EXPECT_EQ(LogTickText(value, ","), text) << value;
}

// Ratio r/8, frequencies 16 ± d, depth 0,6·m/16; the trapezoid's top runs over samples
// 383 − 4p … 384 + 4p, the pulse over 256 − 2p … 256 + 2p; the delta stands at sample
// 224 + 4p, that is x = (4p − 32)·2π/512.
TEST(BarValueText, NamesTheBarAndTheValueTheWaveformUses) {
    const struct {
        int waveform, bar, position;
        const char* text;
    } rows[] = {
        {0, 1, 24, "Частота: 24"},
        {3, 1, 1, "Ширина верхнего основания: 10 из 512 отсчётов"},
        {4, 1, 1, "Сдвиг от начала координат: x = −0,3436"},
        {5, 2, 5, "Отношение амплитуд: 0,625"},
        {5, 3, 2, "Разность частот: 4 (18 и 14)"},
        {6, 2, 1, "Глубина модуляции: 0,0375"},
        {7, 1, 3, "Ширина импульса: 13 из 512 отсчётов"},
        {1, 1, 5, ""}, // the square has no bars, the beats no first one
        {5, 1, 5, ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(BarValueText(Waveforms()[row.waveform], row.bar, row.position, ","), row.text)
            << Waveforms()[row.waveform].Name << ", bar " << row.bar << " at " << row.position;
}

} // namespace
