#include "LivePlot.h"

#include "AxisRange.h"

namespace Fourier {

LivePlot::LivePlot(const QString& objectName, QWidget* parent) : QCustomPlot(parent) {
    setObjectName(objectName);
    addLayer(QStringLiteral("live"), layer(QStringLiteral("main")), limAbove);
    live_ = layer(QStringLiteral("live"));
    live_->setMode(QCPLayer::lmBuffered);
    setCurrentLayer(live_);
    legend->setLayer(live_);
}

QCPTextElement* LivePlot::AddNumbersLine(const QString& objectName) {
    plotLayout()->insertRow(0);
    auto* line = new QCPTextElement(this, QString(), font());
    line->setObjectName(objectName);
    line->setLayer(live_);
    plotLayout()->addElement(0, 0, line);
    return line;
}

void LivePlot::FitRange(QCPAxis* axis, double low, double high) {
    const TAxisScale scale =
        axis->scaleType() == QCPAxis::stLogarithmic ? TAxisScale::Logarithmic : TAxisScale::Linear;
    const QCPRange current = axis->range();
    const TAxisRange range = FollowRange({current.lower, current.upper}, low, high, scale);
    SetRange(axis, QCPRange(range.Low, range.High));
}

void LivePlot::SetRange(QCPAxis* axis, const QCPRange& range) {
    if (axis->range() == range) return;
    axis->setRange(range);
    axesChanged_ = true;
}

void LivePlot::Refresh() {
    if (axesChanged_) {
        axesChanged_ = false;
        replot();
    } else {
        live_->replot();
    }
}

} // namespace Fourier
