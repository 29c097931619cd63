// Track bars: changes from code fire nothing; each user step fires once, plus once at the end.
#include "Form.h"
#include "UserInput.h"

#include <QApplication>
#include <QKeyEvent>
#include <QSlider>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

using namespace Fourier::Toolkit;

namespace {

struct TrackWindow {
    TForm form{"Form1"};
    TTrackBar* bar = form.Add<TTrackBar>(&form, "TrackBar1");
    TEdit* edit = form.Add<TEdit>(&form, "Edit");
    std::vector<int> seen; // Position() as each notification saw it

    TrackWindow() {
        form.SetClientSize(300, 100);
        bar->SetBounds(9, 46, 210, 35);
        edit->SetBounds(5, 5, 60, 21);
        bar->SetMin(1);
        bar->SetMax(31);
        bar->SetPosition(8);
        bar->SetPageSize(4);
        bar->OnChange = [this](TObject* sender) {
            EXPECT_EQ(sender, bar);
            seen.push_back(bar->Position());
        };
        // Every test drags with a hint: a tooltip changes none of the notifications.
        bar->DragHint = [](int position) { return std::to_string(position); };
        EXPECT_TRUE(UserInput::ShowAndActivate(form.Widget()));
        bar->SetFocus();
    }
    QSlider* slider() const { return static_cast<QSlider*>(bar->Widget()); }
    QRect Handle() const { return UserInput::SliderHandle(slider()); }
};

using Seen = std::vector<int>;

TEST(TrackBar, ChangesFromCodeFireNothing) {
    TrackWindow t;
    t.bar->SetPosition(20);
    t.bar->SetMax(10); // pulls the position down with it
    t.bar->SetMin(5);
    t.bar->SetPageSize(2);
    t.bar->SetPosition(99);
    EXPECT_TRUE(t.seen.empty());
    EXPECT_EQ(t.bar->Position(), 10);
}

TEST(TrackBar, RangeRules) {
    struct Row {
        const char* name;
        std::function<void(TTrackBar*)> act;
        int min, max, position;
    };
    // Starting from Min 1, Max 31, Position 8.
    const Row rows[] = {
        {"min above max is ignored", [](TTrackBar* b) { b->SetMin(40); }, 1, 31, 8},
        {"max below min is ignored", [](TTrackBar* b) { b->SetMax(0); }, 1, 31, 8},
        {"min equal to max is taken", [](TTrackBar* b) { b->SetMin(31); }, 31, 31, 31},
        {"min above position drags it up", [](TTrackBar* b) { b->SetMin(10); }, 10, 31, 10},
        {"max below position drags it down", [](TTrackBar* b) { b->SetMax(5); }, 1, 5, 5},
        {"position above max is clamped", [](TTrackBar* b) { b->SetPosition(32); }, 1, 31, 31},
        {"position below min is clamped", [](TTrackBar* b) { b->SetPosition(-3); }, 1, 31, 1},
        {"new range then position",
         [](TTrackBar* b) {
             b->SetMax(16);
             b->SetPosition(12);
         },
         1, 16, 12},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TrackWindow t;
        row.act(t.bar);
        EXPECT_EQ(t.bar->Min(), row.min);
        EXPECT_EQ(t.bar->Max(), row.max);
        EXPECT_EQ(t.bar->Position(), row.position);
        EXPECT_TRUE(t.seen.empty());
    }
}

// The end notification follows only a key the bar took. A key that reaches it already
// refused (forwarded by another widget, or an arrow a keypad-navigation build keeps for
// moving the focus) reports the step Qt made, if any, and nothing more.
TEST(TrackBar, EachKeyStepThenTheEnd) {
    struct Row {
        const char* name;
        Qt::Key key;
        int start;
        Seen expected;
        bool refused = false;
    };
    const Row rows[] = {
        {"right arrow", Qt::Key_Right, 8, {9, 9}},
        {"left arrow", Qt::Key_Left, 8, {7, 7}},
        {"page up", Qt::Key_PageUp, 8, {12, 12}},
        {"page down", Qt::Key_PageDown, 8, {4, 4}},
        {"home", Qt::Key_Home, 8, {1, 1}},
        {"end", Qt::Key_End, 8, {31, 31}},
        {"right arrow at the end still notifies", Qt::Key_Right, 31, {31, 31}},
        {"page down clamps at min", Qt::Key_PageDown, 2, {1, 1}},
        {"a letter is no step", Qt::Key_A, 8, {}},
        {"right arrow arriving refused", Qt::Key_Right, 8, {9}, true},
        {"right arrow arriving refused at the end", Qt::Key_Right, 31, {31}, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TrackWindow t;
        t.bar->SetPosition(row.start);
        if (row.refused) {
            QKeyEvent press(QEvent::KeyPress, row.key, Qt::NoModifier);
            press.ignore();
            QApplication::sendEvent(t.slider(), &press);
        } else {
            UserInput::PressKey(t.form.Widget(), row.key);
        }
        EXPECT_EQ(t.seen, row.expected);
    }
}

TEST(TrackBar, GrooveClickStepsAPageThenEnds) {
    TrackWindow t;
    const QRect handle = t.Handle();
    UserInput::Click(t.slider(), QPoint(t.slider()->width() - 5, handle.center().y()));
    EXPECT_EQ(t.seen, (Seen{12, 12}));
    EXPECT_EQ(t.bar->Position(), 12);
    t.seen.clear();
    UserInput::Click(t.slider(), QPoint(3, t.Handle().center().y()));
    EXPECT_EQ(t.seen, (Seen{8, 8}));
}

TEST(TrackBar, DragFiresPerMoveAndOnceAtTheEnd) {
    TrackWindow t;
    const QPoint start = t.Handle().center();
    QTest::mousePress(t.slider(), Qt::LeftButton, Qt::NoModifier, start);
    const int unit = 100; // far enough for several units in three moves
    for (int k = 1; k <= 3; ++k)
        QTest::mouseMove(t.slider(), start + QPoint(k * unit / 3, 0));
    QTest::mouseRelease(t.slider(), Qt::LeftButton, Qt::NoModifier, start + QPoint(unit, 0));
    ASSERT_GE(t.seen.size(), 2u);
    // The moves step strictly upwards; the end repeats the final position.
    for (size_t i = 1; i + 1 < t.seen.size(); ++i)
        EXPECT_GT(t.seen[i], t.seen[i - 1]);
    EXPECT_EQ(t.seen.back(), t.seen[t.seen.size() - 2]);
    EXPECT_EQ(t.seen.back(), t.bar->Position());
    EXPECT_GT(t.bar->Position(), 8);
}

TEST(TrackBar, WheelStepThenEnd) {
    TrackWindow t;
    const QPointF at = t.Handle().center();
    QWheelEvent wheel(at, t.slider()->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(t.slider(), &wheel);
    ASSERT_EQ(t.seen.size(), 2u);
    EXPECT_NE(t.seen[0], 8);
    EXPECT_EQ(t.seen[1], t.seen[0]);
}

TEST(TrackBar, FailingHandlerIsReportedAndTheBarStillWorks) {
    TrackWindow t;
    UserInput::ErrorCapture errors;
    t.bar->OnChange = [&](TObject*) {
        t.seen.push_back(t.bar->Position());
        throw std::runtime_error("Сбой");
    };
    UserInput::PressKey(t.form.Widget(), Qt::Key_Right);
    EXPECT_EQ(t.seen, (Seen{9, 9}));
    EXPECT_EQ(errors.messages, (std::vector<std::string>{"Сбой.", "Сбой."}));
    EXPECT_EQ(t.bar->Position(), 9);
}

TEST(TrackBar, LooksLikeTheClassicBar) {
    TrackWindow t;
    EXPECT_EQ(t.slider()->orientation(), Qt::Horizontal);
    EXPECT_EQ(t.slider()->tickPosition(), QSlider::TicksBelow);
    EXPECT_EQ(t.slider()->tickInterval(), 1);
    EXPECT_EQ(t.bar->PageSize(), 4);
    EXPECT_EQ(t.slider()->pageStep(), 4);
}

} // namespace
