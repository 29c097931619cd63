#pragma once
// «Сходимость»: for k = 0..255 the RMS error of S_k, the share of the energy in harmonics
// 0..k and, for a signal with jumps, the overshoot of S_k at the jump; the current k marked.
#include "Convergence.h"
#include "LabView.h"

#include <optional>

class QCPAxisRect;
class QCPGraph;
class QCPItemStraightLine;
class QCPItemText;
class QCPTextElement;

namespace Fourier {

class LivePlot;

class ConvergenceView : public LabView {
    Q_DECLARE_TR_FUNCTIONS(ConvergenceView)

  public:
    using LabView::LabView;

  private:
    void Build(QVBoxLayout& layout) override;
    void Draw(const TRun& run) override;
    void Retranslate() override;
    struct TPanel {
        QCPAxisRect* Rect = nullptr;
        QCPGraph* Curve = nullptr;
        QCPGraph* Current = nullptr; // the point at the current k
        QCPItemStraightLine* Marker = nullptr;
    };
    TPanel AddPanel(int row, int firstKey, const QColor& colour);

    QLabel* caption_;
    LivePlot* plot_ = nullptr;
    QCPTextElement* numbers_;
    TPanel error_, share_, overshoot_;
    QCPItemText* noJump_;
    // The table of the last signal: a synthesis changes only k, not the signal.
    TSamples measuredSamples_{};
    std::optional<TConvergence> convergence_;
};

} // namespace Fourier
