#include "SoundPane.h"

#include "SoundFile.h"
#include "SoundOutput.h"
#include "Subscript.h"
#include "Wording.h"

#include <QAction>
#include <QAudio>
#include <QButtonGroup>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QFutureWatcher>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>
#include <cmath>

namespace Fourier {
namespace {

// The fundamental control: 120 steps per octave (10 cents), five octaves from 55 Hz.
constexpr int StepsPerOctave = 120;
constexpr int FundamentalSteps = 5 * StepsPerOctave;
constexpr int DefaultVolumePercent = 70;
constexpr int DefaultSoundSeconds = 5;

// The slider's own position, as the student set it (the output turns it into a gain).
QString VolumeText(int percent) {
    return QString::number(percent) + QStringLiteral(" %");
}

QString Hertz(double f) {
    return SoundPane::tr("%1 Гц").arg(QString::number(std::round(f)));
}

} // namespace

double SoundPane::FundamentalAt(int position) {
    return LowestFundamental * std::exp2(static_cast<double>(position) / StepsPerOctave);
}

SoundPane::SoundPane(QWidget* parent)
    : QWidget(parent), output_(new SoundOutput(this)), saving_(new QFutureWatcher<QString>(this)) {
    setObjectName("SoundPane");

    caption_ = new QLabel(this);
    caption_->setWordWrap(true);

    signalButton_ = new QRadioButton(this);
    signalButton_->setObjectName("SoundSignal");
    partialSumButton_ = new QRadioButton(this);
    partialSumButton_->setObjectName("SoundPartialSum");
    harmonicButton_ = new QRadioButton(this);
    harmonicButton_->setObjectName("SoundHarmonic");
    sources_ = new QButtonGroup(this);
    sources_->addButton(signalButton_, static_cast<int>(TSoundSource::Signal));
    sources_->addButton(partialSumButton_, static_cast<int>(TSoundSource::PartialSum));
    sources_->addButton(harmonicButton_, static_cast<int>(TSoundSource::Harmonic));
    partialSumButton_->setChecked(true);

    fundamental_ = new QSlider(Qt::Horizontal, this);
    fundamental_->setObjectName("SoundFundamental");
    fundamental_->setRange(0, FundamentalSteps);
    fundamental_->setSingleStep(StepsPerOctave / 12); // a semitone
    fundamental_->setPageStep(StepsPerOctave);        // an octave
    fundamental_->setValue(static_cast<int>(
        std::lround(StepsPerOctave * std::log2(DefaultFundamental / LowestFundamental))));
    fundamentalText_ = new QLabel(this);
    fundamentalText_->setObjectName("SoundFundamentalText");

    volume_ = new QSlider(Qt::Horizontal, this);
    volume_->setObjectName("SoundVolume");
    volume_->setRange(0, 100);
    volume_->setValue(DefaultVolumePercent);
    volumeText_ = new QLabel(this);
    volumeText_->setObjectName("SoundVolumeText");
    // As wide as its widest text, so the slider keeps its length as the number changes.
    volumeText_->setMinimumWidth(fontMetrics().horizontalAdvance(VolumeText(100)));

    playAction_ = new QAction(this);
    playAction_->setObjectName("SoundPlay");
    playAction_->setCheckable(true);
    playAction_->setShortcut(Qt::Key_Space);
    playAction_->setShortcutContext(Qt::WindowShortcut);
    playAction_->setEnabled(false); // until an output is found
    addAction(playAction_);
    auto* playButton = new QToolButton(this);
    playButton->setDefaultAction(playAction_);
    playButton->setToolButtonStyle(Qt::ToolButtonTextOnly);

    length_ = new QSpinBox(this);
    length_->setObjectName("SoundLength");
    length_->setRange(static_cast<int>(ShortestSoundFile), static_cast<int>(LongestSoundFile));
    length_->setValue(DefaultSoundSeconds);
    saveAction_ = new QAction(this);
    saveAction_->setObjectName("SoundSave");
    // As the panes' «Сохранить…»: the tool button takes no Space, which plays.
    saveAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S));
    auto* saveButton = new QToolButton(this);
    saveButton->setDefaultAction(saveAction_);

    deviceLine_ = new QLabel(this);
    deviceLine_->setObjectName("SoundDevice");
    contentLine_ = new QLabel(this);
    contentLine_->setObjectName("SoundContent");

    auto* sourceRow = new QHBoxLayout;
    sourceRow->addWidget(signalButton_);
    sourceRow->addWidget(partialSumButton_);
    sourceRow->addWidget(harmonicButton_);
    sourceRow->addStretch();
    auto* fundamentalRow = new QHBoxLayout;
    fundamentalRow->addWidget(fundamental_, 1);
    fundamentalRow->addWidget(fundamentalText_);
    auto* saveRow = new QHBoxLayout;
    saveRow->addWidget(length_);
    saveRow->addWidget(saveButton);
    saveRow->addStretch();
    auto* form = new QFormLayout;
    sourceLabel_ = new QLabel(this);
    fundamentalLabel_ = new QLabel(this);
    volumeLabel_ = new QLabel(this);
    lengthLabel_ = new QLabel(this);
    form->addRow(sourceLabel_, sourceRow);
    form->addRow(fundamentalLabel_, fundamentalRow);
    auto* volumeRow = new QHBoxLayout;
    volumeRow->addWidget(volume_, 1);
    volumeRow->addWidget(volumeText_);
    form->addRow(volumeLabel_, volumeRow);
    form->addRow(QString(), playButton);
    form->addRow(lengthLabel_, saveRow);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption_);
    layout->addLayout(form);
    layout->addWidget(contentLine_);
    layout->addWidget(deviceLine_);
    layout->addStretch();

    ChooseSoundFile = [this] {
        return QFileDialog::getSaveFileName(this, tr("Сохранить звук"),
                                            QDir::home().filePath(tr("звук.wav")),
                                            tr("Звук WAV (*.wav)"));
    };
    ReportError = Toolkit::MessageBoxReporter(this);

    connect(sources_, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on) ChoiceChanged();
    });
    connect(fundamental_, &QSlider::valueChanged, this, &SoundPane::ChoiceChanged);
    connect(volume_, &QSlider::valueChanged, this, [this] {
        output_->SetVolume(Volume());
        volumeText_->setText(VolumeText(volume_->value()));
    });
    connect(playAction_, &QAction::toggled, this, [this](bool play) {
        ShowPlayText();
        if (play)
            output_->Play();
        else
            output_->Stop();
    });
    connect(saveAction_, &QAction::triggered, this, &SoundPane::SaveSound);
    connect(saving_, &QFutureWatcher<QString>::finished, this, &SoundPane::SaveFinished);

    connect(output_, &SoundOutput::deviceChecked, this,
            [this](bool available, const QString& name) {
                playAction_->setEnabled(available);
                device_.Available = available;
                device_.Name = name;
                device_.Failure.reset();
                ShowDevice();
            });
    connect(output_, &SoundOutput::playingChanged, this, [this](bool playing) {
        const QSignalBlocker blocker(playAction_);
        playAction_->setChecked(playing);
        ShowPlayText();
    });
    connect(output_, &SoundOutput::failed, this, [this](TSoundFailure failure) {
        device_.Failure = failure;
        ShowDevice();
    });

    output_->SetVolume(Volume());
    volumeText_->setText(VolumeText(volume_->value()));
    Retranslate();
    ChoiceChanged();
}

