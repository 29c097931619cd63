#include "CoefficientBars.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace Fourier {
namespace {

constexpr double pi = std::numbers::pi;
constexpr int MarginLeft = 46;
constexpr int MarginRight = 8;
constexpr int MarginTop = 18;    // room for the strip's title
constexpr int MarginBottom = 20; // and for the harmonic numbers
constexpr int StripGap = 24;
constexpr double MagnitudeShare = 0.6; // of the height, in the magnitude/phase view
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

QString Subscript(int k) {
    static const QString digits = QStringLiteral("₀₁₂₃₄₅₆₇₈₉");
    QString text;
    for (const QChar c : QString::number(k))
        text += digits[c.digitValue()];
    return text;
}

} // namespace

CoefficientBars::CoefficientBars(QWidget* parent) : QWidget(parent) {
    setObjectName("CoefficientBars");
    setFocusPolicy(Qt::StrongFocus);
}

void CoefficientBars::SetCoefficients(const TCoefficients& coefficients) {
    Values = coefficients;
    Values.Sin[0] = 0.0;
    for (int k = 1; k <= EditableHarmonics; ++k)
        Remember(k);
    FitScale();
    update();
}

void CoefficientBars::SetReadOnly(bool readOnly) {
    ReadOnly = readOnly;
    Dragging = false;
    setFocusPolicy(readOnly ? Qt::NoFocus : Qt::StrongFocus);
    update();
}

void CoefficientBars::SetView(TBarView view) {
    Mode = view;
    update();
    emit focusedChanged(Focus);
}

void CoefficientBars::SetFocused(TBarId bar) {
    const TBarId chosen = BarOfOrder(Order(bar));
    if (chosen == Focus) return;
    Focus = chosen;
    update();
    emit focusedChanged(Focus);
}

double CoefficientBars::Value(TBarId bar) const {
    const THarmonicParts parts{Values.Cos[bar.K], Values.Sin[bar.K]};
    if (Mode == TBarView::CosSin) return bar.Part == 0 ? parts.Cos : parts.Sin;
    const THarmonicPolar polar = ToPolar(parts);
    if (bar.Part == 0) return polar.Magnitude;
    return polar.Magnitude > 0 ? polar.Phase : Phases[bar.K];
}

void CoefficientBars::SetValue(TBarId bar, double value) {
    Change(bar, value);
    const bool phase = Mode == TBarView::MagnitudePhase && bar.Part == 1;
    if (!phase && std::abs(Value(bar)) > Half) {
        FitScale();
        update();
    }
}

QString CoefficientBars::BarName(TBarId bar) const {
    const QString k = Subscript(bar.K);
    if (Mode == TBarView::CosSin)
        return (bar.Part == 0 ? QStringLiteral("a") : QStringLiteral("b")) + k;
    return bar.Part == 0 ? QStringLiteral("|c%1|").arg(k) : QStringLiteral("φ") + k;
}

double CoefficientBars::Step(TBarId bar) const {
    if (Mode == TBarView::MagnitudePhase && bar.Part == 1) return pi / 36;
    return std::pow(10.0, std::floor(std::log10(Half))) / 100;
}

QRectF CoefficientBars::PlotArea() const {
    return QRectF(MarginLeft, MarginTop, std::max(1, width() - MarginLeft - MarginRight),
                  std::max(1, height() - MarginTop - MarginBottom));
}

TPlotFrame CoefficientBars::FrameOf(TBarId bar) const {
    const QRectF area = PlotArea();
    const double xMin = 0.5;
    const double xMax = EditableHarmonics + 0.5;
    if (Mode == TBarView::CosSin) return {area, xMin, xMax, -Half, Half};
    const double split = std::round(area.height() * MagnitudeShare);
    if (bar.Part == 0)
        return {QRectF(area.left(), area.top(), area.width(), split - StripGap / 2.0), xMin, xMax,
                0.0, Half};
    return {QRectF(area.left(), area.top() + split + StripGap / 2.0, area.width(),
                   area.height() - split - StripGap / 2.0),
            xMin, xMax, -pi, pi};
}

QRectF CoefficientBars::BarColumn(TBarId bar) const {
    const TPlotFrame frame = FrameOf(bar);
    double from = bar.K - 0.5;
    double to = bar.K + 0.5;
    if (Mode == TBarView::CosSin) (bar.Part == 0 ? to : from) = bar.K;
    return QRectF(QPointF(frame.PixelX(from), frame.Area.top()),
                  QPointF(frame.PixelX(to), frame.Area.bottom()));
}

bool CoefficientBars::BarAt(QPointF pixel, TBarId& bar) const {
    const TPlotFrame frame = FrameOf({1, 0});
    const double x = frame.ValueX(pixel.x());
    if (pixel.x() < frame.Area.left() || pixel.x() > frame.Area.right()) return false;
    bar.K = std::clamp(static_cast<int>(std::lround(x)), 1, EditableHarmonics);
    if (Mode == TBarView::CosSin)
        bar.Part = x < bar.K ? 0 : 1;
    else
        bar.Part = pixel.y() > FrameOf({1, 1}).Area.top() - StripGap / 2.0 ? 1 : 0;
    return true;
}

