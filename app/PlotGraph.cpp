// The graph: 512 values as stems or a joined line on GraphBitmap, stretched into Image1.
#include "PlotLayout.h"
#include "Unit1.h"

#include <cmath>

using namespace Fourier::Toolkit;
using namespace Fourier;

void TForm1::ClearDrawings() {
    TCanvas& graph = GraphBitmap.Canvas();
    graph.SetBrushColor(clBlack);
    graph.FloodFill(0, 0, clAqua);
    graph.SetPenColor(clGray);
    ClearSpectrum();
}

void TForm1::ClearSpectrum() {
    TCanvas& spectrum = Image2->Canvas();
    spectrum.SetBrushColor(clWhite);
    spectrum.FloodFill(0, 0, clAqua);
    spectrum.SetPenColor(clGray);
    spectrumDrawn_ = false;
}

void TForm1::PlotGraph(std::span<const double, SampleCount> Data, TPlotMode Mode, double XMax,
                       double XMin, double YMax, double YMin, TColor Colour) {
    TCanvas& canvas = GraphBitmap.Canvas();
    const int W = GraphBitmap.Width();
    const int H = GraphBitmap.Height();

    const auto [top, bottom] = GraphValueRange(Data, YMax, YMin, YCheckBox->Checked());

    const int x0 = GraphAxisColumn(W, XMax, XMin);
    const int y0 = GraphAxisRow(H, top, bottom);

    canvas.SetPenColor(clGray);
    canvas.MoveTo(0, y0);
    canvas.LineTo(W, y0);
    canvas.MoveTo(x0 - 1, 0);
    canvas.LineTo(x0 - 1, H);
    canvas.SetPenColor(Colour);

    const double q = GraphValuePerPixel(H, top, bottom);
    if (q != 0) {
        auto column = [W](int i) { return GraphColumn(W, i); };
        auto row = [y0, q](double v) { return GraphRow(y0, q, v); };
        for (int i = 1; i < SampleCount; ++i) {
            if (std::abs((Data[i] - Data[i - 1]) / q) >= GraphBreakPixels) continue;
            if (Mode == TPlotMode::Stems)
                canvas.MoveTo(column(i), y0);
            else
                canvas.MoveTo(column(i - 1), row(Data[i - 1]));
            canvas.LineTo(column(i), row(Data[i]));
        }
    }

    Image1->StretchLater(GraphBitmap);
}
