// Latency from a change of k to the new sound at the speaker, through the real output: the
// sound pane's SoundOutput plays the square's S_k at 220 Hz and k changes every 250 ms;
// each change is timed from the call on the user-interface thread to the middle of its
// crossfade reaching the speaker, as the output reports its playing position. Also the
// time the user-interface thread spends in the call. Without a sound output it says so.
#include "SoundOutput.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

using namespace Fourier;

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SoundOutput output;
    bool checked = false, available = false;
    QString name;
    QObject::connect(&output, &SoundOutput::deviceChecked, [&](bool found, const QString& device) {
        checked = true;
        available = found;
        name = device;
    });
    QElapsedTimer lookup;
    lookup.start();
    if (!QTest::qWaitFor([&] { return checked; }, 10000)) {
        std::puts("sound output: no answer within 10 s");
        return 1;
    }
    std::printf("output look-up on the audio thread: %lld ms\n",
                static_cast<long long>(lookup.elapsed()));
    if (!available) {
        std::puts("no sound output on this machine: latency not measured");
        return 0;
    }
    std::printf("output: %s\n", qPrintable(name));

    int underruns = 0;
    QObject::connect(&output, &SoundOutput::underrun, [&] { ++underruns; });
    std::vector<double> latencies;
    QObject::connect(&output, &SoundOutput::latencyMeasured,
                     [&](double seconds) { latencies.push_back(seconds * 1000); });
    TSamples square{};
    for (int j = 0; j < SampleCount; ++j)
        square[j] = j < 256 ? -1 : 1;
    output.SetSpectrum(AnalyseSamples(square));
    output.SetChoice({TSoundSource::PartialSum, 1, 220});
    output.Play();
    QTest::qWait(500);

    std::vector<double> callMicroseconds;
    for (int i = 0; i < 40; ++i) {
        const auto before = std::chrono::steady_clock::now();
        output.SetChoice({TSoundSource::PartialSum, i % 2 == 0 ? 7 : 1, 220});
        callMicroseconds.push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - before)
                .count());
        QTest::qWait(250);
    }
    output.Stop();
    QTest::qWait(300);

    if (latencies.empty()) {
        std::puts("no change was reported as heard");
        return 1;
    }
    std::sort(latencies.begin(), latencies.end());
    std::sort(callMicroseconds.begin(), callMicroseconds.end());
    const auto at = [](const std::vector<double>& v, double q) {
        return v[static_cast<std::size_t>(q * static_cast<double>(v.size() - 1))];
    };
    std::printf("k change to new sound (%zu changes): median %.1f ms, p90 %.1f ms, max %.1f ms\n",
                latencies.size(), at(latencies, 0.5), at(latencies, 0.9), latencies.back());
    std::printf("underruns reported by the output: %d\n", underruns);
    std::printf("user-interface thread per change: median %.1f us, max %.1f us\n",
                at(callMicroseconds, 0.5), callMicroseconds.back());
    return 0;
}
