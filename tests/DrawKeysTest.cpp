// «Нарисовать» by keys alone: the cursor's steps and bounds, straight segments written sample
// by sample on the line through their ends, each segment one undo step that comes back bit for
// bit, and the line under the drawing saying where the cursor stands.
#include "DrawPane.h"
#include "DrawingArea.h"
#include "UserInput.h"

#include <QLabel>
#include <QTest>
#include <QUndoStack>
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

using namespace Fourier;

constexpr double Pi = std::numbers::pi;
constexpr int LastSample = 511;

class DrawKeysTest : public ::testing::Test {
  protected:
    void SetUp() override {
        pane.resize(900, 420);
        ASSERT_TRUE(UserInput::ShowAndActivate(&pane));
        pane.Area()->setFocus();
        ASSERT_TRUE(pane.Area()->hasFocus());
    }

    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, int times = 1) {
        for (int i = 0; i < times; ++i)
            UserInput::PressKey(&pane, key, modifiers);
    }
    int Cursor() { return pane.Area()->CursorIndex(); }
    double Value() { return pane.Area()->CursorValue(); }

    DrawPane pane;
};

// Where the cursor goes from the middle (sample 256) and from either end, by each key.
TEST_F(DrawKeysTest, CursorMovesBySampleAndBySixteenAndStopsAtBothEnds) {
    struct TRow {
        const char* Name;
        int From;
        Qt::Key Key;
        Qt::KeyboardModifiers Modifiers;
        int Expected;
    };
    const TRow rows[] = {
        {"Right", 256, Qt::Key_Right, Qt::NoModifier, 257},
        {"Left", 256, Qt::Key_Left, Qt::NoModifier, 255},
        {"Ctrl+Right", 256, Qt::Key_Right, Qt::ControlModifier, 272},
        {"Ctrl+Left", 256, Qt::Key_Left, Qt::ControlModifier, 240},
        {"PageDown", 256, Qt::Key_PageDown, Qt::NoModifier, 272},
        {"PageUp", 256, Qt::Key_PageUp, Qt::NoModifier, 240},
        {"Home", 256, Qt::Key_Home, Qt::NoModifier, 0},
        {"End", 256, Qt::Key_End, Qt::NoModifier, LastSample},
        {"Left at the first", 0, Qt::Key_Left, Qt::NoModifier, 0},
        {"Right at the last", LastSample, Qt::Key_Right, Qt::NoModifier, LastSample},
        {"Right before the last", LastSample - 1, Qt::Key_Right, Qt::NoModifier, LastSample},
        {"PageUp near the first", 5, Qt::Key_PageUp, Qt::NoModifier, 0},
        {"Ctrl+Right near the last", LastSample - 5, Qt::Key_Right, Qt::ControlModifier,
         LastSample},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Name);
        pane.Area()->SetCursor(row.From, 0.0);
        Press(row.Key, row.Modifiers);
        EXPECT_EQ(Cursor(), row.Expected);
        // The cursor stands on its sample's grid point: -pi + j pi/256.
        EXPECT_NEAR(pane.Area()->CursorPoint().X, -Pi + row.Expected * Pi / 256, 1e-12);
    }
}

TEST_F(DrawKeysTest, ValueStepsByATenthOnTheFreshDrawingAndStaysWithinItsRange) {
    // The fresh drawing shows -1.5..1.5: the smallest round step not below 3/30 is 0.1.
    ASSERT_EQ(pane.Area()->HalfRange(), 1.5);
    EXPECT_NEAR(pane.Area()->CursorStep(), 0.1, 1e-15);
    Press(Qt::Key_Up, Qt::NoModifier, 7);
    EXPECT_NEAR(Value(), 0.7, 1e-12);
    Press(Qt::Key_Down, Qt::NoModifier, 3);
    EXPECT_NEAR(Value(), 0.4, 1e-12);
    // Held at the range's ends on both sides, not beyond.
    Press(Qt::Key_Up, Qt::NoModifier, 40);
    EXPECT_EQ(Value(), 1.5);
    Press(Qt::Key_Down, Qt::NoModifier, 80);
    EXPECT_EQ(Value(), -1.5);
    // Moving along x keeps the value: a level line is two Spaces apart.
    Press(Qt::Key_End);
    EXPECT_EQ(Value(), -1.5);
}

