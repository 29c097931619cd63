// Independent references for the transform tests: a direct DFT in long double and
// helpers to fill and compare the 1024-entry arrays.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <complex>
#include <cstdint>
#include <numbers>
#include <random>
#include <vector>

namespace FftOracle {

using Array = std::array<double, 1024>;
using Spectrum = std::vector<std::complex<long double>>;

// Unitary DFT of Re[0..M-1] + i*Im[0..M-1]: sign -1 forward, +1 inverse.
inline Spectrum DirectDft(const Array& re, const Array& im, uint32_t M, int sign) {
    const long double twoPi = 2 * std::numbers::pi_v<long double>;
    std::vector<std::complex<long double>> roots(M);
    for (uint32_t m = 0; m < M; ++m)
        roots[m] = std::polar(1.0L, sign * twoPi * m / M);
    Spectrum out(M);
    for (uint32_t k = 0; k < M; ++k) {
        std::complex<long double> sum = 0;
        for (uint32_t n = 0; n < M; ++n)
            sum += std::complex<long double>(re[n], im[n]) * roots[(uint64_t{n} * k) % M];
        out[k] = sum / std::sqrt(static_cast<long double>(M));
    }
    return out;
}

inline long double Largest(const Spectrum& z) {
    long double largest = 0;
    for (const auto& v : z)
        largest = std::max(largest, std::abs(v));
    return largest;
}

// max_k |(Re[k], Im[k]) - expected[k]| over the entries expected covers.
inline long double MaxError(const Array& re, const Array& im, const Spectrum& expected) {
    long double worst = 0;
    for (size_t k = 0; k < expected.size(); ++k)
        worst = std::max(worst, std::abs(std::complex<long double>(re[k], im[k]) - expected[k]));
    return worst;
}

inline Array RandomArray(uint64_t seed) {
    std::mt19937_64 engine(seed);
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    Array a;
    for (double& x : a)
        x = value(engine);
    return a;
}

// A pattern no transform produces by accident, NaNs and infinities included.
inline Array Sentinel() {
    Array a;
    for (size_t k = 0; k < a.size(); ++k)
        a[k] = k % 7 == 3 ? std::nan("") : k % 11 == 5 ? -INFINITY : 1e300 + static_cast<double>(k);
    return a;
}

// Bitwise equality of the entries from..to-1, so NaNs and signed zeros count too.
inline bool SameBits(const Array& a, const Array& b, size_t from = 0, size_t to = 1024) {
    for (size_t k = from; k < to; ++k)
        if (std::bit_cast<uint64_t>(a[k]) != std::bit_cast<uint64_t>(b[k])) return false;
    return true;
}

} // namespace FftOracle
