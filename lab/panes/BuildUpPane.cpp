#include "BuildUpPane.h"

#include <QAction>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <chrono>

namespace Fourier {
namespace {

QToolButton* Button(const QString& name, const QString& text, const QString& tip) {
    auto* button = new QToolButton;
    button->setObjectName(name);
    button->setText(text);
    button->setToolTip(tip);
    return button;
}

} // namespace

BuildUpPane::BuildUpPane(QWidget* parent)
    : QWidget(parent), playPause_(Button("PlayButton", QStringLiteral("▶"),
                                         QStringLiteral("Строить сумму гармоника за гармоникой"))),
      back_(Button("BackButton", QStringLiteral("◀ Шаг"), QStringLiteral("На гармонику меньше"))),
      forward_(
          Button("ForwardButton", QStringLiteral("Шаг ▶"), QStringLiteral("На гармонику больше"))),
      rate_(new QDoubleSpinBox), limit_(new QSpinBox), harmonicText_(new QLabel) {
    setObjectName("BuildUpPane");
    setWindowTitle(QStringLiteral("Построение"));

    rate_->setObjectName("RateField");
    rate_->setRange(TBuildUp::SlowestRate, TBuildUp::FastestRate);
    rate_->setSingleStep(0.5);
    rate_->setDecimals(1);
    rate_->setValue(state_.Rate());
    rate_->setSuffix(QStringLiteral(" шаг/с"));
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
    pace->addWidget(new QLabel(QStringLiteral("Скорость:")));
    pace->addWidget(rate_);
    pace->addWidget(new QLabel(QStringLiteral("до гармоники")));
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
        auto* press = new QAction(button->toolTip(), this);
        press->setShortcut(keys);
        connect(press, &QAction::triggered, button, &QToolButton::click);
        addAction(press);
    }
    connect(playPause_, &QToolButton::clicked, this, &BuildUpPane::TogglePlay);
    connect(back_, &QToolButton::clicked, this, &BuildUpPane::StepBack);
    connect(forward_, &QToolButton::clicked, this, &BuildUpPane::StepForward);
    connect(rate_, &QDoubleSpinBox::valueChanged, this, &BuildUpPane::SetRate);
    connect(limit_, &QSpinBox::valueChanged, this, &BuildUpPane::SetLimit);
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
    playPause_->setToolTip(state_.Playing()
                               ? QStringLiteral("Пауза")
                               : QStringLiteral("Строить сумму гармоника за гармоникой"));
    harmonicText_->setText(QStringLiteral("k = %1").arg(state_.Harmonic()));
    const QSignalBlocker quietLimit(limit_);
    limit_->setValue(state_.Limit());
}

} // namespace Fourier
