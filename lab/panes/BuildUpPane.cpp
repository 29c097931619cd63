#include "BuildUpPane.h"

#include <QAction>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <chrono>

namespace Fourier {
namespace {

QToolButton* Button(const QString& name) {
    auto* button = new QToolButton;
    button->setObjectName(name);
    return button;
}

QString PlayTip() {
    return BuildUpPane::tr("Строить сумму гармоника за гармоникой");
}

} // namespace

BuildUpPane::BuildUpPane(QWidget* parent)
    : QWidget(parent), playPause_(Button("PlayButton")), back_(Button("BackButton")),
      forward_(Button("ForwardButton")), rate_(new QDoubleSpinBox), limit_(new QSpinBox),
      harmonicText_(new QLabel), rateName_(new QLabel), limitName_(new QLabel) {
    setObjectName("BuildUpPane");

    rate_->setObjectName("RateField");
    rate_->setRange(TBuildUp::SlowestRate, TBuildUp::FastestRate);
    rate_->setSingleStep(0.5);
    rate_->setDecimals(1);
    rate_->setValue(state_.Rate());
    limit_->setObjectName("LimitField");
    limit_->setRange(1, TBuildUp::LargestLimit);
    limit_->setValue(state_.Limit());

    // The buttons and where the build-up stands, then its pace: two short rows keep the lab
    // narrow enough to stand beside the main window.
    auto* controls = new QHBoxLayout;
    for (QWidget* widget : {static_cast<QWidget*>(back_), static_cast<QWidget*>(playPause_),
                            static_cast<QWidget*>(forward_)})
        controls->addWidget(widget);
    controls->addSpacing(12);
    controls->addWidget(harmonicText_);
    controls->addStretch();
    auto* pace = new QHBoxLayout;
    pace->addWidget(rateName_);
    pace->addWidget(rate_);
    pace->addWidget(limitName_);
    pace->addWidget(limit_);
    pace->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addLayout(pace);
    layout->addStretch();

    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &BuildUpPane::Tick);
    // Space plays the sound on every tab, so the buttons have keys of their own (actions:
    // a button's own shortcut goes with each setText).
    for (const auto& [button, keys] :
         {std::pair{playPause_, QKeySequence(Qt::CTRL | Qt::Key_P)},
          std::pair{back_, QKeySequence(Qt::ALT | Qt::Key_Left)},
          std::pair{forward_, QKeySequence(Qt::ALT | Qt::Key_Right)}}) {
        auto* press = new QAction(this);
        press->setShortcut(keys);
        connect(press, &QAction::triggered, button, &QToolButton::click);
        addAction(press);
        keys_.append(press);
    }
    connect(playPause_, &QToolButton::clicked, this, &BuildUpPane::TogglePlay);
    connect(back_, &QToolButton::clicked, this, &BuildUpPane::StepBack);
    connect(forward_, &QToolButton::clicked, this, &BuildUpPane::StepForward);
    connect(rate_, &QDoubleSpinBox::valueChanged, this, &BuildUpPane::SetRate);
    connect(limit_, &QSpinBox::valueChanged, this, &BuildUpPane::SetLimit);
    Retranslate();
}

void BuildUpPane::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) Retranslate();
    QWidget::changeEvent(event);
}

void BuildUpPane::Retranslate() {
    setWindowTitle(tr("Построение"));
    back_->setText(tr("◀ Шаг"));
    back_->setToolTip(tr("На гармонику меньше"));
    forward_->setText(tr("Шаг ▶"));
    forward_->setToolTip(tr("На гармонику больше"));
    keys_.at(0)->setText(PlayTip());
    keys_.at(1)->setText(back_->toolTip());
    keys_.at(2)->setText(forward_->toolTip());
    rate_->setSuffix(tr(" шаг/с"));
    rateName_->setText(tr("Скорость:"));
    limitName_->setText(tr("до гармоники"));
    Show();
}

void BuildUpPane::Play() {
    state_.Play();
    clock_.start();
    Show();
    emit harmonicChanged(state_.Harmonic());
    ScheduleNextTick();
}

void BuildUpPane::Pause() {
    // The part of the step already waited is kept, so Play goes on from there.
    if (state_.Playing()) state_.Advance(std::chrono::nanoseconds(clock_.nsecsElapsed()));
    state_.Pause();
    timer_.stop();
    Show();
}

void BuildUpPane::TogglePlay() {
    if (state_.Playing())
        Pause();
    else
        Play();
}

void BuildUpPane::StepBack() {
    timer_.stop();
    state_.StepBack();
    Show();
    emit harmonicChanged(state_.Harmonic());
}

void BuildUpPane::StepForward() {
    timer_.stop();
    state_.StepForward();
    Show();
    emit harmonicChanged(state_.Harmonic());
}

void BuildUpPane::SetLimit(int limit) {
    const int before = state_.Harmonic();
    state_.SetLimit(limit);
    if (!state_.Playing()) timer_.stop();
    Show();
    if (state_.Harmonic() != before) emit harmonicChanged(state_.Harmonic());
}

void BuildUpPane::SetRate(double stepsPerSecond) {
    if (state_.Playing()) {
        state_.Advance(std::chrono::nanoseconds(clock_.nsecsElapsed()));
        clock_.start();
    }
    state_.SetRate(stepsPerSecond);
    Show();
    if (state_.Playing()) ScheduleNextTick();
}

void BuildUpPane::Tick() {
    const bool changed = state_.Advance(std::chrono::nanoseconds(clock_.nsecsElapsed()));
    clock_.start();
    Show();
    if (changed) emit harmonicChanged(state_.Harmonic());
    if (state_.Playing()) ScheduleNextTick();
}

void BuildUpPane::ScheduleNextTick() {
    if (!state_.Playing()) return;
    using namespace std::chrono;
    const auto wait =
        ceil<milliseconds>(state_.UntilNextStep() - nanoseconds(clock_.nsecsElapsed()));
    timer_.start(std::max(milliseconds(0), wait));
}

void BuildUpPane::Show() {
    playPause_->setText(state_.Playing() ? QStringLiteral("❚❚") : QStringLiteral("▶"));
    playPause_->setToolTip(state_.Playing() ? tr("Пауза") : PlayTip());
    harmonicText_->setText(QStringLiteral("k = %1").arg(state_.Harmonic()));
    const QSignalBlocker quietLimit(limit_);
    limit_->setValue(state_.Limit());
}

} // namespace Fourier
