#pragma once
// «Нарисовать»: the student draws one period of a waveform with the mouse. Every change
// of the 512 samples is analysed as a waveform of the main window is and sent out at once,
// while the pen moves; its first 32 harmonics are shown under the drawing meanwhile, as
// the lab's own views lie behind this tab. Strokes, clearing, opening a file and taking the main
// window's signal are steps of an undo stack (Ctrl+Z, Ctrl+Shift+Z).
#include "Analysis.h"
#include "ErrorReport.h"
#include "Run.h"
#include "Stroke.h"

#include <QString>
#include <QWidget>

class QUndoStack;
class QAction;

namespace Fourier {

class CoefficientBars;
class DrawingArea;

class DrawPane : public QWidget {
    Q_OBJECT

  public:
    explicit DrawPane(QWidget* parent = nullptr);

    const TSamples& Samples() const { return current_; }
    DrawingArea* Area() const { return surface_; }
    // a_k and b_k of what is drawn, k = 1..32, following the pen.
    CoefficientBars* Spectrum() const { return bars_; }
    QUndoStack* UndoStack() const { return stack_; }
    QAction* UndoAction() const { return undo_; }
    QAction* RedoAction() const { return redo_; }
    void SetErrorReporter(Toolkit::TErrorReporter reporter) { report_ = std::move(reporter); }

    // The samples as one undoable step, the drawing's range fitted to them.
    void ReplaceSamples(const TSamples& samples, const QString& stepName);

  signals:
    void signalDrawn(const Fourier::TAnalysis& analysis, const QString& caption);

  public slots:
    // Remembers the main window's current signal for «Взять из главного окна».
    void ShowRun(const Fourier::TRun& run);
    void Clear();
    void TakeMainSignal();
    // Opens saved work (samples, or coefficients rebuilt into samples); a file that cannot
    // be read is reported and changes nothing.
    void OpenFile(const QString& path);
    void SaveFile(const QString& path);

  private:
    friend class TSamplesStep;
    void Apply(const TSamples& samples);
    void FitRange();
    void PenPressed(TPenPoint point);
    void PenMoved(TPenPoint point);
    void PenReleased();

    TSamples current_{};
    TSamples beforeStroke_{};
    TSamples mainSignal_{};
    bool haveMainSignal_ = false;
    bool stroking_ = false;
    TPenPoint lastPen_;

    DrawingArea* surface_ = nullptr;
    CoefficientBars* bars_ = nullptr;
    QUndoStack* stack_ = nullptr;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    QAction* takeMain_ = nullptr;
    Toolkit::TErrorReporter report_;
};

} // namespace Fourier
