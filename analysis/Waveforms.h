#pragma once
// The waveform catalogue: one row per item of the waveform list, with everything that
// differs between waveforms: its name, how its samples come about (formula text in x or
// written sample by sample on the grid, sample 256 being x = 0), the steps that set up
// its track bars, labels and last-harmonic mode, and the few rules of its own.
#include "Analysis.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace Fourier {

// Track-bar positions, as TrackBar1..TrackBar3 hold them.
struct TPositions {
    int Bar1 = 0, Bar2 = 0, Bar3 = 0;
};

// The items of «Последняя:» (LRadioGroup): which part of harmonic k the synthesis draws
// alone over the partial sum, or none.
enum class TLastHarmonic { Sine = 0, Cosine = 1, None = 2 };

// One set-up step of a waveform's controls, applied in table order (each position change
// notifies at once, so the order is part of the behaviour).
struct TSetupStep {
    enum TKind {
        skMax,      // Bar's maximum := Value
        skMin,      // Bar's minimum := Value
        skPageSize, // Bar's page size := Value
        skPosition, // Bar's position := the remembered parameter number Value (1..3)
        skShowBar,  // Bar becomes visible
        skCaption,  // Label number Bar gets Text
        skShowLabel,
        skLastHarmonic, // the last-harmonic mode := Value, a TLastHarmonic
    };
    TKind Kind;
    int Bar = 0; // 1..3: TrackBar1..3 or Label1..3
    int Value = 0;
    const char* Text = nullptr;
};

struct TWaveform {
    const char* Name;
    // Formula waveforms build a formula text in x from the positions; the others write
    // their samples directly.
    std::string (*Formula)(const TPositions&, std::string_view decimalSeparator);
    void (*WriteSamples)(const TPositions&, std::span<double, SampleCount> samples);
    std::vector<TSetupStep> Setup;
    // The spectrum's y range takes the sum of the cosine parts as the peak: these
    // waveforms peak where their cosine parts add up.
    bool PeakIsCosineSum;
    bool HasJump; // a jump discontinuity inside the period
    // The synthesis button goes off on choosing it when nothing would be drawn.
    bool DisablesEmptySynthesis;
};

inline constexpr int WaveformCount = 8;

// The catalogue in list order.
const std::array<TWaveform, WaveformCount>& Waveforms();

// The waveform of a list index, or null for none (-1 or out of range).
const TWaveform* WaveformAt(int itemIndex);

// The waveform's name («2. Прямоугольник») and a caption step's text (empty for another
// step) in the program's language; the catalogue keeps them in Russian.
std::string WaveformName(const TWaveform& waveform);
std::string CaptionText(const TSetupStep& step);

// What a track bar at `position` sets in the waveform, after the bar's caption, for a
// reader: «Отношение амплитуд: 0,625». Empty for a bar the waveform does not use.
std::string BarValueText(const TWaveform& waveform, int bar, int position,
                         std::string_view decimalSeparator);

// The 512 samples of a waveform on [a, b): formula waveforms evaluated by the formula
// translator at x_j = a + j (b - a) / 512, the others written on the grid.
// Throws the translator's errors.
TSamples SampleWaveform(const TWaveform& waveform, const TPositions& positions, double a, double b);

// The formula's values at x_j = a + j (b - a) / 512 (a text in the translator's language).
TSamples SampleFormula(const std::string& formula, double a, double b);

// The whole analysis of a waveform on [-pi, pi).
TAnalysis AnalyseWaveform(const TWaveform& waveform, const TPositions& positions);

} // namespace Fourier
