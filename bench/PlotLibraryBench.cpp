// Qt Charts beside QCustomPlot for the lab's plots: a shown 640 x 400 plot with three
// 512-point curves (signal, partial sum, residual), each slider step giving all three new
// values and a full repaint of the widget. Also what creating and showing one plot costs.
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QElapsedTimer>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>
#include <memory>
#include <numbers>
#include <qcustomplot.h>
#include <string>
#include <time.h>
#include <vector>

namespace {

constexpr int PointCount = 512;
constexpr int CurveCount = 3;
constexpr QSize PlotSize(640, 400);

// The curves of step `step`: they change every step, as after a slider move.
double CurveValue(int curve, int step, int j) {
    const double x = j * (std::numbers::pi / 256) - std::numbers::pi;
    return std::sin((curve + 1) * x + 0.01 * step) * (1.0 + 0.1 * curve);
}

class ChartsPlot {
  public:
    ChartsPlot() {
        auto* chart = new QChart;
        chart->legend()->hide();
        auto* xAxis = new QValueAxis;
        auto* yAxis = new QValueAxis;
        xAxis->setRange(-std::numbers::pi, std::numbers::pi);
        yAxis->setRange(-1.5, 1.5);
        chart->addAxis(xAxis, Qt::AlignBottom);
        chart->addAxis(yAxis, Qt::AlignLeft);
        for (int c = 0; c < CurveCount; ++c) {
            series_[c] = new QLineSeries;
            chart->addSeries(series_[c]);
            series_[c]->attachAxis(xAxis);
            series_[c]->attachAxis(yAxis);
        }
        view_ = std::make_unique<QChartView>(chart);
        view_->resize(PlotSize);
        view_->show();
        points_.resize(PointCount);
    }
    void Step(int step) {
        for (int c = 0; c < CurveCount; ++c) {
            for (int j = 0; j < PointCount; ++j)
                points_[j] = QPointF(j * (std::numbers::pi / 256) - std::numbers::pi,
                                     CurveValue(c, step, j));
            series_[c]->replace(points_);
        }
        // The chart lays out its items from queued signals: let them arrive, then paint.
        QApplication::processEvents();
        view_->repaint();
    }

  private:
    std::unique_ptr<QChartView> view_;
    QLineSeries* series_[CurveCount] = {};
    QList<QPointF> points_;
};

class CustomPlot {
  public:
    CustomPlot() : plot_(std::make_unique<QCustomPlot>()) {
        plot_->xAxis->setRange(-std::numbers::pi, std::numbers::pi);
        plot_->yAxis->setRange(-1.5, 1.5);
        QVector<QCPGraphData> start(PointCount);
        for (int j = 0; j < PointCount; ++j)
            start[j].key = j * (std::numbers::pi / 256) - std::numbers::pi;
        for (int c = 0; c < CurveCount; ++c) {
            graphs_[c] = plot_->addGraph();
            graphs_[c]->data()->set(start, true);
        }
        plot_->resize(PlotSize);
        plot_->show();
    }
    void Step(int step) {
        // The keys stay; only the values are written, in place.
        for (int c = 0; c < CurveCount; ++c) {
            auto it = graphs_[c]->data()->begin();
            for (int j = 0; j < PointCount; ++j, ++it)
                it->value = CurveValue(c, step, j);
        }
        plot_->replot(QCustomPlot::rpQueuedRefresh);
        QApplication::processEvents();
        plot_->repaint();
    }

  private:
    std::unique_ptr<QCustomPlot> plot_;
    QCPGraph* graphs_[CurveCount] = {};
};

// The machine is shared: the processor time of this thread is given beside the wall time.
double ThreadMicroseconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e6 + t.tv_nsec / 1e3;
}

void Percentiles(benchmark::State& state, const char* name, std::vector<double>& values) {
    std::sort(values.begin(), values.end());
    state.counters[std::string(name) + "_median_us"] = values[values.size() / 2];
    state.counters[std::string(name) + "_p99_us"] = values[values.size() * 99 / 100];
}

template <class Plot> void SliderSteps(benchmark::State& state) {
    Plot plot;
    QApplication::processEvents();
    std::vector<double> wall, cpu;
    int step = 0;
    for (auto _ : state) {
        wall.clear();
        cpu.clear();
        for (int i = 0; i < 1000; ++i) {
            const auto start = std::chrono::steady_clock::now();
            const double cpuStart = ThreadMicroseconds();
            plot.Step(++step);
            cpu.push_back(ThreadMicroseconds() - cpuStart);
            wall.push_back(
                std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                    .count());
        }
    }
    Percentiles(state, "wall", wall);
    Percentiles(state, "cpu", cpu);
}
BENCHMARK_TEMPLATE(SliderSteps, ChartsPlot)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(SliderSteps, CustomPlot)->Iterations(1)->Unit(benchmark::kMillisecond);

// Building, showing and first painting one plot.
template <class Plot> void FirstShow(benchmark::State& state) {
    for (auto _ : state) {
        Plot plot;
        plot.Step(0);
    }
}
BENCHMARK_TEMPLATE(FirstShow, ChartsPlot)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(FirstShow, CustomPlot)->Unit(benchmark::kMillisecond);

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
