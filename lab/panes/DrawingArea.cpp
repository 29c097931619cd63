#include "DrawingArea.h"

#include <QMouseEvent>
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

} // namespace

DrawingArea::DrawingArea(QWidget* parent) : QWidget(parent) {
    setObjectName("DrawingArea");
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::CrossCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DrawingArea::SetSamples(const TSamples& samples) {
    samples_ = samples;
    update();
}

void DrawingArea::SetHalfRange(double halfRange) {
    half_ = halfRange;
    update();
}

TPlotFrame DrawingArea::Frame() const {
    const QRectF area(MarginLeft, MarginTop, std::max(1, width() - MarginLeft - MarginRight),
                      std::max(1, height() - MarginTop - MarginBottom));
    return {area, -Pi, Pi, -half_, half_};
}

TPenPoint DrawingArea::PenPointAt(QPointF pixel) const {
    const TPlotFrame frame = Frame();
    return {frame.ValueX(pixel.x()), std::clamp(frame.ValueY(pixel.y()), -half_, half_)};
}

QPointF DrawingArea::PixelOf(TPenPoint point) const {
    return Frame().Pixel(point.X, point.Y);
}

// The grid and its labels change only with the size and the range; they are drawn once
// into a picture that every repaint while drawing copies.
void DrawingArea::PaintBackground() {
    background_ = QPixmap(size() * devicePixelRatio());
    background_.setDevicePixelRatio(devicePixelRatio());
    backgroundHalf_ = half_;
    QPainter painter(&background_);
    painter.fillRect(rect(), palette().window());
    const TPlotFrame frame = Frame();
    DrawValueGrid(painter, frame, RoundTicks(-half_, half_));
    const QFontMetrics metrics = painter.fontMetrics();
    for (const TTick& tick : PiTicks()) {
        const double x = frame.PixelX(tick.Value);
        painter.setPen(QColor(225, 225, 225));
        painter.drawLine(QPointF(x, frame.Area.top() + 1), QPointF(x, frame.Area.bottom() - 1));
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QPointF(x - metrics.horizontalAdvance(tick.Label) / 2.0,
                                 frame.Area.bottom() + metrics.ascent() + 4),
                         tick.Label);
    }
}

void DrawingArea::paintEvent(QPaintEvent*) {
    if (background_.deviceIndependentSize().toSize() != size() || backgroundHalf_ != half_)
        PaintBackground();
    QPainter painter(this);
    painter.drawPixmap(0, 0, background_);

    const TPlotFrame frame = Frame();
    QPolygonF curve(SampleCount);
    for (int j = 0; j < SampleCount; ++j)
        curve[j] = frame.Pixel(GridX(j), samples_[j]);
    painter.setClipRect(frame.Area);
    painter.setPen(QPen(QColor(200, 0, 0), 2));
    painter.drawPolyline(curve);
}

void DrawingArea::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange)
        background_ = QPixmap();
    QWidget::changeEvent(event);
}

void DrawingArea::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        emit clearRequested();
        return;
    }
    if (event->button() != Qt::LeftButton) return;
    penDown_ = true;
    emit penPressed(PenPointAt(event->position()));
}

void DrawingArea::mouseMoveEvent(QMouseEvent* event) {
    if (!penDown_) return;
    emit penMoved(PenPointAt(event->position()));
}

void DrawingArea::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !penDown_) return;
    penDown_ = false;
    emit penReleased();
}

} // namespace Fourier
