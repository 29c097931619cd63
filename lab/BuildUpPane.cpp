#include "BuildUpPane.h"

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
    : QWidget(parent), PlayPause(Button("PlayButton", QStringLiteral("▶"),
                                        QStringLiteral("Строить сумму гармоника за гармоникой"))),
      Back(Button("BackButton", QStringLiteral("◀ Шаг"), QStringLiteral("На гармонику меньше"))),
      Forward(
          Button("ForwardButton", QStringLiteral("Шаг ▶"), QStringLiteral("На гармонику больше"))),
      Rate(new QDoubleSpinBox), Limit(new QSpinBox), HarmonicText(new QLabel) {
    setObjectName("BuildUpPane");
    setWindowTitle(QStringLiteral("Построение"));

    Rate->setObjectName("RateField");
    Rate->setRange(TBuildUp::SlowestRate, TBuildUp::FastestRate);
    Rate->setSingleStep(0.5);
    Rate->setDecimals(1);
    Rate->setValue(State.Rate());
    Rate->setSuffix(QStringLiteral(" шаг/с"));
    Limit->setObjectName("LimitField");
    Limit->setRange(1, TBuildUp::LargestLimit);
    Limit->setValue(State.Limit());

    auto* controls = new QHBoxLayout;
    for (QWidget* widget : {static_cast<QWidget*>(Back), static_cast<QWidget*>(PlayPause),
                            static_cast<QWidget*>(Forward)})
        controls->addWidget(widget);
    controls->addSpacing(12);
    controls->addWidget(new QLabel(QStringLiteral("Скорость:")));
    controls->addWidget(Rate);
    controls->addWidget(new QLabel(QStringLiteral("до гармоники")));
    controls->addWidget(Limit);
    controls->addSpacing(12);
    controls->addWidget(HarmonicText);
    controls->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addStretch();

    Timer.setSingleShot(true);
    Timer.setTimerType(Qt::PreciseTimer);
    connect(&Timer, &QTimer::timeout, this, &BuildUpPane::Tick);
    connect(PlayPause, &QToolButton::clicked, this, &BuildUpPane::TogglePlay);
    connect(Back, &QToolButton::clicked, this, &BuildUpPane::StepBack);
    connect(Forward, &QToolButton::clicked, this, &BuildUpPane::StepForward);
    connect(Rate, &QDoubleSpinBox::valueChanged, this, &BuildUpPane::SetRate);
    connect(Limit, &QSpinBox::valueChanged, this, &BuildUpPane::SetLimit);
    Show();
}

void BuildUpPane::Play() {
    State.Play();
    Clock.start();
    Show();
    emit harmonicChanged(State.Harmonic());
    ScheduleNextTick();
}

void BuildUpPane::Pause() {
    // The part of the step already waited is kept, so Play goes on from there.
    if (State.Playing()) State.Advance(std::chrono::nanoseconds(Clock.nsecsElapsed()));
    State.Pause();
    Timer.stop();
    Show();
}

void BuildUpPane::TogglePlay() {
    if (State.Playing())
        Pause();
    else
        Play();
}

void BuildUpPane::StepBack() {
    Timer.stop();
    State.StepBack();
    Show();
    emit harmonicChanged(State.Harmonic());
}

void BuildUpPane::StepForward() {
    Timer.stop();
    State.StepForward();
    Show();
    emit harmonicChanged(State.Harmonic());
}

void BuildUpPane::SetLimit(int limit) {
    const int before = State.Harmonic();
    State.SetLimit(limit);
    if (!State.Playing()) Timer.stop();
    Show();
    if (State.Harmonic() != before) emit harmonicChanged(State.Harmonic());
}

void BuildUpPane::SetRate(double stepsPerSecond) {
    if (State.Playing()) {
        State.Advance(std::chrono::nanoseconds(Clock.nsecsElapsed()));
        Clock.start();
    }
    State.SetRate(stepsPerSecond);
    Show();
    if (State.Playing()) ScheduleNextTick();
}

void BuildUpPane::Tick() {
    const bool changed = State.Advance(std::chrono::nanoseconds(Clock.nsecsElapsed()));
    Clock.start();
    Show();
    if (changed) emit harmonicChanged(State.Harmonic());
    if (State.Playing()) ScheduleNextTick();
}

void BuildUpPane::ScheduleNextTick() {
    if (!State.Playing()) return;
    using namespace std::chrono;
    const auto wait = ceil<milliseconds>(State.UntilNextStep() - nanoseconds(Clock.nsecsElapsed()));
    Timer.start(std::max(milliseconds(0), wait));
}

void BuildUpPane::Show() {
    PlayPause->setText(State.Playing() ? QStringLiteral("❚❚") : QStringLiteral("▶"));
    PlayPause->setToolTip(State.Playing()
                              ? QStringLiteral("Пауза")
                              : QStringLiteral("Строить сумму гармоника за гармоникой"));
    HarmonicText->setText(QStringLiteral("k = %1").arg(State.Harmonic()));
    const QSignalBlocker quietLimit(Limit);
    Limit->setValue(State.Limit());
}

} // namespace Fourier
