// Fft87b41: the spectrum engine. A radix-4 decimation-in-time complex FFT and the
// real-signal transform built on it. Standard library only.
//
// Conventions, for both directions and every routine below:
//   forward  Z[k] = 1/sqrt(M) * sum_n z[n] * e^(-2*pi*i*n*k/M)
//   inverse  Z[k] = 1/sqrt(M) * sum_n z[n] * e^(+2*pi*i*n*k/M)
// The scaling is unitary; forward followed by inverse returns the input up to rounding.
// Point k is Re[k] + i*Im[k]. Twiddle entry k is CosTable[k] + i*SinTable[k], an
// approximation of e^(-2*pi*i*k/M).
#pragma once

#include <cstdint>
#include <span>

namespace Fft87b41 {

// Status byte of RealFft.
inline constexpr uint8_t fsOk = 0;       // size accepted, spectrum computed
inline constexpr uint8_t fsTooSmall = 1; // fewer than 4 complex points (0 <= N <= 7)
inline constexpr uint8_t fsBadSize = 2;  // N >= 8 (or negative) with N/2 not 4, 16, 64 or 256

// Spectrum of N real samples, in place. On entry Re[0..N-1] holds the samples; Im is
// never read. On fsOk, Re[k] + i*Im[k] for k = 0..N-1 is
//   1/sqrt(N) * sum_n x[n] * e^(-2*pi*i*n*k/N)
// with Im[0] = Im[N/2] = 0, Re[N-k] = Re[k] and Im[N-k] = -Im[k] exactly; entries N..1023
// are left as they were. An odd N drops its last sample. Accepted: N/2 (rounded down) in
// {4, 16, 64, 256}. Any other N, negative ones included, sets Status and touches nothing.
// Inverse != 0 runs the complex stage inverse; packing and splitting are unchanged.
// Re and Im must be two different arrays.
void RealFft(int32_t N, uint8_t Inverse, std::span<double, 1024> Re, std::span<double, 1024> Im,
             uint8_t& Status);

// Fills entries 0..3M/4-1 of both tables for M points (M a power of four, 4..1024) from
// one cosine and one square root; the other entries are not written. Entry 1 is
// c = cos(2*pi/M), s = -sqrt(1 - c*c); entry k is entry k-1 rotated by entry 1.
// Throws std::invalid_argument for any other M.
void MakeTwiddles(uint32_t M, std::span<double, 1024> SinTable, std::span<double, 1024> CosTable);

// Permutes entries 0..M-1 of Re and Im into base-4 digit-reversed order (D digits).
// Throws std::invalid_argument unless M = 4^D with 1 <= D <= 5.
void DigitReverse4(uint8_t D, uint32_t M, std::span<double, 1024> Re, std::span<double, 1024> Im);

// The M = 4^D point transform of Re[0..M-1] + i*Im[0..M-1], in place, with tables made by
// MakeTwiddles for the same M. Inverse: 0 forward, anything else inverse. Entries M..1023
// are neither read nor written. Throws std::invalid_argument unless 1 <= D <= 5 and M = 4^D.
void ComplexFft4(uint8_t D, uint32_t M, uint8_t Inverse, std::span<double, 1024> Re,
                 std::span<double, 1024> Im, std::span<const double, 1024> SinTable,
                 std::span<const double, 1024> CosTable);

} // namespace Fft87b41
