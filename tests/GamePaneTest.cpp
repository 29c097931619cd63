// «Угадай сигнал» played offscreen with the keyboard: a level-1 round won by key presses
// alone, the answer shown (and the round then not won), seeds typed and set, the keys of
// every control, the target's curve on the plot, and the progress kept in the settings.
#include "GamePane.h"
#include "GamePlot.h"
#include "NumberText.h"
#include "UserInput.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

using namespace Fourier;

class GamePaneTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); // "0,05"
        Open();
    }
    void TearDown() override {
        pane.reset();
        QLocale::setDefault(QLocale::c());
    }

    void Open() {
        pane = std::make_unique<GamePane>();
        pane->resize(900, 700);
        pane->SetClock([this] { return now; });
        pane->SetSeed(12345);
        ASSERT_TRUE(UserInput::ShowAndActivate(pane.get()));
    }

    void Press(Qt::Key key, int times = 1) {
        for (int i = 0; i < times; ++i)
            UserInput::PressKey(pane.get(), key);
    }

    // The told harmonic's b_k reached with keys: Right to its bar, Up/Down by the bar's step.
    void KeyInTheTarget() {
        const TGameRound& round = pane->Round();
        ASSERT_EQ(round.Told.size(), 1u);
        const int k = round.Told[0];
        const double b = round.Target.Sin[k];
        pane->Bars()->setFocus();
        ASSERT_EQ(pane->Bars()->Focused(), (TBarId{1, 0}));
        Press(Qt::Key_Right, 2 * (k - 1) + 1); // a_1, b_1, a_2, … b_k
        ASSERT_EQ(pane->Bars()->Focused(), (TBarId{k, 1}));
        const double step = pane->Bars()->Step({k, 1});
        const long steps = std::lround(std::abs(b) / step);
        ASSERT_NEAR(steps * step, std::abs(b), 1e-9) << "the target lies on the keys' grid";
        Press(b > 0 ? Qt::Key_Up : Qt::Key_Down, static_cast<int>(steps));
    }

    QString Result() const { return pane->ResultLine()->text(); }

    QTemporaryDir folder;
    std::unique_ptr<GamePane> pane;
    double now = 100.0;
};

TEST_F(GamePaneTest, ALevelOneRoundIsWonWithKeysAlone) {
    ASSERT_EQ(pane->Level(), 1);
    EXPECT_EQ(pane->ProgressLine()->text(), "Выиграно раундов: 0");
    const int k = pane->Round().Told[0];
    EXPECT_TRUE(pane->RuleLine()->text().contains(QStringLiteral("гармоника %1").arg(k)))
        << pane->RuleLine()->text().toStdString();

    // A check with the bars at zero misses by |b_k|/sqrt 2.
    pane->Bars()->setFocus();
    Press(Qt::Key_Return);
    const double missed = std::abs(pane->Round().Target.Sin[k]) / std::sqrt(2.0);
    EXPECT_EQ(Result(), QStringLiteral("Ещё не совпадает: разница %1 (нужно меньше 0,05)")
                            .arg(QString::fromStdString(ReadableNumber(missed, 2, ","))));
    EXPECT_EQ(pane->Progress(1).Won, 0);

    KeyInTheTarget();
    EXPECT_NEAR(pane->Bars()->Coefficients().Sin[k], pane->Round().Target.Sin[k], 1e-9);
    now = 114.7;
    Press(Qt::Key_Enter); // the keypad's Enter checks too
    EXPECT_EQ(Result(), "Совпало! Попыток: 2, время: 14 с");
    EXPECT_EQ(pane->Progress(1).Won, 1);
    EXPECT_EQ(pane->ProgressLine()->text(), "Выиграно раундов: 1; лучший: 2 попытки, 14 с");

    // Checking again neither counts a try nor wins twice.
    now = 200;
    Press(Qt::Key_Return);
    EXPECT_EQ(Result(), "Совпало! Попыток: 2, время: 14 с");
    EXPECT_EQ(pane->Progress(1).Won, 1);
}

