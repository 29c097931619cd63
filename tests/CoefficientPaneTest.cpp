// «Коэффициенты» driven with the mouse and keys: dragging the bar of b_3 changes the
// waveform by exactly that much of sin 3x, the arrow keys and the typed value move the
// focused bar, and the amplitude/phase bars keep the phase when the amplitude changes.
#include "CoefficientPane.h"
#include "InverseTransform.h"
#include "UserInput.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

using namespace Fourier;

constexpr long double Pi = std::numbers::pi_v<long double>;

TCoefficients SquareWave() {
    TCoefficients c;
    for (int k = 1; k <= EditableHarmonics; k += 2)
        c.Sin[k] = 4 / (std::numbers::pi * k);
    return c;
}

class CoefficientPaneTest : public ::testing::Test {
  protected:
    void SetUp() override {
        pane.resize(900, 420);
        pane.ValueField()->setLocale(QLocale::c());
        QObject::connect(&pane, &CoefficientPane::signalDrawn,
                         [this](const TAnalysis& analysis, const QString& caption) {
                             last = analysis;
                             lastCaption = caption;
                             ++sent;
                         });
        ASSERT_TRUE(UserInput::ShowAndActivate(&pane));
        pane.StartFrom(SquareWave());
    }

    CoefficientBars* Bars() { return pane.Bars(); }

    // Samples before and after must differ by delta * sin(kx) (or cos) and nothing else.
    static void ExpectChangeBy(const TSamples& before, const TSamples& after, int k, double delta,
                               bool sine) {
        for (int j = 0; j < 512; ++j) {
            const long double x = -Pi + j * Pi / 256;
            const long double wave = sine ? std::sin(k * x) : std::cos(k * x);
            EXPECT_NEAR(after[j] - before[j], static_cast<double>(delta * wave), 1e-12)
                << "sample " << j;
        }
    }

    CoefficientPane pane;
    TAnalysis last;
    QString lastCaption;
    int sent = 0;
};

TEST_F(CoefficientPaneTest, StartingFromCoefficientsSendsTheirWaveform) {
    ASSERT_EQ(sent, 1);
    EXPECT_EQ(lastCaption, "Сигнал из коэффициентов гармоник 1–32");
    const TSamples expected = SynthesiseSamples(SquareWave());
    EXPECT_EQ(last.Samples, expected);
    // The partial sum S_32 of the square wave, evaluated directly at a few points.
    for (const int j : {10, 100, 200, 300, 400, 500}) {
        long double sum = 0;
        for (int k = 1; k <= 31; k += 2)
            sum += 4 / (Pi * k) * std::sin(k * (-Pi + j * Pi / 256));
        EXPECT_NEAR(last.Samples[j], static_cast<double>(sum), 1e-12) << "sample " << j;
    }
}

TEST_F(CoefficientPaneTest, DraggingBarThreeChangesTheWaveformByThatMuchOfSin3x) {
    const TBarId bar{3, 1};
    const TSamples before = last.Samples;
    const TPlotFrame frame = Bars()->FrameOf(bar);
    const QRectF column = Bars()->BarColumn(bar);
    const QPoint grab(static_cast<int>(column.center().x()),
                      static_cast<int>(frame.PixelY(SquareWave().Sin[3])));
    const QPoint drop = grab - QPoint(0, 40);

    QTest::mousePress(Bars(), Qt::LeftButton, Qt::NoModifier, grab);
    for (int dy = 8; dy <= 40; dy += 8)
        QTest::mouseMove(Bars(), grab - QPoint(0, dy));
    QTest::mouseRelease(Bars(), Qt::LeftButton, Qt::NoModifier, drop);

    EXPECT_EQ(Bars()->Focused(), bar);
    const double expectedDelta = frame.ValueY(drop.y()) - frame.ValueY(grab.y());
    EXPECT_NEAR(expectedDelta, 40 * (frame.YMax - frame.YMin) / frame.Area.height(), 1e-12);
    const double delta = pane.Coefficients().Sin[3] - SquareWave().Sin[3];
    EXPECT_NEAR(delta, expectedDelta, 1e-12);
    for (int k = 0; k <= EditableHarmonics; ++k) {
        EXPECT_EQ(pane.Coefficients().Cos[k], SquareWave().Cos[k]) << "a_" << k;
        if (k == 3) continue;
        EXPECT_EQ(pane.Coefficients().Sin[k], SquareWave().Sin[k]) << "b_" << k;
    }
    ExpectChangeBy(before, last.Samples, 3, delta, true);
    EXPECT_GE(sent, 6) << "the waveform follows the drag";
    EXPECT_NEAR(pane.ValueField()->value(), pane.Coefficients().Sin[3], 1e-6)
        << "the field shows b_3";
}

