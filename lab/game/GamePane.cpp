#include "GamePane.h"

#include "GamePlot.h"
#include "InverseTransform.h"
#include "SoundOutput.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSettings>
#include <QShortcut>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <charconv>
#include <memory>
#include <random>

namespace Fourier {
namespace {

// A seed a student can read out to a neighbour: up to six digits when drawn at random.
constexpr std::uint64_t RandomSeedLimit = 1000000;

QSettings LabSettings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("fourier"),
                     QStringLiteral("lab"));
}

QString LevelKey(int level, const char* name) {
    return QStringLiteral("game/level%1/%2").arg(level).arg(QLatin1String(name));
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// "гармоника 3", "гармоники 2 и 5".
QString ToldText(const std::vector<int>& told) {
    QStringList numbers;
    for (const int k : told)
        numbers << QString::number(k);
    if (told.size() == 1) return GamePane::tr("гармоника %1").arg(numbers.front());
    const QString last = numbers.takeLast();
    return GamePane::tr("гармоники %1 и %2").arg(numbers.join(QStringLiteral(", ")), last);
}

TAnalysis AnalysisOf(const TCoefficients& coefficients) {
    return AnalyseSamples(SynthesiseSamples(coefficients));
}

QPushButton* Button(const char* name) {
    auto* button = new QPushButton;
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

void SetTexts(QPushButton* button, const QString& text, const QString& tip) {
    button->setText(text);
    button->setToolTip(tip);
}

} // namespace

GamePane::GamePane(QWidget* parent)
    : QWidget(parent), levelBox_(new QComboBox), seedField_(new QLineEdit), pairLabel_(new QLabel),
      pairBox_(new QComboBox), ruleLine_(new QLabel), plot_(new GamePlot),
      bars_(new CoefficientBars), resultLine_(new QLabel), progressLine_(new QLabel),
      sound_(new SoundOutput(this)) {
    setObjectName("GamePane");

    auto timer = std::make_shared<QElapsedTimer>();
    timer->start();
    clock_ = [timer] { return static_cast<double>(timer->elapsed()) / 1000.0; };

    levelBox_->setObjectName("GameLevel");
    for (int level = 1; level <= GameLevelCount; ++level)
        levelBox_->addItem(QString());
    levelLabel_ = new QLabel;
    levelLabel_->setBuddy(levelBox_);

    seedField_->setObjectName("GameSeed");
    // Up to 20 digits: every 64-bit seed; a larger number is refused when applied.
    seedField_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{1,20}")), this));
    seedField_->setMaxLength(20);
    seedLabel_ = new QLabel;
    seedLabel_->setBuddy(seedField_);

    pairBox_->setObjectName("GamePairChoice");
    pairBox_->addItems({QString(), QString()}); // a_k and b_k, A_k and phi_k
    pairBox_->setToolTip(QStringLiteral("aₖ cos kx + bₖ sin kx = Aₖ cos(kx − φₖ)"));
    pairLabel_->setBuddy(pairBox_);

    auto* top = new QHBoxLayout;
    top->addWidget(levelLabel_);
    top->addWidget(levelBox_);
    top->addSpacing(16);
    top->addWidget(seedLabel_);
    top->addWidget(seedField_);
    top->addSpacing(16);
    top->addWidget(pairLabel_);
    top->addWidget(pairBox_);
    top->addStretch(1);

    ruleLine_->setObjectName("GameRule");
    ruleLine_->setWordWrap(true);

    checkButton_ = Button("GameCheck");
    answerButton_ = Button("GameAnswer");
    nextButton_ = Button("GameNext");
    playTarget_ = Button("GamePlayTarget");
    playMine_ = Button("GamePlayMine");
    playTarget_->setCheckable(true);
    playMine_->setCheckable(true);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {checkButton_, answerButton_, nextButton_, playTarget_, playMine_})
        buttons->addWidget(button);
    buttons->addStretch(1);

    bars_->setObjectName("GameBars"); // apart from the coefficient pane's bars
    bars_->setMinimumHeight(110);     // the lab fits small screens, as with the drawing

    resultLine_->setObjectName("GameResult");
    resultLine_->setWordWrap(true);
    resultLine_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    progressLine_->setObjectName("GameProgress");
    hint_ = new QLabel;
    hint_->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(ruleLine_);
    layout->addWidget(plot_, 2);
    layout->addWidget(bars_, 3);
    layout->addLayout(buttons);
    auto* results = new QHBoxLayout;
    results->addWidget(resultLine_, 1);
    results->addWidget(progressLine_);
    layout->addLayout(results);
    layout->addWidget(hint_);

    setTabOrder(levelBox_, seedField_);
    setTabOrder(seedField_, pairBox_);
    setTabOrder(pairBox_, bars_);
    setTabOrder(bars_, checkButton_);
    setTabOrder(checkButton_, answerButton_);
    setTabOrder(answerButton_, nextButton_);
    setTabOrder(nextButton_, playTarget_);
    setTabOrder(playTarget_, playMine_);
    setFocusProxy(bars_); // the tab opens at the bars

    // Enter checks wherever the focus is in the pane; in the seed field it takes the seed.
    for (const int key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(key), this);
        enter->setContext(Qt::WidgetWithChildrenShortcut);
        connect(enter, &QShortcut::activated, this, [this] {
            if (seedField_->hasFocus())
                ApplySeedText();
            else
                Check();
        });
    }
    connect(seedField_, &QLineEdit::editingFinished, this, &GamePane::ApplySeedText);
    connect(levelBox_, &QComboBox::activated, this, [this](int index) { SwitchLevel(index + 1); });
    connect(pairBox_, &QComboBox::activated, this, [this](int index) {
        bars_->SetPair(index == 0 ? TBarPair::CosSin : TBarPair::MagnitudePhase);
    });
    connect(bars_, &CoefficientBars::edited, this, &GamePane::AttemptEdited);
    connect(checkButton_, &QPushButton::clicked, this, &GamePane::Check);
    connect(answerButton_, &QPushButton::clicked, this, &GamePane::ShowAnswer);
    connect(nextButton_, &QPushButton::clicked, this, &GamePane::NextRound);
    connect(playTarget_, &QPushButton::clicked, this, [this] { Toggle(TSound::Target); });
    connect(playMine_, &QPushButton::clicked, this, [this] { Toggle(TSound::Mine); });
    // Without a sound device the buttons stay: pressed, they say there is none.
    connect(sound_, &SoundOutput::failed, this, [this](TSoundFailure failure) {
        playing_ = TSound::None;
        ShowSoundButtons();
        ShowResult([failure] { return SoundOutput::FailureText(failure); });
    });

    Retranslate();
    LoadProgress();
    std::random_device random;
    SetSeed(1 + random() % (RandomSeedLimit - 1));
}

