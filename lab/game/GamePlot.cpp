#include "GamePlot.h"

#include "AxisRange.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace Fourier {
namespace {

constexpr double Pi = std::numbers::pi;
// Room for the value labels at the left and the x labels below.
constexpr int MarginLeft = 44;
constexpr int MarginRight = 12;
constexpr int MarginTop = 10;
constexpr int MarginBottom = 24;
constexpr int LegendLine = 24; // the sample stroke in the legend
constexpr int LegendPadding = 6;

double Largest(const TSamples& samples) {
    double largest = 0.0;
    for (const double s : samples)
        largest = std::max(largest, std::abs(s));
    return largest;
}

} // namespace

const QColor GamePlot::TargetColor(30, 90, 220);
const QColor GamePlot::MineColor(210, 40, 0);

GamePlot::GamePlot(QWidget* parent) : QWidget(parent) {
    setObjectName("GamePlot");
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GamePlot::SetTarget(const std::optional<TSamples>& target) {
    target_ = target;
    update();
}

void GamePlot::SetMine(const TSamples& mine) {
    mine_ = mine;
    update();
}

double GamePlot::HalfRange() const {
    return SymmetricHalfRange(std::max(Largest(mine_), target_ ? Largest(*target_) : 0.0));
}

TPlotFrame GamePlot::Frame() const {
    const QRectF area(MarginLeft, MarginTop, std::max(1, width() - MarginLeft - MarginRight),
                      std::max(1, height() - MarginTop - MarginBottom));
    const double half = HalfRange();
    return {area, -Pi, Pi, -half, half};
}

void GamePlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const TPlotFrame frame = Frame();
    DrawValueGrid(painter, frame, RoundTicks(frame.YMin, frame.YMax));
    const QFontMetrics metrics = painter.fontMetrics();
    for (const TTick& tick : PiTicks()) {
        const double x = frame.PixelX(tick.Value);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QPointF(x - metrics.horizontalAdvance(tick.Label) / 2.0,
                                 frame.Area.bottom() + metrics.ascent() + 4),
                         tick.Label);
    }

    painter.save();
    painter.setClipRect(frame.Area);
    painter.setRenderHint(QPainter::Antialiasing);
    const auto draw = [&](const TSamples& samples, const QColor& color, Qt::PenStyle style) {
        QPolygonF curve(SampleCount);
        for (int j = 0; j < SampleCount; ++j)
            curve[j] = frame.Pixel(GridX(j), samples[j]);
        painter.setPen(QPen(color, 2, style));
        painter.drawPolyline(curve);
    };
    if (target_) draw(*target_, TargetColor, Qt::SolidLine);
    // Dashed, so that where the two curves coincide the target still shows through.
    draw(mine_, MineColor, Qt::DashLine);
    painter.restore();
    DrawLegend(painter, frame);
}

void GamePlot::DrawLegend(QPainter& painter, const TPlotFrame& frame) const {
    struct TEntry {
        QString Text;
        QColor Color;
        Qt::PenStyle Style;
    };
    std::vector<TEntry> entries;
    entries.push_back(target_ ? TEntry{tr("Цель"), TargetColor, Qt::SolidLine}
                              : TEntry{tr("Цель — только на слух"), TargetColor, Qt::NoPen});
    entries.push_back({tr("Мой сигнал"), MineColor, Qt::DashLine});

    const QFontMetrics metrics = painter.fontMetrics();
    int textWidth = 0;
    for (const TEntry& entry : entries)
        textWidth = std::max(textWidth, metrics.horizontalAdvance(entry.Text));
    const int row = metrics.height();
    const QRectF box(frame.Area.right() - LegendPadding * 4 - LegendLine - textWidth,
                     frame.Area.top() + LegendPadding,
                     LegendPadding * 2 + LegendLine + LegendPadding + textWidth,
                     LegendPadding * 2 + row * static_cast<int>(entries.size()));
    painter.setPen(QColor(160, 160, 160));
    painter.setBrush(QColor(255, 255, 255, 230));
    painter.drawRect(box);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const double y = box.top() + LegendPadding + row * static_cast<double>(i);
        const double middle = y + row / 2.0;
        painter.setPen(QPen(entries[i].Color, 2, entries[i].Style));
        painter.drawLine(QPointF(box.left() + LegendPadding, middle),
                         QPointF(box.left() + LegendPadding + LegendLine, middle));
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QPointF(box.left() + LegendPadding * 2 + LegendLine, y + metrics.ascent()),
                         entries[i].Text);
    }
}

} // namespace Fourier
