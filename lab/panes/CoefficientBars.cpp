#include "CoefficientBars.h"

#include "AxisRange.h"
#include "AxisTicks.h"
#include "Subscript.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace Fourier {
namespace {

constexpr double Pi = std::numbers::pi;
constexpr int MarginLeft = 46;
constexpr int MarginRight = 8;
constexpr int MarginTop = 18;    // room for the strip's title
constexpr int MarginBottom = 20; // and for the harmonic numbers
constexpr int StripGap = 24;
constexpr double MagnitudeShare = 0.6; // of the height, with A_k and phi_k
constexpr int BarCount = 2 * EditableHarmonics;

const QColor CosColor(0, 0, 255);
const QColor SinColor(0, 160, 0);
const QColor MagnitudeColor(110, 40, 160);
const QColor PhaseColor(220, 120, 0);

int Order(TBarId bar) {
    return 2 * (bar.K - 1) + bar.Part;
}

TBarId BarOfOrder(int order) {
    order = std::clamp(order, 0, BarCount - 1);
    return {order / 2 + 1, order % 2};
}

} // namespace

CoefficientBars::CoefficientBars(QWidget* parent) : QWidget(parent) {
    setObjectName("CoefficientBars");
    setFocusPolicy(Qt::StrongFocus);
}

void CoefficientBars::SetCoefficients(const TCoefficients& coefficients) {
    values_ = coefficients;
    values_.Sin[0] = 0.0;
    for (int k = 1; k <= EditableHarmonics; ++k)
        Remember(k);
    FitScale();
    update();
}

void CoefficientBars::SetReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    dragging_ = false;
    setFocusPolicy(readOnly ? Qt::NoFocus : Qt::StrongFocus);
    update();
}

void CoefficientBars::SetPair(TBarPair pair) {
    pair_ = pair;
    update();
    emit focusedChanged(focus_);
}

void CoefficientBars::SetFocused(TBarId bar) {
    const TBarId chosen = BarOfOrder(Order(bar));
    if (chosen == focus_) return;
    focus_ = chosen;
    update();
    emit focusedChanged(focus_);
}

double CoefficientBars::Value(TBarId bar) const {
    const THarmonic harmonic = THarmonic::FromParts(bar.K, values_.Cos[bar.K], values_.Sin[bar.K]);
    if (pair_ == TBarPair::CosSin) return bar.Part == 0 ? harmonic.Cos : harmonic.Sin;
    if (bar.Part == 0) return harmonic.Amplitude;
    return harmonic.Amplitude > 0 ? harmonic.Phase : phases_[bar.K];
}

void CoefficientBars::SetValue(TBarId bar, double value) {
    Change(bar, value);
    const bool phase = pair_ == TBarPair::MagnitudePhase && bar.Part == 1;
    if (!phase && std::abs(Value(bar)) > half_) {
        FitScale();
        update();
    }
}

QString CoefficientBars::BarName(TBarId bar) const {
    const QString k = QString::fromStdString(Subscript(bar.K));
    if (pair_ == TBarPair::CosSin)
        return (bar.Part == 0 ? QStringLiteral("a") : QStringLiteral("b")) + k;
    return (bar.Part == 0 ? QStringLiteral("A") : QStringLiteral("φ")) + k;
}

double CoefficientBars::Step(TBarId bar) const {
    if (pair_ == TBarPair::MagnitudePhase && bar.Part == 1) return Pi / 36;
    return PowerOfTenAtMost(half_) / 100;
}

QRectF CoefficientBars::PlotArea() const {
    return QRectF(MarginLeft, MarginTop, std::max(1, width() - MarginLeft - MarginRight),
                  std::max(1, height() - MarginTop - MarginBottom));
}

