// Pieces of Fft87b41 shared by its source files and its tests; not part of the interface.
#pragma once

#include "Fft87b41.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace Fft87b41 {

inline constexpr uint32_t Capacity = 1024; // entries of every data array and table

// pi to the 64-bit significand C90FDAA22168C235 (extended precision).
inline constexpr long double Pi = 0xC.90FDAA22168C235p-2L;

// The eighth-turn constant is the fifteen-digit decimal the transform has always used, not
// 1/sqrt(2) rounded to a double (the two differ by two units in the last place): keeping it
// keeps every spectrum, and with it every bar and range text, the same bit for bit. Its
// negation is a constant of its own so that no product is negated after rounding.
inline constexpr double K = 0.707106781186548;
inline constexpr double NegK = -0.707106781186548;

// 4^D for D = 1..6; the index + 1 of a match is the digit count D.
inline constexpr std::array<int32_t, 6> Pow4Sizes = {4, 16, 64, 256, 1024, 4096};

// The real transform writes 2M entries, so M may not exceed half the capacity.
inline constexpr uint32_t MaxRealPoints = Capacity / 2;

// True when M = 4^D and the complex transform of M points fits the arrays.
constexpr bool IsTransformSize(uint8_t D, uint32_t M) {
    return D >= 1 && D <= 5 && M == (uint32_t{1} << (2 * D));
}

// Sets Status to fsOk with the digit count D when M is one of 4, 16, 64, 256; to
// fsTooSmall for M < 4; to fsBadSize otherwise (1024 and 4096 included: no room).
// D is written only with fsOk.
void CheckFftSize(uint32_t M, uint8_t& D, uint8_t& Status);

// Where a transform reads its M input points: point k is Re[k*Stride] + i*Im[k*Stride].
struct TPointSource {
    const double* Re;
    const double* Im;
    size_t Stride;
};

// Working storage of one transform, entries 0..M-1 used.
struct TWorkspace {
    std::array<double, Capacity> Re;
    std::array<double, Capacity> Im;
};

// The final factors of the unitary transform: 1/sqrt(M) for real parts; for imaginary
// parts the same, negated in the inverse direction, which ran on the conjugate.
struct TScaling {
    double Re;
    double Im;
};
TScaling UnitaryScaling(uint32_t M, uint8_t Inverse);

// The radix-4 stages without the final scaling: z = the forward transform of the points
// of source (of their conjugates if Inverse != 0), in natural order. The digit reversal
// is done by the first stage as it reads. M = 4^D, 1 <= D <= 5, tables for M.
void TransformPoints(uint8_t D, uint32_t M, uint8_t Inverse, TPointSource source, TWorkspace& z,
                     std::span<const double, 1024> SinTable,
                     std::span<const double, 1024> CosTable);

// z[k] = x[2k] + i*x[2k+1], k = 0..M-1: the samples read in place as complex points.
TPointSource PackRealPairs(std::span<const double, 1024> Samples);

// Twiddles e^(-i*pi*k/M) of the split step, k = 1..M-1 (entry 0 is unused): even k from
// the transform tables (entry k/2), odd k as cos and -sin of phi = k * double(pi/M).
struct TSplitTwiddles {
    std::array<double, MaxRealPoints> Cos{};
    std::array<double, MaxRealPoints> Sin{};
};

// M <= MaxRealPoints, tables made by MakeTwiddles for M.
void MakeSplitTwiddles(uint32_t M, std::span<const double, 1024> SinTable,
                       std::span<const double, 1024> CosTable, TSplitTwiddles& Twiddles);

// Turns the unscaled M-point complex spectrum z into the 2M lines of the real spectrum
// in Re[0..2M-1], Im[0..2M-1], scaling each point of z as it is read; entries from 2M on
// are not touched. 2 <= M <= MaxRealPoints, M even.
void SplitRealSpectrum(uint32_t M, const TSplitTwiddles& Twiddles, TScaling scale,
                       const TWorkspace& z, std::span<double, 1024> Re, std::span<double, 1024> Im);

} // namespace Fft87b41
