#include "PlotFrame.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

#include <cmath>
#include <numbers>

namespace Fourier {

std::vector<TTick> RoundTicks(double min, double max) {
    const double rough = (max - min) / 6;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = 10 * power;
    for (const double factor : {1.0, 2.0, 5.0})
        if (factor * power >= rough) {
            step = factor * power;
            break;
        }
    std::vector<TTick> ticks;
    for (double n = std::ceil(min / step); n * step <= max + step * 1e-9; ++n)
        ticks.push_back({n * step, QString::number(n * step, 'g', 4)});
    return ticks;
}

std::vector<TTick> PiTicks() {
    constexpr double pi = std::numbers::pi;
    return {{-pi, QStringLiteral("−π")},
            {-pi / 2, QStringLiteral("−π/2")},
            {0.0, QStringLiteral("0")},
            {pi / 2, QStringLiteral("π/2")},
            {pi, QStringLiteral("π")}};
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

} // namespace Fourier
