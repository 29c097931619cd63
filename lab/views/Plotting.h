#pragma once
// Small helpers over QCustomPlot shared by the lab's views.
#include <QColor>
#include <QString>
#include <qcustomplot.h>
#include <span>

class QLabel;

namespace Fourier::Plotting {

// A line graph on the given axes whose points have these keys; their values start at 0.
// Its pen is one pixel wide: wider ones go through QPainter's slow stroker.
QCPGraph* AddCurve(QCPAxis* keyAxis, QCPAxis* valueAxis, std::span<const double> keys,
                   const QColor& colour, const QString& name);

// The area between a curve and zero, drawn as one thin stem per point: a filled polygon of
// a curve that crosses zero often costs QPainter tens of milliseconds, the stems a fraction.
QCPGraph* AddStems(QCPAxis* keyAxis, QCPAxis* valueAxis, std::span<const double> keys,
                   const QColor& colour);

// Overwrites the values of the graph's points in place (keys and count stay as they are).
void SetValues(QCPGraph* graph, std::span<const double> values);

// Ticks at multiples of pi/2 on an axis of x in radians over [-pi, pi].
void UseRadianTicks(QCPAxis* axis);

// The legend moved out of the first axis rect into a row of its own above it (below the
// numbers line, if the plot has one), its entries side by side: inside the rect it would
// cover some curve for some signal.
void PutLegendAbove(QCustomPlot* plot);

// A vertical line at one key across an axis rect, for the current harmonic.
QCPItemStraightLine* AddKeyMarker(QCustomPlot* plot, QCPAxisRect* rect, const QColor& colour);
void MoveKeyMarker(QCPItemStraightLine* marker, double key);

// A label for a view's caption above its plot. It never changes: a word-wrapped label
// lays its text out again whenever the window's layout is redone.
QLabel* CaptionLabel(const QString& text);

// The number written for a reader (ReadableNumber): the desktop's decimal separator,
// `digits` significant, "0" for rounding noise next to `scale`, the largest value of the
// same table or plot.
QString Number(double value, int digits = 5, double scale = 0.0);

// Tick labels written as Number writes, with the visible range's larger end as the scale,
// on every axis of the plot that still has QCustomPlot's plain ticker (the radian and log
// tickers keep theirs). Call once its axes exist.
void UseReadableTicks(QCustomPlot* plot);

// Ticks of a logarithmic axis labelled 10⁰, 10⁻¹, 10⁻² (LogTickText).
class PowerOfTenTicker : public QCPAxisTickerLog {
  protected:
    QString getTickLabel(double tick, const QLocale& locale, QChar formatChar,
                         int precision) override;
};

} // namespace Fourier::Plotting
