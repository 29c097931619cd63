#pragma once
// «Лаборатория»: a second, non-modal window that shows why the Fourier series converges,
// following the main window's runs live (or a signal of its own, see ShowOwnSignal).
//
// Views are tabs; each is brought up to date only when it is on top, once per turn of the
// event loop however many runs arrive in that turn (a slider step runs the analysis twice).
// Other panes join as tabs through AddPane and follow runChanged.
#include "HarmonicMask.h"
#include "RunView.h"

#include <QMainWindow>
#include <QTimer>
#include <optional>

class QLabel;
class QTabWidget;

namespace Fourier {

class LabView;
class SpectrumView;

class LabWindow : public QMainWindow, public TRunListener {
    Q_OBJECT

  public:
    explicit LabWindow(QWidget* parent = nullptr);
    ~LabWindow() override;

    // A run of the main window: shown now unless the lab shows its own signal, whose
    // harmonic number and last-harmonic choice still come from here.
    void RunFinished(const TRunView& view) override;

    // The views show this signal instead of the main window's until FollowMainWindow.
    void ShowOwnSignal(const TAnalysis& analysis, const QString& caption);
    void FollowMainWindow();
    bool FollowsMainWindow() const { return !own_.has_value(); }

    // What the views show now (what runChanged last carried, or is about to).
    const TRunView& ShownRun() const { return shown_; }

    // Muted and soloed harmonics are left out of the spectrum that every view and pane gets.
    void SetHarmonicMask(const THarmonicMask& mask);
    // The build-up's k, shown until the main window's next synthesis names its own.
    void ShowHarmonic(int k);

    QTabWidget* Tabs() const { return tabs_; }
    // Adds a pane as a tab, with a Ctrl+digit shortcut in the «Вид» menu; returns its index.
    int AddPane(QWidget* pane, const QString& title);

  signals:
    // Emitted once the views show a new run; panes that are not LabViews follow it.
    void runChanged(const Fourier::TRunView& run);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Compose();        // shown_ from the main window's run and the own signal
    void ScheduleUpdate(); // at the end of this turn of the event loop, if shown
    void UpdateViews();    // the current view, the heading, runChanged
    void UpdateCurrentView();

    QLabel* heading_;
    QTabWidget* tabs_;
    class QMenu* viewMenu_;
    class QAction* followAction_;
    SpectrumView* spectrum_;
    QTimer updateTimer_;

    TRunView main_;               // the main window's last run
    std::optional<TRunView> own_; // the lab's own signal, while it is shown
    TRunView shown_;
    THarmonicMask mask_;
    std::optional<int> harmonic_; // the build-up's k
    int revision_ = 0;            // counts changes of shown_
    int announcedRevision_ = -1;  // the last revision runChanged carried
};

} // namespace Fourier
