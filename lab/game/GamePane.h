#pragma once
// «Угадай сигнал»: the student shapes a signal with the coefficient bars until it matches a
// hidden target (GuessGame.h). The pane shows the level's rule, the target and the student's
// signal in one plot (the target only heard on level 5), plays either, checks the match and
// keeps each level's progress in the lab's settings under "game/level<N>/".
//
// Keys: Tab runs level → seed → bars → buttons; Alt+У the level, Alt+З the seed, Alt+Л the
// bars' pair on level 3, Alt+Р «Проверить», Alt+К «Показать ответ», Alt+С «Следующий
// раунд», Alt+Ц «▶ Цель», Alt+М «▶ Мой сигнал» (in English Alt+G, S, B, C, A, N, T, M: none
// of them a letter of the lab's menus). Enter checks from anywhere in the pane, but in the
// seed field it starts the typed seed.
//
// Rounds come from (seed, level, round number): a new seed starts every level at round 1;
// each level keeps its own round, tries and bars while another level is played.
#include "Analysis.h"
#include "CoefficientBars.h"
#include "GuessGame.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace Fourier {

class GamePlot;
class SoundOutput;

class GamePane : public QWidget {
    Q_OBJECT

  public:
    explicit GamePane(QWidget* parent = nullptr);
    ~GamePane() override;

    // A new seed restarts the round numbering of every level at 1.
    void SetSeed(std::uint64_t seed);
    std::uint64_t Seed() const { return seed_; }

    int Level() const { return level_; } // 1..5
    const TGameRound& Round() const;
    const TLevelProgress& Progress(int level) const;

    // Where the round's time comes from: seconds on any steady scale (default: a monotonic
    // clock); replaceable by a test.
    void SetClock(std::function<double()> secondsNow);

    QComboBox* LevelChoice() const { return levelBox_; }
    QLineEdit* SeedField() const { return seedField_; }
    QComboBox* PairChoice() const { return pairBox_; }
    CoefficientBars* Bars() const { return bars_; }
    GamePlot* Plot() const { return plot_; }
    QPushButton* CheckButton() const { return checkButton_; }
    QPushButton* AnswerButton() const { return answerButton_; }
    QPushButton* NextButton() const { return nextButton_; }
    QPushButton* PlayTargetButton() const { return playTarget_; }
    QPushButton* PlayMineButton() const { return playMine_; }
    QLabel* RuleLine() const { return ruleLine_; }
    QLabel* ResultLine() const { return resultLine_; }
    QLabel* ProgressLine() const { return progressLine_; }

  public slots:
    void Check();
    void ShowAnswer();
    void NextRound();
    void StopSound();

  protected:
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // The result line, written in the language of the moment it is shown.
    using TResultText = std::function<QString()>;
    // A level's round in play, with the student's bars and the second it started.
    struct TLevelState {
        int Round = 1;
        std::optional<TGamePlay> Play;
        TCoefficients Attempt;
        double Started = 0.0;
        TResultText Result; // the result line as the level left it
    };
    enum class TSound { None, Target, Mine };

    TLevelState& State() { return states_[static_cast<std::size_t>(level_ - 1)]; }
    const TLevelState& State() const { return states_[static_cast<std::size_t>(level_ - 1)]; }
    void SwitchLevel(int level);
    void StartRound();
    void ShowRound();
    void ShowResult(TResultText text);
    void Retranslate();
    void ShowRule();
    void ApplySeedText();
    void AttemptEdited(const TCoefficients& coefficients);
    void Toggle(TSound what);
    void ShowSoundButtons();
    void LoadProgress();
    void SaveProgress(int level) const;
    void ShowProgress();
    QString DecimalSeparator() const;

    std::uint64_t seed_ = 0;
    int level_ = 1;
    std::array<TLevelState, GameLevelCount> states_;
    std::array<TLevelProgress, GameLevelCount> progress_;
    std::function<double()> clock_;
    TSound playing_ = TSound::None;

    QComboBox* levelBox_;
    QLabel* levelLabel_;
    QLineEdit* seedField_;
    QLabel* seedLabel_;
    QLabel* pairLabel_;
    QComboBox* pairBox_;
    QLabel* ruleLine_;
    GamePlot* plot_;
    CoefficientBars* bars_;
    QPushButton* checkButton_;
    QPushButton* answerButton_;
    QPushButton* nextButton_;
    QPushButton* playTarget_;
    QPushButton* playMine_;
    QLabel* resultLine_;
    QLabel* progressLine_;
    QLabel* hint_;
    SoundOutput* sound_;
};

} // namespace Fourier
