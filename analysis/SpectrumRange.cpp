#include "SpectrumRange.h"

#include "NumberText.h"
#include "PlotLayout.h"

#include <cmath>

namespace Fourier {

TSpectrumRange SpectrumRange(std::span<const double, BufferLength> re,
                             std::span<const double, BufferLength> im, double signalPeak,
                             bool peakIsCosineSum) {
    TSpectrumRange range{re[0], re[0], 0};
    double peak = std::abs(re[0]);
    for (int i = 0; i < SpectrumHarmonics; ++i) {
        for (double v : {re[i], im[i]}) {
            if (v > range.Top) range.Top = v;
            if (v < range.Bottom) range.Bottom = v;
            if (std::abs(v) > peak) peak = std::abs(v);
        }
    }
    if (peakIsCosineSum) {
        peak = 0;
        for (int i = 0; i < SpectrumHarmonics; ++i)
            peak += re[i];
    }
    range.P = signalPeak > peak ? signalPeak : peak;
    return range;
}

std::string RangeText(double value, std::string_view decimalSeparator) {
    return FormatGeneral(value, 12, decimalSeparator);
}

} // namespace Fourier