void GamePane::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) Retranslate();
    QWidget::changeEvent(event);
}

// Texts only: the round, the bars, the sound and the focus stay as they are.
void GamePane::Retranslate() {
    setWindowTitle(tr("Угадай сигнал"));
    {
        const QSignalBlocker quiet(levelBox_);
        for (int level = 1; level <= GameLevelCount; ++level)
            levelBox_->setItemText(level - 1, QString::number(level) + QStringLiteral(". ") +
                                                  QString::fromStdString(GameLevelName(level)));
    }
    levelLabel_->setText(tr("&Уровень:"));
    seedField_->setToolTip(tr("Одно и то же зерно даёт одни и те же раунды: введите число и "
                              "нажмите Enter, чтобы начать заново"));
    seedLabel_->setText(tr("&Зерно:"));
    pairLabel_->setText(tr("Сто&лбики:"));
    {
        const QSignalBlocker quiet(pairBox_);
        pairBox_->setItemText(0, tr("aₖ и bₖ"));
        pairBox_->setItemText(1, tr("Aₖ и φₖ"));
    }
    SetTexts(checkButton_, tr("П&роверить"), tr("Сравнить свой сигнал с целью (Enter)"));
    SetTexts(answerButton_, tr("По&казать ответ"),
             tr("Показать коэффициенты цели; раунд не засчитывается"));
    SetTexts(nextButton_, tr("&Следующий раунд"), tr("Новая цель того же уровня"));
    SetTexts(playTarget_, tr("▶ &Цель"), tr("Послушать цель; ещё раз — остановить"));
    SetTexts(playMine_, tr("▶ &Мой сигнал"), tr("Послушать свой сигнал; ещё раз — остановить"));
    hint_->setText(tr("←/→ — выбрать столбик, ↑/↓ — изменить на 0,01, PageUp/PageDown — на 0,1, "
                      "Delete — обнулить; Enter — проверить."));
    plot_->update();           // its legend
    if (!State().Play) return; // before the first round
    ShowRule();
    resultLine_->setText(State().Result ? State().Result() : QString());
    ShowProgress();
}