void CoefficientBars::Remember(int k) {
    const THarmonicPolar polar = ToPolar({Values.Cos[k], Values.Sin[k]});
    if (polar.Magnitude > 0) Phases[k] = polar.Phase;
}

void CoefficientBars::Change(TBarId bar, double value) {
    double& a = Values.Cos[bar.K];
    double& b = Values.Sin[bar.K];
    if (Mode == TBarView::CosSin) {
        (bar.Part == 0 ? a : b) = value;
        Remember(bar.K);
    } else if (bar.Part == 0) {
        const THarmonicParts parts = ToParts({std::max(0.0, value), Value({bar.K, 1})});
        a = parts.Cos;
        b = parts.Sin;
    } else {
        Phases[bar.K] = std::remainder(value, 2 * pi);
        const THarmonicParts parts = ToParts({Value({bar.K, 0}), Phases[bar.K]});
        a = parts.Cos;
        b = parts.Sin;
    }
    update();
    emit edited(Values);
}

void CoefficientBars::FitScale() {
    double largest = 0.0;
    for (int k = 1; k <= EditableHarmonics; ++k)
        largest = std::max(largest, ToPolar({Values.Cos[k], Values.Sin[k]}).Magnitude);
    Half = std::max(1.0, 1.1 * largest);
}

void CoefficientBars::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const QFontMetrics metrics = painter.fontMetrics();

    const int strips = Mode == TBarView::CosSin ? 1 : 2;
    for (int part = 0; part < strips; ++part) {
        const TPlotFrame frame = FrameOf({1, part});
        const bool phase = Mode == TBarView::MagnitudePhase && part == 1;
        DrawValueGrid(painter, frame, phase ? PiTicks() : RoundTicks(frame.YMin, frame.YMax));
        const QString title = Mode == TBarView::CosSin ? QStringLiteral("aₖ (cos) и bₖ (sin)")
                              : phase                  ? QStringLiteral("фаза φₖ")
                                      : QStringLiteral("амплитуда |cₖ|");
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(frame.Area.topLeft() + QPointF(0, -metrics.descent() - 2), title);
    }

    for (int order = 0; order < BarCount; ++order) {
        const TBarId bar = BarOfOrder(order);
        const TPlotFrame frame = FrameOf(bar);
        const QRectF column = BarColumn(bar);
        const double inset = column.width() * (Mode == TBarView::CosSin ? 0.12 : 0.2);
        const double base = frame.PixelY(std::clamp(0.0, frame.YMin, frame.YMax));
        const double top = frame.PixelY(std::clamp(Value(bar), frame.YMin, frame.YMax));
        const QRectF body(QPointF(column.left() + inset, std::min(base, top)),
                          QPointF(column.right() - inset, std::max(base, top)));
        const QColor color = Mode == TBarView::CosSin
                                 ? (bar.Part == 0 ? CosColor : SinColor)
                                 : (bar.Part == 0 ? MagnitudeColor : PhaseColor);
        // A bar at zero still shows as a line, so the student sees where to grab it.
        painter.fillRect(body.height() < 1 ? body.adjusted(0, -0.5, 0, 0.5) : body, color);
        if (bar == Focus && !ReadOnly) {
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
}

void CoefficientBars::mousePressEvent(QMouseEvent* event) {
    TBarId bar;
    if (ReadOnly || event->button() != Qt::LeftButton || !BarAt(event->position(), bar)) return;
    setFocus(Qt::MouseFocusReason);
    SetFocused(bar);
    Dragging = true;
    DragValue = Value(bar);
    DragY = event->position().y();
}

void CoefficientBars::mouseMoveEvent(QMouseEvent* event) {
    if (!Dragging) return;
    const TPlotFrame frame = FrameOf(Focus);
    const double value = DragValue + frame.ValueY(event->position().y()) - frame.ValueY(DragY);
    const bool phase = Mode == TBarView::MagnitudePhase && Focus.Part == 1;
    Change(Focus, phase ? value : std::clamp(value, frame.YMin, frame.YMax));
}

void CoefficientBars::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) Dragging = false;
}

void CoefficientBars::keyPressEvent(QKeyEvent* event) {
    if (ReadOnly) {
        QWidget::keyPressEvent(event);
        return;
    }
    const double step = Step(Focus);
    switch (event->key()) {
    case Qt::Key_Left:
        SetFocused(BarOfOrder(Order(Focus) - 1));
        break;
    case Qt::Key_Right:
        SetFocused(BarOfOrder(Order(Focus) + 1));
        break;
    case Qt::Key_Home:
        SetFocused(BarOfOrder(0));
        break;
    case Qt::Key_End:
        SetFocused(BarOfOrder(BarCount - 1));
        break;
    case Qt::Key_Up:
        SetValue(Focus, Value(Focus) + step);
        break;
    case Qt::Key_Down:
        SetValue(Focus, Value(Focus) - step);
        break;
    case Qt::Key_PageUp:
        SetValue(Focus, Value(Focus) + 10 * step);
        break;
    case Qt::Key_PageDown:
        SetValue(Focus, Value(Focus) - 10 * step);
        break;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        SetValue(Focus, 0.0);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

} // namespace Fourier
