#include "LivePlot.h"

#include <algorithm>
#include <cmath>

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
    const bool logarithmic = axis->scaleType() == QCPAxis::stLogarithmic;
    if (!std::isfinite(low) || !std::isfinite(high) || low > high || (logarithmic && low <= 0))
        return;
    const auto span = [logarithmic](double from, double to) {
        return logarithmic ? std::log10(to / from) : to - from;
    };
    const QCPRange current = axis->range();
    if (current.contains(low) && current.contains(high) &&
        span(low, high) >= 0.5 * span(current.lower, current.upper))
        return;
    if (logarithmic) {
        const double spare = std::pow(10.0, 0.2 * std::max(span(low, high), 1.0));
        SetRange(axis, QCPRange(low / spare, high * spare));
    } else {
        const double spare =
            std::max({0.2 * (high - low), 1e-3 * std::max(std::abs(low), std::abs(high)), 1e-12});
        SetRange(axis, QCPRange(low - spare, high + spare));
    }
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
