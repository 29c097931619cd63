// The lab's costs, offscreen: the whole convergence table; slider steps with the lab open on
// each view, main window and lab both updated and repainted (beside the main window alone);
// opening the lab with F2, the first time and again; live drawing in the lab.
#include "Convergence.h"
#include "DrawPane.h"
#include "DrawingArea.h"
#include "LabLauncher.h"
#include "LabView.h"
#include "LabWindow.h"
#include "Unit1.h"

#include <QApplication>
#include <QTabWidget>
#include <QTest>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>
#include <memory>
#include <string>
#include <time.h>
#include <vector>

namespace {

Fourier::TSamples Square() {
    Fourier::TSamples s{};
    for (int j = 0; j < Fourier::SampleCount; ++j)
        s[j] = j < 256 ? -1 : 1;
    return s;
}

Fourier::TSamples Triangle() {
    Fourier::TSamples s{};
    for (int j = 0; j < Fourier::SampleCount; ++j)
        s[j] = j < 128 ? -j / 128.0 : j < 384 ? (j - 256) / 128.0 : (511 - j) / 128.0;
    return s;
}

// k = 0..256; the square wave also has its overshoot searched for every k.
void ConvergenceTable(benchmark::State& state) {
    const Fourier::TAnalysis analysis =
        Fourier::AnalyseSamples(state.range(0) ? Square() : Triangle());
    for (auto _ : state)
        benchmark::DoNotOptimize(Fourier::MeasureConvergence(analysis));
    state.SetLabel(state.range(0) ? "square (with overshoot)" : "triangle (no jump)");
}
BENCHMARK(ConvergenceTable)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

// The machine is shared: processor time of this thread beside the wall time.
double ThreadMicroseconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e6 + t.tv_nsec / 1e3;
}

void Percentiles(benchmark::State& state, const std::string& name, std::vector<double>& values) {
    std::sort(values.begin(), values.end());
    state.counters[name + "_median_us"] = values[values.size() / 2];
    state.counters[name + "_p99_us"] = values[values.size() * 99 / 100];
}

// Counts the paints of a view's plots, or of single widgets.
class PaintCounter : public QObject {
  public:
    int count = 0;
    void Watch(QWidget* view) {
        for (QWidget* plot : view->findChildren<QWidget*>())
            if (plot->objectName().endsWith("Plot")) plot->installEventFilter(this);
    }
    void WatchWidget(QWidget* widget) { widget->installEventFilter(this); }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == QEvent::Paint;
        return false;
    }
};

std::unique_ptr<TForm1> MakeForm() {
    Fourier::Toolkit::SetErrorReporter([](const std::string&) {}); // no velmora.cfg here
    auto form = std::make_unique<TForm1>();
    Fourier::InstallLab(*form);
    form->Show();
    form->Widget()->activateWindow();
    if (!QTest::qWaitForWindowActive(form->Widget())) return nullptr;
    return form;
}

void Choose(TForm1& form, int item) {
    QWidget* combo = form.ComboBox1->Widget();
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Home);
    for (int i = 0; i < item; ++i)
        QTest::keyClick(combo, Qt::Key_Down);
}

Fourier::LabWindow* OpenLab(TForm1& form) {
    form.Widget()->activateWindow();
    if (!QTest::qWaitForWindowActive(form.Widget())) return nullptr;
    QTest::keyClick(form.Widget()->focusWidget(), Qt::Key_F2);
    return qobject_cast<Fourier::LabWindow*>(Fourier::OpenedLab(form.Widget()));
}

// 1000 arrow-key steps of the first slider with "Перерисовывать" on; each step is timed
// until both windows are repainted: the loop's posted events (the lab's update and the
// paints of what changed), then the main window's two pictures repainted. How often the
// lab's current plot was painted is counted, to show that each step did paint it. range(0):
// the lab's tab (the views 0..3, «Операции» 9, «Круги» 10, «Дискретизация» 11), or -1 for no
// lab. range(1): the waveform (7 the pulse, with jumps; 6 the modulation, a formula).
void SliderStepsWithLab(benchmark::State& state) {
    auto form = MakeForm();
    if (!form) {
        state.SkipWithError("main window not active");
        return;
    }
    Choose(*form, static_cast<int>(state.range(1)));
    if (!form->CheckBox3->Checked()) QTest::mouseClick(form->CheckBox3->Widget(), Qt::LeftButton);
    const int view = static_cast<int>(state.range(0));
    Fourier::LabWindow* lab = view >= 0 ? OpenLab(*form) : nullptr;
    if (view >= 0 && !lab) {
        state.SkipWithError("no lab");
        return;
    }
    if (lab) lab->Tabs()->setCurrentIndex(view);
    PaintCounter paints;
    if (lab) paints.Watch(lab->Tabs()->currentWidget());
    QApplication::processEvents();
    form->Widget()->activateWindow();
    if (!QTest::qWaitForWindowActive(form->Widget())) state.SkipWithError("main window not active");
    form->TrackBar1->SetFocus();
    QWidget* bar = form->TrackBar1->Widget();
    std::vector<double> wall, cpu, analysis, labUpdate, repaint;
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i) {
            const auto start = std::chrono::steady_clock::now();
            const double cpuStart = ThreadMicroseconds();
            QTest::keyClick(bar, (i / 16) % 2 ? Qt::Key_Left : Qt::Key_Right);
            const double analysed = ThreadMicroseconds();
            QApplication::processEvents(); // the lab's update for this turn of the loop
            const double updated = ThreadMicroseconds();
            QApplication::sendPostedEvents(); // paints still waiting: what changed in either window
            form->Image1->Widget()->repaint();
            form->Image2->Widget()->repaint();
            const double end = ThreadMicroseconds();
            cpu.push_back(end - cpuStart);
            analysis.push_back(analysed - cpuStart);
            labUpdate.push_back(updated - analysed);
            repaint.push_back(end - updated);
            wall.push_back(
                std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                    .count());
        }
    }
    // Where the processor time goes: the main window's runs, the lab's update, the repaints.
    for (auto [name, values] : {std::pair{"step", &analysis}, std::pair{"lab", &labUpdate},
                                std::pair{"paint", &repaint}}) {
        std::sort(values->begin(), values->end());
        state.counters[std::string(name) + "_cpu_median_us"] = (*values)[values->size() / 2];
    }
    Percentiles(state, "wall", wall);
    Percentiles(state, "cpu", cpu);
    state.counters["lab_paints_per_step"] = paints.count / 1000.0;
    state.SetLabel((lab ? lab->Tabs()->tabText(view).toStdString() : std::string("no lab")) + ", " +
                   form->ComboBox1->Text());
    if (lab) lab->close();
}
BENCHMARK(SliderStepsWithLab)
    ->ArgsProduct({{-1, 0, 1, 2, 3, 9, 10, 11}, {7, 6}})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// «Нарисовать» in the opened lab: 1000 mouse moves of one stroke, each timed until what