void SoundPane::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) Retranslate();
    QWidget::changeEvent(event);
}

// Texts only: what plays, and whether it plays, stays as it is.
void SoundPane::Retranslate() {
    caption_->setText(tr("Звук: период, сложенный из гармоник ниже 24 кГц, звучит непрерывно; "
                         "громкости сигнала, Sₖ и гармоник сравнимы между собой."));
    signalButton_->setText(tr("Сигнал"));
    sourceLabel_->setText(tr("Звучит:"));
    fundamentalLabel_->setText(tr("Основной тон:"));
    volumeLabel_->setText(tr("Громкость:"));
    lengthLabel_->setText(tr("Длина файла:"));
    length_->setSuffix(tr(" с"));
    // As wide as the highest fundamental, so the slider keeps its length.
    fundamentalText_->setMinimumWidth(fontMetrics().horizontalAdvance(Hertz(HighestFundamental)));
    saveAction_->setText(tr("Сохранить звук…"));
    ShowPlayText();
    ShowDevice();
    UpdateTexts();
}

void SoundPane::ShowPlayText() {
    playAction_->setText(playAction_->isChecked() ? tr("Стоп") : tr("Играть"));
}

void SoundPane::ShowDevice() {
    if (device_.Failure)
        deviceLine_->setText(SoundOutput::FailureText(*device_.Failure));
    else if (!device_.Available)
        deviceLine_->setText(tr("Звук: ищу устройство вывода…"));
    else if (*device_.Available)
        deviceLine_->setText(tr("Вывод звука: %1, 48 кГц.").arg(device_.Name));
    else
        deviceLine_->setText(
            tr("Нет устройства вывода звука: звук можно только сохранить в файл."));
}

