#include "QuarterTurns.h"

#include <bit>
#include <cmath>
#include <cstdint>

namespace Translator {
namespace {

// pi/2 = HalfPi1 + HalfPi2 + HalfPi3 to 152 bits; the first two have 44 significant bits, so
// that n * HalfPi1 and n * HalfPi2 are exact in long double for |n| < 2^20.
constexpr long double HalfPi1 = 0xc90fdaa2216p-43L;
constexpr long double HalfPi2 = 0x8c234c4c662p-87L;
constexpr long double HalfPi3 = 0x8b80dc1cd129024ep-151L;
constexpr long double TwoOverPi = 0xa2f9836e4e44152ap-64L;
constexpr double Largest = 0x1p20;
// The library's long double sine and cosine and this one each lie within a few units of
// the last place of the true value (a long double unit is 1/2048 of a double unit); a
// margin of 64 such units leaves room to spare.
constexpr double MarginInDoubleUnits = 64.0 / 2048;

// The remainder of a after its nearest number of quarter turns, and that number mod 4.
struct TReduced {
    long double Remainder;
    int Quarter;
};

TReduced Reduce(double a) {
    // Any whole number near a / (pi/2) will do: the remainder is then about pi/4 at most.
    const double turns = a * 0.63661977236758134; // 2/pi
    const auto quarters = static_cast<int64_t>(turns + std::copysign(0.5, turns));
    const auto n = static_cast<long double>(quarters);
    // Exact: n * HalfPi1 is near a. The next two steps lose at most a unit of the remainder.
    const long double remainder = ((a - n * HalfPi1) - n * HalfPi2) - n * HalfPi3;
    return {remainder, static_cast<int>(quarters & 3)};
}

// value rounded to a double, unless the library's own value might round the other way.
std::optional<double> SafelyRounded(long double value) {
    const double rounded = static_cast<double>(value);
    const auto bits = std::bit_cast<uint64_t>(std::fabs(rounded));
    constexpr uint64_t ExponentBits = 0x7FF0000000000000u;
    // Zero, and a power of two with its closer neighbour below: left to the library; a
    // result of a sine or cosine is never subnormal.
    if ((bits & ~ExponentBits) == 0) return std::nullopt;
    const double unit = std::bit_cast<double>(bits & ExponentBits) * 0x1p-52;
    const long double offset = std::fabs(value - static_cast<long double>(rounded)); // exact
    if (std::fabs(offset - unit / 2) <= MarginInDoubleUnits * unit) return std::nullopt;
    return rounded;
}

// sin(a + phase * pi/2): a quarter turn makes the sine a cosine, two turn its sign.
std::optional<double> Turned(double a, int phase) {
    if (!(std::fabs(a) < Largest)) return std::nullopt;
    const TReduced r = Reduce(a);
    switch ((r.Quarter + phase) & 3) {
    case 0:
        return SafelyRounded(std::sin(r.Remainder));
    case 1:
        return SafelyRounded(std::cos(r.Remainder));
    case 2:
        return SafelyRounded(-std::sin(r.Remainder));
    default:
        return SafelyRounded(-std::cos(r.Remainder));
    }
}

} // namespace

std::optional<double> FastSine(double a) {
    return Turned(a, 0);
}

std::optional<double> FastCosine(double a) {
    return Turned(a, 1);
}

} // namespace Translator
