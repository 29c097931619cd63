#include "LivePlot.h"

#include "AxisRange.h"

namespace Fourier {

LivePlot::LivePlot(const QString& objectName, QWidget* parent) : QCustomPlot(parent) {
    setObjectName(objectName);
    addLayer(QStringLiteral("live"), layer(QStringLiteral("main")), limAbove);
    live_ = layer(QStringLiteral("live"));
    live_->setMode(QCPLayer::lmBuffered);
    setCurrentLayer(live_);
    // Every buffer is composed on every paint, the empty ones too. The overlay holds only
    // the rectangle of a mouse selection, which no view uses: it shares the buffer of the
    // layers below it.
    layer(QStringLiteral("overlay"))->setMode(QCPLayer::lmLogical);
}

void LivePlot::ClearLayout() {
    plotLayout()->clear();
    // The first axis rect's axes and the legend were all that lay above the live layer: on
    // top, it leaves one buffer below it instead of two.
    moveLayer(live_, layer(QStringLiteral("overlay")), limAbove);
}

QCPAxisRect* LivePlot::AddAxisRect() {
    // What is made sits on the current layer; the rect's axes and grid are made with it.
    setCurrentLayer(QStringLiteral("main"));
    auto* rect = new QCPAxisRect(this);
    setCurrentLayer(live_);
    return rect;
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
