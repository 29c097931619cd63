#pragma once
// «Нарисовать»: the student draws one period of a waveform with the mouse. Every change
// of the 512 samples is analysed as a waveform of the main window is and sent out at once,
// while the pen moves; its first 32 harmonics are shown under the drawing meanwhile, as
// the lab's own views lie behind this tab. Strokes, clearing, opening a file and taking the main
// window's signal are steps of an undo stack (Ctrl+Z, Ctrl+Shift+Z); other panes that change the
// lab's signal put their steps on the same stack and leave their result here (Hold), so that one
// Ctrl+Z undoes the last change whichever pane made it, and the pen touches up the result.
// The keyboard draws straight segments (see DrawingArea), each a step like a stroke.
#include "Analysis.h"
#include "ErrorReport.h"
#include "Run.h"
#include "Stroke.h"

#include <QString>
#include <QUndoCommand>
#include <QWidget>

class QUndoStack;
class QAction;
class QLabel;

namespace Fourier {

class CoefficientBars;
class DrawingArea;

// A step of the drawing's undo stack (the panes that share it push theirs too), named again
// in the program's language when that changes.
class TNamedStep : public QUndoCommand {
  public:
    using QUndoCommand::QUndoCommand;
    virtual QString NameNow() const = 0;
};

class DrawPane : public QWidget {
    Q_OBJECT

  public:
    explicit DrawPane(QWidget* parent = nullptr);
    ~DrawPane() override;

    const TSamples& Samples() const { return current_; }
    // The caption the samples are sent with: «Нарисованный сигнал» once the pen has touched them.
    const QString& Caption() const { return caption_; }
    DrawingArea* Area() const { return surface_; }
    // a_k and b_k of what is drawn, k = 1..32, following the pen.
    CoefficientBars* Spectrum() const { return bars_; }
    // Where the keyboard's cursor stands, under the drawing.
    QLabel* CursorLine() const { return cursorLine_; }
    QUndoStack* UndoStack() const { return stack_; }
    QAction* UndoAction() const { return undo_; }
    QAction* RedoAction() const { return redo_; }
    void SetErrorReporter(Toolkit::TErrorReporter reporter) { report_ = std::move(reporter); }

    // The samples as one undoable step, the drawing's range fitted to them. The step's name is
    // a source text of this class's context (QT_TRANSLATE_NOOP("Fourier::DrawPane", …)).
    void ReplaceSamples(const TSamples& samples, const char* stepName);
    // Shows the samples with their caption, the range fitted to them, as neither a step nor a
    // change sent out: the step of another pane that made them does both.
    void Hold(const TSamples& samples, const QString& caption);

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

  protected:
    void changeEvent(QEvent* event) override;

  private:
    friend class TSamplesStep;
    void Retranslate();
    void Show(const TSamples& samples, const QString& caption); // and sends them out
    void FitRange();
    void PenPressed(TPenPoint point);
    void PenMoved(TPenPoint point);
    void PenReleased();
    void DrawSegment(TPenPoint from, TPenPoint to); // one undo step
    void ShowCursor();

    TSamples current_{};
    QString caption_;
    TSamples beforeStroke_{};
    QString captionBeforeStroke_;
    TSamples mainSignal_{};
    bool haveMainSignal_ = false;
    bool stroking_ = false;
    TPenPoint lastPen_;

    DrawingArea* surface_ = nullptr;
    CoefficientBars* bars_ = nullptr;
    QLabel* cursorLine_ = nullptr;
    QUndoStack* stack_ = nullptr;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    QAction* takeMain_ = nullptr;
    QAction* clear_ = nullptr;
    QLabel* hint_ = nullptr;
    Toolkit::TErrorReporter report_;
};

} // namespace Fourier