GamePane::~GamePane() {
    // The seed field finishes its editing when the closing window takes its focus, after this
    // part of the pane is gone: nothing may reach it then.
    for (QObject* child : findChildren<QObject*>())
        child->disconnect(this);
}

void GamePane::SetSeed(std::uint64_t seed) {
    seed_ = seed;
    seedField_->setText(QString::number(seed));
    for (TLevelState& state : states_)
        state = TLevelState{};
    StartRound();
}

const TGameRound& GamePane::Round() const {
    return State().Play->Round();
}

const TLevelProgress& GamePane::Progress(int level) const {
    GameLevel(level); // refuses a level outside 1..5
    return progress_[static_cast<std::size_t>(level - 1)];
}

void GamePane::SetClock(std::function<double()> secondsNow) {
    clock_ = std::move(secondsNow);
    State().Started = clock_();
}

void GamePane::SwitchLevel(int level) {
    if (level == level_) return;
    StopSound();
    level_ = level;
    if (State().Play)
        ShowRound();
    else
        StartRound();
}

void GamePane::NextRound() {
    ++State().Round;
    StartRound();
}

void GamePane::StartRound() {
    StopSound();
    TLevelState& state = State();
    state.Play.emplace(MakeRound(seed_, level_, state.Round));
    state.Attempt = TCoefficients{};
    state.Started = clock_();
    state.Result = [] { return tr("Сложите сигнал столбиками и нажмите «Проверить» (Enter)."); };
    ShowRound();
    bars_->SetFocused({1, 0});
}

// Everything the pane shows of the level being played.
void GamePane::ShowRound() {
    const TLevelState& state = State();
    const TGameRound& round = state.Play->Round();
    const TGameLevel& level = GameLevel(level_);
    {
        const QSignalBlocker quiet(levelBox_);
        levelBox_->setCurrentIndex(level_ - 1);
    }
    const bool pairs = level_ == 3;
    pairLabel_->setVisible(pairs);
    pairBox_->setVisible(pairs);
    if (!pairs) {
        pairBox_->setCurrentIndex(0);
        bars_->SetPair(TBarPair::CosSin);
    }
    bars_->SetCoefficients(state.Attempt);
    ShowRule();

    const bool targetSeen = level.TargetDrawn || state.Play->AnswerShown();
    plot_->SetTarget(targetSeen ? std::optional(SynthesiseSamples(round.Target)) : std::nullopt);
    plot_->SetMine(SynthesiseSamples(state.Attempt));
    resultLine_->setText(state.Result ? state.Result() : QString());
    ShowProgress();
}

void GamePane::ShowRule() {
    const TGameRound& round = State().Play->Round();
    QString rule =
        tr("Раунд %1. %2").arg(round.Number).arg(QString::fromStdString(GameLevelRule(level_)));
    if (!round.Told.empty()) rule += tr(" Подсказка: %1.").arg(ToldText(round.Told));
    ruleLine_->setText(rule);
}

void GamePane::ShowResult(TResultText text) {
    State().Result = std::move(text);
    resultLine_->setText(State().Result());
}

