#pragma once
// «Звук»: the signal, its partial sum S_k or harmonic k alone as a continuous tone, k
// following the main window; A/B switching while playing, a logarithmic fundamental
// 55..1760 Hz, volume, Play/Stop (Space) and «Сохранить звук…» as a WAV file.
#include "ErrorReport.h"
#include "Run.h"
#include "SoundOutput.h"
#include "SoundRender.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>

class QAction;
class QButtonGroup;
class QLabel;
class QRadioButton;
class QSlider;
class QSpinBox;
template <typename T> class QFutureWatcher;

namespace Fourier {

class SoundPane : public QWidget {
    Q_OBJECT
  public:
    explicit SoundPane(QWidget* parent = nullptr);
    ~SoundPane() override;

    // Play/Stop, checked while playing, shortcut Space (window-wide): the lab adds it to
    // its window so that Space toggles the sound wherever the lab's focus is.
    // Closing the pane's window stops the sound; hiding the pane alone (another tab) does not.
    QAction* PlayAction() const { return playAction_; }
    QAction* SaveSoundAction() const { return saveAction_; }

    TSoundChoice Choice() const;
    double Volume() const; // the linear gain the volume control gives

    // The save dialog (default: the platform's) and the report of a failure (default: a
    // message box); replaceable, e.g. by a test.
    std::function<QString()> ChooseSoundFile;
    Toolkit::TErrorReporter ReportError;

    static double FundamentalAt(int position); // the fundamental control's Hz at a position

  public slots:
    void ShowRun(const Fourier::TRun& run);
    void Stop();

  signals:
    void soundSaved(const QString& path);

  protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // What is known of the output, for the line that tells it.
    struct TDevice {
        std::optional<bool> Available; // none while it is looked up
        QString Name;
        std::optional<TSoundFailure> Failure; // the latest, if any
    };

    void Retranslate();
    void ShowDevice();
    void ShowPlayText();
    void ChoiceChanged();
    void UpdateTexts();
    void SaveSound();
    void SaveFinished();

    SoundOutput* output_;
    TAnalysis analysis_{};
    int harmonic_ = 0;
    QButtonGroup* sources_;
    QRadioButton* signalButton_;
    QRadioButton* partialSumButton_;
    QRadioButton* harmonicButton_;
    QSlider* fundamental_;
    QLabel* fundamentalText_;
    QSlider* volume_;
    QLabel* volumeText_;
    QSpinBox* length_;
    QLabel* caption_;
    QLabel* sourceLabel_;
    QLabel* fundamentalLabel_;
    QLabel* volumeLabel_;
    QLabel* lengthLabel_;
    TDevice device_;
    QLabel* deviceLine_;
    QLabel* contentLine_;
    QAction* playAction_;
    QAction* saveAction_;
    QFutureWatcher<QString>* saving_;
    QPointer<QWidget> watchedWindow_; // the window whose closing stops the sound
    QString savingPath_;
};

} // namespace Fourier
