#pragma once
// «Лаборатория»: a second, non-modal window that shows why the Fourier series converges,
// following the main window's runs live (or a signal of its own, see ShowOwnSignal).
//
// Views and panes are tabs. A new result takes one route to all of them: the window composes
// what is shown once per turn of the event loop, however many runs arrive in that turn (a
// slider step runs the analysis twice), and hands it out through runChanged. A view draws
// it only while it is on top; hidden ones catch up when shown.
#include "HarmonicMask.h"
#include "LabInterface.h"
#include "Run.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <optional>

class QAction;
class QLabel;
class QMenu;
class QTabWidget;

namespace Fourier {

class LabView;
class SpectrumView;

class LabWindow : public QMainWindow, public TLab {
    Q_OBJECT

  public:
    explicit LabWindow(QWidget* parent = nullptr);
    ~LabWindow() override;

    // A run of the main window: shown now unless the lab shows its own signal, whose
    // harmonic number and last-harmonic choice still come from here.
    void RunFinished(const TRun& run) override;

    // The views show this signal instead of the main window's until FollowMainWindow.
    void ShowOwnSignal(const TAnalysis& analysis, const QString& caption);
    void FollowMainWindow();
    bool FollowsMainWindow() const { return !own_.has_value(); }

    // What the views show now (what runChanged last carried, or is about to).
    const TRun& ShownRun() const { return shown_; }

    QMainWindow* Window() override { return this; }
    void CaptureLesson(TLesson& lesson) const override;
    void ApplyLesson(const TLesson& lesson) override;
    void SetGameSeed(std::uint64_t seed) override;
    TAnalysis ShownAnalysis() const override { return shown_.Analysis; }
    QImage CurrentPicture() const override;

    // Muted and soloed harmonics are left out of the spectrum that every view and pane gets.
    void SetHarmonicMask(const THarmonicMask& mask);
    // The build-up's k, shown until the main window's next synthesis names its own.
    void ShowHarmonic(int k);

    QTabWidget* Tabs() const { return tabs_; }
    // The tab whose page has this object name, or -1.
    int TabNamed(const QString& name) const;
    // Adds a pane as a tab, with an entry in the «Вид» menu (Ctrl+1..9 and Ctrl+0 for the first
    // ten); returns its index. The title is a source text of this class's context
    // (QT_TRANSLATE_NOOP("Fourier::LabWindow", …)), shown in the program's language.
    // A LabView is joined to runChanged here; other panes connect the slots they need.
    int AddPane(QWidget* pane, const char* title);

  signals:
    // The one route of a new result to every view and pane.
    void runChanged(const Fourier::TRun& run);
    // The language has changed and every widget of the window has taken it.
    void languageChanged();

  protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void Retranslate();
    void WriteHeading();
    void Compose();        // shown_ from the main window's run and the own signal
    void ScheduleUpdate(); // at the end of this turn of the event loop, if shown
    void UpdateViews();    // the heading, runChanged

    QLabel* heading_;
    QTabWidget* tabs_;
    QMenu* windowMenu_;
    QMenu* viewMenu_;
    QMenu* editMenu_;
    QAction* followAction_;
    QAction* closeAction_;
    SpectrumView* spectrum_;
    QList<QAction*> viewActions_; // the «Вид» menu's entry of each tab
    QList<const char*> titles_;   // the source text of each tab's title
    QPointer<QObject> ownSource_; // the pane whose signal own_ is
    QTimer updateTimer_;

    TRun main_;               // the main window's last run
    std::optional<TRun> own_; // the lab's own signal, while it is shown
    TRun shown_;
    THarmonicMask mask_;
    std::optional<int> harmonic_; // the build-up's k
    int revision_ = 0;            // counts changes of shown_
    int announcedRevision_ = -1;  // the last revision runChanged carried
};

} // namespace Fourier