TPlotFrame CoefficientBars::FrameOf(TBarId bar) const {
    const QRectF area = PlotArea();
    const double xMin = 0.5;
    const double xMax = EditableHarmonics + 0.5;
    if (pair_ == TBarPair::CosSin) return {area, xMin, xMax, -half_, half_};
    const double split = std::round(area.height() * MagnitudeShare);
    if (bar.Part == 0)
        return {QRectF(area.left(), area.top(), area.width(), split - StripGap / 2.0), xMin, xMax,
                0.0, half_};
    return {QRectF(area.left(), area.top() + split + StripGap / 2.0, area.width(),
                   area.height() - split - StripGap / 2.0),
            xMin, xMax, -Pi, Pi};
}

QRectF CoefficientBars::BarColumn(TBarId bar) const {
    const TPlotFrame frame = FrameOf(bar);
    double from = bar.K - 0.5;
    double to = bar.K + 0.5;
    if (pair_ == TBarPair::CosSin) (bar.Part == 0 ? to : from) = bar.K;
    return QRectF(QPointF(frame.PixelX(from), frame.Area.top()),
                  QPointF(frame.PixelX(to), frame.Area.bottom()));
}

bool CoefficientBars::BarAt(QPointF pixel, TBarId& bar) const {
    const TPlotFrame frame = FrameOf({1, 0});
    const double x = frame.ValueX(pixel.x());
    if (pixel.x() < frame.Area.left() || pixel.x() > frame.Area.right()) return false;
    bar.K = std::clamp(static_cast<int>(std::lround(x)), 1, EditableHarmonics);
    if (pair_ == TBarPair::CosSin)
        bar.Part = x < bar.K ? 0 : 1;
    else
        bar.Part = pixel.y() > FrameOf({1, 1}).Area.top() - StripGap / 2.0 ? 1 : 0;
    return true;
}

void CoefficientBars::Remember(int k) {
    const THarmonic harmonic = THarmonic::FromParts(k, values_.Cos[k], values_.Sin[k]);
    if (harmonic.Amplitude > 0) phases_[k] = harmonic.Phase;
}

void CoefficientBars::Change(TBarId bar, double value) {
    double& a = values_.Cos[bar.K];
    double& b = values_.Sin[bar.K];
    if (pair_ == TBarPair::CosSin) {
        (bar.Part == 0 ? a : b) = value;
        Remember(bar.K);
    } else if (bar.Part == 0) {
        const THarmonic harmonic = THarmonic::FromPolar(std::max(0.0, value), Value({bar.K, 1}));
        a = harmonic.Cos;
        b = harmonic.Sin;
    } else {
        phases_[bar.K] = std::remainder(value, 2 * Pi);
        const THarmonic harmonic = THarmonic::FromPolar(Value({bar.K, 0}), phases_[bar.K]);
        a = harmonic.Cos;
        b = harmonic.Sin;
    }
    update();
    emit edited(values_);
}

void CoefficientBars::FitScale() {
    double largest = 0.0;
    for (int k = 1; k <= EditableHarmonics; ++k)
        largest =
            std::max(largest, THarmonic::FromParts(k, values_.Cos[k], values_.Sin[k]).Amplitude);
    half_ = SymmetricHalfRange(largest);
}