TEST_F(CoefficientPaneTest, ArrowKeysChooseAndMoveTheFocusedBar) {
    QTest::mouseClick(Bars(), Qt::LeftButton, Qt::NoModifier,
                      Bars()->BarColumn({5, 0}).center().toPoint());
    ASSERT_EQ(Bars()->Focused(), (TBarId{5, 0}));
    QTest::keyClick(Bars(), Qt::Key_Right);
    QTest::keyClick(Bars(), Qt::Key_Right);
    ASSERT_EQ(Bars()->Focused(), (TBarId{6, 0}));
    const double step = Bars()->Step({6, 0});
    EXPECT_GT(step, 0.0);

    const TSamples before = last.Samples;
    QTest::keyClick(Bars(), Qt::Key_Up);
    QTest::keyClick(Bars(), Qt::Key_Up);
    QTest::keyClick(Bars(), Qt::Key_PageUp);
    EXPECT_NEAR(pane.Coefficients().Cos[6], 12 * step, 1e-15);
    ExpectChangeBy(before, last.Samples, 6, pane.Coefficients().Cos[6], false);

    QTest::keyClick(Bars(), Qt::Key_Left); // b_5
    QTest::keyClick(Bars(), Qt::Key_Delete);
    EXPECT_EQ(pane.Coefficients().Sin[5], 0.0);
}

TEST_F(CoefficientPaneTest, TypedValueSetsTheFocusedBar) {
    QTest::mouseClick(Bars(), Qt::LeftButton, Qt::NoModifier,
                      Bars()->BarColumn({2, 1}).center().toPoint());
    const TSamples before = last.Samples;
    pane.ValueField()->setFocus();
    pane.ValueField()->selectAll();
    QTest::keyClicks(pane.ValueField(), "-0.75");
    EXPECT_EQ(pane.Coefficients().Sin[2], -0.75);
    EXPECT_EQ(pane.ValueField()->text(), "-0.75") << "the text stays as typed";
    ExpectChangeBy(before, last.Samples, 2, -0.75, true);
}

// The square wave's b_k = 4/(pi k) shows as A_k = 4/(pi k) and phi_k = pi/2, named so.
TEST_F(CoefficientPaneTest, AmplitudePhaseBarsShowTheSquareWavesConvention) {
    pane.PairChoice()->setFocus();
    QTest::keyClick(pane.PairChoice(), Qt::Key_Down);
    ASSERT_EQ(Bars()->Pair(), TBarPair::MagnitudePhase);
    EXPECT_EQ(Bars()->BarName({3, 0}), "A₃");
    EXPECT_EQ(Bars()->BarName({3, 1}), "φ₃");
    for (int k : {1, 3, 31}) {
        EXPECT_NEAR(Bars()->Value({k, 0}), 4 / (std::numbers::pi * k), 1e-15) << "A_" << k;
        EXPECT_NEAR(Bars()->Value({k, 1}), std::numbers::pi / 2, 1e-15) << "phi_" << k;
    }
}

TEST_F(CoefficientPaneTest, AmplitudeKeepsThePhaseAndPhaseKeepsTheAmplitude) {
    TCoefficients start;
    start.Cos[4] = 0.3;
    start.Sin[4] = 0.4; // A_4 = 0.5
    pane.StartFrom(start);
    pane.PairChoice()->setFocus();
    QTest::keyClick(pane.PairChoice(), Qt::Key_Down);
    ASSERT_EQ(Bars()->Pair(), TBarPair::MagnitudePhase);

    Bars()->SetValue({4, 0}, 1.0);
    EXPECT_NEAR(pane.Coefficients().Cos[4], 0.6, 1e-15);
    EXPECT_NEAR(pane.Coefficients().Sin[4], 0.8, 1e-15);
    Bars()->SetValue({4, 1}, std::numbers::pi / 2);
    EXPECT_NEAR(pane.Coefficients().Cos[4], 0.0, 1e-15);
    EXPECT_NEAR(pane.Coefficients().Sin[4], 1.0, 1e-15);
    // A phase set at zero magnitude is kept for when the magnitude comes back.
    Bars()->SetValue({7, 1}, -std::numbers::pi / 4);
    Bars()->SetValue({7, 0}, 2.0);
    EXPECT_NEAR(pane.Coefficients().Cos[7], std::sqrt(2.0), 1e-15);
    EXPECT_NEAR(pane.Coefficients().Sin[7], -std::sqrt(2.0), 1e-15);
}

TEST_F(CoefficientPaneTest, MainWindowSignalIsShownUntilTheStudentEdits) {
    CoefficientPane fresh;
    int freshSent = 0;
    QObject::connect(&fresh, &CoefficientPane::signalDrawn, [&] { ++freshSent; });
    TRun run;
    run.WaveformIndex = 1;
    TSamples square;
    for (int j = 0; j < 512; ++j)
        square[j] = j < 256 ? -1 : 1;
    run.Analysis = AnalyseSamples(square);
    fresh.ShowRun(run);
    EXPECT_EQ(freshSent, 0) << "following the main window sends nothing";
    EXPECT_NEAR(fresh.Coefficients().Sin[1], run.Analysis.Im[1] / CoefficientScale(), 1e-15);

    fresh.Bars()->SetValue({1, 0}, 0.25);
    EXPECT_EQ(freshSent, 1);
    run.Analysis = AnalyseSamples(TSamples{});
    fresh.ShowRun(run);
    EXPECT_EQ(fresh.Coefficients().Cos[1], 0.25) << "an edited set is not overwritten";
    fresh.StartFromMainSignal();
    EXPECT_EQ(fresh.Coefficients().Cos[1], 0.0);
    EXPECT_EQ(freshSent, 2);
}

} // namespace
