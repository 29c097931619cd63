#pragma once
// Operations on one period of a signal, the 512 samples of the analysis grid, and a line that
// says in numbers what an operation did to the spectrum.
//
// Each operation takes the samples s_j = f(x_j), x_j = -pi + j*pi/256, and gives those of a new
// signal of the same period:
//   shift in time     f(x - tau), tau = 2*pi*t for a parameter t in periods (any real): every
//                     harmonic turns, A_k cos(kx - phi_k) -> A_k cos(kx - (phi_k + k*tau))
//   time reversal     f(-x): s'_j = s_{(512 - j) mod 512}, exact on the grid; phi_k -> -phi_k
//   inversion         -f
//   full-wave         |f|
//   half-wave         max(f, 0)
//   clipping          f held within [-c, c], c > 0
//   quantisation      each sample to the nearest of n >= 2 levels spread evenly from the
//                     signal's minimum to its maximum (both are levels); a constant signal stays
//   even harmonics    (f(x) + f(x + pi))/2: s'_j = (s_j + s_{j+256})/2; the mean and the
//                     Nyquist line count as even
//   odd harmonics     (f(x) - f(x + pi))/2
//   low-pass n        harmonics 0..n kept, the others set to 0 (n in 0..256)
//   high-pass n       harmonics n..256 kept; the mean goes for every n >= 1 (n in 0..256)
//   add a constant    f + c
#include "Analysis.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace Fourier {

enum class TOperationKind {
    TimeShift,     // Parameter: t, the shift in periods
    TimeReversal,  // no parameter
    Inversion,     // no parameter
    FullWave,      // no parameter
    HalfWave,      // no parameter
    Clipping,      // Parameter: the level c > 0
    Quantisation,  // Parameter: the number of levels n, a whole number 2..MostLevels
    EvenHarmonics, // no parameter
    OddHarmonics,  // no parameter
    LowPass,       // Parameter: the highest harmonic kept, a whole number 0..256
    HighPass,      // Parameter: the lowest harmonic kept, a whole number 0..256
    AddConstant,   // Parameter: the constant
};

struct TOperation {
    TOperationKind Kind = TOperationKind::TimeShift;
    double Parameter = 0.0;

    bool operator==(const TOperation&) const = default;
};

inline constexpr int MostLevels = 1 << 16;

// A parameter out of its range, or a result the lab cannot measure (a sample beyond
// LargestMeasuredValue); the message is a Russian sentence without its full stop.
class TOperationError : public std::invalid_argument {
  public:
    using std::invalid_argument::invalid_argument;
};

// The samples after the operation. A shift by a whole number of periods, a low-pass at 256
// and a high-pass at 0 give the samples back unchanged, bit for bit. Throws TOperationError.
TSamples ApplyOperation(const TSamples& samples, const TOperation& operation);

// The operation's short Russian name for a caption or an undo step: «сдвиг», «инверсия»,
// «ограничение ±0,5», «гармоники 0–5».
std::string OperationName(const TOperation& operation, std::string_view decimalSeparator = ",");

// One short Russian line on what the operation did to the spectrum, read from the harmonics of
// both signals (HarmonicsOf), e.g. «Aₖ без изменений, φₖ повёрнута на kτ (τ = 0,25 периода)» or
// «A₁ 1 → 0; появились чётные гармоники: A₂ = 0,424, A₄ = 0,0849, …; среднее 0 → 0,637».
// Amplitudes within NoisePhaseShare of the largest of both spectra count as equal, and a
// harmonic that small as absent. Harmonics 0..255 are compared; the operation only says which
// wording to try first (a shift's turn, a reversal's mirrored phases), never a number.
std::string OperationEffect(const TSamples& before, const TSamples& after,
                            const TOperation& operation, std::string_view decimalSeparator = ",");

// The caption of a signal made by operations: «2. Прямоугольник → сдвиг, выпрямление». A long
// source is cut, and the earliest operations give way to «…» (the last one always stays), so
// that the caption has at most CaptionLength characters but for a very long last name.
inline constexpr int CaptionLength = 72;
std::string ChainCaption(std::string_view source, const std::vector<std::string>& operations);

// numerator/denominator in lowest terms with a real minus sign: «1/4», «−3/64», «0», «2».
std::string FractionText(int numerator, int denominator);

} // namespace Fourier
