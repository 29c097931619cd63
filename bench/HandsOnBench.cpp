// The core of one live step of the hands-on tools, without any window: a pen stroke plus
// the analysis of the 512 samples (drawing), the inverse transform plus the analysis
// (dragging a coefficient bar), and a masked partial sum. The drag benchmark times each of
// 1000 synthetic mouse moves and reports their median and 99th percentile.
#include "HarmonicMask.h"
#include "InverseTransform.h"
#include "Stroke.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <numbers>
#include <random>
#include <vector>

namespace {

using namespace Fourier;

// A hand's drag to and fro over the period: moves of 1 to 24 grid steps, the value
// wandering within [-1.5, 1.5].
std::vector<TPenPoint> SyntheticDrag(int moves) {
    std::mt19937 engine(15);
    std::uniform_int_distribution<int> stride(1, 24);
    std::uniform_real_distribution<double> wobble(-0.2, 0.2);
    std::vector<TPenPoint> points{{-std::numbers::pi, 0.0}};
    int direction = 1;
    while (static_cast<int>(points.size()) <= moves) {
        TPenPoint next = points.back();
        next.X += direction * stride(engine) * std::numbers::pi / 256;
        next.Y = std::clamp(next.Y + wobble(engine), -1.5, 1.5);
        if (std::abs(next.X) > std::numbers::pi) direction = -direction;
        points.push_back(next);
    }
    return points;
}

void DrawStepPercentiles(benchmark::State& state) {
    const int moves = static_cast<int>(state.range(0));
    const std::vector<TPenPoint> drag = SyntheticDrag(moves);
    std::vector<double> perMove;
    perMove.reserve(moves);
    for (auto _ : state) {
        perMove.clear();
        TSamples samples{};
        for (int i = 1; i <= moves; ++i) {
            const auto start = std::chrono::steady_clock::now();
            DrawStroke(samples, drag[i - 1], drag[i]);
            const TAnalysis analysis = AnalyseSamples(samples);
            benchmark::DoNotOptimize(analysis.Re.data());
            perMove.push_back(
                std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                    .count());
        }
    }
    std::sort(perMove.begin(), perMove.end());
    state.counters["median_us"] = perMove[perMove.size() / 2];
    state.counters["p99_us"] = perMove[perMove.size() * 99 / 100];
    state.counters["max_us"] = perMove.back();
}
BENCHMARK(DrawStepPercentiles)->Arg(1000)->Iterations(5)->Unit(benchmark::kMillisecond);

void DrawStep(benchmark::State& state) {
    const std::vector<TPenPoint> drag = SyntheticDrag(1000);
    TSamples samples{};
    std::size_t i = 1;
    for (auto _ : state) {
        DrawStroke(samples, drag[i - 1], drag[i]);
        const TAnalysis analysis = AnalyseSamples(samples);
        benchmark::DoNotOptimize(analysis.Re.data());
        i = i + 1 < drag.size() ? i + 1 : 1;
    }
}
BENCHMARK(DrawStep)->Unit(benchmark::kMicrosecond);

void CoefficientDragStep(benchmark::State& state) {
    TCoefficients coefficients;
    for (int k = 1; k <= EditableHarmonics; k += 2)
        coefficients.Sin[k] = 4 / (std::numbers::pi * k);
    int step = 0;
    for (auto _ : state) {
        coefficients.Sin[3] = 0.4 + 0.01 * (step++ % 50);
        const TAnalysis analysis = AnalyseSamples(SynthesiseSamples(coefficients));
        benchmark::DoNotOptimize(analysis.Re.data());
    }
}
BENCHMARK(CoefficientDragStep)->Unit(benchmark::kMicrosecond);

void MaskedPartialSum32(benchmark::State& state) {
    TLines re{}, im{};
    for (int k = 1; k <= HighestHarmonic; k += 2)
        im[k] = CoefficientScale() * 4 / (std::numbers::pi * k);
    THarmonicMask mask;
    mask.SetMuted(3, true);
    for (auto _ : state) {
        const TSamples values = MaskedPartialSum(re, im, 32, mask);
        benchmark::DoNotOptimize(values.data());
    }
}
BENCHMARK(MaskedPartialSum32)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
