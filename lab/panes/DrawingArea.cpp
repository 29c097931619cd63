#include "DrawingArea.h"

#include "AxisTicks.h"

#include <QKeyEvent>
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
// The keyboard's cursor: far from the curve's red and the grid's greys.
const QColor CursorColor(0, 100, 210);
constexpr int LongJump = 16; // samples, for Ctrl+Left/Right and PageUp/PageDown
// Up to this many steps of Up/Down cross the drawing's range.
constexpr double StepsAcrossRange = 30;

int NearestSample(double x) {
    return std::clamp(static_cast<int>(std::lround(GridPosition(x))), 0, SampleCount - 1);
}

// The pen points of a stroke that writes samples from..to, both included, on the line
// through (from, fromValue) and (to, toValue). GridX(j) maps back to j only within rounding,
// so each end is moved a thousandth of a step outwards along the same line.
std::pair<TPenPoint, TPenPoint> SegmentEnds(int from, double fromValue, int to, double toValue) {
    if (from == to) return {{GridX(to), toValue}, {GridX(to), toValue}};
    constexpr double Beyond = 1e-3;
    const double outwards = to > from ? Beyond : -Beyond;
    const double slope = (toValue - fromValue) / (to - from); // per sample
    return {{GridX(from) - outwards * GridStep, fromValue - outwards * slope},
            {GridX(to) + outwards * GridStep, toValue + outwards * slope}};
}

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
    cursorValue_ = std::clamp(cursorValue_, -half_, half_);
    update();
    emit cursorChanged(); // and the step of Up/Down follows the range
}

TPenPoint DrawingArea::CursorPoint() const {
    return {GridX(cursor_), cursorValue_};
}

double DrawingArea::CursorStep() const {
    // The smallest round step (1, 2 or 5 times a power of ten) not below the range over
    // StepsAcrossRange, a hair of slack keeping ±1.5's step at 0.1 whatever the rounding.
    const double rough = 2 * half_ / StepsAcrossRange * (1 - 1e-9);
    const double power = PowerOfTenAtMost(rough);
    for (const double factor : {1.0, 2.0, 5.0})
        if (factor * power >= rough) return factor * power;
    return 10 * power;
}

std::optional<TPenPoint> DrawingArea::Anchor() const {
    if (!anchor_) return std::nullopt;
    return TPenPoint{GridX(*anchor_), anchorValue_};
}

void DrawingArea::SetCursor(int index, double value) {
    cursor_ = std::clamp(index, 0, SampleCount - 1);
    cursorValue_ = std::clamp(value, -half_, half_);
    update();
    emit cursorChanged();
}

void DrawingArea::MoveCursor(int index) {
    SetCursor(index, cursorValue_);
}

void DrawingArea::DrawSegment() {
    if (anchor_) {
        const auto [from, to] = SegmentEnds(*anchor_, anchorValue_, cursor_, cursorValue_);
        emit segmentRequested(from, to);
    }
    anchor_ = cursor_; // the next segment goes on from here
    anchorValue_ = cursorValue_;
    update();
    emit cursorChanged();
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
    if (hasFocus()) {
        PaintCursor(painter);
        DrawFocusFrame(painter, *this);
    }
}

// A vertical line through the cursor's sample, a ring at its value; from the anchor a dashed
// line shows the segment the next Space draws.
void DrawingArea::PaintCursor(QPainter& painter) const {
    const TPlotFrame frame = Frame();
    const QPointF at = frame.Pixel(GridX(cursor_), cursorValue_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(CursorColor, 1));
    painter.drawLine(QPointF(at.x(), frame.Area.top()), QPointF(at.x(), frame.Area.bottom()));
    if (anchor_) {
        const QPointF anchor = frame.Pixel(GridX(*anchor_), anchorValue_);
        painter.setPen(QPen(CursorColor, 2, Qt::DashLine));
        painter.drawLine(anchor, at);
        painter.setPen(QPen(CursorColor, 2));
        painter.setBrush(CursorColor);
        painter.drawRect(QRectF(anchor - QPointF(3, 3), QSizeF(6, 6)));
    }
    painter.setPen(QPen(CursorColor, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(at, 5, 5);
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
    const TPenPoint point = PenPointAt(event->position());
    SetCursor(NearestSample(point.X), point.Y);
    emit penPressed(point);
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

bool DrawingArea::DrawingKey(const QKeyEvent& key) const {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    switch (key.key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        return modifiers == Qt::NoModifier || modifiers == Qt::ControlModifier;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return modifiers == Qt::NoModifier;
    case Qt::Key_Escape: // closes the lab unless there is an anchor to drop
        return modifiers == Qt::NoModifier && anchor_.has_value();
    default:
        return false;
    }
}

// The lab's keys (Space plays) must not take the pen's.
bool DrawingArea::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && DrawingKey(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

void DrawingArea::keyPressEvent(QKeyEvent* event) {
    if (!DrawingKey(*event)) {
        QWidget::keyPressEvent(event);
        return;
    }
    const bool far = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_Left:
        MoveCursor(cursor_ - (far ? LongJump : 1));
        break;
    case Qt::Key_Right:
        MoveCursor(cursor_ + (far ? LongJump : 1));
        break;
    case Qt::Key_PageUp:
        MoveCursor(cursor_ - LongJump);
        break;
    case Qt::Key_PageDown:
        MoveCursor(cursor_ + LongJump);
        break;
    case Qt::Key_Home:
        MoveCursor(0);
        break;
    case Qt::Key_End:
        MoveCursor(SampleCount - 1);
        break;
    case Qt::Key_Up:
        SetCursor(cursor_, cursorValue_ + CursorStep());
        break;
    case Qt::Key_Down:
        SetCursor(cursor_, cursorValue_ - CursorStep());
        break;
    case Qt::Key_Space:
        DrawSegment();
        break;
    default: // Enter, Escape: the polyline ends
        anchor_.reset();
        update();
        emit cursorChanged();
        break;
    }
    event->accept();
}

void DrawingArea::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
    emit cursorChanged();
}

void DrawingArea::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
    emit cursorChanged();
}

} // namespace Fourier
