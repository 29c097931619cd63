#include "Plotting.h"

#include <QLabel>
#include <QLocale>
#include <cmath>
#include <numbers>

namespace Fourier::Plotting {

QCPGraph* AddCurve(QCPAxis* keyAxis, QCPAxis* valueAxis, std::span<const double> keys,
                   const QColor& colour, const QString& name) {
    QCPGraph* graph = keyAxis->parentPlot()->addGraph(keyAxis, valueAxis);
    QVector<QCPGraphData> points(static_cast<qsizetype>(keys.size()));
    for (std::size_t i = 0; i < keys.size(); ++i)
        points[i] = QCPGraphData(keys[i], 0.0);
    graph->data()->set(points, true);
    graph->setPen(QPen(colour, 1));
    graph->setName(name);
    return graph;
}

QCPGraph* AddStems(QCPAxis* keyAxis, QCPAxis* valueAxis, std::span<const double> keys,
                   const QColor& colour) {
    QCPGraph* stems = AddCurve(keyAxis, valueAxis, keys, colour, {});
    stems->setLineStyle(QCPGraph::lsImpulse);
    stems->setAntialiased(false);
    stems->removeFromLegend();
    return stems;
}

void SetValues(QCPGraph* graph, std::span<const double> values) {
    auto point = graph->data()->begin();
    for (std::size_t i = 0; i < values.size() && point != graph->data()->end(); ++i, ++point)
        point->value = values[i];
}

void UseRadianTicks(QCPAxis* axis) {
    auto ticker = QSharedPointer<QCPAxisTickerPi>::create();
    ticker->setPiSymbol(QStringLiteral("π"));
    ticker->setPiValue(std::numbers::pi);
    ticker->setFractionStyle(QCPAxisTickerPi::fsUnicodeFractions);
    ticker->setTickCount(4);
    axis->setTicker(ticker);
    axis->setRange(-std::numbers::pi, std::numbers::pi);
}

QCPItemStraightLine* AddKeyMarker(QCustomPlot* plot, QCPAxisRect* rect, const QColor& colour) {
    auto* marker = new QCPItemStraightLine(plot);
    marker->setClipAxisRect(rect);
    marker->setPen(QPen(colour, 1, Qt::DashLine));
    for (QCPItemPosition* end : {marker->point1, marker->point2}) {
        end->setAxisRect(rect);
        end->setAxes(rect->axis(QCPAxis::atBottom), rect->axis(QCPAxis::atLeft));
        end->setTypeX(QCPItemPosition::ptPlotCoords);
        end->setTypeY(QCPItemPosition::ptAxisRectRatio);
    }
    return marker;
}

void MoveKeyMarker(QCPItemStraightLine* marker, double key) {
    marker->point1->setCoords(key, 0);
    marker->point2->setCoords(key, 1);
}

QLabel* CaptionLabel(const QString& text) {
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    label->setObjectName(QStringLiteral("Caption"));
    return label;
}

QString Number(double value, int digits) {
    if (std::isnan(value)) return QStringLiteral("—");
    return QLocale().toString(value, 'g', digits);
}

} // namespace Fourier::Plotting
