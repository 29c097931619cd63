// The graph: 512 values as stems or a joined line on GraphBitmap, stretched into Image1.
#include "Rounding.h"
#include "Unit1.h"

#include <algorithm>
#include <cmath>

using namespace Toolkit;

void TForm1::ClearDrawings() {
    TCanvas& graph = GraphBitmap.Canvas();
    graph.SetBrushColor(clBlack);
    graph.FloodFill(0, 0, clAqua);
    graph.SetPenColor(clGray);

    TCanvas& spectrum = Image2->Canvas();
    spectrum.SetBrushColor(clWhite);
    spectrum.FloodFill(0, 0, clAqua);
    spectrum.SetPenColor(clGray);
}

void TForm1::PlotGraph(std::span<const double, 512> Data, int Mode, double XMax, double XMin,
                       double YMax, double YMin, TColor Colour) {
    TCanvas& canvas = GraphBitmap.Canvas();
    const int W = GraphBitmap.Width();
    const int H = GraphBitmap.Height();

    double top = YMax, bottom = YMin;
    if (YCheckBox->Checked()) {
        top = bottom = Data[0];
        for (double v : Data) {
            if (v > top) top = v;
            if (v < bottom) bottom = v;
        }
    }

    // The fraction is formed first, so a symmetric range gives exactly one half and
    // the tie W/2 or H/2 is rounded to even as intended, not tipped by rounding error.
    int x0;
    if (XMax * XMin < 0)
        x0 = RoundHalfEven(W * ((-XMin) / (XMax - XMin)));
    else if (XMin > 0)
        x0 = 25;
    else
        x0 = W - 5;
    int y0;
    if (top * bottom < 0)
        y0 = H - RoundHalfEven(H * ((-bottom) / (top - bottom)));
    else if (top > 0)
        y0 = H - 15;
    else
        y0 = 5;

    canvas.SetPenColor(clGray);
    canvas.MoveTo(0, y0);
    canvas.LineTo(W, y0);
    canvas.MoveTo(x0 - 1, 0);
    canvas.LineTo(x0 - 1, H);
    canvas.SetPenColor(Colour);

    const int c = W / 2 - 1;
    const double q = (top - bottom) / (H - 30);
    if (q != 0) {
        auto column = [c](int i) { return c + i - 255; };
        auto row = [y0, q](double v) { return RoundHalfEven(y0 - v / q); };
        for (int i = 1; i < 512; ++i) {
            // A jump of a thousand pixels or more is a break in the curve, not a line.
            if (std::abs((Data[i] - Data[i - 1]) / q) >= 1000) continue;
            if (Mode == 0)
                canvas.MoveTo(column(i), y0);
            else
                canvas.MoveTo(column(i - 1), row(Data[i - 1]));
            canvas.LineTo(column(i), row(Data[i]));
        }
    }

    Image1->Canvas().StretchDraw(TRect{0, 0, Image1->Width(), Image1->Height()}, GraphBitmap);
}
