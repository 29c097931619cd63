#pragma once
// The first harmonics of a signal as the classical Fourier coefficients, the form in which
// the student edits them:
//   f(x) ~ a_0/2 + sum_{k=1..32} (a_k cos kx + b_k sin kx).
// Amplitude and phase of a harmonic: Harmonic.h.
#include "Analysis.h"

#include <array>

namespace Fourier {

inline constexpr int EditableHarmonics = HarmonicLimit;

// Cos[k] = a_k and Sin[k] = b_k for k = 0..32. There is no b_0: Sin[0] is kept 0 and is
// neither written to a spectrum nor saved.
struct TCoefficients {
    std::array<double, EditableHarmonics + 1> Cos{};
    std::array<double, EditableHarmonics + 1> Sin{};

    bool operator==(const TCoefficients&) const = default;
};

// a_k and b_k of harmonics 0..32 of an analysed signal (a_0 is twice the mean).
TCoefficients CoefficientsOf(const TAnalysis& analysis);

// Writes the coefficients into lines 0..32 of a spectrum in the analysis layout and
// clears lines 33..1023: Re[k] = CoefficientScale() * a_k, Im[k] = CoefficientScale() * b_k
// (Re[0] = sqrt(512) * mean is the same rule for k = 0, since the mean is a_0/2).
void WriteLines(const TCoefficients& coefficients, TLines& re, TLines& im);

} // namespace Fourier
