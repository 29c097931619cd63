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
    return static_cast<int>(std::nearbyint(std::clamp(v, -Limit, Limit)));
}

} // namespace Fourier
