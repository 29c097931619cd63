#include "CoefficientView.h"

#include "CoefficientIntegral.h"
#include "Plotting.h"

#include <QVBoxLayout>
#include <numbers>

namespace Fourier {
namespace {

const QColor integrandColour(0, 130, 60);
const QColor integralColour(200, 0, 0);

} // namespace

CoefficientView::CoefficientView(QWidget* parent) : LabView(parent) {
    auto* layout = new QVBoxLayout(this);
    caption_ = Plotting::CaptionLabel({});
    layout->addWidget(caption_);
    numbers_ = new QLabel;
    layout->addWidget(numbers_);
    plot_ = new QCustomPlot;
    plot_->setObjectName(QStringLiteral("CoefficientPlot"));
    layout->addWidget(plot_, 1);

    std::array<double, SampleCount> keys;
    for (int j = 0; j < SampleCount; ++j)
        keys[j] = GridX(j);
    std::array<double, SampleCount + 1> ends; // x_0 .. x_511 and pi
    for (int j = 0; j <= SampleCount; ++j)
        ends[j] = j == SampleCount ? std::numbers::pi : GridX(j);

    plot_->xAxis->setLabel(QStringLiteral("x, рад"));
    Plotting::UseRadianTicks(plot_->xAxis);
    plot_->yAxis->setLabel(QStringLiteral("подынтегральная функция, в единицах сигнала"));
    plot_->yAxis2->setVisible(true);
    plot_->yAxis2->setLabel(QStringLiteral("накопленный интеграл, в единицах сигнала"));
    for (auto [axis, colour] :
         {std::pair{plot_->yAxis, integrandColour}, std::pair{plot_->yAxis2, integralColour}}) {
        axis->setLabelColor(colour);
        axis->setTickLabelColor(colour);
        axis->setBasePen(QPen(colour));
    }
    integrand_ = Plotting::AddCurve(plot_->xAxis, plot_->yAxis, keys, integrandColour, {});
    integrand_->setBrush(QColor(0, 130, 60, 50)); // the area under it is the integral
    running_ = Plotting::AddCurve(plot_->xAxis, plot_->yAxis2, ends, integralColour, {});
    running_->setPen(QPen(integralColour, 2));
    endLevel_ = new QCPItemStraightLine(plot_);
    endLevel_->setPen(QPen(integralColour, 1, Qt::DashLine));
    for (QCPItemPosition* end : {endLevel_->point1, endLevel_->point2})
        end->setAxes(plot_->xAxis, plot_->yAxis2);
    plot_->legend->setVisible(true);
}

void CoefficientView::ShowRun(const TRunView& run) {
    const int k = LabHarmonic(run);
    const bool sine = run.LastHarmonic == TLastHarmonic::Sine;
    const QString wave = sine ? QStringLiteral("sin") : QStringLiteral("cos");
    const QString name =
        (sine ? QStringLiteral("b") : QStringLiteral("a")) + QStringLiteral("<sub>%1</sub>").arg(k);
    const TCoefficientIntegral integral = CoefficientIntegral(run.Analysis.Samples, k, sine);

    caption_->setText(
        QStringLiteral(
            "Откуда берётся столбик %1 главного окна: f(x)·%2 %1x (заливка, левая ось) и "
            "накопленный интеграл (1/π)∫<sub>−π</sub><sup>x</sup> f(t)·%2 %1t dt "
            "(правая ось); в x = π он равен %3, а столбик равен √512/2·%3 ≈ 11,31·%3.")
            .arg(k)
            .arg(wave, name));
    const double bar = sine ? run.Analysis.Im[k] : run.Analysis.Re[k];
    numbers_->setText(QStringLiteral("%1 = %2 (конец интеграла); столбик %3 = %4 = √512/2 · %5%6")
                          .arg(name, Plotting::Number(integral.Coefficient(), 8))
                          .arg(k)
                          .arg(Plotting::Number(bar, 8),
                               Plotting::Number(bar / CoefficientScale(), 8),
                               run.LastHarmonic == TLastHarmonic::None
                                   ? QStringLiteral(" (в главном окне «Не рисовать»: показан cos)")
                                   : QString()));

    Plotting::SetValues(integrand_, integral.Integrand);
    Plotting::SetValues(running_, integral.Running);
    integrand_->setName(QStringLiteral("f(x)·%1 %2x").arg(wave).arg(k));
    running_->setName(QStringLiteral("(1/π)∫ f·%1 %2t dt").arg(wave).arg(k));
    endLevel_->point1->setCoords(-std::numbers::pi, integral.Coefficient());
    endLevel_->point2->setCoords(std::numbers::pi, integral.Coefficient());
    plot_->yAxis->setRange(Plotting::PaddedRange({integral.Integrand}));
    plot_->yAxis2->setRange(Plotting::PaddedRange({integral.Running}));
    plot_->replot();
}

} // namespace Fourier
