#pragma once
// «Операции»: operations on the signal the lab shows (SignalOperations.h), one button each,
// and a slider that shifts it in time live. Each operation applies to what is shown now, the
// result of the previous one included, and is a step on the drawing's undo stack: Ctrl+Z here
// or in «Нарисовать» undoes the last step whichever pane made it, and gives back the signal
// shown before it bit for bit, with its caption; a signal of the main window is given back by
// following the main window again. The result also goes to the drawing, to be touched up with
// the pen. A line under the buttons says what the last operation did to the spectrum.
//
// The slider acts while it moves. Its moves in one drag, or in a run of key presses, are one
// step; and however often it moves, it shifts the signal as it was before the first shift
// (a shift right after a shift starts where that one started), so rounding never adds up.
#include "Analysis.h"
#include "ErrorReport.h"
#include "Run.h"
#include "SignalOperations.h"

#include <QString>
#include <QWidget>

#include <string>
#include <vector>

class QAction;
class QLabel;
class QSlider;
class QUndoStack;

namespace Fourier {

class DrawPane;
class TOperationStep;

class OperationsPane : public QWidget {
    Q_OBJECT

  public:
    // The slider's steps per period.
    static constexpr int ShiftSteps = 64;

    explicit OperationsPane(DrawPane& drawing, QWidget* parent = nullptr);

    QSlider* ShiftSlider() const { return slider_; }
    QLabel* EffectLine() const { return effect_; }
    QUndoStack* UndoStack() const;
    void SetErrorReporter(Toolkit::TErrorReporter reporter) { report_ = std::move(reporter); }

    // The operation on the shown signal, as one step; a refused one is reported and changes
    // nothing.
    void Apply(const TOperation& operation);

  signals:
    void ownSignalReady(const Fourier::TAnalysis& analysis, const QString& caption);
    void followMainWindow();

  public slots:
    // What the lab shows now; the operations apply to it.
    void ShowRun(const Fourier::TRun& run);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    friend class TOperationStep;
    void Retranslate();

    // The lab's signal as this pane knows it.
    struct TShown {
        TSamples Samples{};
        std::string Caption;
        bool Own = false;                    // else the lab follows the main window
        std::string Source;                  // what the operations started from
        std::vector<std::string> Operations; // since then; empty for a signal not made here
    };
    // What the drawing held, for the step that replaces it.
    struct TDrawn {
        TSamples Samples{};
        QString Caption;
    };

    void ShiftMoved(int position);
    void Run(const TShown& base, const TDrawn& drawnBefore, const TOperation& operation,
             int gesture);
    void Present(const TShown& shown);
    void Restore(const TShown& shown, const TDrawn& drawn);
    void StackMoved();
    void ShowShift(int position);
    TDrawn Drawn() const;
    // The last step done, if it is an operation.
    const TOperationStep* LastStep() const;

    DrawPane& drawing_;
    TShown shown_;
    bool haveSignal_ = false;
    int gesture_ = 0;          // the serial number of the slider's current gesture
    bool gestureOpen_ = false; // the slider's next move belongs to it

    QSlider* slider_ = nullptr;
    QLabel* shiftText_ = nullptr;
    QLabel* effect_ = nullptr;
    QWidget* controls_ = nullptr;
    // Buttons and labels with their source texts and tooltips (nullptr: none), for a new
    // language.
    struct TWritten {
        QWidget* Widget;
        const char* Text;
        const char* Tip;
    };
    std::vector<TWritten> written_;
    Toolkit::TErrorReporter report_;
};

} // namespace Fourier