void CoefficientBars::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const QFontMetrics metrics = painter.fontMetrics();

    const int strips = pair_ == TBarPair::CosSin ? 1 : 2;
    for (int part = 0; part < strips; ++part) {
        const TPlotFrame frame = FrameOf({1, part});
        const bool phase = pair_ == TBarPair::MagnitudePhase && part == 1;
        DrawValueGrid(painter, frame, phase ? PiTicks() : RoundTicks(frame.YMin, frame.YMax));
        const QString title = pair_ == TBarPair::CosSin ? tr("aₖ (cos) и bₖ (sin)")
                              : phase                   ? tr("фаза φₖ")
                                                        : tr("амплитуда Aₖ");
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(frame.Area.topLeft() + QPointF(0, -metrics.descent() - 2), title);
    }

    for (int order = 0; order < BarCount; ++order) {
        const TBarId bar = BarOfOrder(order);
        const TPlotFrame frame = FrameOf(bar);
        const QRectF column = BarColumn(bar);
        const double inset = column.width() * (pair_ == TBarPair::CosSin ? 0.12 : 0.2);
        const double base = frame.PixelY(std::clamp(0.0, frame.YMin, frame.YMax));
        const double top = frame.PixelY(std::clamp(Value(bar), frame.YMin, frame.YMax));
        const QRectF body(QPointF(column.left() + inset, std::min(base, top)),
                          QPointF(column.right() - inset, std::max(base, top)));
        const QColor color = pair_ == TBarPair::CosSin
                                 ? (bar.Part == 0 ? CosColor : SinColor)
                                 : (bar.Part == 0 ? MagnitudeColor : PhaseColor);
        // A bar at zero still shows as a line, so the student sees where to grab it.
        painter.fillRect(body.height() < 1 ? body.adjusted(0, -0.5, 0, 0.5) : body, color);
        if (bar == focus_ && !readOnly_) {
            painter.setPen(QPen(Qt::black, 1, hasFocus() ? Qt::SolidLine : Qt::DashLine));
            painter.drawRect(column.adjusted(1, 1, -1, -1));
        }
    }

    painter.setPen(palette().color(QPalette::WindowText));
    const TPlotFrame bottom = FrameOf({1, strips - 1});
    const bool roomForAll =
        bottom.Area.width() / EditableHarmonics >= metrics.horizontalAdvance("32") + 3;
    for (int k = 1; k <= EditableHarmonics; ++k) {
        if (!roomForAll && k != 1 && k % 4 != 0) continue;
        const QString label = QString::number(k);
        painter.drawText(QPointF(bottom.PixelX(k) - metrics.horizontalAdvance(label) / 2.0,
                                 bottom.Area.bottom() + metrics.ascent() + 3),
                         label);
    }
    if (hasFocus()) DrawFocusFrame(painter, *this);
}

void CoefficientBars::mousePressEvent(QMouseEvent* event) {
    TBarId bar;
    if (readOnly_ || event->button() != Qt::LeftButton || !BarAt(event->position(), bar)) return;
    setFocus(Qt::MouseFocusReason);
    SetFocused(bar);
    dragging_ = true;
    dragValue_ = Value(bar);
    dragY_ = event->position().y();
}

void CoefficientBars::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) return;
    const TPlotFrame frame = FrameOf(focus_);
    const double value = dragValue_ + frame.ValueY(event->position().y()) - frame.ValueY(dragY_);
    const bool phase = pair_ == TBarPair::MagnitudePhase && focus_.Part == 1;
    Change(focus_, phase ? value : std::clamp(value, frame.YMin, frame.YMax));
}

void CoefficientBars::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) dragging_ = false;
}

void CoefficientBars::keyPressEvent(QKeyEvent* event) {
    if (readOnly_) {
        QWidget::keyPressEvent(event);
        return;
    }
    const double step = Step(focus_);
    switch (event->key()) {
    case Qt::Key_Left:
        SetFocused(BarOfOrder(Order(focus_) - 1));
        break;
    case Qt::Key_Right:
        SetFocused(BarOfOrder(Order(focus_) + 1));
        break;
    case Qt::Key_Home:
        SetFocused(BarOfOrder(0));
        break;
    case Qt::Key_End:
        SetFocused(BarOfOrder(BarCount - 1));
        break;
    case Qt::Key_Up:
        SetValue(focus_, Value(focus_) + step);
        break;
    case Qt::Key_Down:
        SetValue(focus_, Value(focus_) - step);
        break;
    case Qt::Key_PageUp:
        SetValue(focus_, Value(focus_) + 10 * step);
        break;
    case Qt::Key_PageDown:
        SetValue(focus_, Value(focus_) - 10 * step);
        break;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        SetValue(focus_, 0.0);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

} // namespace Fourier
