#pragma once
// The waveform catalogue: three waveforms as formula text in x, five written sample by
// sample on the 512-point grid over [-pi, pi) (sample 256 is x = 0).
#include <span>
#include <string>

inline constexpr int SampleCount = 512;

// Items 0 "1. Синус", 5 "6. Биения" and 6 "7. Амплитудная Модуляция".
bool IsFormulaWaveform(int itemIndex);
// The formula text for the track-bar positions, numbers in the desktop's format.
std::string FormulaText(int itemIndex, int p1, int p2, int p3);
// Writes the samples of items 1, 2, 3, 4 and 7 into samples[0..511]; returns false for
// other items. Samples not named by the waveform are left as they are (zero).
bool WriteSamples(int itemIndex, int p1, std::span<double, SampleCount> samples);
