#pragma once
// Small helpers over QCustomPlot shared by the lab's views.
#include <QColor>
#include <QString>
#include <qcustomplot.h>
#include <span>

class QLabel;

namespace Fourier::Plotting {

// A line graph on the given axes whose points have these keys; their values start at 0.
QCPGraph* AddCurve(QCPAxis* keyAxis, QCPAxis* valueAxis, std::span<const double> keys,
                   const QColor& colour, const QString& name);

// Overwrites the values of the graph's points in place (keys and count stay as they are).
void SetValues(QCPGraph* graph, std::span<const double> values);

// Ticks at multiples of pi/2 on an axis of x in radians over [-pi, pi].
void UseRadianTicks(QCPAxis* axis);

// A vertical line at one key across an axis rect, for the current harmonic.
QCPItemStraightLine* AddKeyMarker(QCustomPlot* plot, QCPAxisRect* rect, const QColor& colour);
void MoveKeyMarker(QCPItemStraightLine* marker, double key);

// The y range that shows these values with a little room, and at least [-tiny, tiny].
QCPRange PaddedRange(std::initializer_list<std::span<const double>> curves);

// A label for a view's one-line caption above its plot.
QLabel* CaptionLabel(const QString& text);

// The number written for a reader: the desktop's decimal separator, `digits` significant.
QString Number(double value, int digits = 5);

} // namespace Fourier::Plotting
