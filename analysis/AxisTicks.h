#pragma once
// Round values for the ticks of a value axis; the windows write the labels.
#include <string>
#include <string_view>
#include <vector>

namespace Fourier {

// 10^n for the largest whole n with 10^n <= x, for x > 0: 0.05 -> 0.01, 1 -> 1, 99.9 -> 10.
double PowerOfTenAtMost(double x);

// The multiples of one step that lie in [min, max], both ends included when a multiple falls
// on them, in increasing order. The step is 1, 2 or 5 times a power of ten, the smallest such
// step not below (max - min)/6, so that four to eight ticks come out: [0, 1] gives 0, 0.2,
// ..., 1. None for an empty or infinite range.
std::vector<double> RoundTickValues(double min, double max);

// The label of a tick on a logarithmic axis: a power of ten as 10ⁿ (10⁰, 10⁻², 10³), as a
// reader writes it, also when the tick's value came out a few ulps off the power; any other
// value as a ReadableNumber of three digits.
std::string LogTickText(double value, std::string_view decimalSeparator);

} // namespace Fourier
