#include "ResidualView.h"

#include "AxisRange.h"
#include "LivePlot.h"
#include "Plotting.h"
#include "Residual.h"
#include "Subscript.h"

#include <QVBoxLayout>
#include <algorithm>

namespace Fourier {

void ResidualView::Build(QVBoxLayout& layout) {
    caption_ = Plotting::CaptionLabel({});
    layout.addWidget(caption_);
    plot_ = new LivePlot(QStringLiteral("ResidualPlot"));
    layout.addWidget(plot_, 1);
    numbers_ = plot_->AddNumbersLine(QStringLiteral("ResidualNumbers"));

    std::array<double, SampleCount> keys;
    for (int j = 0; j < SampleCount; ++j)
        keys[j] = GridX(j);
    Plotting::UseRadianTicks(plot_->xAxis);
    signal_ = Plotting::AddCurve(plot_->xAxis, plot_->yAxis, keys, Qt::black, {});
    signal_->setLineStyle(QCPGraph::lsNone);
    signal_->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssSquare, Qt::black, Qt::black, 2));
    signal_->setAntialiasedScatters(false);
    residual_ = Plotting::AddCurve(plot_->xAxis, plot_->yAxis, keys, QColor(0, 90, 200),
                                   QStringLiteral("f − Sₖ"));
    residualArea_ = Plotting::AddStems(plot_->xAxis, plot_->yAxis, keys, QColor(0, 90, 200, 70));
    sum_ = Plotting::AddCurve(plot_->xAxis, plot_->yAxis, keys, Qt::red, QStringLiteral("Sₖ"));
    Plotting::PutLegendAbove(plot_);
    Plotting::UseReadableTicks(plot_);
}

void ResidualView::Retranslate() {
    if (!plot_) return;
    caption_->setText(
        tr("Сигнал f (точки), частичная сумма S<sub>k</sub> = a<sub>0</sub>/2 + Σ<sub>i=1..k</sub>"
           "(a<sub>i</sub> cos ix + b<sub>i</sub> sin ix) и остаток f − S<sub>k</sub> (заливка); "
           "k — из главного окна, которое рисует √512/2·(S<sub>k</sub> − a<sub>0</sub>/2)."));
    plot_->xAxis->setLabel(tr("x, рад"));
    plot_->yAxis->setLabel(tr("значение, в единицах сигнала"));
    signal_->setName(tr("f (отсчёты)"));
    plot_->RedrawAll();
    if (const TRun* run = DrawnRun()) Draw(*run); // its numbers line
}

void ResidualView::Draw(const TRun& run) {
    const int k = LabHarmonic(run);
    const TAnalysis& analysis = run.Analysis;
    const TResidual residual = ResidualOf(analysis, k);
    Plotting::SetValues(signal_, analysis.Samples);
    Plotting::SetValues(sum_, residual.Sum);
    Plotting::SetValues(residual_, residual.Residual);
    Plotting::SetValues(residualArea_, residual.Residual);
    const auto [low, high] = Extent({analysis.Samples, residual.Sum, residual.Residual});
    plot_->FitRange(plot_->yAxis, low, high);
    numbers_->setText(tr("k = %1;  СКО остатка f − S%2 по 512 отсчётам: %3")
                          .arg(k)
                          .arg(QString::fromStdString(Subscript(k)))
                          .arg(Plotting::Number(residual.Rms, 5, std::max(-low, high))));
    plot_->Refresh();
}

} // namespace Fourier
