#include "Waveforms.h"

#include "NumberText.h"

#include <algorithm>

namespace {

// Writes value(i) for first <= i <= last, clipped to the buffer (empty ranges skip).
template <class F> void Fill(std::span<double, SampleCount> s, int first, int last, F value) {
    for (int i = std::max(first, 0); i <= std::min(last, SampleCount - 1); ++i) s[i] = value(i);
}

void Square(std::span<double, SampleCount> s) {
    Fill(s, 0, 255, [](int) { return -1.0; });
    Fill(s, 256, 511, [](int) { return 1.0; });
}

void Triangle(std::span<double, SampleCount> s) {
    Fill(s, 0, 127, [](int i) { return -i / 128.0; });
    Fill(s, 128, 383, [](int i) { return (i - 256) / 128.0; });
    Fill(s, 384, 511, [](int i) { return (511 - i) / 128.0; });
}

// In sample units: flat parts at -(127 - k) and +(127 - k), slopes of one per sample.
void Trapezoid(std::span<double, SampleCount> s, int p1) {
    const int k = 4 * p1;
    Fill(s, 0, 127 - k, [](int i) { return -static_cast<double>(i); });
    Fill(s, 128 - k, 128 + k, [k](int) { return static_cast<double>(k - 127); });
    Fill(s, 129 + k, 382 - k, [](int i) { return static_cast<double>(i - 256); });
    Fill(s, 383 - k, 383 + k, [k](int) { return static_cast<double>(127 - k); });
    Fill(s, 384 + k, 511, [](int i) { return static_cast<double>(511 - i); });
}

void Delta(std::span<double, SampleCount> s, int p1) {
    const int at = 4 * p1 + 224;
    Fill(s, at, at, [](int) { return 1.0; });
}

void Pulse(std::span<double, SampleCount> s, int p1) {
    const int w = 2 * p1;
    Fill(s, 256 - w, 256 + w, [](int) { return 1.0; });
}

} // namespace

bool IsFormulaWaveform(int itemIndex) { return itemIndex == 0 || itemIndex == 5 || itemIndex == 6; }

std::string FormulaText(int itemIndex, int p1, int p2, int p3) {
    switch (itemIndex) {
    case 0:
        return "sin(" + FormatGeneral(p1, 5) + "*x)";
    case 5:
        return "cos(" + FormatGeneral(16 + p3, 10) + "*x)+" + FormatGeneral(p2 / 8.0, 10) +
               "*cos(" + FormatGeneral(16 - p3, 10) + "*x)";
    case 6:
        return "cos(" + FormatGeneral(p1, 5) + "*x)*(1+" + FormatGeneral(0.6 * p2 / 16, 8) +
               "*cos(" + FormatGeneral(p3, 6) + "*x))";
    default:
        return {};
    }
}

bool WriteSamples(int itemIndex, int p1, std::span<double, SampleCount> samples) {
    switch (itemIndex) {
    case 1: Square(samples); return true;
    case 2: Triangle(samples); return true;
    case 3: Trapezoid(samples, p1); return true;
    case 4: Delta(samples, p1); return true;
    case 7: Pulse(samples, p1); return true;
    default: return false;
    }
}
