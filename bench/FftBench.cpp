// RealFft(512) beside FFTW's 512-point real-to-complex transform and a direct DFT,
// followed by the ratio RealFft/FFTW of one run.
#include "FftInternal.h"

#include <benchmark/benchmark.h>
#include <fftw3.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <map>
#include <numbers>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int N = 512;
using Array = std::array<double, Fft87b41::Capacity>;

Array Samples() {
    std::mt19937_64 engine(512);
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    Array a{};
    for (int n = 0; n < N; ++n)
        a[n] = value(engine);
    return a;
}

// Each transform starts from the same samples: RealFft works in place, so the copy is
// part of every measured iteration, and FFTW gets the same copy to be fair.
void BM_RealFft512(benchmark::State& state) {
    const Array samples = Samples();
    Array re{}, im{};
    uint8_t status = 0;
    for (auto _ : state) {
        std::copy_n(samples.begin(), N, re.begin());
        Fft87b41::RealFft(N, 0, re, im, status);
        benchmark::DoNotOptimize(re.data());
        benchmark::DoNotOptimize(im.data());
        benchmark::ClobberMemory();
    }
    if (status != Fft87b41::fsOk) state.SkipWithError("RealFft refused N = 512");
}

void BM_Fftw512(benchmark::State& state) {
    double* in = fftw_alloc_real(N);
    fftw_complex* out = fftw_alloc_complex(N / 2 + 1);
    // Planning with FFTW_MEASURE overwrites the buffers, so the samples go in afterwards.
    fftw_plan plan = fftw_plan_dft_r2c_1d(N, in, out, FFTW_MEASURE);
    const Array samples = Samples();
    for (auto _ : state) {
        std::copy_n(samples.begin(), N, in);
        fftw_execute(plan);
        benchmark::DoNotOptimize(out);
        benchmark::ClobberMemory();
    }
    fftw_destroy_plan(plan);
    fftw_free(out);
    fftw_free(in);
}

// Lines 0..N/2 by the definition, with the cosines and sines tabulated beforehand.
void BM_DirectDft512(benchmark::State& state) {
    std::array<double, N> cosTable{}, sinTable{};
    for (int m = 0; m < N; ++m) {
        const long double angle = 2 * std::numbers::pi_v<long double> * m / N;
        cosTable[m] = static_cast<double>(std::cos(angle));
        sinTable[m] = static_cast<double>(-std::sin(angle));
    }
    const Array samples = Samples();
    const double scale = 1.0 / std::sqrt(static_cast<double>(N));
    std::array<double, N / 2 + 1> re{}, im{};
    for (auto _ : state) {
        for (int k = 0; k <= N / 2; ++k) {
            double sumRe = 0, sumIm = 0;
            for (int n = 0, m = 0; n < N; ++n, m = (m + k) % N) {
                sumRe += samples[n] * cosTable[m];
                sumIm += samples[n] * sinTable[m];
            }
            re[k] = sumRe * scale;
            im[k] = sumIm * scale;
        }
        benchmark::DoNotOptimize(re.data());
        benchmark::DoNotOptimize(im.data());
        benchmark::ClobberMemory();
    }
}

// What RealFft(512) would pay on every call if it did not keep its tables.
void BM_Tables256(benchmark::State& state) {
    Array sinTable{}, cosTable{};
    Fft87b41::TSplitTwiddles split;
    for (auto _ : state) {
        Fft87b41::MakeTwiddles(N / 2, sinTable, cosTable);
        Fft87b41::MakeSplitTwiddles(N / 2, sinTable, cosTable, split);
        benchmark::DoNotOptimize(split.Cos.data());
        benchmark::ClobberMemory();
    }
}

void BM_ComplexFft4_256(benchmark::State& state) {
    Array sinTable{}, cosTable{};
    Fft87b41::MakeTwiddles(N / 2, sinTable, cosTable);
    const Array samples = Samples();
    Array re{}, im{};
    for (auto _ : state) {
        std::copy_n(samples.begin(), N / 2, re.begin());
        std::copy_n(samples.begin() + N / 2, N / 2, im.begin());
        Fft87b41::ComplexFft4(4, N / 2, 0, re, im, sinTable, cosTable);
        benchmark::DoNotOptimize(re.data());
        benchmark::ClobberMemory();
    }
}

BENCHMARK(BM_RealFft512)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_Fftw512)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_DirectDft512)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_Tables256)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_ComplexFft4_256)->Unit(benchmark::kNanosecond);

// The console table as usual, and the fastest time per transform of each benchmark kept
// for the summary.
class SummaryReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
            const std::string name = run.run_name.function_name;
            const double ns = run.GetAdjustedCPUTime();
            const auto found = fastest_.find(name);
            if (found == fastest_.end() || ns < found->second) fastest_[name] = ns;
        }
    }

    void PrintSummary() const {
        std::printf("\nns per 512-point transform (CPU time):\n");
        for (const char* name : {"BM_RealFft512", "BM_Fftw512", "BM_DirectDft512"})
            if (const auto found = fastest_.find(name); found != fastest_.end())
                std::printf("  %-16s %10.1f\n", name + 3, found->second);
        const auto ours = fastest_.find("BM_RealFft512");
        const auto fftw = fastest_.find("BM_Fftw512");
        if (ours != fastest_.end() && fftw != fastest_.end())
            std::printf("RealFft/FFTW ratio: %.2f (goal: at most 3)\n",
                        ours->second / fftw->second);
    }

  private:
    std::map<std::string, double> fastest_;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintSummary();
    benchmark::Shutdown();
    fftw_cleanup();
    return 0;
}