SoundPane::~SoundPane() = default;

TSoundChoice SoundPane::Choice() const {
    TSoundChoice choice;
    choice.Source = static_cast<TSoundSource>(std::max(0, sources_->checkedId()));
    choice.Harmonic = harmonic_;
    choice.Fundamental = FundamentalAt(fundamental_->value());
    return choice;
}

double SoundPane::Volume() const {
    return QAudio::convertVolume(static_cast<float>(volume_->value()) / 100.0f,
                                 QAudio::LogarithmicVolumeScale, QAudio::LinearVolumeScale);
}

void SoundPane::ShowRun(const TRun& run) {
    analysis_ = run.Analysis;
    harmonic_ = run.Harmonic;
    output_->SetSpectrum(analysis_);
    ChoiceChanged();
}

void SoundPane::Stop() {
    playAction_->setChecked(false);
}

// The pane may be put into another window after it is made: watch the one it shows in.
void SoundPane::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (watchedWindow_ == window()) return;
    if (watchedWindow_) watchedWindow_->removeEventFilter(this);
    watchedWindow_ = window();
    watchedWindow_->installEventFilter(this);
}

bool SoundPane::eventFilter(QObject* watched, QEvent* event) {
    // A minimised window stays visible; a closed or hidden one does not.
    if (watched == watchedWindow_ && event->type() == QEvent::Hide && !watchedWindow_->isVisible())
        Stop();
    return QWidget::eventFilter(watched, event);
}

void SoundPane::ChoiceChanged() {
    output_->SetChoice(Choice());
    UpdateTexts();
}

void SoundPane::UpdateTexts() {
    const TSoundChoice choice = Choice();
    const int k = choice.Harmonic;
    const int band = BandLimit(choice.Fundamental);
    partialSumButton_->setText(tr("Частичная сумма S%1").arg(QString::fromStdString(Subscript(k))));
    harmonicButton_->setText(tr("Гармоника %1 отдельно").arg(k));
    fundamentalText_->setText(Hertz(choice.Fundamental));

    QString content;
    switch (choice.Source) {
    case TSoundSource::Signal:
        content = band == HighestHarmonic
                      ? tr("Звучат все гармоники сигнала, 1–255.")
                      : tr("Звучат гармоники сигнала 1–%1; выше %2 — за пределом 24 кГц.")
                            .arg(band)
                            .arg(band);
        break;
    case TSoundSource::PartialSum:
        if (k < 1)
            content = tr("S%1 пуста: звучать нечему.").arg(QString::fromStdString(Subscript(k)));
        else if (k <= band)
            content = tr("Звучат гармоники 1–%1.").arg(k);
        else
            content = tr("Звучат гармоники 1–%1; с %2-й они выше 24 кГц и не слышны.")
                          .arg(band)
                          .arg(band + 1);
        break;
    case TSoundSource::Harmonic:
        if (k < 1)
            content = tr("Гармоника 0 — постоянная составляющая: она не звучит.");
        else if (k <= band)
            content = tr("Звучит гармоника %1: %2.").arg(k).arg(Hertz(k * choice.Fundamental));
        else
            content = tr("Гармоника %1 выше 24 кГц: не слышна.").arg(k);
        break;
    }
    contentLine_->setText(content);
}

void SoundPane::SaveSound() {
    QString path = ChooseSoundFile ? ChooseSoundFile() : QString();
    if (path.isEmpty()) return;
    if (!path.endsWith(QStringLiteral(".wav"), Qt::CaseInsensitive)) path += QStringLiteral(".wav");
    saveAction_->setEnabled(false);
    savingPath_ = path;
    const std::string file = QFile::encodeName(path).toStdString();
    // Rendering 30 s takes a moment: off the user-interface thread, on copies.
    saving_->setFuture(QtConcurrent::run(
        [file, analysis = analysis_, choice = Choice(), seconds = length_->value()] {
            try {
                Fourier::SaveSound(file, analysis, choice, seconds);
                return QString();
            } catch (const std::exception& e) {
                return QString::fromStdString(ShownMessage(e));
            }
        }));
}

void SoundPane::SaveFinished() {
    saveAction_->setEnabled(true);
    const QString error = saving_->result();
    if (!error.isEmpty()) {
        if (ReportError) ReportError(Toolkit::WithFullStop(error.toStdString()));
        return;
    }
    emit soundSaved(savingPath_);
}

} // namespace Fourier
