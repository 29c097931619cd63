#pragma once
// The sound pane's way to the speaker: a TSoundRenderer on a thread of its own, pulled by a
// QAudioSink (48 kHz, mono, the system's default output) through a QIODevice that renders
// on demand. Every call returns at once; the device is looked up, opened and fed on the
// audio thread, so a slow or missing sound server never holds up the user interface.
#include "SoundRender.h"

#include <QObject>
#include <QString>
#include <QThread>

namespace Fourier {

class SoundWorker;

// Why the output could not play, or stopped: said in the language of the moment it is shown.
enum class TSoundFailure { NoDevice, Interrupted, CannotOpen };

class SoundOutput : public QObject {
    Q_OBJECT
  public:
    explicit SoundOutput(QObject* parent = nullptr);
    ~SoundOutput() override;

    void SetSpectrum(const TAnalysis& analysis);
    void SetChoice(const TSoundChoice& choice);
    void SetVolume(double volume); // linear gain 0..1
    void Play();
    void Stop(); // fades out, then closes the output

    // The failure as a sentence for the student, in the program's language.
    static QString FailureText(TSoundFailure failure);

  signals:
    // Once, after the look-up: whether there is an output, and its name.
    void deviceChecked(bool available, const QString& description);
    void playingChanged(bool playing);
    void failed(Fourier::TSoundFailure failure);
    // Per change heard while playing: seconds from the call to the middle of the crossfade
    // reaching the speaker, as the output reports its playing position.
    void latencyMeasured(double seconds);
    // The output ran dry (the audio thread was not scheduled in time): a gap was heard.
    void underrun();

  private:
    QThread thread_;
    SoundWorker* worker_;
};

} // namespace Fourier
