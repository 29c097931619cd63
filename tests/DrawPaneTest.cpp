// «Нарисовать» driven with the mouse and keys: a square wave drawn in a few fast strokes
// has the square wave's spectrum, undo and redo give the samples back exactly, files open
// and save whole or not at all.
#include "DrawPane.h"
#include "CoefficientBars.h"
#include "DrawingArea.h"
#include "SavedWork.h"
#include "SeriesOracle.h"
#include "UserInput.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

using namespace Fourier;

constexpr double Pi = std::numbers::pi;

// What the pane sent last, and how often.
struct TReceived {
    TAnalysis Analysis;
    QString Caption;
    int Count = 0;
};

class DrawPaneTest : public ::testing::Test {
  protected:
    void SetUp() override {
        pane.resize(1200, 420);
        QObject::connect(&pane, &DrawPane::signalDrawn,
                         [this](const TAnalysis& analysis, const QString& caption) {
                             received.Analysis = analysis;
                             received.Caption = caption;
                             ++received.Count;
                         });
        pane.SetErrorReporter(
            [this](const std::string& message) { errors << QString::fromStdString(message); });
        ASSERT_TRUE(UserInput::ShowAndActivate(&pane));
    }

    DrawingArea* Area() { return pane.Area(); }

    QPoint PixelOf(double x, double y) { return Area()->PixelOf({x, y}).toPoint(); }

    // A drag through the points, moving in jumps of `jump` pixels as a fast hand does.
    void Drag(const std::vector<QPoint>& points, int jump = 37) {
        QTest::mousePress(Area(), Qt::LeftButton, Qt::NoModifier, points.front());
        QPoint at = points.front();
        for (std::size_t i = 1; i < points.size(); ++i) {
            const QPoint to = points[i];
            const int steps =
                std::max(1, static_cast<int>(std::ceil(QLineF(at, to).length() / jump)));
            for (int s = 1; s <= steps; ++s)
                QTest::mouseMove(Area(), at + (to - at) * s / steps);
            at = to;
        }
        QTest::mouseRelease(Area(), Qt::LeftButton, Qt::NoModifier, at);
    }

    // A pixel column whose x lies between the grid points 255.5 and 256 (just left of 0).
    int ColumnBeforeZero() {
        for (int px = 0; px < Area()->width(); ++px) {
            const double u = (Area()->PenPointAt(QPointF(px, 0)).X + Pi) / (Pi / 256);
            if (u > 255.5 && u < 256) return px;
        }
        ADD_FAILURE() << "no pixel column just before x = 0";
        return 0;
    }

    DrawPane pane;
    TReceived received;
    QStringList errors;
};

TEST_F(DrawPaneTest, SquareWaveDrawnFastHasOddSineHarmonicsFallingAsOneOverK) {
    const TPlotFrame frame = Area()->Frame();
    const int left = static_cast<int>(frame.Area.left()) - 5;
    const int right = static_cast<int>(frame.Area.right()) + 5;
    const int low = PixelOf(0, -1).y();
    const int high = PixelOf(0, 1).y();
    const int middle = ColumnBeforeZero();
    Drag({{left, low}, {middle, low}, {middle, high}, {right, high}});

    // Every sample was written (no gaps), each half at one level within a pixel of -1 or +1.
    const TSamples& samples = pane.Samples();
    const double pixel = (frame.YMax - frame.YMin) / frame.Area.height();
    const double lowLevel = samples[0];
    const double highLevel = samples[511];
    EXPECT_NEAR(lowLevel, -1.0, pixel);
    EXPECT_NEAR(highLevel, 1.0, pixel);
    for (int j = 0; j < 512; ++j)
        ASSERT_EQ(samples[j], j < 256 ? lowLevel : highLevel) << "sample " << j;

    // The spectrum sent while drawing is that of these samples (a direct sum over the
    // samples), and its odd sine parts fall as 1/k: b_k = h * 4/(pi k), h the half jump, to
    // the sampled wave's 0.5 % at k <= 15. (The sampled wave has a_k = 4h/512 for odd k: its
    // samples at -pi and 0 are not balanced by a sample at pi.)
    ASSERT_GT(received.Count, 10) << "sent live while the pen moved";
    EXPECT_EQ(received.Caption, "Нарисованный сигнал");
    EXPECT_EQ(received.Analysis.Samples, samples);
    const double half = (highLevel - lowLevel) / 2;
    const SeriesOracle::Series series = SeriesOracle::DirectSeries(samples);
    for (int k = 1; k <= 32; ++k) {
        const long double a = series.A[k], b = series.B[k];
        EXPECT_NEAR(received.Analysis.Re[k] / CoefficientScale(), static_cast<double>(a), 1e-12)
            << "a_" << k;
        EXPECT_NEAR(received.Analysis.Im[k] / CoefficientScale(), static_cast<double>(b), 1e-12)
            << "b_" << k;
        // The bars under the drawing show the same a_k and b_k.
        EXPECT_NEAR(pane.Spectrum()->Coefficients().Cos[k], static_cast<double>(a), 1e-12);
        EXPECT_NEAR(pane.Spectrum()->Coefficients().Sin[k], static_cast<double>(b), 1e-12);
        if (k % 2 == 1 && k <= 15) {
            EXPECT_NEAR(received.Analysis.Im[k] / CoefficientScale() * k / (half * 4 / Pi), 1.0,
                        0.005)
                << "b_" << k;
        }
    }
}

