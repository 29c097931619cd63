#include "PlotLayout.h"

#include "Rounding.h"

namespace Fourier {

// The fraction is formed first, so a symmetric range gives exactly one half and the tie
// width/2 or height/2 is rounded to even as intended, not tipped by rounding error.
int GraphAxisColumn(int width, double xMax, double xMin) {
    if (xMax * xMin < 0) return RoundHalfEven(width * ((-xMin) / (xMax - xMin)));
    if (xMin > 0) return GraphAxisLeftInset;
    return width - GraphAxisRightInset;
}

int GraphAxisRow(int height, double top, double bottom) {
    if (top * bottom < 0) return height - RoundHalfEven(height * ((-bottom) / (top - bottom)));
    if (top > 0) return height - GraphAxisBottomInset;
    return GraphAxisTopInset;
}

TGraphRange GraphValueRange(std::span<const double> data, double yMax, double yMin,
                            bool autoscale) {
    if (!autoscale || data.empty()) return {yMax, yMin};
    TGraphRange range{data[0], data[0]};
    for (double v : data) {
        if (v > range.Top) range.Top = v;
        if (v < range.Bottom) range.Bottom = v;
    }
    return range;
}

double GraphValuePerPixel(int height, double top, double bottom) {
    return (top - bottom) / (height - GraphVerticalMargin);
}

int SpectrumStep(int width) {
    return RoundHalfEven((width - SpectrumSideMargin) / double{SpectrumHarmonics});
}

int SpectrumBaseline(int height, double top, double bottom) {
    int b;
    if (top * bottom < 0 && -bottom / top >= SpectrumNegativeShare)
        b = height - RoundHalfEven(height * ((-bottom) / (top - bottom)));
    else
        b = height - SpectrumBaseInset;
    if (b < SpectrumLowestBaseline) b = SpectrumRaisedBaseline;
    return b;
}

double SpectrumPixelsPerUnit(int height, double top, double bottom) {
    return (height - SpectrumTopMargin) / (top - bottom);
}

} // namespace Fourier
