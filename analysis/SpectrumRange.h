#pragma once
// The value range of the spectrum's first 32 harmonics and the y range P that the
// synthesis plots with (from -P to P).
#include "Analysis.h"
#include "Waveforms.h"

#include <span>
#include <string>
#include <string_view>

namespace Fourier {

struct TSpectrumRange {
    double Top = 0, Bottom = 0; // extremes of Re[0..31] and Im[0..31]
    double P = 0; // the synthesis range: the larger of the signal's peak and the spectrum's
};

// The spectrum's peak is the largest absolute part, or for waveforms that peak where
// their cosine parts add up, the sum of Re[0..31].
TSpectrumRange SpectrumRange(std::span<const double, BufferLength> re,
                             std::span<const double, BufferLength> im, double signalPeak,
                             bool peakIsCosineSum);

// The text of the synthesis range's end `value` as the window writes it (12 significant
// digits, with the given separator).
std::string RangeText(double value, std::string_view decimalSeparator);

} // namespace Fourier
