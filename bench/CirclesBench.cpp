// One frame of «Круги», offscreen: the chain of the square wave's S_k with its circles,
// radius vectors and trace painted, antialiased, into an image of the view's size, t moving
// on each frame as it does at 60 frames a second. 1000 frames; their median, 99th
// percentile and maximum (the first frame also paints what stands still), in wall time and, since
// the machine may be shared, in this thread's processor time.
#include "CirclesView.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <numbers>
#include <string>
#include <time.h>
#include <vector>

namespace {

using namespace Fourier;

double ThreadMilliseconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

void Percentiles(benchmark::State& state, const std::string& name, std::vector<double>& values) {
    std::sort(values.begin(), values.end());
    state.counters[name + "p50_ms"] = values[values.size() / 2];
    state.counters[name + "p99_ms"] = values[values.size() * 99 / 100];
    state.counters[name + "max_ms"] = values.back();
}

void PaintFrames(benchmark::State& state) {
    TSamples square;
    for (int j = 0; j < SampleCount; ++j)
        square[j] = j < SampleCount / 2 ? -1.0 : 1.0;
    const int k = static_cast<int>(state.range(0));
    const TAnalysis analysis = AnalyseSamples(square);
    QImage image(860, 520, QImage::Format_ARGB32_Premultiplied);
    constexpr double Step = 2 * std::numbers::pi / (CirclesView::PeriodSeconds * 60);
    std::vector<double> frames, processor;
    for (auto _ : state) {
        CirclesPicture picture;
        picture.SetChain(TRotatingCircles(analysis, k, TCircleOrder::BySize), square);
        frames.clear();
        processor.clear();
        double t = -std::numbers::pi;
        for (int i = 0; i < 1000; ++i) {
            const auto start = std::chrono::steady_clock::now();
            const double cpuStart = ThreadMilliseconds();
            {
                QPainter painter(&image);
                picture.Paint(painter, image.size(), t);
            }
            processor.push_back(ThreadMilliseconds() - cpuStart);
            frames.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count());
            t += Step;
            if (t >= std::numbers::pi) t -= 2 * std::numbers::pi;
        }
    }
    benchmark::DoNotOptimize(image.constBits());
    Percentiles(state, "", frames);
    Percentiles(state, "cpu_", processor);
    state.SetLabel("square wave, k = " + std::to_string(k) + ", 860x520");
}
BENCHMARK(PaintFrames)->Arg(32)->Arg(255)->Iterations(1)->Unit(benchmark::kMillisecond);

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
