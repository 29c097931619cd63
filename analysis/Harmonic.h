#pragma once
// One harmonic of a Fourier series: the one place that turns a_k, b_k into an amplitude and a
// phase and back. Every amplitude and phase the program shows or writes comes from here.
//
// The series, x in radians:
//   f(x) = a_0/2 + sum_{k>=1} (a_k cos kx + b_k sin kx),
// and harmonic k >= 1 written as one cosine:
//   a_k cos kx + b_k sin kx = A_k cos(kx - phi_k),
//   A_k = hypot(a_k, b_k) >= 0,  phi_k = atan2(b_k, a_k) in (-pi, pi],
// so that a_k = A_k cos phi_k and b_k = A_k sin phi_k; phi_k is where the harmonic peaks (kx =
// phi_k), and a harmonic with both parts 0 has phi_k = 0.
//
// Worked example, the square wave sign x on (-pi, pi): a_k = 0 and b_k = 4/(pi k) for odd k,
// so A_k = 4/(pi k) and phi_k = pi/2, since sin kx = cos(kx - pi/2). A cosine has phi = 0,
// -sin kx has phi = -pi/2 and cos(3x - 0.7) has A_3 = 1, phi_3 = 0.7.
//
// k = 0 is the constant term, the mean a_0/2: A_0 = |a_0|/2 and phi_0 = 0 for a mean >= 0, pi
// for a negative one (the same rule with b_0 = 0, so that the mean is A_0 cos(0 - phi_0)).
#include "Series.h"

#include <array>

namespace Fourier {

struct THarmonic {
    double Cos = 0.0;       // a_k (for k = 0: a_0, twice the mean)
    double Sin = 0.0;       // b_k (0 for k = 0)
    double Amplitude = 0.0; // A_k
    double Phase = 0.0;     // phi_k in radians; NaN in a spectrum where it is rounding noise

    // Harmonic k >= 0 from its coefficients; b is ignored for k = 0.
    static THarmonic FromParts(int k, double a, double b);
    // Harmonic k >= 1 from A_k >= 0 and phi_k (any angle; kept as given).
    static THarmonic FromPolar(double amplitude, double phase);
};

// Harmonics 0..255 of a signal (a_k, b_k as in Series.h). The phase of a harmonic whose
// amplitude is not above 1e-9 of the largest is NaN: it is the transform's rounding noise
// and its angle means nothing.
inline constexpr double NoisePhaseShare = 1e-9;
// Where only one part of a harmonic is noise, within this share of the largest amplitude,
// the phase is that of the other part alone: 0, pi/2, pi or -pi/2.
inline constexpr double PartNoiseShare = 1e-12;
using THarmonics = std::array<THarmonic, HighestHarmonic + 1>;
THarmonics HarmonicsOf(const TSeries& series);
THarmonics HarmonicsOf(const TAnalysis& analysis);

} // namespace Fourier
