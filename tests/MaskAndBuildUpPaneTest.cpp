// The mute and solo switches with their digit keys, and the build-up's buttons and timer.
#include "BuildUpPane.h"
#include "HarmonicMaskPane.h"
#include "UserInput.h"

#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <chrono>
#include <vector>

namespace {

using namespace Fourier;

// The pane inside a window that has taken over its keys, as the lab does.
class MaskPaneTest : public ::testing::Test {
  protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(pane);
        window.addActions(pane->KeyActions());
        QObject::connect(pane, &HarmonicMaskPane::maskChanged, [this](const THarmonicMask& mask) {
            last = mask;
            ++sent;
        });
        ASSERT_TRUE(UserInput::ShowAndActivate(&window));
    }

    QWidget window;
    HarmonicMaskPane* pane = new HarmonicMaskPane;
    THarmonicMask last;
    int sent = 0;
};

TEST_F(MaskPaneTest, SwitchesMuteAndSolo) {
    QTest::mouseClick(pane->MuteButton(3), Qt::LeftButton);
    EXPECT_EQ(sent, 1);
    EXPECT_TRUE(last.Muted(3));
    EXPECT_FALSE(last.Audible(3));
    EXPECT_TRUE(pane->MuteButton(3)->isChecked());

    QTest::mouseClick(pane->SoloButton(3), Qt::LeftButton);
    QTest::mouseClick(pane->SoloButton(20), Qt::LeftButton);
    EXPECT_TRUE(last.Audible(3)) << "solo wins over mute";
    EXPECT_TRUE(last.Audible(20));
    EXPECT_FALSE(last.Audible(4));
    EXPECT_EQ(last, pane->Mask());

    QTest::mouseClick(pane->findChild<QWidget*>("ClearMask"), Qt::LeftButton);
    EXPECT_EQ(last, THarmonicMask{});
    EXPECT_FALSE(pane->SoloButton(20)->isChecked());
}

TEST_F(MaskPaneTest, DigitKeysMuteAndShiftDigitSolos) {
    QTest::keyClick(&window, Qt::Key_3);
    EXPECT_TRUE(last.Muted(3));
    QTest::keyClick(&window, Qt::Key_0);
    EXPECT_TRUE(last.Muted(10)) << "0 is harmonic 10";
    QTest::keyClick(&window, Qt::Key_3);
    EXPECT_FALSE(last.Muted(3));
    QTest::keyClick(&window, Qt::Key_5, Qt::ShiftModifier);
    EXPECT_TRUE(last.Soloed(5));
    EXPECT_TRUE(pane->SoloButton(5)->isChecked());
    for (int k = 1; k <= 32; ++k)
        EXPECT_EQ(last.Audible(k), k == 5) << k;
    EXPECT_EQ(sent, 4);
}

// A harmonic that is not heard has its number struck out on both switches; one that is
// heard does not.
TEST_F(MaskPaneTest, UnheardHarmonicsAreStruckOut) {
    const auto struckOut = [this](int k) {
        const bool mute = pane->MuteButton(k)->font().strikeOut();
        EXPECT_EQ(pane->SoloButton(k)->font().strikeOut(), mute) << k;
        return mute;
    };
    QTest::mouseClick(pane->MuteButton(3), Qt::LeftButton);
    for (int k = 1; k <= 32; ++k)
        EXPECT_EQ(struckOut(k), k == 3) << "harmonic 3 muted, " << k;
    QTest::mouseClick(pane->SoloButton(5), Qt::LeftButton);
    QTest::mouseClick(pane->SoloButton(3), Qt::LeftButton);
    for (int k = 1; k <= 32; ++k)
        EXPECT_EQ(struckOut(k), k != 3 && k != 5) << "3 and 5 soloed, " << k;
    QTest::mouseClick(pane->findChild<QWidget*>("ClearMask"), Qt::LeftButton);
    for (int k = 1; k <= 32; ++k)
        EXPECT_FALSE(struckOut(k)) << k;
}

// Digits typed into a field of the same window are the field's, not the mask's.
TEST_F(MaskPaneTest, DigitsTypedIntoFieldsStayThere) {
    auto* line = new QLineEdit;
    auto* number = new QDoubleSpinBox;
    window.layout()->addWidget(line);
    window.layout()->addWidget(number);
    line->setFocus();
    QTest::keyClicks(line, "x^2");
    EXPECT_EQ(line->text(), "x^2");
    number->setFocus();
    number->selectAll();
    QTest::keyClicks(number, "35");
    EXPECT_EQ(number->value(), 35.0);
    EXPECT_EQ(sent, 0);
}

class BuildUpPaneTest : public ::testing::Test {
  protected:
    void SetUp() override {
        QObject::connect(&pane, &BuildUpPane::harmonicChanged,
                         [this](int k) { shown.push_back(k); });
        ASSERT_TRUE(UserInput::ShowAndActivate(&pane));
    }