TEST_F(GamePaneTest, TheShownAnswerIsTheRoundsAndTheRoundIsThenNotWon) {
    pane->Bars()->setFocus();
    UserInput::PressAlt(pane.get(), QChar(0x043A)); // Alt+К: «Показать ответ»
    QTRY_VERIFY(Result().startsWith("Ответ: "));
    EXPECT_TRUE(Result().contains(QString::fromStdString(AnswerText(pane->Round(), ","))))
        << Result().toStdString();

    KeyInTheTarget();
    Press(Qt::Key_Return);
    EXPECT_EQ(Result(), "Совпало, но ответ был показан: раунд не засчитан.");
    EXPECT_EQ(pane->Progress(1).Won, 0);
    EXPECT_EQ(pane->ProgressLine()->text(), "Выиграно раундов: 0");
}

TEST_F(GamePaneTest, TheSameSeedGivesTheSameTargetAgain) {
    const auto targetOf = [](const TGameRound& round) {
        return std::pair{round.Target.Cos, round.Target.Sin};
    };
    pane->SetSeed(777);
    const auto first = targetOf(pane->Round());
    EXPECT_EQ(first, targetOf(MakeRound(777, 1, 1)));
    EXPECT_EQ(pane->SeedField()->text(), "777");
    pane->NextRound();
    EXPECT_EQ(pane->Round().Number, 2);
    EXPECT_EQ(targetOf(pane->Round()), targetOf(MakeRound(777, 1, 2)));
    pane->SetSeed(777);
    EXPECT_EQ(pane->Round().Number, 1) << "a seed restarts the numbering";
    EXPECT_EQ(targetOf(pane->Round()), first);
    EXPECT_EQ(pane->Seed(), 777u);

    // Typed into the field: Enter there starts the seed instead of checking.
    UserInput::PressAlt(pane.get(), QChar(0x0437)); // Alt+З
    ASSERT_TRUE(pane->SeedField()->hasFocus());
    pane->SeedField()->selectAll();
    QTest::keyClicks(pane->SeedField(), "18446744073709551615");
    Press(Qt::Key_Return);
    EXPECT_EQ(pane->Seed(), 18446744073709551615u) << "the largest 64-bit seed";
    EXPECT_EQ(targetOf(pane->Round()), targetOf(MakeRound(18446744073709551615u, 1, 1)));
    EXPECT_EQ(Result(), "Сложите сигнал столбиками и нажмите «Проверить» (Enter).")
        << "no check was made";
    pane->SeedField()->selectAll();
    QTest::keyClicks(pane->SeedField(), "18446744073709551616");
    Press(Qt::Key_Return);
    EXPECT_EQ(pane->Seed(), 18446744073709551615u) << "one beyond 64 bits is refused";
    EXPECT_EQ(pane->SeedField()->text(), "18446744073709551615");
}

TEST_F(GamePaneTest, ProgressSurvivesANewPane) {
    const int k = pane->Round().Told[0];
    pane->Bars()->SetFocused({k, 1});
    pane->Bars()->SetValue({k, 1}, pane->Round().Target.Sin[k]);
    now = 109;
    UserInput::PressAlt(pane.get(), QChar(0x0440)); // Alt+Р: «Проверить»
    QTRY_COMPARE(pane->Progress(1).Won, 1);
    pane->NextRound();
    pane->Bars()->SetValue({1, 1}, 5.0); // far off
    UserInput::PressAlt(pane.get(), QChar(0x0440));
    QTRY_VERIFY(Result().startsWith("Ещё не совпадает"));

    pane.reset();
    Open();
    EXPECT_EQ(pane->Progress(1).Won, 1);
    ASSERT_TRUE(pane->Progress(1).Best);
    EXPECT_EQ(*pane->Progress(1).Best, (TGameScore{1, 9}));
    EXPECT_EQ(pane->ProgressLine()->text(), "Выиграно раундов: 1; лучший: 1 попытка, 9 с");
    for (int level = 2; level <= GameLevelCount; ++level)
        EXPECT_EQ(pane->Progress(level), TLevelProgress{}) << "level " << level;
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "fourier", "lab");
    EXPECT_EQ(settings.value("game/level1/won").toInt(), 1);
}

