#include "Waveforms.h"

#include "NumberText.h"
#include "Translator.h"
#include "Wording.h"

#include <algorithm>
#include <numbers>

namespace Fourier {
namespace {

// How the positions become the formulas' numbers, for the formulas below and the values
// shown while a bar is dragged.
double BeatsRatio(int position) {
    return position / 8.0;
}
double ModulationDepth(int position) {
    return 0.6 * position / 16;
}

// Writes value(i) for first <= i <= last, clipped to the buffer (empty ranges skip).
template <class F> void Fill(std::span<double, SampleCount> s, int first, int last, F value) {
    for (int i = std::max(first, 0); i <= std::min(last, SampleCount - 1); ++i)
        s[i] = value(i);
}

void Square(const TPositions&, std::span<double, SampleCount> s) {
    Fill(s, 0, 255, [](int) { return -1.0; });
    Fill(s, 256, 511, [](int) { return 1.0; });
}

void Triangle(const TPositions&, std::span<double, SampleCount> s) {
    Fill(s, 0, 127, [](int i) { return -i / 128.0; });
    Fill(s, 128, 383, [](int i) { return (i - 256) / 128.0; });
    Fill(s, 384, 511, [](int i) { return (511 - i) / 128.0; });
}

// In sample units: flat parts at -(127 - k) and +(127 - k), slopes of one per sample.
void Trapezoid(const TPositions& p, std::span<double, SampleCount> s) {
    const int k = 4 * p.Bar1;
    Fill(s, 0, 127 - k, [](int i) { return -static_cast<double>(i); });
    Fill(s, 128 - k, 128 + k, [k](int) { return static_cast<double>(k - 127); });
    Fill(s, 129 + k, 382 - k, [](int i) { return static_cast<double>(i - 256); });
    Fill(s, 383 - k, 383 + k, [k](int) { return static_cast<double>(127 - k); });
    Fill(s, 384 + k, 511, [](int i) { return static_cast<double>(511 - i); });
}

void Delta(const TPositions& p, std::span<double, SampleCount> s) {
    const int at = 4 * p.Bar1 + 224;
    Fill(s, at, at, [](int) { return 1.0; });
}

void Pulse(const TPositions& p, std::span<double, SampleCount> s) {
    const int w = 2 * p.Bar1;
    Fill(s, 256 - w, 256 + w, [](int) { return 1.0; });
}

std::string Sine(const TPositions& p, std::string_view sep) {
    return "sin(" + FormatGeneral(p.Bar1, 5, sep) + "*x)";
}

std::string Beats(const TPositions& p, std::string_view sep) {
    return "cos(" + FormatGeneral(16 + p.Bar3, 10, sep) + "*x)+" +
           FormatGeneral(BeatsRatio(p.Bar2), 10, sep) + "*cos(" +
           FormatGeneral(16 - p.Bar3, 10, sep) + "*x)";
}

std::string Modulation(const TPositions& p, std::string_view sep) {
    return "cos(" + FormatGeneral(p.Bar1, 5, sep) + "*x)*(1+" +
           FormatGeneral(ModulationDepth(p.Bar2), 8, sep) + "*cos(" +
           FormatGeneral(p.Bar3, 6, sep) + "*x))";
}

using S = TSetupStep;

constexpr S LastHarmonic(TLastHarmonic mode) {
    return {S::skLastHarmonic, 0, static_cast<int>(mode)};
}

} // namespace

const std::array<TWaveform, WaveformCount>& Waveforms() {
    static const std::array<TWaveform, WaveformCount> catalogue{{
        {WORDING_NOOP("Waveforms", "1. Синус"),
         Sine,
         nullptr,
         {{S::skMax, 1, 24},
          {S::skMin, 1, 1},
          {S::skPosition, 1, 1},
          {S::skShowBar, 1},
          {S::skCaption, 1, 0, WORDING_NOOP("Waveforms", "Частота")},
          {S::skShowLabel, 1},
          LastHarmonic(TLastHarmonic::Sine)},
         false,
         false,
         false},
        {WORDING_NOOP("Waveforms", "2. Прямоугольник"),
         nullptr,
         Square,
         {LastHarmonic(TLastHarmonic::Sine)},
         false,
         true,
         false},
        {WORDING_NOOP("Waveforms", "3. Треугольник"),
         nullptr,
         Triangle,
         {LastHarmonic(TLastHarmonic::Sine)},
         false,
         false,
         false},
        {WORDING_NOOP("Waveforms", "4. Трапеция"),
         nullptr,
         Trapezoid,
         {{S::skMax, 1, 31},
          {S::skPosition, 1, 1},
          {S::skShowBar, 1},
          {S::skCaption, 1, 0, WORDING_NOOP("Waveforms", "Ширина верхнего основания")},
          {S::skShowLabel, 1},
          LastHarmonic(TLastHarmonic::Sine)},
         false,
         false,
         false},
        // The delta keeps the user's last-harmonic mode.
        {WORDING_NOOP("Waveforms", "5. Дельта-функция"),
         nullptr,
         Delta,
         {{S::skMax, 1, 15},
          {S::skPosition, 1, 1},
          {S::skCaption, 1, 0, WORDING_NOOP("Waveforms", "Сдвиг от начала координат")},
          {S::skShowBar, 1},
          {S::skShowLabel, 1}},
         false,
         false,
         true},
        // Beats remember two positions: the amplitude ratio (TrackBar2) and the frequency
        // difference (TrackBar3).
        {WORDING_NOOP("Waveforms", "6. Биения"),
         Beats,
         nullptr,
         {LastHarmonic(TLastHarmonic::Cosine),
          {S::skMax, 2, 16},
          {S::skPosition, 2, 1},
          {S::skShowBar, 2},
          {S::skShowBar, 3},
          {S::skMax, 3, 4},
          {S::skPosition, 3, 2},
          {S::skPageSize, 3, 1},
          {S::skCaption, 2, 0, WORDING_NOOP("Waveforms", "Отношение амплитуд")},
          {S::skCaption, 3, 0, WORDING_NOOP("Waveforms", "Разность частот")},
          {S::skShowLabel, 2},
          {S::skShowLabel, 3}},
         true,
         false,
         false},
        {WORDING_NOOP("Waveforms", "7. Амплитудная Модуляция"),
         Modulation,
         nullptr,
         {LastHarmonic(TLastHarmonic::Cosine),
          {S::skMax, 1, 24},
          {S::skMin, 1, 8},
          {S::skMax, 3, 8},
          {S::skPosition, 1, 1},
          {S::skPosition, 2, 2},
          {S::skPosition, 3, 3},
          {S::skPageSize, 3, 2},
          {S::skShowBar, 1},
          {S::skShowBar, 2},
          {S::skShowBar, 3},
          {S::skCaption, 1, 0, WORDING_NOOP("Waveforms", "Несущая частота")},
          {S::skCaption, 2, 0, WORDING_NOOP("Waveforms", "Глубина модуляции")},
          {S::skCaption, 3, 0, WORDING_NOOP("Waveforms", "Частота модуляции")},
          {S::skShowLabel, 1},
          {S::skShowLabel, 2},
          {S::skShowLabel, 3}},
         true,
         false,
         false},
        {WORDING_NOOP("Waveforms", "8. Прямоугольный импульс"),
         nullptr,
         Pulse,
         {LastHarmonic(TLastHarmonic::Cosine),
          {S::skCaption, 1, 0, WORDING_NOOP("Waveforms", "Ширина импульса")},
          {S::skShowLabel, 1},
          {S::skPosition, 1, 1},
          {S::skMax, 1, 31},
          {S::skMin, 1, 1},
          {S::skShowBar, 1}},
         true,
         true,
         false},
    }};
    return catalogue;
}

std::string BarValueText(const TWaveform& waveform, int bar, int position,
                         std::string_view decimalSeparator) {
    const char* caption = nullptr;
    for (const TSetupStep& step : waveform.Setup)
        if (step.Kind == TSetupStep::skCaption && step.Bar == bar) caption = step.Text;
    if (!caption) return {};
    auto number = [decimalSeparator](double value) {
        return ReadableNumber(value, 4, decimalSeparator);
    };
    std::string value = std::to_string(position);
    if (waveform.WriteSamples) {
        // Read off the samples themselves: the widths are what the picture shows, the
        // flat top or the pulse, ends included; the delta's place as x (sample 256 is
        // x = 0, one sample is 2π/512).
        TPositions positions;
        positions.Bar1 = positions.Bar2 = positions.Bar3 = position;
        TSamples samples{};
        waveform.WriteSamples(positions, samples);
        const double top = *std::max_element(samples.begin(), samples.end());
        const auto count = std::count(samples.begin(), samples.end(), top);
        if (waveform.WriteSamples == Delta) {
            const auto at = std::find(samples.begin(), samples.end(), top) - samples.begin();
            value = "x = " + number(static_cast<double>(at - 256) * std::numbers::pi / 256);
        } else {
            value = Filled(Wording("Waveforms", "%1 из 512 отсчётов"), {std::to_string(count)});
        }
    } else if (waveform.Formula == Beats) {
        // Bar 3 moves the two frequencies 16 + d and 16 − d apart: they differ by 2d.
        value = bar == 2 ? number(BeatsRatio(position))
                         : Filled(Wording("Waveforms", "%1 (%2 и %3)"),
                                  {std::to_string(2 * position), std::to_string(16 + position),
                                   std::to_string(16 - position)});
    } else if (waveform.Formula == Modulation && bar == 2) {
        value = number(ModulationDepth(position));
    }
    return Wording("Waveforms", caption) + ": " + value;
}

std::string WaveformName(const TWaveform& waveform) {
    return Wording("Waveforms", waveform.Name);
}

std::string CaptionText(const TSetupStep& step) {
    return step.Text ? Wording("Waveforms", step.Text) : std::string();
}

const TWaveform* WaveformAt(int itemIndex) {
    if (itemIndex < 0 || itemIndex >= WaveformCount) return nullptr;
    return &Waveforms()[itemIndex];
}

TSamples SampleFormula(const std::string& formula, double a, double b) {
    TSamples samples{};
    Translator::Translate(formula);
    const double d = (b - a) / SampleCount;
    for (int i = 0; i < SampleCount; ++i) {
        const long double x = static_cast<long double>(a) + i * static_cast<long double>(d);
        samples[i] = Translator::Evaluate(static_cast<double>(x));
    }
    Translator::ReleaseFormula();
    return samples;
}

TSamples SampleWaveform(const TWaveform& waveform, const TPositions& positions, double a,
                        double b) {
    if (waveform.Formula) return SampleFormula(waveform.Formula(positions, "."), a, b);
    TSamples samples{};
    waveform.WriteSamples(positions, samples);
    return samples;
}

TAnalysis AnalyseWaveform(const TWaveform& waveform, const TPositions& positions) {
    return AnalyseSamples(SampleWaveform(waveform, positions, -std::numbers::pi, std::numbers::pi));
}

} // namespace Fourier
