#pragma once
// «Остаток»: the signal, its partial sum S_k and what is still missing, f - S_k.
#include "LabView.h"

class QCPGraph;
class QCPTextElement;

namespace Fourier {

class LivePlot;

class ResidualView : public LabView {
    Q_DECLARE_TR_FUNCTIONS(ResidualView)

  public:
    using LabView::LabView;

  private:
    void Build(QVBoxLayout& layout) override;
    void Draw(const TRun& run) override;
    void Retranslate() override;
    QLabel* caption_;
    LivePlot* plot_ = nullptr;
    QCPTextElement* numbers_;
    QCPGraph* signal_;
    QCPGraph* sum_;
    QCPGraph* residual_;
    QCPGraph* residualArea_;
};

} // namespace Fourier
