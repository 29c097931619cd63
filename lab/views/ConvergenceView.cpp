#include "ConvergenceView.h"

#include "AxisRange.h"
#include "Convergence.h"
#include "LivePlot.h"
#include "Plotting.h"
#include "Subscript.h"

#include <QVBoxLayout>
#include <limits>
#include <numeric>
#include <vector>

namespace Fourier {
namespace {

constexpr double NotANumber = std::numeric_limits<double>::quiet_NaN();

} // namespace

void ConvergenceView::Build(QVBoxLayout& layout) {
    caption_ = Plotting::CaptionLabel({});
    layout.addWidget(caption_);
    plot_ = new LivePlot(QStringLiteral("ConvergencePlot"));
    layout.addWidget(plot_, 1);

    plot_->ClearLayout();
    numbers_ = plot_->AddNumbersLine(QStringLiteral("ConvergenceNumbers"));
    auto* margins = new QCPMarginGroup(plot_);
    error_ = AddPanel(1, 0, QColor(0, 90, 200));
    share_ = AddPanel(2, 0, QColor(0, 130, 60));
    overshoot_ = AddPanel(3, 1, QColor(200, 0, 0));
    for (const TPanel* panel : {&error_, &share_, &overshoot_})
        panel->Rect->setMarginGroup(QCP::msLeft | QCP::msRight, margins);

    QCPAxis* errorAxis = error_.Rect->axis(QCPAxis::atLeft);
    errorAxis->setScaleType(QCPAxis::stLogarithmic);
    errorAxis->setTicker(QSharedPointer<Plotting::PowerOfTenTicker>::create());
    share_.Rect->axis(QCPAxis::atLeft)->setRange(-3, 103);

    auto* gibbs = new QCPItemStraightLine(plot_);
    gibbs->setClipAxisRect(overshoot_.Rect);
    gibbs->setPen(QPen(Qt::gray, 1, Qt::DashLine));
    for (QCPItemPosition* end : {gibbs->point1, gibbs->point2}) {
        end->setAxisRect(overshoot_.Rect);
        end->setAxes(overshoot_.Rect->axis(QCPAxis::atBottom),
                     overshoot_.Rect->axis(QCPAxis::atLeft));
    }
    gibbs->point1->setCoords(0, GibbsOvershootPercent);
    gibbs->point2->setCoords(1, GibbsOvershootPercent);

    noJump_ = new QCPItemText(plot_);
    noJump_->setClipAxisRect(overshoot_.Rect);
    noJump_->position->setAxisRect(overshoot_.Rect);
    noJump_->position->setType(QCPItemPosition::ptAxisRectRatio);
    noJump_->position->setCoords(0.5, 0.5);
    Plotting::UseReadableTicks(plot_);
}

void ConvergenceView::Retranslate() {
    if (!plot_) return;
    caption_->setText(
        tr("Как S<sub>k</sub> сходится к сигналу при k = 0…255: сверху СКО f − S<sub>k</sub> по "
           "512 отсчётам (логарифмическая шкала), в середине доля энергии сигнала в гармониках "
           "0…k (равенство Парсеваля), внизу выброс S<sub>k</sub> у скачка в % скачка, найденный "
           "между отсчётами (пунктир — предел непрерывного ряда 8,95 %). Коэффициенты взяты из "
           "512 отсчётов, а не из непрерывного сигнала (наложение частот), поэтому к k = 255 "
           "выброс растёт."));
    const std::pair<const TPanel*, QString> values[] = {{&error_, tr("СКО f − Sₖ")},
                                                        {&share_, tr("энергия 0…k, %")},
                                                        {&overshoot_, tr("выброс, % скачка")}};
    for (const auto& [panel, label] : values) {
        panel->Rect->axis(QCPAxis::atLeft)->setLabel(label);
        panel->Curve->setName(label);
    }
    overshoot_.Rect->axis(QCPAxis::atBottom)->setLabel(tr("k (номер гармоники)"));
    noJump_->setText(tr("у этого сигнала нет скачка (он не из двух уровней)"));
    plot_->RedrawAll();
    if (const TRun* run = DrawnRun()) Draw(*run); // its numbers line
}

ConvergenceView::TPanel ConvergenceView::AddPanel(int row, int firstKey, const QColor& colour) {
    TPanel panel;
    panel.Rect = plot_->AddAxisRect();
    plot_->plotLayout()->addElement(row, 0, panel.Rect);
    QCPAxis* keyAxis = panel.Rect->axis(QCPAxis::atBottom);
    QCPAxis* valueAxis = panel.Rect->axis(QCPAxis::atLeft);
    keyAxis->setRange(-2, HighestHarmonic + 2);
    std::vector<double> keys(HighestHarmonic + 1 - firstKey);
    std::iota(keys.begin(), keys.end(), firstKey);
    panel.Curve = Plotting::AddCurve(keyAxis, valueAxis, keys, colour, {});
    const double start[] = {0.0};
    panel.Current = Plotting::AddCurve(keyAxis, valueAxis, start, colour, {});
    panel.Current->setLineStyle(QCPGraph::lsNone);
    panel.Current->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, Qt::black, 8));
    panel.Marker = Plotting::AddKeyMarker(plot_, panel.Rect, Qt::black);
    return panel;
}