// changed is repainted (the drawing, the bars under it, the heading), the lab's update for
// the move in between: the same end as a slider step's. range(0) = 0..3 puts that view on
// top instead, the moves still sent to the drawing: each is timed until the view shows it,
// as if it lay beside the drawing. The paints counted (of the drawing, or of the view's
// plots) show that each move was drawn.
void DrawingInTheLab(benchmark::State& state) {
    auto form = MakeForm();
    Fourier::LabWindow* lab = form ? OpenLab(*form) : nullptr;
    if (!lab) {
        state.SkipWithError("no lab");
        return;
    }
    auto* pane = lab->findChild<Fourier::DrawPane*>();
    lab->Tabs()->setCurrentWidget(pane);
    lab->activateWindow();
    if (!QTest::qWaitForWindowActive(lab)) state.SkipWithError("lab not active");
    const int viewIndex = static_cast<int>(state.range(0));
    auto* view =
        viewIndex >= 0 ? dynamic_cast<Fourier::LabView*>(lab->Tabs()->widget(viewIndex)) : nullptr;
    PaintCounter paints;
    Fourier::DrawingArea* area = pane->Area();
    if (view) {
        lab->Tabs()->setCurrentWidget(view);
        paints.Watch(view);
    } else {
        paints.WatchWidget(area);
    }
    const QRect plot = area->Frame().Area.toRect();
    QTest::mousePress(area, Qt::LeftButton, Qt::NoModifier, plot.center());
    std::vector<double> wall, cpu;
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i) {
            // To and fro over the period in moves of 13 pixels, the height swinging.
            const int sweep = (i * 13) % (2 * plot.width());
            const int x = plot.left() + (sweep < plot.width() ? sweep : 2 * plot.width() - sweep);
            const int y =
                plot.center().y() + static_cast<int>(plot.height() * 0.4 * std::sin(i * 0.05));
            const auto start = std::chrono::steady_clock::now();
            const double cpuStart = ThreadMicroseconds();
            QTest::mouseMove(area, QPoint(x, y));
            QApplication::processEvents();    // the lab's update for this turn of the loop
            QApplication::sendPostedEvents(); // the paints of what changed
            cpu.push_back(ThreadMicroseconds() - cpuStart);
            wall.push_back(
                std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                    .count());
        }
    }
    QTest::mouseRelease(area, Qt::LeftButton, Qt::NoModifier, plot.center());
    Percentiles(state, "wall", wall);
    Percentiles(state, "cpu", cpu);
    state.counters["paints_per_move"] = paints.count / 1000.0;
    state.SetLabel(view ? "drawing into " + lab->Tabs()->tabText(viewIndex).toStdString()
                        : std::string("drawing tab on top"));
    lab->close();
}
BENCHMARK(DrawingInTheLab)->DenseRange(-1, 3)->Iterations(1)->Unit(benchmark::kMillisecond);

// F2 until the lab is shown and painted: the first time (the window is built) and again.
void OpenLabWithF2(benchmark::State& state) {
    const bool again = state.range(0) != 0;
    std::vector<double> times;
    for (auto _ : state) {
        state.PauseTiming();
        auto form = MakeForm();
        if (!form) {
            state.SkipWithError("main window not active");
            return;
        }
        Choose(*form, 1);
        if (again) {
            if (Fourier::LabWindow* lab = OpenLab(*form)) lab->close();
            QApplication::processEvents();
        }
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        Fourier::LabWindow* lab = OpenLab(*form);
        if (!lab) {
            state.SkipWithError("no lab");
            return;
        }
        lab->repaint();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
        state.PauseTiming();
        form.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    std::sort(times.begin(), times.end());
    state.counters["median_ms"] = times[times.size() / 2];
    state.counters["max_ms"] = times.back();
    state.SetLabel(again ? "again" : "first time");
}
BENCHMARK(OpenLabWithF2)->Arg(0)->Arg(1)->Iterations(10)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    Fourier::Toolkit::Application::TSession session(argc, argv);
    Fourier::Toolkit::Application::SetTitle("Фурье");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
