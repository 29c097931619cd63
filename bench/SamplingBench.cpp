// The sampling view's computations for one change of N, P or the window, at their largest:
// the windowed excerpt's spectrum (M = 2048 at N = 512, P = 4), the window's own leakage,
// the curves of the signal and of its interpolant over four periods, the interpolant itself.
#include "Sampling.h"
#include "SpectralWindow.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using namespace Fourier;

TSeries Square() {
    TSamples s{};
    for (int j = 0; j < SampleCount; ++j)
        s[j] = j < SampleCount / 2 ? -1 : 1;
    return SeriesOf(AnalyseSamples(s));
}

void BM_ExcerptSpectrum(benchmark::State& state) {
    const int perPeriod = static_cast<int>(state.range(0));
    const double periods = static_cast<double>(state.range(1));
    const std::vector<double> excerpt = SampleSignal(Square(), perPeriod, periods);
    const TFrequencyGrid grid = ExcerptGrid(perPeriod, static_cast<int>(excerpt.size()));
    for (auto _ : state)
        benchmark::DoNotOptimize(ExcerptSpectrum(excerpt, perPeriod, TWindowKind::Hann, grid));
    state.counters["M"] = static_cast<double>(excerpt.size());
    state.counters["points"] = grid.Points;
}
BENCHMARK(BM_ExcerptSpectrum)
    ->ArgNames({"N", "P"})
    ->Args({16, 1})
    ->Args({128, 2})
    ->Args({512, 1})
    ->Args({512, 4})
    ->Unit(benchmark::kMillisecond);

void BM_WindowLeakage(benchmark::State& state) {
    const int length = static_cast<int>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(WindowLeakage(TWindowKind::Blackman, length));
}
BENCHMARK(BM_WindowLeakage)->Arg(64)->Arg(2048)->Unit(benchmark::kMillisecond);

// The top plot's two curves: the signal (all 255 harmonics) and what 512 samples rebuild.
void BM_SignalAndInterpolantCurves(benchmark::State& state) {
    const int perPeriod = static_cast<int>(state.range(0));
    const TSeries series = Square();
    for (auto _ : state) {
        const std::vector<double> excerpt = SampleSignal(series, perPeriod, 4.0);
        const TSeries rebuilt =
            Interpolant(std::span(excerpt).first(static_cast<std::size_t>(perPeriod)));
        benchmark::DoNotOptimize(SeriesCurve(series, 4.0, 1024));
        benchmark::DoNotOptimize(SeriesCurve(rebuilt, 4.0, 1024));
    }
}
BENCHMARK(BM_SignalAndInterpolantCurves)->Arg(16)->Arg(512)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
