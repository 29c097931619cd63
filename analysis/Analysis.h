#pragma once
// The analysis of one signal: 512 samples on [-pi, pi) and their spectrum.
//
// Grid: x_j = -pi + j*pi/256, j = 0..511 (sample 256 is x = 0).
// Spectrum layout, as the main window keeps it in ReBuf/ImBuf: with the samples written as
//   f(x_j) = mean + sum_{k=1..255} (a_k cos kx_j + b_k sin kx_j) + c_256 cos 256x_j,
// Re[k] = sqrt(512)/2 * a_k and Im[k] = sqrt(512)/2 * b_k for k = 1..255, Re[0] =
// sqrt(512) * mean, Im[0] = 0, and Re[256] = sqrt(512) * c_256 (the Nyquist line).
// Entries 257..1023 are the transform's mirror images and carry no new information.
#include <array>
#include <cstdint>
#include <span>
// Qt's moc reads this header through the lab's widget headers and cannot parse <numbers>.
#ifndef Q_MOC_RUN
#include <numbers>
#endif

namespace Fourier {

inline constexpr int SampleCount = 512;
inline constexpr int BufferLength = 1024;
inline constexpr int HighestHarmonic = 255; // the last line below Nyquist
inline constexpr int NyquistLine = 256;
// The distance x_{j+1} - x_j of the grid: the double nearest to pi/256.
inline constexpr double GridStep = std::numbers::pi / (SampleCount / 2);
// The main window works with the first 32 harmonics: its spectrum shows harmonics
// 0..HarmonicLimit-1 and its harmonic field takes k = 0..HarmonicLimit.
inline constexpr int HarmonicLimit = 32;

// sqrt(512)/2: the factor between Re[k], Im[k] and the coefficients a_k, b_k.
double CoefficientScale();

using TSamples = std::array<double, SampleCount>;
using TLines = std::array<double, BufferLength>;

struct TAnalysis {
    TSamples Samples{}; // in grid order
    TLines Re{};
    TLines Im{};
    double Peak = 0.0;  // largest absolute sample
    uint8_t Status = 0; // the transform's status byte (0: spectrum valid)
};

// Rotates the samples so that x = 0 comes first, transforms them with RealFft(512) and
// turns the sine parts' sign round, giving the layout above.
TAnalysis AnalyseSamples(std::span<const double, SampleCount> samples);

// x_j of the grid.
double GridX(int j);

// The largest |sample| the lab measures: 512 squares of it still sum to a double, so its
// energies and RMS errors stay finite.
inline constexpr double LargestMeasuredValue = 1e150;

// Whether the lab can measure and draw the analysis: every sample finite and within
// LargestMeasuredValue, every line of the spectrum finite.
bool IsMeasurable(const TAnalysis& analysis);

} // namespace Fourier