TEST_F(DrawPaneTest, SpectrumUnderTheDrawingFollowsThePenAndCannotBeEdited) {
    CoefficientBars* bars = pane.Spectrum();
    const QPoint top = PixelOf(0, 1);
    // A level stretch at 1 over [0, pi/2), zero elsewhere: b_1 = a_1 = 1/pi (the integrals
    // of sin and cos over the stretch, over pi), near enough for the pixels the stroke ends on.
    const int from = Area()->PixelOf({0.01, 1}).toPoint().x();
    const int to = Area()->PixelOf({Pi / 2 - 0.01, 1}).toPoint().x();
    Drag({{from, top.y()}, {to, top.y()}}, 9);
    const TSamples drawn = pane.Samples();
    const SeriesOracle::Series series = SeriesOracle::DirectSeries(drawn);
    EXPECT_NEAR(bars->Coefficients().Cos[1], static_cast<double>(series.A[1]), 1e-12);
    EXPECT_NEAR(bars->Coefficients().Sin[1], static_cast<double>(series.B[1]), 1e-12);
    EXPECT_NEAR(bars->Coefficients().Sin[1], 1 / Pi, 0.02);

    // Neither a drag on a bar nor keys change what the bars show, and they take no focus.
    const TCoefficients shown = bars->Coefficients();
    const QPoint bar = bars->BarColumn({1, 1}).center().toPoint();
    QTest::mousePress(bars, Qt::LeftButton, Qt::NoModifier, bar);
    QTest::mouseMove(bars, bar + QPoint(0, -40));
    QTest::mouseRelease(bars, Qt::LeftButton, Qt::NoModifier, bar + QPoint(0, -40));
    QTest::keyClick(bars, Qt::Key_Up);
    QTest::keyClick(bars, Qt::Key_Delete);
    EXPECT_EQ(bars->Coefficients().Sin, shown.Sin);
    EXPECT_EQ(bars->Coefficients().Cos, shown.Cos);
    EXPECT_FALSE(bars->hasFocus());
    EXPECT_EQ(pane.Samples(), drawn);

    // Undo empties the drawing and its bars with it.
    pane.UndoStack()->undo();
    for (int k = 1; k <= 32; ++k)
        EXPECT_EQ(bars->Coefficients().Sin[k], 0.0) << k;
}

