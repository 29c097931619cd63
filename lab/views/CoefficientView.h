#pragma once
// «Коэффициент»: where the main window's bar k comes from. The integrand f(x) cos kx (or
// sin kx, as the main window's last harmonic) and its running integral, ending at a_k (b_k).
#include "LabView.h"

class QCPGraph;
class QCPItemStraightLine;
class QCPTextElement;

namespace Fourier {

class LivePlot;

class CoefficientView : public LabView {
    Q_DECLARE_TR_FUNCTIONS(CoefficientView)

  public:
    using LabView::LabView;

  private:
    void Build(QVBoxLayout& layout) override;
    void Draw(const TRun& run) override;
    void Retranslate() override;
    QLabel* caption_;
    LivePlot* plot_ = nullptr;
    QCPTextElement* numbers_;
    QCPGraph* integrand_;
    QCPGraph* integrandArea_;
    QCPGraph* running_;
    QCPItemStraightLine* endLevel_;
};

} // namespace Fourier
