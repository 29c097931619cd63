// One live drawing step in the window, offscreen: a mouse move on «Нарисовать» (stroke,
// analysis, the signal sent out) and the drawing repainted; likewise one step of dragging
// a coefficient bar. 1000 moves each, their median and 99th percentile. The lab's views,
// which repaint on the signal too, add their own cost to these figures.
#include "CoefficientPane.h"
#include "DrawPane.h"
#include "DrawingArea.h"

#include <QApplication>
#include <QTest>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

using namespace Fourier;

// Times each step and reports the percentiles of the last run.
template <class Step> void TimeSteps(benchmark::State& state, int steps, Step step) {
    std::vector<double> perStep;
    perStep.reserve(steps);
    for (auto _ : state) {
        perStep.clear();
        for (int i = 0; i < steps; ++i) {
            const auto start = std::chrono::steady_clock::now();
            step(i);
            perStep.push_back(
                std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                    .count());
        }
    }
    std::sort(perStep.begin(), perStep.end());
    state.counters["median_us"] = perStep[perStep.size() / 2];
    state.counters["p99_us"] = perStep[perStep.size() * 99 / 100];
    state.counters["max_us"] = perStep.back();
}

void DrawMoveAndRepaint(benchmark::State& state) {
    DrawPane pane;
    pane.resize(800, 420);
    pane.show();
    if (!QTest::qWaitForWindowExposed(&pane)) state.SkipWithError("the pane did not show");
    DrawingArea* area = pane.Area();
    int received = 0;
    QObject::connect(&pane, &DrawPane::signalDrawn, [&] { ++received; });
    const QRect plot = area->Frame().Area.toRect();
    QTest::mousePress(area, Qt::LeftButton, Qt::NoModifier, plot.center());
    // To and fro over the period in moves of 13 pixels, the height swinging.
    TimeSteps(state, static_cast<int>(state.range(0)), [&](int i) {
        const int sweep = (i * 13) % (2 * plot.width());
        const int x = plot.left() + (sweep < plot.width() ? sweep : 2 * plot.width() - sweep);
        const int y =
            plot.center().y() + static_cast<int>(plot.height() * 0.4 * std::sin(i * 0.05));
        QTest::mouseMove(area, QPoint(x, y));
        area->repaint();
    });
    QTest::mouseRelease(area, Qt::LeftButton, Qt::NoModifier, plot.center());
    benchmark::DoNotOptimize(received);
}
BENCHMARK(DrawMoveAndRepaint)->Arg(1000)->Iterations(1)->Unit(benchmark::kMillisecond);

void BarDragAndRepaint(benchmark::State& state) {
    CoefficientPane pane;
    pane.resize(800, 420);
    pane.show();
    if (!QTest::qWaitForWindowExposed(&pane)) state.SkipWithError("the pane did not show");
    TCoefficients square;
    for (int k = 1; k <= EditableHarmonics; k += 2)
        square.Sin[k] = 4 / (std::numbers::pi * k);
    pane.StartFrom(square);
    CoefficientBars* bars = pane.Bars();
    const QRectF column = bars->BarColumn({3, 1});
    const QPoint grab = column.center().toPoint();
    QTest::mousePress(bars, Qt::LeftButton, Qt::NoModifier, grab);
    TimeSteps(state, static_cast<int>(state.range(0)), [&](int i) {
        QTest::mouseMove(bars, grab + QPoint(0, static_cast<int>(60 * std::sin(i * 0.07))));
        bars->repaint();
    });
    QTest::mouseRelease(bars, Qt::LeftButton, Qt::NoModifier, grab);
}
BENCHMARK(BarDragAndRepaint)->Arg(1000)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle("Fusion");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
