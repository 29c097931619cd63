// One analysis run's worth of formula evaluation: Translate once, Evaluate at 512
// points, ReleaseFormula; beside it the same amplitude-modulation formula in C++.
#include "Translator.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <map>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int Points = 512;
const std::string ModulationText = "cos(8*x)*(1+0.3*cos(8*x))";

double SampleX(int i) {
    return -std::numbers::pi + i * (2 * std::numbers::pi / Points);
}

void TranslatedRun(benchmark::State& state) {
    std::array<double, Points> samples{};
    for (auto _ : state) {
        Translator::Translate(ModulationText);
        for (int i = 0; i < Points; ++i)
            samples[i] = Translator::Evaluate(SampleX(i));
        Translator::ReleaseFormula();
        benchmark::DoNotOptimize(samples.data());
        benchmark::ClobberMemory();
    }
}

void DirectRun(benchmark::State& state) {
    std::array<double, Points> samples{};
    for (auto _ : state) {
        for (int i = 0; i < Points; ++i) {
            const double x = SampleX(i);
            samples[i] = std::cos(8 * x) * (1 + 0.3 * std::cos(8 * x));
        }
        benchmark::DoNotOptimize(samples.data());
        benchmark::ClobberMemory();
    }
}

void TranslateOnly(benchmark::State& state) {
    for (auto _ : state) {
        Translator::Translate(ModulationText);
        Translator::ReleaseFormula();
        benchmark::ClobberMemory();
    }
}

BENCHMARK(TranslatedRun)->Unit(benchmark::kMicrosecond);
BENCHMARK(DirectRun)->Unit(benchmark::kMicrosecond);
BENCHMARK(TranslateOnly)->Unit(benchmark::kMicrosecond);

// The console table, then how many times slower the translator's run is.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (!run.error_occurred && run.run_type == Run::RT_Iteration)
                times_[run.run_name.function_name] = {run.GetAdjustedRealTime(),
                                                      run.GetAdjustedCPUTime()};
    }

    void PrintRatio() const {
        const auto translated = times_.find("TranslatedRun");
        const auto direct = times_.find("DirectRun");
        if (translated == times_.end() || direct == times_.end()) return;
        const auto [translatedReal, translatedCpu] = translated->second;
        const auto [directReal, directCpu] = direct->second;
        std::printf(
            "\nOne run of %d points, real time: translator %.2f us, C++ %.2f us, ratio %.1f\n",
            Points, translatedReal, directReal, translatedReal / directReal);
        std::printf(
            "One run of %d points, CPU time:  translator %.2f us, C++ %.2f us, ratio %.1f\n",
            Points, translatedCpu, directCpu, translatedCpu / directCpu);
    }

  private:
    std::map<std::string, std::pair<double, double>> times_; // real and CPU microseconds
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio();
    benchmark::Shutdown();
    return 0;
}
