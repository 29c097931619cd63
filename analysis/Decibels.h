#pragma once
// Levels of magnitudes (amplitudes, not powers) in decibels: 20 log10(value / reference).
// A magnitude of a tenth of the reference is -20 dB, the reference itself 0 dB.
namespace Fourier {

// Levels below this are rounding noise of the transform and are shown at it; it is also the
// level of 0, which has no finite one.
inline constexpr double DecibelFloor = -200;

// 20 log10(value / reference), never below DecibelFloor; DecibelFloor when the reference is
// not positive.
double Decibels(double value, double reference);

} // namespace Fourier
