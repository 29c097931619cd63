#pragma once
// «Сходимость»: for k = 0..255 the RMS error of S_k, the share of the energy in harmonics
// 0..k and, for a signal with jumps, the overshoot of S_k at the jump; the current k marked.
#include "LabView.h"

class QCustomPlot;
class QCPAxisRect;
class QCPGraph;
class QCPItemStraightLine;
class QCPItemText;
class QLabel;

namespace Fourier {

class ConvergenceView : public LabView {
  public:
    explicit ConvergenceView(QWidget* parent = nullptr);
    void ShowRun(const TRunView& run) override;

  private:
    struct TPanel {
        QCPAxisRect* Rect = nullptr;
        QCPGraph* Curve = nullptr;
        QCPGraph* Current = nullptr; // the point at the current k
        QCPItemStraightLine* Marker = nullptr;
    };
    TPanel AddPanel(int row, const QString& valueLabel, int firstKey, const QColor& colour);

    QLabel* numbers_;
    QCustomPlot* plot_;
    TPanel error_, share_, overshoot_;
    QCPItemText* noJump_;
};

} // namespace Fourier
