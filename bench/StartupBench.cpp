// Start-up to the first painted frame and peak memory: the program's window side by side
// with a bare Qt window of the same size (and that window with one line of text, since
// the font machinery every text needs is most of the difference), each a fresh process.
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <map>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

struct Figures {
    double seconds = 0;
    double peakKb = 0;
    int runs = 0;
};
std::map<std::string, Figures> figures;

struct ProbeOutput {
    long peakKb = -1;
    double labOpenMs = -1; // open-lab only
};

// Runs a probe once and reads what it printed.
ProbeOutput RunProbe(const char* probe, const char* which) {
    int out[2];
    if (pipe(out) != 0) return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    char* args[] = {const_cast<char*>(probe), const_cast<char*>(which), nullptr};
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, probe, &actions, nullptr, args, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    std::string text;
    char buffer[256];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, n);
    close(out[0]);
    if (spawned != 0) return {};
    int status = 0;
    waitpid(pid, &status, 0);
    ProbeOutput output;
    std::sscanf(text.c_str(), "peak_rss_kb %ld lab_open_ms %lf", &output.peakKb, &output.labOpenMs);
    return output;
}

// key names the figures; which is the probe's argument.
void Startup(benchmark::State& state, const char* key, const char* which, const char* probe) {
    Figures& f = figures[key];
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const long kb = RunProbe(probe, which).peakKb;
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (kb < 0) {
            state.SkipWithError("probe failed");
            return;
        }
        state.SetIterationTime(seconds);
        f.seconds += seconds;
        f.peakKb += kb;
        ++f.runs;
    }
    state.counters["peak_rss_kb"] = f.peakKb / f.runs;
}
BENCHMARK_CAPTURE(Startup, bare, "bare", "bare", STARTUP_PROBE)
    ->UseManualTime()
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Startup, label, "label", "label", STARTUP_PROBE)
    ->UseManualTime()
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Startup, fourier, "fourier", "fourier", STARTUP_PROBE)
    ->UseManualTime()
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);
// The same window from a probe built as the program is, with the lab's launcher: F2 and the
// pictures' menu installed, the lab's library left for the first F2.
BENCHMARK_CAPTURE(Startup, fourier_with_lab, "fourier_with_lab", "fourier", STARTUP_PROBE_LAB)
    ->UseManualTime()
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);

// F2 in the program as built, after its first frame, until the lab's first painted frame:
// the lab's library loaded, its window and all its panes built, its current view drawn.
void OpenLab(benchmark::State& state) {
    std::vector<double> times;
    for (auto _ : state) {
        const double ms = RunProbe(STARTUP_PROBE_LAB, "open-lab").labOpenMs;
        if (ms < 0) {
            state.SkipWithError("the lab did not open");
            return;
        }
        state.SetIterationTime(ms / 1e3);
        times.push_back(ms);
    }
    std::sort(times.begin(), times.end());
    state.counters["median_ms"] = times[times.size() / 2];
    state.counters["max_ms"] = times.back();
}
BENCHMARK(OpenLab)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    const Figures& ours = figures["fourier"];
    for (const char* other : {"bare", "label"}) {
        const Figures& base = figures[other];
        if (base.runs == 0 || ours.runs == 0) continue;
        std::printf("start-up ratio (fourier / %s window): time %.2f, peak memory %.2f\n", other,
                    (ours.seconds / ours.runs) / (base.seconds / base.runs),
                    (ours.peakKb / ours.runs) / (base.peakKb / base.runs));
    }
    const Figures& lab = figures["fourier_with_lab"];
    if (lab.runs > 0 && ours.runs > 0)
        std::printf("start-up with the lab's launcher: %.1f ms against %.1f ms without "
                    "(ratio %.3f), peak memory %.0f kB against %.0f kB\n",
                    1e3 * lab.seconds / lab.runs, 1e3 * ours.seconds / ours.runs,
                    (lab.seconds / lab.runs) / (ours.seconds / ours.runs), lab.peakKb / lab.runs,
                    ours.peakKb / ours.runs);
    return 0;
}
