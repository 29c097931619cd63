#include "SoundWorker.h"

#include <QAudioSink>
#include <QMediaDevices>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace Fourier {
namespace {

// Sound queued ahead of the speaker: the sink reads a 20 ms period at a time, so three
// periods keep it fed on a busy machine while a change is heard soon.
constexpr double BufferSeconds = 0.06;

} // namespace

RenderDevice::RenderDevice(TSoundRenderer& renderer, QObject* parent)
    : QIODevice(parent), renderer_(renderer) {}

qint64 RenderDevice::bytesAvailable() const {
    // An endless stream: a second's worth is always there.
    return QIODevice::bytesAvailable() + SoundRate * format_.bytesPerFrame();
}

qint64 RenderDevice::readData(char* data, qint64 maxSize) {
    const int bytesPerFrame = format_.bytesPerFrame();
    if (bytesPerFrame <= 0) return 0;
    const auto frames = static_cast<std::size_t>(maxSize / bytesPerFrame);
    block_.resize(frames);
    renderer_.Render(block_);
    if (format_.sampleFormat() == QAudioFormat::Float) {
        std::memcpy(data, block_.data(), frames * sizeof(float));
    } else {
        for (std::size_t n = 0; n < frames; ++n) {
            const auto step = static_cast<qint16>(std::lround(block_[n] * 32767.0f));
            std::memcpy(data + n * sizeof step, &step, sizeof step);
        }
    }
    if (AfterRender) AfterRender();
    return static_cast<qint64>(frames) * bytesPerFrame;
}

SoundWorker::SoundWorker(QObject* parent) : QObject(parent), device_(renderer_, this) {
    device_.AfterRender = [this] { Rendered(); };
}

SoundWorker::~SoundWorker() {
    // The sink reads from device_, a member: it must go first.
    delete sink_;
}

void SoundWorker::CheckDevice() {
    if (checked_) return;
    checked_ = true;
    output_ = QMediaDevices::defaultAudioOutput();
    if (!output_.isNull()) {
        format_.setSampleRate(SoundRate);
        format_.setChannelCount(1);
        format_.setSampleFormat(QAudioFormat::Float);
        if (!output_.isFormatSupported(format_)) format_.setSampleFormat(QAudioFormat::Int16);
        device_.SetFormat(format_);
    }
    emit deviceChecked(!output_.isNull(), output_.description());
}

void SoundWorker::NoteChange(Clock::time_point asked) {
    if (!sink_ || !renderer_.Playing()) return;
    change_ = TChange{asked, Clock::now(), static_cast<double>(sink_->processedUSecs()) / 1e6,
                      renderer_.LatestToneStart()};
}

void SoundWorker::SetSpectrum(const TAnalysis& analysis, Clock::time_point asked) {
    // A new spectrum costs its levels (about a millisecond): silent, only the last one counts.
    if (!renderer_.Sounding()) {
        silentSpectrum_ = analysis;
        return;
    }
    NoteChange(asked);
    renderer_.SetSpectrum(analysis);
}

void SoundWorker::SetChoice(const TSoundChoice& choice, Clock::time_point asked) {
    NoteChange(asked);
    renderer_.SetChoice(choice);
}

void SoundWorker::SetVolume(double volume) {
    renderer_.SetVolume(volume);
}

void SoundWorker::Play() {
    CheckDevice();
    if (output_.isNull()) {
        emit failed(TSoundFailure::NoDevice);
        emit playingChanged(false);
        return;
    }
    if (silentSpectrum_) {
        renderer_.SetSpectrum(*silentSpectrum_);
        silentSpectrum_.reset();
    }
    renderer_.Start();
    silentSince_ = -1;
    if (!sink_) {
        sink_ = new QAudioSink(output_, format_, this);
        sink_->setBufferSize(static_cast<qsizetype>(BufferSeconds * SoundRate) *
                             format_.bytesPerFrame());
        connect(sink_, &QAudioSink::stateChanged, this, [this](QAudio::State state) {
            if (!sink_) return;
            const QAudio::Error error = sink_->error();
            if (state == QAudio::IdleState && error == QAudio::UnderrunError) emit underrun();
            if (error == QAudio::OpenError || error == QAudio::FatalError ||
                error == QAudio::IOError) {
                emit failed(TSoundFailure::Interrupted);
                renderer_.Stop();
                CloseSink();
            }
        });
        device_.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        renderedAtStart_ = renderer_.SamplesRendered();
        sink_->start(&device_);
        if (sink_ && sink_->error() != QAudio::NoError) {
            emit failed(TSoundFailure::CannotOpen);
            renderer_.Stop();
            CloseSink();
            return;
        }
    }
    emit playingChanged(true);
}

void SoundWorker::Stop() {
    renderer_.Stop();
    if (!sink_) emit playingChanged(false);
}

// After each pull: report a change once it is heard, and close the sink once the fade-out
// has passed through its buffer.
void SoundWorker::Rendered() {
    const long long rendered = renderer_.SamplesRendered();
    if (change_ && renderer_.LatestToneStart() != change_->RenderedThen) {
        const double toneMiddle =
            static_cast<double>(renderer_.LatestToneStart() - renderedAtStart_) / SoundRate +
            SoundFadeSeconds / 2;
        const double waited =
            std::chrono::duration<double>(change_->Arrived - change_->Asked).count();
        emit latencyMeasured(waited + toneMiddle - change_->PlayedSeconds);
        change_.reset();
    }
    if (renderer_.Sounding()) {
        silentSince_ = -1;
        return;
    }
    if (silentSince_ < 0) silentSince_ = rendered;
    // Not from inside the sink's own pull: later, and only if nothing started it again.
    if (rendered - silentSince_ > static_cast<long long>((BufferSeconds + 0.04) * SoundRate)) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (!renderer_.Sounding()) CloseSink();
            },
            Qt::QueuedConnection);
    }
}

void SoundWorker::CloseSink() {
    if (!sink_) return;
    QAudioSink* sink = sink_;
    sink_ = nullptr;
    sink->stop();
    sink->deleteLater();
    device_.close();
    change_.reset();
    emit playingChanged(false);
}

} // namespace Fourier
