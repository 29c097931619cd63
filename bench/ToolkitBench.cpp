// Canvas operations at the program's surface sizes: the clearing flood fill of the graph
// bitmap (579x231) and of the spectrum image (318x205 in the 800x600 window), a 512-point
// polyline, the stretch into the enlarged graph image, and text.
#include "Canvas.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cmath>

using namespace Fourier::Toolkit;

namespace {

void Sized(TBitmap& b, int w, int h) {
    b.SetWidth(w);
    b.SetHeight(h);
}

void FloodFillWhole(benchmark::State& state) {
    TBitmap b;
    Sized(b, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    TCanvas& c = b.Canvas();
    c.SetBrushColor(clBlack);
    for (auto _ : state) {
        c.FloodFill(0, 0, clAqua);
        benchmark::DoNotOptimize(b.Image().constBits());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(1));
}
BENCHMARK(FloodFillWhole)->Args({579, 231})->Args({318, 205})->Unit(benchmark::kMicrosecond);

void Polyline512(benchmark::State& state) {
    TBitmap b;
    Sized(b, 579, 231);
    TCanvas& c = b.Canvas();
    c.SetPenColor(clRed);
    int y[512];
    for (int i = 0; i < 512; ++i)
        y[i] = 115 + static_cast<int>(100 * std::sin(i * 0.049));
    for (auto _ : state) {
        c.MoveTo(0, y[0]);
        for (int i = 1; i < 512; ++i)
            c.LineTo(i * 579 / 512, y[i]);
    }
}
BENCHMARK(Polyline512)->Unit(benchmark::kMicrosecond);

void StretchGraph(benchmark::State& state) {
    TBitmap source, target;
    Sized(source, 579, 231);
    Sized(target, 798, 358);
    for (auto _ : state)
        target.Canvas().StretchDraw({0, 0, 798, 358}, source);
}
BENCHMARK(StretchGraph)->Unit(benchmark::kMicrosecond);

void TextLabels(benchmark::State& state) {
    TBitmap b;
    Sized(b, 318, 205);
    TCanvas& c = b.Canvas();
    for (auto _ : state)
        for (int k = 0; k < 32; ++k)
            c.TextOut(k * 9, 190, std::to_string(k));
}
BENCHMARK(TextLabels)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    // Fonts need a GUI application; no window is ever shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
