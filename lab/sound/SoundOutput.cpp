#include "SoundOutput.h"

#include "SoundWorker.h"

namespace Fourier {

SoundOutput::SoundOutput(QObject* parent) : QObject(parent), worker_(new SoundWorker) {
    thread_.setObjectName("SoundOutput");
    worker_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
    connect(worker_, &SoundWorker::deviceChecked, this, &SoundOutput::deviceChecked);
    connect(worker_, &SoundWorker::playingChanged, this, &SoundOutput::playingChanged);
    connect(worker_, &SoundWorker::failed, this, &SoundOutput::failed);
    connect(worker_, &SoundWorker::latencyMeasured, this, &SoundOutput::latencyMeasured);
    connect(worker_, &SoundWorker::underrun, this, &SoundOutput::underrun);
    thread_.start();
    QMetaObject::invokeMethod(worker_, &SoundWorker::CheckDevice, Qt::QueuedConnection);
}

QString SoundOutput::FailureText(TSoundFailure failure) {
    switch (failure) {
    case TSoundFailure::NoDevice:
        return tr("Нет устройства вывода звука.");
    case TSoundFailure::Interrupted:
        return tr("Вывод звука прервался: устройство недоступно.");
    case TSoundFailure::CannotOpen:
        return tr("Не удалось открыть вывод звука.");
    }
    return {};
}

SoundOutput::~SoundOutput() {
    thread_.quit();
    thread_.wait();
}

void SoundOutput::SetSpectrum(const TAnalysis& analysis) {
    QMetaObject::invokeMethod(
        worker_,
        [worker = worker_, analysis, asked = SoundWorker::Clock::now()] {
            worker->SetSpectrum(analysis, asked);
        },
        Qt::QueuedConnection);
}

void SoundOutput::SetChoice(const TSoundChoice& choice) {
    QMetaObject::invokeMethod(
        worker_,
        [worker = worker_, choice, asked = SoundWorker::Clock::now()] {
            worker->SetChoice(choice, asked);
        },
        Qt::QueuedConnection);
}

void SoundOutput::SetVolume(double volume) {
    QMetaObject::invokeMethod(
        worker_, [worker = worker_, volume] { worker->SetVolume(volume); }, Qt::QueuedConnection);
}

void SoundOutput::Play() {
    QMetaObject::invokeMethod(worker_, &SoundWorker::Play, Qt::QueuedConnection);
}

void SoundOutput::Stop() {
    QMetaObject::invokeMethod(worker_, &SoundWorker::Stop, Qt::QueuedConnection);
}

} // namespace Fourier