// Segments from an anchor to the cursor, in both directions, across the ends and of one
// sample: the samples between are on the straight line through the two points (written
// here from the indices), those outside are untouched, and one Ctrl+Z gives back the
// samples as they were, bit for bit.
TEST_F(DrawKeysTest, SegmentWritesTheStraightLineBetweenItsEndsAndUndoesWhole) {
    struct TRow {
        const char* Name;
        int From, FromSteps; // sample and Up presses (Down when negative) at the anchor
        int To, ToSteps;     // ToSteps more presses at the cursor
    };
    const TRow rows[] = {
        {"rising to the right", 100, 5, 200, -3}, {"falling to the left", 300, 10, 140, -10},
        {"from the first sample", 0, -4, 37, 6},  {"to the last sample", 470, 2, LastSample, 10},
        {"one sample", 256, 8, 256, -2},          {"neighbours", 10, 1, 11, 9},
    };
    // Something drawn already, so that undo has samples of its own to bring back.
    pane.Area()->SetCursor(0, 0.3);
    Press(Qt::Key_Space);
    pane.Area()->SetCursor(LastSample, -0.2);
    Press(Qt::Key_Space);
    Press(Qt::Key_Return);
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Name);
        const TSamples before = pane.Samples();
        const int steps = pane.UndoStack()->count();
        const double step = pane.Area()->CursorStep();
        pane.Area()->SetCursor(row.From, 0.0);
        Press(row.FromSteps > 0 ? Qt::Key_Up : Qt::Key_Down, Qt::NoModifier,
              std::abs(row.FromSteps));
        Press(Qt::Key_Space); // the anchor
        ASSERT_TRUE(pane.Area()->Anchor().has_value());
        EXPECT_EQ(pane.Samples(), before) << "an anchor alone draws nothing";
        const int moves = std::abs(row.To - row.From);
        Press(row.To > row.From ? Qt::Key_Right : Qt::Key_Left, Qt::NoModifier, moves);
        Press(row.ToSteps > 0 ? Qt::Key_Up : Qt::Key_Down, Qt::NoModifier, std::abs(row.ToSteps));
        Press(Qt::Key_Space); // the segment
        Press(Qt::Key_Return);
        EXPECT_FALSE(pane.Area()->Anchor().has_value());

        const double y0 = row.FromSteps * step, y1 = (row.FromSteps + row.ToSteps) * step;
        const int low = std::min(row.From, row.To), high = std::max(row.From, row.To);
        const TSamples& after = pane.Samples();
        for (int j = 0; j <= LastSample; ++j) {
            if (j < low || j > high) {
                ASSERT_EQ(after[j], before[j]) << "sample " << j << " outside the segment";
                continue;
            }
            const double expected =
                row.From == row.To ? y1 : y0 + (y1 - y0) * (j - row.From) / (row.To - row.From);
            ASSERT_NEAR(after[j], expected, 1e-12) << "sample " << j;
        }
        EXPECT_EQ(pane.UndoStack()->count(), steps + 1) << "one step per segment";
        EXPECT_EQ(pane.Caption(), "Нарисованный сигнал");

        UserInput::PressKey(&pane, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(pane.Samples(), before);
        UserInput::PressKey(&pane, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(pane.Samples(), after);
    }
}

TEST_F(DrawKeysTest, SpaceAfterSpaceDrawsAPolylineOfSeparateSteps) {
    const int start = pane.UndoStack()->count();
    Press(Qt::Key_Home);
    Press(Qt::Key_Space);
    Press(Qt::Key_PageDown, Qt::NoModifier, 2); // to sample 32
    Press(Qt::Key_Up, Qt::NoModifier, 10);      // 1.0
    Press(Qt::Key_Space);
    Press(Qt::Key_Right, Qt::ControlModifier, 2); // to sample 64
    Press(Qt::Key_Space);
    EXPECT_EQ(pane.UndoStack()->count(), start + 2);
    EXPECT_NEAR(pane.Samples()[16], 0.5, 1e-12);
    EXPECT_NEAR(pane.Samples()[48], 1.0, 1e-12);
    // The anchor went on to the last segment's end.
    ASSERT_TRUE(pane.Area()->Anchor().has_value());
    EXPECT_NEAR(pane.Area()->Anchor()->X, -Pi + 64 * Pi / 256, 1e-12);
    // Escape drops the anchor (and does not reach the window around).
    Press(Qt::Key_Escape);
    EXPECT_FALSE(pane.Area()->Anchor().has_value());
    UserInput::PressKey(&pane, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_NEAR(pane.Samples()[48], 0.0, 1e-12);
    EXPECT_NEAR(pane.Samples()[16], 0.5, 1e-12);
}

TEST_F(DrawKeysTest, LineUnderTheDrawingSaysWhereTheCursorStandsAndTheFocusIsFramed) {
    Press(Qt::Key_Home);
    Press(Qt::Key_Up, Qt::NoModifier, 5);
    const QString line = pane.CursorLine()->text();
    EXPECT_TRUE(line.contains("отсчёт 0")) << line.toStdString();
    EXPECT_TRUE(line.contains("x = −3")) << line.toStdString(); // -pi, with a real minus
    EXPECT_TRUE(line.contains("0,5") || line.contains("0.5")) << line.toStdString();
    Press(Qt::Key_Space);
    EXPECT_TRUE(pane.CursorLine()->text().contains("отрезок от")) << line.toStdString();

    // With the focus the area's edge is the palette's highlight; without it, it is not.
    DrawingArea* area = pane.Area();
    const QColor highlight = area->palette().color(QPalette::Highlight);
    const QPoint edge(area->width() / 2, 0);
    EXPECT_EQ(area->grab().toImage().pixelColor(edge), highlight);
    pane.CursorLine()->setFocusPolicy(Qt::StrongFocus);
    pane.CursorLine()->setFocus();
    ASSERT_FALSE(area->hasFocus());
    EXPECT_NE(area->grab().toImage().pixelColor(edge), highlight);
}

} // namespace
