#include "Plotting.h"

#include "AxisTicks.h"
#include "NumberText.h"

#include <QLabel>
#include <QLocale>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <typeinfo>

namespace Fourier::Plotting {
namespace {

std::string DecimalSeparator(const QLocale& locale) {
    return locale.decimalPoint().toStdString();
}

// QCustomPlot's own steps, labelled for a reader. A tick meant to be 0 comes out of the
// step arithmetic as some 1e-17: the range it was made for says that this is noise.
class ReadableTicker : public QCPAxisTicker {
  public:
    void generate(const QCPRange& range, const QLocale& locale, QChar formatChar, int precision,
                  QVector<double>& ticks, QVector<double>* subTicks,
                  QVector<QString>* tickLabels) override {
        scale_ = std::max(std::abs(range.lower), std::abs(range.upper));
        QCPAxisTicker::generate(range, locale, formatChar, precision, ticks, subTicks, tickLabels);
    }

  protected:
    QString getTickLabel(double tick, const QLocale& locale, QChar, int) override {
        return QString::fromStdString(ReadableNumber(tick, 6, DecimalSeparator(locale), scale_));
    }

  private:
    double scale_ = 0.0;
};

// Multiples of pi with a real minus sign, as the captions write −π.
class RadianTicker : public QCPAxisTickerPi {
  protected:
    QString getTickLabel(double tick, const QLocale& locale, QChar formatChar,
                         int precision) override {
        return QCPAxisTickerPi::getTickLabel(tick, locale, formatChar, precision)
            .replace(QLatin1Char('-'), QStringLiteral("−"));
    }
};

} // namespace

QString PowerOfTenTicker::getTickLabel(double tick, const QLocale& locale, QChar, int) {
    return QString::fromStdString(LogTickText(tick, DecimalSeparator(locale)));
}

void UseReadableTicks(QCustomPlot* plot) {
    plot->setLocale(QLocale());
    for (QCPAxisRect* rect : plot->axisRects())
        for (QCPAxis* axis : rect->axes())
            if (const QCPAxisTicker& ticker = *axis->ticker();
                typeid(ticker) == typeid(QCPAxisTicker))
                axis->setTicker(QSharedPointer<ReadableTicker>::create());
}

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
    auto ticker = QSharedPointer<RadianTicker>::create();
    ticker->setPiSymbol(QStringLiteral("π"));
    ticker->setPiValue(std::numbers::pi);
    ticker->setFractionStyle(QCPAxisTickerPi::fsUnicodeFractions);
    ticker->setTickCount(4);
    axis->setTicker(ticker);
    axis->setRange(-std::numbers::pi, std::numbers::pi);
}

void PutLegendAbove(QCustomPlot* plot) {
    QCPLegend* legend = plot->legend;
    QCPAxisRect* rect = plot->axisRect();
    rect->insetLayout()->take(legend);
    QCPLayoutGrid* layout = plot->plotLayout();
    int row = 0;
    while (row < layout->rowCount() && layout->element(row, 0) != rect)
        ++row;
    layout->insertRow(row);
    layout->addElement(row, 0, legend);
    legend->setFillOrder(QCPLayoutGrid::foColumnsFirst);
    legend->setVisible(true);
    // The row is as high as the legend needs; the axis rect takes the rest.
    layout->setRowStretchFactor(row, 0.001);
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

QString Number(double value, int digits, double scale) {
    return QString::fromStdString(
        ReadableNumber(value, digits, DecimalSeparator(QLocale()), scale));
}

} // namespace Fourier::Plotting
