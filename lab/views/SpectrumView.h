#pragma once
// «Спектр»: amplitude A_k (linear or in dB) and phase phi_k of harmonics 0..255, as Harmonic.h
// defines them, and the table of k, a_k, b_k, A_k, phi_k, which can be selected and copied
// (Ctrl+C).
#include "Harmonic.h"
#include "LabView.h"

class QAction;
class QCheckBox;
class QCPAxisRect;
class QCPGraph;
class QCPItemStraightLine;
class QTableView;

namespace Fourier {

class LivePlot;

class SpectrumTableModel;

class SpectrumView : public LabView {
    Q_DECLARE_TR_FUNCTIONS(SpectrumView)

  public:
    explicit SpectrumView(QWidget* parent = nullptr);

    // Both shortcuts belong to the window (Ctrl+D, Ctrl+C); the window enables copying
    // while this view is on top.
    QAction* DecibelAction() const { return decibels_; }
    QAction* CopyAction() const { return copy_; }
    // The selected cells as tab-separated text on the clipboard (the whole table when none is).
    void CopyTable();

  private:
    void Build(QVBoxLayout& layout) override;
    void Draw(const TRun& run) override;
    void Retranslate() override;
    void ShowMagnitudes();
    void FitColumns();

    QAction* decibels_;
    QAction* copy_;
    QLabel* caption_ = nullptr;
    QCheckBox* decibelBox_ = nullptr;
    LivePlot* plot_ = nullptr;
    QCPAxisRect* magnitudeRect_;
    QCPAxisRect* phaseRect_;
    QCPGraph* magnitude_;
    QCPGraph* phase_;
    QCPItemStraightLine* magnitudeMarker_;
    QCPItemStraightLine* phaseMarker_;
    QTableView* table_ = nullptr;
    SpectrumTableModel* model_;
    THarmonics harmonics_{};
};

} // namespace Fourier
