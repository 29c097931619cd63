#pragma once
// Rounding to the nearest integer with halves to even, as every pixel rule here expects.
#include <algorithm>
#include <cmath>

// Coordinates far off any surface are pinned so the conversion to int stays defined;
// nothing that far away is ever visible.
namespace Fourier {

inline int RoundHalfEven(double v) {
    constexpr double Limit = 1.0e6;
    if (std::isnan(v)) return 0;
    // Below 2^51 in size, adding 1.5 * 2^52 leaves no bits under the units, so the addition
    // itself rounds, halves to even; plain arithmetic, where nearbyint is a library call.
    constexpr double Shift = 0x1.8p52;
    return static_cast<int>((std::clamp(v, -Limit, Limit) + Shift) - Shift);
}

} // namespace Fourier
