#pragma once
// «Остаток»: the signal, its partial sum S_k and what is still missing, f - S_k.
#include "LabView.h"

class QCustomPlot;
class QCPGraph;
class QLabel;

namespace Fourier {

class ResidualView : public LabView {
  public:
    explicit ResidualView(QWidget* parent = nullptr);
    void ShowRun(const TRunView& run) override;

  private:
    QLabel* numbers_;
    QCustomPlot* plot_;
    QCPGraph* signal_;
    QCPGraph* sum_;
    QCPGraph* residual_;
};

} // namespace Fourier
