#pragma once
// The first harmonics of a signal as the classical Fourier coefficients, the form in which
// the student edits them:
//   f(x) ~ a_0/2 + sum_{k=1..32} (a_k cos kx + b_k sin kx).
#include "Analysis.h"

#include <array>

namespace Fourier {

inline constexpr int EditableHarmonics = 32;

// Cos[k] = a_k and Sin[k] = b_k for k = 0..32. There is no b_0: Sin[0] is kept 0 and is
// neither written to a spectrum nor saved.
struct TCoefficients {
    std::array<double, EditableHarmonics + 1> Cos{};
    std::array<double, EditableHarmonics + 1> Sin{};
};

// a_k and b_k of harmonics 0..32 of an analysed signal (a_0 is twice the mean).
TCoefficients CoefficientsOf(const TAnalysis& analysis);

// Writes the coefficients into lines 0..32 of a spectrum in the analysis layout and
// clears lines 33..1023: Re[k] = CoefficientScale() * a_k, Im[k] = CoefficientScale() * b_k
// (Re[0] = sqrt(512) * mean is the same rule for k = 0, since the mean is a_0/2).
void WriteLines(const TCoefficients& coefficients, TLines& re, TLines& im);

// One harmonic a cos kx + b sin kx written as Magnitude * cos(kx - Phase): Magnitude =
// hypot(a, b) >= 0, Phase = atan2(b, a) in [-pi, pi] (0 when both parts are 0).
struct THarmonicParts {
    double Cos = 0.0;
    double Sin = 0.0;
};
struct THarmonicPolar {
    double Magnitude = 0.0;
    double Phase = 0.0;
};

THarmonicPolar ToPolar(THarmonicParts parts);
THarmonicParts ToParts(THarmonicPolar polar);

} // namespace Fourier
