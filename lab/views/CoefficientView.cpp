#include "CoefficientView.h"

#include "AxisRange.h"
#include "CoefficientIntegral.h"
#include "LivePlot.h"
#include "Plotting.h"
#include "Subscript.h"

#include <QVBoxLayout>
#include <algorithm>
#include <numbers>
#include <utility>

namespace Fourier {
namespace {

const QColor IntegrandColour(0, 130, 60);
const QColor IntegralColour(200, 0, 0);

} // namespace

void CoefficientView::Build(QVBoxLayout& layout) {
    caption_ = Plotting::CaptionLabel({});
    layout.addWidget(caption_);
    plot_ = new LivePlot(QStringLiteral("CoefficientPlot"));
    layout.addWidget(plot_, 1);
    numbers_ = plot_->AddNumbersLine(QStringLiteral("CoefficientNumbers"));

    std::array<double, SampleCount> keys;
    for (int j = 0; j < SampleCount; ++j)
        keys[j] = GridX(j);
    std::array<double, SampleCount + 1> ends; // x_0 .. x_511 and pi
    for (int j = 0; j <= SampleCount; ++j)
        ends[j] = j == SampleCount ? std::numbers::pi : GridX(j);

    Plotting::UseRadianTicks(plot_->xAxis);
    plot_->yAxis2->setVisible(true);
    for (auto [axis, colour] :
         {std::pair{plot_->yAxis, IntegrandColour}, std::pair{plot_->yAxis2, IntegralColour}}) {
        axis->setLabelColor(colour);
        axis->setTickLabelColor(colour);
        axis->setBasePen(QPen(colour));
    }
    integrand_ = Plotting::AddCurve(plot_->xAxis, plot_->yAxis, keys, IntegrandColour, {});
    integrandArea_ = Plotting::AddStems(plot_->xAxis, plot_->yAxis, keys,
                                        QColor(0, 130, 60, 70)); // its area is the integral
    running_ = Plotting::AddCurve(plot_->xAxis, plot_->yAxis2, ends, IntegralColour, {});
    endLevel_ = new QCPItemStraightLine(plot_);
    endLevel_->setPen(QPen(IntegralColour, 1, Qt::DashLine));
    for (QCPItemPosition* end : {endLevel_->point1, endLevel_->point2})
        end->setAxes(plot_->xAxis, plot_->yAxis2);
    Plotting::PutLegendAbove(plot_);
    Plotting::UseReadableTicks(plot_);
}

void CoefficientView::Retranslate() {
    if (!plot_) return;
    caption_->setText(tr(
        "Откуда берётся столбик k главного окна: подынтегральная функция f(x)·cos kx (или sin kx, "
        "как у последней гармоники главного окна; штрихи, левая ось) и накопленный интеграл "
        "(1/π)∫<sub>−π</sub><sup>x</sup> f(t)·cos kt dt (правая ось). В x = π он равен "
        "коэффициенту a<sub>k</sub> (b<sub>k</sub>), а столбик равен √512/2·a<sub>k</sub> ≈ "
        "11,31·a<sub>k</sub>."));
    plot_->xAxis->setLabel(tr("x, рад"));
    plot_->yAxis->setLabel(tr("подынтегральная функция, в единицах сигнала"));
    plot_->yAxis2->setLabel(tr("накопленный интеграл, в единицах сигнала"));
    plot_->RedrawAll();
    if (const TRun* run = DrawnRun()) Draw(*run); // its numbers line
}

void CoefficientView::Draw(const TRun& run) {
    const int k = LabHarmonic(run);
    const bool sine = run.LastHarmonic == TLastHarmonic::Sine;
    const QString wave = sine ? QStringLiteral("sin") : QStringLiteral("cos");
    const QString name =
        (sine ? QStringLiteral("b") : QStringLiteral("a")) + QString::fromStdString(Subscript(k));
    const TCoefficientIntegral integral = CoefficientIntegral(run.Analysis.Samples, k, sine);
    const double bar = sine ? run.Analysis.Im[k] : run.Analysis.Re[k];
    // The integrand and its integral stay within the signal's largest value (the
    // coefficient within twice it), the bar within that many times the bar scale.
    const auto [lowest, highest] = Extent({run.Analysis.Samples});
    const double scale = std::max(-lowest, highest);
    numbers_->setText(tr("%1 = %2 (конец интеграла);  столбик %3 = %4 = √512/2 · %5%6")
                          .arg(name, Plotting::Number(integral.Coefficient(), 8, scale))
                          .arg(k)
                          .arg(Plotting::Number(bar, 8, scale * CoefficientScale()),
                               Plotting::Number(bar / CoefficientScale(), 8, scale),
                               run.LastHarmonic == TLastHarmonic::None
                                   ? tr("  (в главном окне «Не рисовать»: показан cos)")
                                   : QString()));

    Plotting::SetValues(integrand_, integral.Integrand);
    Plotting::SetValues(integrandArea_, integral.Integrand);
    Plotting::SetValues(running_, integral.Running);
    const QString integrandName = QStringLiteral("f(x)·%1 %2x").arg(wave).arg(k);
    if (integrandName != integrand_->name()) {
        integrand_->setName(integrandName);
        running_->setName(QStringLiteral("(1/π)∫ f·%1 %2t dt").arg(wave).arg(k));
        plot_->RedrawAll(); // the legend is laid out anew
    }
    endLevel_->point1->setCoords(-std::numbers::pi, integral.Coefficient());
    endLevel_->point2->setCoords(std::numbers::pi, integral.Coefficient());
    const auto [low, high] = Extent({integral.Integrand});
    plot_->FitRange(plot_->yAxis, low, high);
    const auto [first, last] = Extent({integral.Running});
    plot_->FitRange(plot_->yAxis2, first, last);
    plot_->Refresh();
}

} // namespace Fourier
