// One whole analysis run per waveform, the drawing routines alone, a synthesis at
// k = 32, and bursts of slider steps with automatic redrawing, all offscreen.
#include "Unit1.h"

#include <QApplication>
#include <QTest>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <numbers>
#include <vector>

namespace {

std::unique_ptr<TForm1> MakeForm() {
    Fourier::Toolkit::SetErrorReporter([](const std::string&) {}); // no velmora.cfg here
    auto form = std::make_unique<TForm1>();
    form->Show();
    return form;
}

// One window for every benchmark; main closes it before the application object goes.
std::unique_ptr<TForm1> sharedForm;

TForm1& Form() {
    if (!sharedForm) sharedForm = MakeForm();
    return *sharedForm;
}

void Choose(TForm1& form, int item) {
    QWidget* combo = form.ComboBox1->Widget();
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Home);
    for (int i = 0; i < item; ++i)
        QTest::keyClick(combo, Qt::Key_Down);
}

// Each run has new positions, as after a slider step, so a formula is evaluated afresh.
void AnalysisRun(benchmark::State& state) {
    TForm1& form = Form();
    Choose(form, static_cast<int>(state.range(0)));
    const int p1 = form.TrackBar1->Position(), p3 = form.TrackBar3->Position();
    int step = 0;
    for (auto _ : state) {
        ++step;
        form.TrackBar1->SetPosition(p1 + step % 2);
        form.TrackBar3->SetPosition(p3 + step % 2);
        form.Button1->Click();
    }
    state.SetLabel(form.ComboBox1->Text());
}
BENCHMARK(AnalysisRun)->DenseRange(0, 7)->Unit(benchmark::kMicrosecond);

void PlotGraphAlone(benchmark::State& state) {
    TForm1& form = Form();
    Choose(form, 1);
    std::array<double, 512> data;
    for (int i = 0; i < 512; ++i)
        data[i] = std::sin(i * 0.05);
    for (auto _ : state)
        form.PlotGraph(data, static_cast<TForm1::TPlotMode>(state.range(0)), std::numbers::pi,
                       -std::numbers::pi, 1.5, -1.5, Fourier::Toolkit::clRed);
}
BENCHMARK(PlotGraphAlone)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void ShowSpectrumAlone(benchmark::State& state) {
    TForm1& form = Form();
    Choose(form, 1);
    for (auto _ : state) {
        form.ClearDrawings();
        form.ShowSpectrum();
    }
}
BENCHMARK(ShowSpectrumAlone)->Unit(benchmark::kMicrosecond);

void ClearDrawingsAlone(benchmark::State& state) {
    TForm1& form = Form();
    for (auto _ : state)
        form.ClearDrawings();
}
BENCHMARK(ClearDrawingsAlone)->Unit(benchmark::kMicrosecond);

void SynthesisK32(benchmark::State& state) {
    TForm1& form = Form();
    Choose(form, 1);
    form.SpinEdit1->SetText("32");
    form.LRadioGroup->SetItemIndex(0);
    for (auto _ : state)
        form.SSpeedButton->Click();
}
BENCHMARK(SynthesisK32)->Unit(benchmark::kMicrosecond);

// Slider steps as the user makes them (arrow keys) with "Перерисовывать" on: every
// step runs an analysis, and both images are repainted before the next step.
void SliderBurst(benchmark::State& state) {
    TForm1& form = Form();
    Choose(form, 6);
    if (!form.CheckBox3->Checked()) QTest::mouseClick(form.CheckBox3->Widget(), Qt::LeftButton);
    const int steps = static_cast<int>(state.range(0));
    std::vector<double> perStep;
    perStep.reserve(steps);
    for (auto _ : state) {
        perStep.clear();
        form.TrackBar1->SetFocus();
        QWidget* bar = form.TrackBar1->Widget();
        for (int i = 0; i < steps; ++i) {
            const auto start = std::chrono::steady_clock::now();
            QTest::keyClick(bar, (i / 16) % 2 ? Qt::Key_Left : Qt::Key_Right);
            form.Image1->Widget()->repaint();
            form.Image2->Widget()->repaint();
            perStep.push_back(
                std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                    .count());
        }
    }
    std::sort(perStep.begin(), perStep.end());
    state.counters["median_us"] = perStep[perStep.size() / 2];
    state.counters["p99_us"] = perStep[perStep.size() * 99 / 100];
    if (form.CheckBox3->Checked()) QTest::mouseClick(form.CheckBox3->Widget(), Qt::LeftButton);
}
BENCHMARK(SliderBurst)->Arg(100)->Arg(1000)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    Fourier::Toolkit::Application::TSession session(argc, argv);
    Fourier::Toolkit::Application::SetTitle("Фурье");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    sharedForm.reset();
    return 0;
}