void ConvergenceView::Draw(const TRun& run) {
    if (!convergence_ || run.Analysis.Samples != measuredSamples_) {
        convergence_ = MeasureConvergence(run.Analysis);
        measuredSamples_ = run.Analysis.Samples;
    }
    const TConvergence& convergence = *convergence_;
    const int k = LabHarmonic(run);

    // The log axis cannot show an error of exactly 0; such points are left out.
    std::array<double, HighestHarmonic + 1> error;
    for (int i = 0; i <= HighestHarmonic; ++i)
        error[i] = convergence.RmsError[i] > 0 ? convergence.RmsError[i] : NotANumber;
    Plotting::SetValues(error_.Curve, error);
    QCPAxis* errorAxis = error_.Rect->axis(QCPAxis::atLeft);
    // The error's largest value on its plot is the scale of its number; the shares are of
    // 100 %.
    const auto [smallestError, largestError] = Extent({error});
    if (largestError > 0)
        plot_->FitRange(errorAxis, smallestError, largestError);
    else
        plot_->SetRange(errorAxis, QCPRange(1e-3, 1));

    Plotting::SetValues(share_.Curve,
                        std::span(convergence.EnergyShare).first(HighestHarmonic + 1));

    const std::span<const double> overshoot = std::span(convergence.OvershootPercent).subspan(1);
    Plotting::SetValues(overshoot_.Curve, overshoot);
    const double gibbs[] = {GibbsOvershootPercent};
    QCPAxis* overshootAxis = overshoot_.Rect->axis(QCPAxis::atLeft);
    if (convergence.HasJump) {
        const auto [low, high] = Extent({overshoot, gibbs});
        plot_->FitRange(overshootAxis, low, high);
    } else {
        plot_->SetRange(overshootAxis, QCPRange(0, 15));
    }
    noJump_->setVisible(!convergence.HasJump);

    const double current[][1] = {
        {error[k]}, {convergence.EnergyShare[k]}, {convergence.OvershootPercent[k]}};
    int row = 0;
    for (const TPanel* panel : {&error_, &share_, &overshoot_}) {
        panel->Current->data()->begin()->key = k;
        Plotting::SetValues(panel->Current, current[row++]);
        Plotting::MoveKeyMarker(panel->Marker, k);
    }

    const QString sum = QStringLiteral("S") + QString::fromStdString(Subscript(k));
    numbers_->setText(
        tr("k = %1:  СКО f − %2 = %3;  энергия гармоник 0…%1: %4 %;  выброс %2: %5")
            .arg(k)
            .arg(sum, Plotting::Number(convergence.RmsError[k], 5, largestError),
                 Plotting::Number(convergence.EnergyShare[k], 6, 100),
                 !convergence.HasJump ? tr("— (нет скачка)")
                 : k == 0             ? tr("— (S₀ — среднее)")
                                      : tr("%1 % скачка")
                                .arg(Plotting::Number(convergence.OvershootPercent[k], 4, 100))));
    plot_->Refresh();
}

} // namespace Fourier
