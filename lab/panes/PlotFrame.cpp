#include "PlotFrame.h"

#include "AxisTicks.h"
#include "NumberText.h"

#include <QGuiApplication>
#include <QLocale>
#include <QPainter>
#include <QPalette>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace Fourier {

std::vector<TTick> RoundTicks(double min, double max) {
    std::vector<TTick> ticks;
    const std::string separator = QLocale().decimalPoint().toStdString();
    const double scale = std::max(std::abs(min), std::abs(max));
    for (const double value : RoundTickValues(min, max))
        ticks.push_back(
            {value, QString::fromStdString(ReadableNumber(value, 4, separator, scale))});
    return ticks;
}

std::vector<TTick> PiTicks() {
    constexpr double Pi = std::numbers::pi;
    return {{-Pi, QStringLiteral("−π")},
            {-Pi / 2, QStringLiteral("−π/2")},
            {0.0, QStringLiteral("0")},
            {Pi / 2, QStringLiteral("π/2")},
            {Pi, QStringLiteral("π")}};
}

void DrawValueGrid(QPainter& painter, const TPlotFrame& frame, const std::vector<TTick>& yTicks) {
    painter.fillRect(frame.Area, Qt::white);
    const QFontMetrics metrics = painter.fontMetrics();
    for (const TTick& tick : yTicks) {
        const double y = frame.PixelY(tick.Value);
        painter.setPen(QColor(225, 225, 225));
        painter.drawLine(QPointF(frame.Area.left(), y), QPointF(frame.Area.right(), y));
        painter.setPen(QGuiApplication::palette().color(QPalette::WindowText));
        painter.drawText(QPointF(frame.Area.left() - metrics.horizontalAdvance(tick.Label) - 5,
                                 y + metrics.ascent() / 2.0 - 1),
                         tick.Label);
    }
    painter.setPen(QColor(120, 120, 120));
    if (frame.YMin < 0 && frame.YMax > 0)
        painter.drawLine(QPointF(frame.Area.left(), frame.PixelY(0)),
                         QPointF(frame.Area.right(), frame.PixelY(0)));
    painter.drawRect(frame.Area);
}

void DrawFocusFrame(QPainter& painter, const QWidget& widget) {
    constexpr int Width = 2;
    const QRect edge = widget.rect();
    const QColor color = widget.palette().color(QPalette::Highlight);
    painter.save();
    painter.setClipping(false);
    painter.fillRect(QRect(edge.left(), edge.top(), edge.width(), Width), color);
    painter.fillRect(QRect(edge.left(), edge.bottom() - Width + 1, edge.width(), Width), color);
    painter.fillRect(QRect(edge.left(), edge.top(), Width, edge.height()), color);
    painter.fillRect(QRect(edge.right() - Width + 1, edge.top(), Width, edge.height()), color);
    painter.restore();
}

} // namespace Fourier