TEST_F(GamePaneTest, TabRunsLevelSeedBarsButtonsAndEveryButtonHasItsKey) {
    const std::vector<QWidget*> order = {pane->SeedField(),     pane->Bars(),
                                         pane->CheckButton(),   pane->AnswerButton(),
                                         pane->NextButton(),    pane->PlayTargetButton(),
                                         pane->PlayMineButton()};
    UserInput::PressAlt(pane.get(), QChar(0x0443)); // Alt+У
    ASSERT_TRUE(pane->LevelChoice()->hasFocus());
    for (QWidget* next : order) {
        Press(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }

    // Level 3 adds the bars' pair between the seed and the bars.
    pane->LevelChoice()->setFocus();
    Press(Qt::Key_Down, 2);
    ASSERT_EQ(pane->Level(), 3);
    EXPECT_EQ(pane->Round().Told.size(), 1u);
    Press(Qt::Key_Tab, 2);
    EXPECT_EQ(QApplication::focusWidget(), pane->PairChoice());
    Press(Qt::Key_Down);
    EXPECT_EQ(pane->Bars()->Pair(), TBarPair::MagnitudePhase);
    Press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), pane->Bars());
    pane->LevelChoice()->setFocus();
    Press(Qt::Key_Up, 2);
    ASSERT_EQ(pane->Level(), 1);
    EXPECT_FALSE(pane->PairChoice()->isVisible());
    EXPECT_EQ(pane->Bars()->Pair(), TBarPair::CosSin);

    // Distinct Alt letters, none of the lab's menus (Окно, Вид, Правка).
    QSet<int> letters{0x041E, 0x0412, 0x041F};
    for (QPushButton* button : {pane->CheckButton(), pane->AnswerButton(), pane->NextButton(),
                                pane->PlayTargetButton(), pane->PlayMineButton()}) {
        const QKeySequence key = QKeySequence::mnemonic(button->text());
        ASSERT_EQ(key.count(), 1) << button->objectName().toStdString();
        const int letter = key[0].key();
        EXPECT_FALSE(letters.contains(letter)) << button->objectName().toStdString();
        letters.insert(letter);
    }
    UserInput::PressAlt(pane.get(), QChar(0x0441)); // Alt+С: «Следующий раунд»
    QTRY_COMPARE(pane->Round().Number, 2);
}

TEST_F(GamePaneTest, OneSoundAtATimeAndHidingThePaneStopsIt) {
    QPushButton* target = pane->PlayTargetButton();
    QPushButton* mine = pane->PlayMineButton();
    target->click();
    EXPECT_TRUE(target->isChecked());
    mine->click();
    EXPECT_TRUE(mine->isChecked());
    EXPECT_FALSE(target->isChecked()) << "the target gives way to the student's signal";
    mine->click();
    EXPECT_FALSE(mine->isChecked()) << "pressed again, it stops";
    target->click();
    ASSERT_TRUE(target->isChecked());
    pane->hide();
    EXPECT_FALSE(target->isChecked());
    EXPECT_FALSE(mine->isChecked());
}

// Pixels near the target's colour in the plot.
int TargetPixels(GamePlot* plot) {
    const QImage image = plot->grab().toImage();
    const QColor want = GamePlot::TargetColor;
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - want.red()) + std::abs(c.green() - want.green()) +
                    std::abs(c.blue() - want.blue()) <
                40)
                ++count;
        }
    return count;
}

TEST_F(GamePaneTest, TheTargetIsDrawnExceptOnTheLevelPlayedByEar) {
    EXPECT_GT(TargetPixels(pane->Plot()), 200) << "level 1 draws its target";
    pane->LevelChoice()->setFocus();
    Press(Qt::Key_End);
    ASSERT_EQ(pane->Level(), 5);
    EXPECT_TRUE(pane->Round().Told.empty());
    EXPECT_EQ(TargetPixels(pane->Plot()), 0) << "level 5 is heard only";
    pane->ShowAnswer();
    EXPECT_GT(TargetPixels(pane->Plot()), 200) << "the answer shows the target";
}

} // namespace
