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

} // namespace Fourier
