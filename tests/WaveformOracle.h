#pragma once
// Independent references for the analysis: the eight waveforms written straight from
// their definitions, and the Fourier weights of 512 samples by a direct sum in long double.
#include <array>
#include <cmath>
#include <numbers>

namespace WaveformOracle {

inline constexpr double Pi = std::numbers::pi;

// Samples straight from the catalogue, on the grid x_i = -pi + i*pi/256.
inline std::array<double, 512> CatalogueSamples(int item, int p1, int p2, int p3) {
    std::array<double, 512> s{};
    for (int i = 0; i < 512; ++i) {
        const double x = static_cast<double>(-static_cast<long double>(Pi) +
                                             i * static_cast<long double>(Pi / 256));
        switch (item) {
        case 0:
            s[i] = std::sin(p1 * x);
            break;
        case 1:
            s[i] = i < 256 ? -1 : 1;
            break;
        case 2:
            s[i] = i < 128 ? -i / 128.0 : i < 384 ? (i - 256) / 128.0 : (511 - i) / 128.0;
            break;
        case 3: {
            const int k = 4 * p1;
            if (i <= 127 - k)
                s[i] = -i;
            else if (i <= 128 + k)
                s[i] = k - 127;
            else if (i <= 382 - k)
                s[i] = i - 256;
            else if (i <= 383 + k)
                s[i] = 127 - k;
            else
                s[i] = 511 - i;
            break;
        }
        case 4:
            s[i] = i == 4 * p1 + 224 ? 1 : 0;
            break;
        case 5:
            s[i] = std::cos((16 + p3) * x) + (p2 / 8.0) * std::cos((16 - p3) * x);
            break;
        case 6:
            s[i] = std::cos(p1 * x) * (1 + (0.6 * p2 / 16) * std::cos(p3 * x));
            break;
        case 7:
            s[i] = std::abs(i - 256) <= 2 * p1 ? 1 : 0;
            break;
        }
    }
    return s;
}

// Weights of cos kx and sin kx, scaled by 1/sqrt(512), with exact angles in long double.
inline void DirectSpectrum(const std::array<double, 512>& s, int k, long double& re,
                           long double& im) {
    re = im = 0;
    for (int i = 0; i < 512; ++i) {
        const int turn = (((i - 256) * k) % 512 + 512) % 512;
        const long double angle = 2 * std::numbers::pi_v<long double> * turn / 512;
        re += s[i] * std::cos(angle);
        im += s[i] * std::sin(angle);
    }
    re /= std::sqrt(512.0L);
    im /= std::sqrt(512.0L);
}

} // namespace WaveformOracle
