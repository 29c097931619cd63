#include "AxisTicks.h"

#include "NumberText.h"
#include "Subscript.h"

#include <cmath>

namespace Fourier {

double PowerOfTenAtMost(double x) {
    double exponent = std::floor(std::log10(x));
    // log10 is rounded: just below a power of ten it lands on that power.
    if (std::pow(10.0, exponent) > x) exponent -= 1;
    return std::pow(10.0, exponent);
}

std::vector<double> RoundTickValues(double min, double max) {
    if (!(max > min) || !std::isfinite(min) || !std::isfinite(max)) return {};
    const double rough = (max - min) / 6;
    const double power = PowerOfTenAtMost(rough);
    double step = 10 * power;
    for (const double factor : {1.0, 2.0, 5.0})
        if (factor * power >= rough) {
            step = factor * power;
            break;
        }
    // An end that lies on a multiple but whose quotient came out a hair beyond it still
    // gets its tick.
    constexpr double Slack = 1e-9;
    const double first = std::ceil(min / step - Slack);
    const double last = std::floor(max / step + Slack);
    std::vector<double> ticks;
    for (double n = first; n <= last; ++n)
        ticks.push_back(n * step + 0.0); // + 0.0: a tick at -0 would read "-0"
    return ticks;
}

std::string LogTickText(double value, std::string_view decimalSeparator) {
    if (value > 0 && std::isfinite(value)) {
        const double exponent = std::round(std::log10(value));
        if (std::abs(value / std::pow(10.0, exponent) - 1) < 1e-9)
            return "10" + Superscript(static_cast<int>(exponent));
    }
    return ReadableNumber(value, 3, decimalSeparator);
}

} // namespace Fourier