TEST_F(DrawPaneTest, UndoAndRedoGiveTheSamplesBackExactly) {
    Drag({PixelOf(-2.5, 0.5), PixelOf(1.0, -0.7)});
    const TSamples first = pane.Samples();
    Drag({PixelOf(2.0, 1.2), PixelOf(-0.5, 0.3), PixelOf(0.4, -1.1)});
    const TSamples second = pane.Samples();
    ASSERT_NE(first, second);
    ASSERT_EQ(pane.UndoStack()->count(), 2);

    QTest::keyClick(Area(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(pane.Samples(), first);
    EXPECT_EQ(received.Analysis.Samples, first) << "the views follow an undo";
    QTest::keyClick(Area(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(pane.Samples(), TSamples{});
    QTest::keyClick(Area(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(Area(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(pane.Samples(), second);

    QTest::mouseClick(Area(), Qt::RightButton, Qt::NoModifier, PixelOf(0, 0));
    EXPECT_EQ(pane.Samples(), TSamples{}) << "the right button clears";
    EXPECT_EQ(received.Analysis.Samples, TSamples{});
    QTest::keyClick(Area(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(pane.Samples(), second) << "clearing is undone too";
}

TEST_F(DrawPaneTest, PressAloneSetsTheSampleUnderThePen) {
    QTest::mouseClick(Area(), Qt::LeftButton, Qt::NoModifier, PixelOf(GridX(100), 1.0));
    const TSamples& samples = pane.Samples();
    for (int j = 0; j < 512; ++j) {
        if (j == 100) continue;
        ASSERT_EQ(samples[j], 0.0) << "sample " << j;
    }
    const double pixel = 3.0 / Area()->Frame().Area.height();
    EXPECT_NEAR(samples[100], 1.0, pixel);
    EXPECT_EQ(pane.UndoStack()->count(), 1);
}

// Another button let go while drawing does not end the stroke, and letting go of the left
// one where no stroke began ends nothing.
TEST_F(DrawPaneTest, OnlyTheLeftButtonLetGoEndsAStroke) {
    QSignalSpy released(Area(), &DrawingArea::penReleased);
    QTest::mouseRelease(Area(), Qt::LeftButton, Qt::NoModifier, PixelOf(0, 0.5));
    EXPECT_EQ(released.count(), 0);
    EXPECT_EQ(pane.UndoStack()->count(), 0);

    QTest::mousePress(Area(), Qt::LeftButton, Qt::NoModifier, PixelOf(-2.0, 0.5));
    QTest::mouseMove(Area(), PixelOf(-1.0, 0.5));
    QTest::mouseClick(Area(), Qt::MiddleButton, Qt::NoModifier, PixelOf(-1.0, 0.5));
    EXPECT_EQ(released.count(), 0) << "the middle button is not the pen";
    QTest::mouseMove(Area(), PixelOf(1.0, 0.5));
    QTest::mouseRelease(Area(), Qt::LeftButton, Qt::NoModifier, PixelOf(1.0, 0.5));
    EXPECT_EQ(released.count(), 1);
    // The pen went on drawing after the middle click, and the stroke is one step.
    const TPlotFrame frame = Area()->Frame();
    const double pixel = (frame.YMax - frame.YMin) / frame.Area.height();
    for (const double x : {-1.5, 0.0, 0.9})
        EXPECT_NEAR(pane.Samples()[static_cast<int>(std::lround((x + Pi) / GridStep))], 0.5, pixel)
            << "x = " << x;
    EXPECT_EQ(pane.UndoStack()->count(), 1);
}

// The range fits what is shown with room above its largest sample (either sign), so the
// curve never runs along the frame and the pen can go beyond it; fitting leaves no more
// room than a quarter of the peak.
TEST_F(DrawPaneTest, RangeLeavesRoomBeyondTheLargestSample) {
    for (const double peak : {4.0, -4.0, 250.0}) {
        TSamples samples{};
        samples[123] = peak;
        pane.ReplaceSamples(samples, "spike");
        EXPECT_GE(Area()->HalfRange(), 1.05 * std::abs(peak)) << peak;
        EXPECT_LE(Area()->HalfRange(), 1.25 * std::abs(peak)) << peak;
    }
    pane.Clear();
    const double cleared = Area()->HalfRange();
    ASSERT_LT(cleared, 4.0) << "clearing fits the range to the empty drawing";

    // Dragged along above the top: the range grows ahead of the pen, and every sample
    // reached is kept inside it.
    const int above = static_cast<int>(Area()->Frame().Area.top()) - 20;
    Drag({PixelOf(-2.0, 0), {PixelOf(-1.0, 0).x(), above}, {PixelOf(2.0, 0).x(), above}});
    const double drawnPeak = std::ranges::max(pane.Samples());
    EXPECT_GT(drawnPeak, cleared) << "the pen reached beyond the first range";
    EXPECT_GE(Area()->HalfRange(), 1.05 * drawnPeak);
}

// The value labels at the left fit between the window's edge and the plot for ranges whose
// labels are short and long ("-1e+04" is as wide as round ticks written with four
// significant digits get), with no less room to the edge than to the plot.
TEST_F(DrawPaneTest, ValueLabelsFitLeftOfThePlot) {
    Area()->clearFocus(); // the focus frame and the keyboard's cursor are no labels
    for (const double peak : {1.0, 40.0, 9000.0, 1e4, 3e5}) {
        TSamples samples{};
        samples[300] = peak;
        pane.ReplaceSamples(samples, "spike");
        const QImage image = Area()->grab().toImage();
        const int plotLeft = static_cast<int>(Area()->Frame().Area.left());
        const int bottom = static_cast<int>(Area()->Frame().Area.bottom());
        ASSERT_EQ(image.width(), Area()->width());
        int first = plotLeft, last = -1; // the columns of ink left of the plot
        for (int y = 0; y <= bottom; ++y) {
            for (int x = 0; x < plotLeft; ++x) {
                if (qGray(image.pixel(x, y)) >= 128) continue;
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
        ASSERT_GE(last, 0) << "no value labels at " << peak;
        const int roomToPlot = plotLeft - 1 - last;
        EXPECT_GE(roomToPlot, 2) << peak;
        EXPECT_GE(first, roomToPlot) << "labels crowd the edge at " << peak;
    }
}

// «Взять из главного окна» is there for every waveform of the catalogue, its first
// included, and not when the main window has none chosen.
TEST_F(DrawPaneTest, TakesTheMainWindowsSignalWheneverAWaveformIsChosen) {
    QAction* take = nullptr;
    for (QAction* action : pane.actions())
        if (action->text() == "Взять из главного окна") take = action;
    ASSERT_NE(take, nullptr);
    TSamples ramp;
    for (int j = 0; j < 512; ++j)
        ramp[j] = (j - 256) / 256.0;
    for (const int index : {-1, 0, 1}) {
        pane.Clear();
        TRun run;
        run.WaveformIndex = index;
        run.Analysis = AnalyseSamples(ramp);
        pane.ShowRun(run);
        EXPECT_EQ(take->isEnabled(), index >= 0) << index;
        take->trigger();
        EXPECT_EQ(pane.Samples(), index >= 0 ? ramp : TSamples{}) << index;
    }
}

class DrawPaneFiles : public DrawPaneTest {
  protected:
    QString Write(const QString& name, const std::string& text) {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.data(), static_cast<qint64>(text.size()));
        return path;
    }
    QTemporaryDir folder;
};

TEST_F(DrawPaneFiles, DamagedFileIsReportedAndChangesNothing) {
    Drag({PixelOf(-1.0, 0.5), PixelOf(1.0, 0.5)});
    const TSamples drawn = pane.Samples();
    const int sent = received.Count;
    TSamples square;
    for (int j = 0; j < 512; ++j)
        square[j] = j < 256 ? -1 : 1;
    std::string text = FormatSavedWork(square);
    text.replace(text.find("-1\n", 100), 2, "nan");
    pane.OpenFile(Write("damaged.fourier", text));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith("Файл «damaged.fourier»: Строка ")) << errors[0].toStdString();
    EXPECT_TRUE(errors[0].endsWith("«nan» — не конечное число.")) << errors[0].toStdString();
    EXPECT_EQ(pane.Samples(), drawn);
    EXPECT_EQ(received.Count, sent);
    EXPECT_EQ(pane.UndoStack()->count(), 1);

    pane.OpenFile(folder.filePath("missing.fourier"));
    ASSERT_EQ(errors.size(), 2);
    EXPECT_TRUE(errors[1].startsWith("Файл «missing.fourier»: ")) << errors[1].toStdString();
    EXPECT_EQ(pane.Samples(), drawn);
}

TEST_F(DrawPaneFiles, SavedDrawingOpensAgainBitForBit) {
    Drag({PixelOf(-3.0, 0.3), PixelOf(-1.0, 1.1), PixelOf(0.7, -0.9), PixelOf(3.0, 0.2)});
    const TSamples drawn = pane.Samples();
    const QString path = folder.filePath("drawn.fourier");
    pane.SaveFile(path);
    ASSERT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();

    pane.Clear();
    pane.OpenFile(path);
    ASSERT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
    EXPECT_EQ(pane.Samples(), drawn);
    EXPECT_EQ(received.Analysis.Samples, drawn);
    QTest::keyClick(Area(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(pane.Samples(), TSamples{}) << "opening a file is one undoable step";

    // Coefficients open as the samples they make.
    TCoefficients coefficients;
    coefficients.Sin[2] = 0.5;
    pane.OpenFile(Write("sine.fourier", FormatSavedWork(coefficients)));
    for (int j = 0; j < 512; ++j)
        EXPECT_NEAR(pane.Samples()[j], 0.5 * std::sin(2 * (-Pi + j * Pi / 256)), 1e-12) << j;
}

// Folders nobody can write into, root included: one that is a file, one that is missing.
TEST_F(DrawPaneFiles, UnwritableFolderIsReportedAndLeavesNoFile) {
    Drag({PixelOf(-1.0, 0.5), PixelOf(1.0, 0.5)});
    const QString notAFolder = Write("plain", "x");
    for (const QString& path :
         {notAFolder + "/drawn.fourier", folder.filePath("missing/drawn.fourier")}) {
        errors.clear();
        pane.SaveFile(path);
        ASSERT_EQ(errors.size(), 1) << path.toStdString();
        EXPECT_TRUE(errors[0].startsWith("Не удалось сохранить файл «" + path + "»: "))
            << errors[0].toStdString();
        EXPECT_FALSE(QFileInfo::exists(path));
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{"plain"});
}

} // namespace
