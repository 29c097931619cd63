#pragma once
// The audio thread's half of SoundOutput: owns the renderer, the pull device and the sink.
// Lives and runs on the audio thread only.
#include "SoundOutput.h"
#include "SoundRender.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QIODevice>
#include <QObject>
#include <chrono>
#include <functional>
#include <optional>

class QAudioSink;

namespace Fourier {

// What the sink pulls: the renderer's next samples in the sink's sample format.
class RenderDevice : public QIODevice {
    Q_OBJECT
  public:
    RenderDevice(TSoundRenderer& renderer, QObject* parent = nullptr);
    void SetFormat(const QAudioFormat& format) { format_ = format; }
    // Called after each pull with the samples rendered so far.
    std::function<void()> AfterRender;
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

  protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

  private:
    TSoundRenderer& renderer_;
    QAudioFormat format_;
    std::vector<float> block_;
};

class SoundWorker : public QObject {
    Q_OBJECT
  public:
    using Clock = std::chrono::steady_clock;
    explicit SoundWorker(QObject* parent = nullptr);
    ~SoundWorker() override;

    void CheckDevice();
    void SetSpectrum(const TAnalysis& analysis, Clock::time_point asked);
    void SetChoice(const TSoundChoice& choice, Clock::time_point asked);
    void SetVolume(double volume);
    void Play();
    void Stop();

  signals:
    void deviceChecked(bool available, const QString& description);
    void playingChanged(bool playing);
    void failed(Fourier::TSoundFailure failure);
    void latencyMeasured(double seconds);
    void underrun();

  private:
    void Rendered();
    void CloseSink();
    void NoteChange(Clock::time_point asked);

    TSoundRenderer renderer_;
    RenderDevice device_;
    QAudioDevice output_;
    QAudioFormat format_;
    QAudioSink* sink_ = nullptr;
    bool checked_ = false;
    long long renderedAtStart_ = 0; // the renderer's count when the sink began to pull
    long long silentSince_ = -1;    // first sample of the silence after a stop
    // A change waiting to be heard: when it was asked for, the playing position then.
    struct TChange {
        Clock::time_point Asked, Arrived;
        double PlayedSeconds;
        long long RenderedThen;
    };
    std::optional<TChange> change_;
    std::optional<TAnalysis> silentSpectrum_; // the latest spectrum that came while silent
};

} // namespace Fourier
