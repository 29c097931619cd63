#pragma once
// The build-up («▶»): the partial sum's harmonic number stepped from 1 to a limit at a
// chosen rate, with pause and steps back and forward. A timer drives the schedule of
// TBuildUp; every new k is sent out for the lab's views, the main window and the sound. It
// keeps stepping while another tab is shown (the views it drives are there); the window
// that holds it calls Pause() when it closes.
#include "BuildUp.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

class QAction;
class QDoubleSpinBox;
class QLabel;
class QSpinBox;
class QToolButton;

namespace Fourier {

class BuildUpPane : public QWidget {
    Q_OBJECT

  public:
    explicit BuildUpPane(QWidget* parent = nullptr);

    const TBuildUp& Schedule() const { return state_; }
    QToolButton* PlayButton() const { return playPause_; }
    QToolButton* BackButton() const { return back_; }
    QToolButton* ForwardButton() const { return forward_; }
    QDoubleSpinBox* RateField() const { return rate_; }
    QSpinBox* LimitField() const { return limit_; }

  signals:
    void harmonicChanged(int k);

  public slots:
    void Play();
    void Pause();
    void TogglePlay();
    void StepBack();
    void StepForward();
    void SetLimit(int limit);
    void SetRate(double stepsPerSecond);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void Retranslate();
    void Tick();
    void ScheduleNextTick();
    void Show();

    TBuildUp state_;
    QTimer timer_;
    QElapsedTimer clock_;
    QToolButton* playPause_ = nullptr;
    QToolButton* back_ = nullptr;
    QToolButton* forward_ = nullptr;
    QDoubleSpinBox* rate_ = nullptr;
    QSpinBox* limit_ = nullptr;
    QLabel* harmonicText_ = nullptr;
    QLabel* rateName_ = nullptr;
    QLabel* limitName_ = nullptr;
    QList<QAction*> keys_; // Play, back, forward: named as their buttons' tooltips
};

} // namespace Fourier