    // Waits (events running) until the schedule stops or the time is up.
    bool WaitUntilStopped(int milliseconds) {
        QElapsedTimer clock;
        clock.start();
        while (pane.Schedule().Playing() && clock.elapsed() < milliseconds)
            QTest::qWait(10);
        return !pane.Schedule().Playing();
    }

    BuildUpPane pane;
    std::vector<int> shown;
};

TEST_F(BuildUpPaneTest, PlayStepsFromOneToTheLimitAtTheRate) {
    pane.RateField()->setValue(10.0);
    pane.LimitField()->setValue(4);
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(pane.PlayButton(), Qt::LeftButton);
    EXPECT_EQ(pane.PlayButton()->text(), "❚❚");
    ASSERT_TRUE(WaitUntilStopped(5000));
    EXPECT_EQ(shown, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_GE(clock.elapsed(), 300 - 5) << "three steps of 100 ms cannot come sooner";
    EXPECT_EQ(pane.PlayButton()->text(), "▶");

    QTest::mouseClick(pane.BackButton(), Qt::LeftButton);
    QTest::mouseClick(pane.BackButton(), Qt::LeftButton);
    QTest::mouseClick(pane.ForwardButton(), Qt::LeftButton);
    EXPECT_EQ(shown, (std::vector<int>{1, 2, 3, 4, 3, 2, 3}));
}

TEST_F(BuildUpPaneTest, PauseStopsTheSteps) {
    pane.RateField()->setValue(10.0);
    pane.LimitField()->setValue(200);
    QTest::mouseClick(pane.PlayButton(), Qt::LeftButton);
    QTest::qWait(250);
    QTest::mouseClick(pane.PlayButton(), Qt::LeftButton);
    ASSERT_FALSE(pane.Schedule().Playing());
    const std::vector<int> atPause = shown;
    ASSERT_GE(atPause.size(), 2u);
    QTest::qWait(300);
    EXPECT_EQ(shown, atPause);
    EXPECT_EQ(pane.Schedule().Harmonic(), atPause.back());
}

// The arrow keys in the rate field go by half a step per second.
TEST_F(BuildUpPaneTest, ArrowKeysChangeTheRateByAHalf) {
    QDoubleSpinBox* rate = pane.RateField();
    rate->setValue(2.0);
    rate->setFocus();
    struct Row {
        Qt::Key key;
        double rate;
    };
    for (const Row row : {Row{Qt::Key_Up, 2.5}, Row{Qt::Key_Up, 3.0}, Row{Qt::Key_Down, 2.5},
                          Row{Qt::Key_Down, 2.0}, Row{Qt::Key_Down, 1.5}}) {
        QTest::keyClick(rate, row.key);
        EXPECT_DOUBLE_EQ(rate->value(), row.rate);
        EXPECT_DOUBLE_EQ(pane.Schedule().Rate(), row.rate);
    }
}

// Pausing keeps the part of the step already waited: played again, the next step comes
// that much sooner. The slowest rate (a step in 2 s) leaves time to pause within a step.
TEST_F(BuildUpPaneTest, PauseKeepsThePartOfTheStepAlreadyWaited) {
    using std::chrono::nanoseconds;
    pane.RateField()->setValue(0.5);
    const nanoseconds step(2'000'000'000);
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(pane.PlayButton(), Qt::LeftButton);
    const nanoseconds playedBy(clock.nsecsElapsed());
    QTest::qWait(300);
    const nanoseconds pausingFrom(clock.nsecsElapsed());
    QTest::mouseClick(pane.PlayButton(), Qt::LeftButton);
    const nanoseconds pausedBy(clock.nsecsElapsed());
    ASSERT_FALSE(pane.Schedule().Playing());
    ASSERT_EQ(pane.Schedule().Harmonic(), 1) << "a whole step passed: the machine stalled";

    QTest::mouseClick(pane.PlayButton(), Qt::LeftButton);
    ASSERT_TRUE(pane.Schedule().Playing());
    // Waited between play and pause: at least from after the first click to before the
    // second, at most from before the first to after the second.
    EXPECT_LE(pane.Schedule().UntilNextStep(), step - (pausingFrom - playedBy));
    EXPECT_GE(pane.Schedule().UntilNextStep(), step - pausedBy);
    pane.Pause();
}

TEST_F(BuildUpPaneTest, LimitBelowKBringsKDown) {
    pane.LimitField()->setValue(10);
    for (int i = 0; i < 6; ++i)
        QTest::mouseClick(pane.ForwardButton(), Qt::LeftButton);
    ASSERT_EQ(pane.Schedule().Harmonic(), 7);
    pane.LimitField()->setValue(5);
    EXPECT_EQ(shown.back(), 5);
}

} // namespace
