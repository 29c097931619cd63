#pragma once
// One view of the lab: a tab that plots the run the lab window hands every view and pane
// (the main window's last run, or the lab's own signal with the main window's harmonic
// settings). A view draws a run only while it is on the screen; a hidden view keeps the
// latest run and draws it when it is shown again.
// A view builds its widgets on its first drawing: setting up and laying out a plot costs
// milliseconds, and most views of an opened lab are not looked at straight away.
// A run the lab cannot measure (values beyond what its sums hold) is drawn by no view: each
// hides its content and says why, rather than keep the picture of an earlier run.
#include "Run.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>
#include <vector>

class QLabel;
class QVBoxLayout;

namespace Fourier {

class LabView : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(LabView)

  public:
    explicit LabView(QWidget* parent = nullptr);
    void ShowRun(const TRun& run);

  protected:
    virtual void Build(QVBoxLayout& layout) = 0; // once, before the first Draw
    virtual void Draw(const TRun& run) = 0;
    // Writes the view's texts in the program's language: after Build, and on every change of
    // the language (the view may not be built yet then). The texts that show the numbers of
    // a run are written again from DrawnRun(), without touching what the student set.
    virtual void Retranslate() {}
    // The run in the picture, or none while nothing is drawn (a run waiting to be drawn is
    // drawn later in the language of its time).
    const TRun* DrawnRun() const;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void DrawPending();
    void ShowContent(bool shown);

    QLabel* unmeasurable_;
    std::vector<QPointer<QWidget>> hiddenContent_;
    TRun run_;
    bool pending_ = false; // run_ has not been drawn yet
    bool built_ = false;
};

// The main window's harmonic number as the views use it: kept within 0..255, where the
// series has its harmonics (the main window sums nothing beyond).
int LabHarmonic(const TRun& run);

} // namespace Fourier
