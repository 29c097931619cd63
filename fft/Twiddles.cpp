// Twiddle tables of the complex transform and of the split step.
#include "FftInternal.h"

#include <bit>
#include <cmath>
#include <stdexcept>

namespace Fft87b41 {

void MakeTwiddles(uint32_t M, std::span<double, 1024> SinTable, std::span<double, 1024> CosTable) {
    if (!IsTransformSize(static_cast<uint8_t>(std::countr_zero(M) / 2), M))
        throw std::invalid_argument("MakeTwiddles: M must be a power of four from 4 to 1024");

    const long double theta = Pi / (M >> 1);
    const double c = static_cast<double>(std::cos(theta));
    // Derived from the rounded c, so no sine is evaluated.
    const double s = -static_cast<double>(std::sqrt(1.0L - static_cast<long double>(c) * c));

    CosTable[0] = 1.0;
    SinTable[0] = 0.0;
    CosTable[1] = c;
    SinTable[1] = s;
    const uint32_t last = (3 * M) >> 2;
    for (uint32_t k = 2; k < last; ++k) {
        CosTable[k] = CosTable[k - 1] * c - SinTable[k - 1] * s;
        SinTable[k] = CosTable[k - 1] * s + SinTable[k - 1] * c;
    }
}

void MakeSplitTwiddles(uint32_t M, std::span<const double, 1024> SinTable,
                       std::span<const double, 1024> CosTable, TSplitTwiddles& Twiddles) {
    if (M == 0 || M > MaxRealPoints)
        throw std::invalid_argument("MakeSplitTwiddles: M must be from 1 to 512");

    const double step = static_cast<double>(Pi / M);
    for (uint32_t k = 1; k < M; ++k) {
        if (k % 2 == 0) {
            Twiddles.Cos[k] = CosTable[k / 2];
            Twiddles.Sin[k] = SinTable[k / 2];
        } else {
            const double phi = k * step;
            // Adjacent sin and cos of one argument become a single sincos call.
            Twiddles.Cos[k] = std::cos(phi);
            Twiddles.Sin[k] = -std::sin(phi);
        }
    }
}

} // namespace Fft87b41
