#pragma once
// «Дискретизация»: the signal sampled afresh at N points per period over a window of P
// periods (Sampling.h). Top, the signal with its samples and what the samples of one period
// rebuild; middle, its spectrum with every harmonic above N/2 drawn again where the samples
// fold it («k → m»); bottom, the spectrum of the windowed excerpt and, beside it, the
// window's shape and its own leakage (SpectralWindow.h).
#include "LabView.h"
#include "Series.h"

#include <span>
#include <vector>

class QCheckBox;
class QComboBox;
class QCPAxisRect;
class QCPGraph;
class QCPItemStraightLine;
class QCPItemText;
class QCPTextElement;
class QDoubleSpinBox;
class QSlider;
class QSpinBox;

namespace Fourier {

class LivePlot;

class SamplingView : public LabView {
    Q_DECLARE_TR_FUNCTIONS(SamplingView)

  public:
    using LabView::LabView;

  private:
    void Build(QVBoxLayout& layout) override;
    void Draw(const TRun& run) override;
    void Retranslate() override;
    void BuildControls(QVBoxLayout& layout);
    void BuildSignalPlot();
    void BuildSpectrumPlot();
    void BuildExcerptPlots();
    // After a change of the controls: everything that depends on them, drawn again.
    void Redraw();
    // The excerpt is the M samples of the window.
    void DrawSignal(std::span<const double> excerpt, int perPeriod, double periods);
    void DrawSpectrum(int perPeriod);
    void DrawExcerpt(std::span<const double> excerpt, int perPeriod);

    QLabel* caption_;
    QLabel* perPeriodLabel_;
    QLabel* periodsLabel_;
    QLabel* windowLabel_;
    QSpinBox* perPeriod_ = nullptr;
    QSlider* perPeriodSlider_;
    QDoubleSpinBox* periods_;
    QComboBox* window_;
    QCheckBox* decibels_;

    LivePlot* signalPlot_;
    QCPTextElement* signalNumbers_;
    QCPGraph* signal_;
    QCPGraph* rebuilt_;
    QCPGraph* samples_;

    LivePlot* spectrumPlot_;
    QCPTextElement* spectrumNumbers_;
    QCPGraph* kept_;
    QCPGraph* lost_;
    QCPGraph* landed_;
    QCPItemStraightLine* halfRate_;
    std::vector<QCPItemText*> landingNames_;

    LivePlot* excerptPlot_;
    QCPTextElement* excerptNumbers_;
    QCPGraph* excerptSpectrum_;

    LivePlot* windowPlot_;
    QCPTextElement* windowNumbers_;
    QCPAxisRect* shapeRect_;
    QCPAxisRect* leakageRect_;
    QCPGraph* shape_;
    QCPGraph* leakage_;
    QCPItemStraightLine* sideLobe_;

    TSeries series_;
    bool hasRun_ = false;
};

} // namespace Fourier
