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

class QDoubleSpinBox;
class QLabel;
class QSpinBox;
class QToolButton;

namespace Fourier {

class BuildUpPane : public QWidget {
    Q_OBJECT

  public:
    explicit BuildUpPane(QWidget* parent = nullptr);

    const TBuildUp& Schedule() const { return State; }
    QToolButton* PlayButton() const { return PlayPause; }
    QToolButton* BackButton() const { return Back; }
    QToolButton* ForwardButton() const { return Forward; }
    QDoubleSpinBox* RateField() const { return Rate; }
    QSpinBox* LimitField() const { return Limit; }

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

  private:
    void Tick();
    void ScheduleNextTick();
    void Show();

    TBuildUp State;
    QTimer Timer;
    QElapsedTimer Clock;
    QToolButton* PlayPause = nullptr;
    QToolButton* Back = nullptr;
    QToolButton* Forward = nullptr;
    QDoubleSpinBox* Rate = nullptr;
    QSpinBox* Limit = nullptr;
    QLabel* HarmonicText = nullptr;
};

} // namespace Fourier
