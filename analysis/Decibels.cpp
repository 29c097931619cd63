#include "Decibels.h"

#include <algorithm>
#include <cmath>

namespace Fourier {

double Decibels(double value, double reference) {
    if (!(reference > 0) || !(value > 0)) return DecibelFloor;
    return std::max(DecibelFloor, 20 * std::log10(value / reference));
}

} // namespace Fourier
