#pragma once
// The mapping between a plot's values and the pixels of the rectangle it is drawn in, and
// the grid with labelled values that the panes' plots share.
#include <QPointF>
#include <QRectF>
#include <QString>

#include <vector>

class QPainter;
class QWidget;

namespace Fourier {

struct TPlotFrame {
    QRectF Area;       // in widget pixels
    double XMin = 0.0; // at Area.left()
    double XMax = 1.0; // at Area.right()
    double YMin = 0.0; // at Area.bottom()
    double YMax = 1.0; // at Area.top()

    double PixelX(double x) const {
        return Area.left() + (x - XMin) / (XMax - XMin) * Area.width();
    }
    double PixelY(double y) const {
        return Area.bottom() - (y - YMin) / (YMax - YMin) * Area.height();
    }
    QPointF Pixel(double x, double y) const { return {PixelX(x), PixelY(y)}; }
    double ValueX(double px) const {
        return XMin + (px - Area.left()) / Area.width() * (XMax - XMin);
    }
    double ValueY(double py) const {
        return YMin + (Area.bottom() - py) / Area.height() * (YMax - YMin);
    }
};

struct TTick {
    double Value = 0.0;
    QString Label;
};

// The values of RoundTickValues(min, max), labelled as a reader writes them (ReadableNumber,
// up to four significant digits, the desktop's decimal separator).
std::vector<TTick> RoundTicks(double min, double max);
// -pi, -pi/2, 0, pi/2, pi.
std::vector<TTick> PiTicks();

// The white plot area, a light line across it at every tick of y with its label at the
// left, a darker line at y = 0 and a frame.
void DrawValueGrid(QPainter& painter, const TPlotFrame& frame, const std::vector<TTick>& yTicks);

// The frame a custom-painted widget draws round itself while it has the keyboard's focus:
// two pixels of the palette's highlight along its edges.
void DrawFocusFrame(QPainter& painter, const QWidget& widget);

} // namespace Fourier
