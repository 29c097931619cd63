// The sound's cost: rendering one second of the tone (the worst case is the signal at 55 Hz,
// all 255 harmonics), preparing the levels of a new spectrum, and one 20 ms period of a
// partial sum while k changes every period (a crossfade in every pull).
#include "SoundRender.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using namespace Fourier;

TAnalysis Square() {
    TSamples s{};
    for (int j = 0; j < SampleCount; ++j)
        s[j] = j < 256 ? -1 : 1;
    return AnalyseSamples(s);
}

// Time per iteration = render time per second of audio.
void BM_RenderOneSecond(benchmark::State& state) {
    const auto source = static_cast<TSoundSource>(state.range(0));
    const double fundamental = static_cast<double>(state.range(1));
    TSoundRenderer renderer;
    renderer.SetSpectrum(Square());
    renderer.SetChoice({source, 5, fundamental});
    renderer.Start();
    std::vector<float> period(SoundRate / 50); // the sink pulls 20 ms at a time
    for (auto _ : state) {
        for (int i = 0; i < 50; ++i)
            renderer.Render(period);
        benchmark::DoNotOptimize(period.data());
    }
    state.counters["harmonics"] = source == TSoundSource::PartialSum ? 5 : BandLimit(fundamental);
}
BENCHMARK(BM_RenderOneSecond)
    ->ArgNames({"source", "Hz"})
    ->Args({static_cast<int>(TSoundSource::Signal), 55})
    ->Args({static_cast<int>(TSoundSource::Signal), 220})
    ->Args({static_cast<int>(TSoundSource::Signal), 1760})
    ->Args({static_cast<int>(TSoundSource::PartialSum), 220})
    ->Unit(benchmark::kMillisecond);

// A 20 ms period with a crossfade from S_k to S_(k+1) in it, at 55 Hz (the most harmonics).
void BM_PeriodWithCrossfade(benchmark::State& state) {
    TSoundRenderer renderer;
    renderer.SetSpectrum(Square());
    renderer.Start();
    std::vector<float> period(SoundRate / 50);
    int k = 200;
    for (auto _ : state) {
        renderer.SetChoice({TSoundSource::PartialSum, k, 55});
        k = k == 255 ? 200 : k + 1;
        renderer.Render(period);
        benchmark::DoNotOptimize(period.data());
    }
}
BENCHMARK(BM_PeriodWithCrossfade)->Unit(benchmark::kMicrosecond);

// A new spectrum (every analysis run): the peaks of all 255 partial sums.
void BM_LevelsOfANewSpectrum(benchmark::State& state) {
    const TAnalysis analysis = Square();
    for (auto _ : state)
        benchmark::DoNotOptimize(TSoundLevels(analysis).PeakBound(HighestHarmonic));
}
BENCHMARK(BM_LevelsOfANewSpectrum)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
