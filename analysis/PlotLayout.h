#pragma once
// Where the graph and the spectrum put their axes, stems and bars: the numbers the
// drawing code and its tests share.
#include "Analysis.h"
#include "Rounding.h"

#include <span>

namespace Fourier {

// The graph is drawn on a bitmap of the upper picture's first size less a margin.
inline constexpr int GraphBitmapMargin = 50;    // picture width - bitmap width
inline constexpr int GraphAxisLeftInset = 25;   // y axis when the x range lies right of 0
inline constexpr int GraphAxisRightInset = 5;   // y axis when it lies left of 0
inline constexpr int GraphAxisBottomInset = 15; // x axis when every value is above 0
inline constexpr int GraphAxisTopInset = 5;     // x axis when every value is below 0
inline constexpr int GraphVerticalMargin = 30;  // bitmap height - height of the value range
inline constexpr int GraphBreakPixels = 1000;   // a step this tall is a break, not a line

// Column of the y axis for an x range [xMin, xMax] on a bitmap `width` wide.
int GraphAxisColumn(int width, double xMax, double xMin);
// Row of the x axis for values in [bottom, top] on a bitmap `height` high.
int GraphAxisRow(int height, double top, double bottom);
// Column of sample i (0..511) of the 512 stems.
constexpr int GraphColumn(int width, int i) {
    return width / 2 - 1 + i - 255;
}

// The values the graph spans from its x axis: [yMin, yMax] as given, or with autoscale the
// data's own, from its smallest to its largest value (values that are not numbers left out
// after the first).
struct TGraphRange {
    double Top = 0;
    double Bottom = 0;
};
TGraphRange GraphValueRange(std::span<const double> data, double yMax, double yMin, bool autoscale);
// Value per pixel on a bitmap `height` high: [bottom, top] fills all but
// GraphVerticalMargin of its rows. 0 for an empty range, which has no graph.
double GraphValuePerPixel(int height, double top, double bottom);
// Row of `value` with the x axis at row `axisRow` and `valuePerPixel` (not 0).
inline int GraphRow(int axisRow, double valuePerPixel, double value) {
    return RoundHalfEven(axisRow - value / valuePerPixel);
}

// The spectrum: 32 harmonics, a cos bar one pixel left and a sin bar one pixel right of
// each harmonic's column.
inline constexpr int SpectrumHarmonics = HarmonicLimit;
inline constexpr int SpectrumAxisColumn = 25;
inline constexpr int SpectrumSideMargin = 40;     // width - 32 steps
inline constexpr int SpectrumBaseInset = 20;      // baseline above the bottom edge by default
inline constexpr int SpectrumTopMargin = 35;      // height - height of the value range
inline constexpr int SpectrumLowestBaseline = 20; // a baseline above this row moves to 30
inline constexpr int SpectrumRaisedBaseline = 30;
inline constexpr double SpectrumNegativeShare = 0.1; // least -bottom/top for a centred baseline

// Pixels between two harmonics in a picture `width` wide.
int SpectrumStep(int width);
// Row of the bars' baseline for parts in [bottom, top] in a picture `height` high.
int SpectrumBaseline(int height, double top, double bottom);
// Pixels per unit of the bars: [bottom, top] spans all but SpectrumTopMargin of the
// picture's rows. Only for top != bottom.
double SpectrumPixelsPerUnit(int height, double top, double bottom);

} // namespace Fourier