void GamePane::ApplySeedText() {
    const QByteArray digits = seedField_->text().toLatin1();
    std::uint64_t seed = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), seed);
    if (digits.isEmpty() || error != std::errc() || end != digits.data() + digits.size()) {
        seedField_->setText(QString::number(seed_)); // empty or beyond 64 bits: keep the old
        return;
    }
    if (seed != seed_) SetSeed(seed);
}

void GamePane::AttemptEdited(const TCoefficients& coefficients) {
    State().Attempt = coefficients;
    plot_->SetMine(SynthesiseSamples(coefficients));
    if (playing_ == TSound::Mine) sound_->SetSpectrum(AnalysisOf(coefficients));
}

void GamePane::Check() {
    TLevelState& state = State();
    TGamePlay& play = *state.Play;
    const TGamePlay::TCheck check = play.Check(state.Attempt, clock_() - state.Started);
    if (check.NewlyWon) {
        progress_[static_cast<std::size_t>(level_ - 1)].Record(*play.Score());
        SaveProgress(level_);
        ShowProgress();
    }
    if (const std::optional<TGameScore> score = play.Score())
        ShowResult([score = *score] { return Text(MatchedText(score)); });
    else if (check.Matched)
        ShowResult([] { return tr("Совпало, но ответ был показан: раунд не засчитан."); });
    else
        ShowResult([this, difference = check.Difference, tolerance = play.Round().Tolerance] {
            return Text(MissedText(difference, tolerance, DecimalSeparator().toStdString()));
        });
}

void GamePane::ShowAnswer() {
    TGamePlay& play = *State().Play;
    play.ShowAnswer();
    // The line is written again on a language change: it keeps its own copy of the round.
    ShowResult([this, round = play.Round(), scored = play.Score().has_value()] {
        const QString answer = Text(AnswerText(round, DecimalSeparator().toStdString()));
        return scored ? tr("Ответ: %1").arg(answer)
                      : tr("Ответ: %1 — этот раунд не засчитывается.").arg(answer);
    });
    plot_->SetTarget(SynthesiseSamples(play.Round().Target));
}

void GamePane::Toggle(TSound what) {
    if (playing_ == what) {
        StopSound();
        return;
    }
    sound_->SetSpectrum(
        AnalysisOf(what == TSound::Target ? State().Play->Round().Target : State().Attempt));
    if (playing_ == TSound::None) sound_->Play();
    playing_ = what;
    ShowSoundButtons();
}

void GamePane::StopSound() {
    if (playing_ != TSound::None) sound_->Stop();
    playing_ = TSound::None;
    ShowSoundButtons();
}

void GamePane::ShowSoundButtons() {
    playTarget_->setChecked(playing_ == TSound::Target);
    playMine_->setChecked(playing_ == TSound::Mine);
}

void GamePane::hideEvent(QHideEvent* event) {
    StopSound();
    QWidget::hideEvent(event);
}

void GamePane::LoadProgress() {
    const QSettings settings = LabSettings();
    for (int level = 1; level <= GameLevelCount; ++level) {
        TLevelProgress& progress = progress_[static_cast<std::size_t>(level - 1)];
        progress.Won = std::max(0, settings.value(LevelKey(level, "won"), 0).toInt());
        const QVariant tries = settings.value(LevelKey(level, "bestTries"));
        if (tries.isValid() && tries.toInt() > 0)
            progress.Best = TGameScore{
                tries.toInt(), std::max(0, settings.value(LevelKey(level, "bestSeconds")).toInt())};
    }
}

void GamePane::SaveProgress(int level) const {
    const TLevelProgress& progress = progress_[static_cast<std::size_t>(level - 1)];
    QSettings settings = LabSettings();
    settings.setValue(LevelKey(level, "won"), progress.Won);
    if (progress.Best) {
        settings.setValue(LevelKey(level, "bestTries"), progress.Best->Tries);
        settings.setValue(LevelKey(level, "bestSeconds"), progress.Best->Seconds);
    }
}

void GamePane::ShowProgress() {
    progressLine_->setText(Text(ProgressText(progress_[static_cast<std::size_t>(level_ - 1)])));
}

QString GamePane::DecimalSeparator() const {
    return QLocale().decimalPoint();
}

} // namespace Fourier
