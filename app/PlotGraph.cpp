// The graph: 512 values as stems or a joined line on GraphBitmap, stretched into Image1.
#include "PlotLayout.h"
#include "Rounding.h"
#include "Unit1.h"

#include <algorithm>
#include <cmath>

using namespace Toolkit;
using namespace Fourier;

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

    const int x0 = GraphAxisColumn(W, XMax, XMin);
    const int y0 = GraphAxisRow(H, top, bottom);

    canvas.SetPenColor(clGray);
    canvas.MoveTo(0, y0);
    canvas.LineTo(W, y0);
    canvas.MoveTo(x0 - 1, 0);
    canvas.LineTo(x0 - 1, H);
    canvas.SetPenColor(Colour);

    const double q = (top - bottom) / (H - GraphVerticalMargin);
    if (q != 0) {
        auto column = [W](int i) { return GraphColumn(W, i); };
        auto row = [y0, q](double v) { return RoundHalfEven(y0 - v / q); };
        for (int i = 1; i < SampleCount; ++i) {
            if (std::abs((Data[i] - Data[i - 1]) / q) >= GraphBreakPixels) continue;
            if (Mode == 0)
                canvas.MoveTo(column(i), y0);
            else
                canvas.MoveTo(column(i - 1), row(Data[i - 1]));
            canvas.LineTo(column(i), row(Data[i]));
        }
    }

    Image1->Canvas().StretchDraw(TRect{0, 0, Image1->Width(), Image1->Height()}, GraphBitmap);
}
