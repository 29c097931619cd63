#pragma once
// A plot whose curves change with every run while its axes mostly stay. Everything made
// after construction (graphs, items) and the numbers line sit on a buffered layer of their
// own; the axis rects of AddAxisRect with their axes and grids lie below it, the legend
// above it. Refresh redraws that layer alone unless an axis range changed since the last
// one (or RedrawAll was called). Ranges follow the data with some slack, so that small
// changes keep the axes as they are.
#include <qcustomplot.h>

namespace Fourier {

class LivePlot : public QCustomPlot {
  public:
    explicit LivePlot(const QString& objectName, QWidget* parent = nullptr);

    // A line of text in the plot's first row for the numbers of the run (one line: setting
    // it costs no new layout of the window, as a label's text would).
    QCPTextElement* AddNumbersLine(const QString& objectName);

    // Empties the layout (the first axis rect and its legend go) for axis rects of one's own.
    void ClearLayout();
    // An axis rect for the plot's layout, below the live layer with its axes and grid: they
    // change only with the ranges, and redrawing them with every run would cost more than
    // the curves do.
    QCPAxisRect* AddAxisRect();

    // Keeps the axis's range while it holds [low, high] and the values fill at least half of
    // it (in decades on a logarithmic axis); otherwise fits it to them with a fifth to spare
    // on either side (FollowRange).
    void FitRange(QCPAxis* axis, double low, double high);
    // Sets the range exactly.
    void SetRange(QCPAxis* axis, const QCPRange& range);

    // After a change outside the live layer (an axis label, a legend entry's name).
    void RedrawAll() { axesChanged_ = true; }

    void Refresh();

  private:
    QCPLayer* live_;
    bool axesChanged_ = true;
};

} // namespace Fourier
