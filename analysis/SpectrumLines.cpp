#include "SpectrumLines.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Fourier {

std::array<TSpectrumLine, HighestHarmonic + 1> SpectrumLines(const TSeries& series) {
    std::array<TSpectrumLine, HighestHarmonic + 1> lines;
    double largest = 0;
    for (int k = 0; k <= HighestHarmonic; ++k) {
        TSpectrumLine& line = lines[k];
        line.A = series.A[k];
        line.B = series.B[k];
        const double re = line.A / 2;
        const double im = 0.0 - line.B / 2; // never -0, whose angle would be -pi
        line.Magnitude = std::hypot(re, im);
        line.Phase = std::atan2(im, re);
        largest = std::max(largest, line.Magnitude);
    }
    // The angle of a coefficient that is rounding noise means nothing.
    for (TSpectrumLine& line : lines)
        if (!(line.Magnitude > 1e-9 * largest))
            line.Phase = std::numeric_limits<double>::quiet_NaN();
    return lines;
}

} // namespace Fourier
