// The harmonic-number field: lax typing, reading, clamping, stepping and change firing.
#include "Form.h"
#include "UserInput.h"

#include <QAbstractSpinBox>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTest>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

using namespace Fourier::Toolkit;

namespace {

struct SpinWindow {
    TForm form{"Form1"};
    TEdit* before = form.Add<TEdit>(&form, "Before");
    TSpinEdit* spin = form.Add<TSpinEdit>(&form, "SpinEdit1");
    TEdit* after = form.Add<TEdit>(&form, "After");
    std::vector<std::string> changes; // the text each change notification saw

    explicit SpinWindow(int low = 0, int high = 32) {
        form.SetClientSize(200, 120);
        before->SetBounds(5, 5, 100, 21);
        spin->SetBounds(8, 32, 121, 22);
        after->SetBounds(5, 70, 100, 21);
        spin->SetMinValue(low);
        spin->SetMaxValue(high);
        spin->OnChange = [this](TObject* sender) {
            EXPECT_EQ(sender, spin);
            changes.push_back(spin->Text());
        };
        EXPECT_TRUE(UserInput::ShowAndActivate(form.Widget()));
        spin->SetFocus();
    }
    QWidget* window() { return form.Widget(); }
    QLineEdit* editor() { return spin->Widget()->findChild<QLineEdit*>(); }
};

using Changes = std::vector<std::string>;

TEST(SpinEdit, StartsAtZero) {
    TForm form("F");
    auto* spin = form.Add<TSpinEdit>(&form, "S");
    EXPECT_EQ(spin->Text(), "0");
    EXPECT_EQ(spin->Value(), 0);
}

TEST(SpinEdit, ValueReadsTheTextUnclamped) {
    struct Row {
        const char* text;
        int value;
    };
    // Range 3..32, so a text that is no integer (read as MinValue) differs from 0.
    const Row rows[] = {
        {"12", 12},
        {"0", 0},
        {" 7", 7},
        {"  -4", -4},
        {"+5", 5},
        {"-0", 0},
        {"512", 512},
        {"abc", 3},
        {"", 3},
        {"-", 3},
        {"+", 3},
        {"1 2", 3},
        {"12 ", 3},
        {"1.5", 3},
        {"0x10", 3},
        {" ", 3},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483648},
        {"2147483648", 3},
        {"99999999999999999999", 3},
    };
    SpinWindow w(3, 32);
    for (const Row& row : rows) {
        w.spin->SetText(row.text);
        EXPECT_EQ(w.spin->Value(), row.value) << '"' << row.text << '"';
    }
}

TEST(SpinEdit, SetValueClampsAndFiresOnRealChanges) {
    struct Row {
        const char* name;
        int value;
        const char* text;
        bool fires;
    };
    const Row rows[] = {
        {"inside the range", 5, "5", true},  {"same again", 5, "5", false},
        {"above the range", 40, "32", true}, {"above again: same text", 33, "32", false},
        {"below the range", -4, "0", true},  {"back inside", 17, "17", true},
    };
    SpinWindow w;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        w.changes.clear();
        w.spin->SetValue(row.value);
        EXPECT_EQ(w.spin->Text(), row.text);
        EXPECT_EQ(w.changes, row.fires ? Changes{row.text} : Changes{});
    }
}

TEST(SpinEdit, EqualBoundsMeanNoRange) {
    SpinWindow w(0, 0);
    w.spin->SetValue(77);
    EXPECT_EQ(w.spin->Text(), "77");
}

TEST(SpinEdit, SetTextPlacesTheCaretAtTheEnd) {
    SpinWindow w;
    w.spin->SetText("12");
    EXPECT_EQ(w.changes, (Changes{"12"}));
    EXPECT_EQ(w.editor()->cursorPosition(), 2);
    EXPECT_EQ(w.spin->SelStart(), 2);
    w.spin->SetText("12"); // same text: nothing at all
    EXPECT_EQ(w.changes.size(), 1u);
    UserInput::TypeText(w.window(), "3");
    EXPECT_EQ(w.spin->Text(), "123");
    UserInput::PressKey(w.window(), Qt::Key_Backspace);
    EXPECT_EQ(w.spin->Text(), "12");
    EXPECT_EQ(w.changes, (Changes{"12", "123", "12"}));
}

TEST(SpinEdit, AnEditThatLeavesTheTextAsItWasFiresNothing) {
    SpinWindow w;
    w.spin->SetText("7");
    w.changes.clear();
    w.spin->SelectAll();
    EXPECT_EQ(w.spin->SelLength(), 1);
    UserInput::TypeText(w.window(), "7"); // Qt reports the replacement of 7 by 7
    EXPECT_EQ(w.spin->Text(), "7");
    EXPECT_EQ(w.changes, Changes{});
    w.spin->SelectAll();
    UserInput::TypeText(w.window(), "4");
    EXPECT_EQ(w.changes, (Changes{"4"}));
}

TEST(SpinEdit, ChangeFromCodeRunsTheHandlerDirectly) {
    // No dispatcher in between: the exception reaches the code that set the text.
    SpinWindow w;
    w.spin->OnChange = [](TObject*) { throw std::runtime_error("stop"); };
    EXPECT_THROW(w.spin->SetValue(3), std::runtime_error);
    EXPECT_EQ(w.spin->Text(), "3");
}

TEST(SpinEdit, TypingFilter) {
    struct Row {
        const char* name;
        QString typed;
        const char* text;
        int beeps;
    };
    const QString point = QLocale().decimalPoint();
    const std::string pointText = point.toStdString();
    const Row rows[] = {
        {"digits", "45", "45", 0},
        {"letters refused", "x", "", 1},
        {"cyrillic refused", "ж", "", 1},
        {"signs", "+-", "+-", 0},
        {"decimal separator", point, pointText.c_str(), 0},
        {"blank refused", " ", "", 1},
        {"mixed", "1a2b", "12", 2},
        {"enter refused", "\r", "", 1},
        {"backspace is a control character", "12\b", "1", 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SpinWindow w;
        w.spin->SetText("");
        UserInput::BeepCounter beeps;
        UserInput::TypeText(w.window(), row.typed);
        EXPECT_EQ(w.spin->Text(), row.text);
        EXPECT_EQ(beeps.count, row.beeps);
    }
}

TEST(SpinEdit, EnterReachesTheFormFirstThenBeeps) {
    SpinWindow w;
    std::vector<std::string> order;
    UserInput::BeepCounter beeps;
    Fourier::Toolkit::SetBeep([&] { order.push_back("beep"); });
    w.form.OnKeyPress = [&](TObject*, char16_t& c) {
        order.push_back(c == 13 ? "enter" : "other");
    };
    UserInput::PressKey(w.window(), Qt::Key_Return);
    EXPECT_EQ(order, (std::vector<std::string>{"enter", "beep"}));
    EXPECT_EQ(w.spin->Text(), "0");
    EXPECT_EQ(w.spin->SelLength(), 0) << "Enter selects nothing";
}

TEST(SpinEdit, ArrowKeysStepByOneWithinTheRange) {
    struct Row {
        const char* name;
        const char* start;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* text;
        Changes changes;
    };
    const Row rows[] = {
        {"up", "5", Qt::Key_Up, Qt::NoModifier, "6", {"6"}},
        {"down", "5", Qt::Key_Down, Qt::NoModifier, "4", {"4"}},
        {"up one below the top", "31", Qt::Key_Up, Qt::NoModifier, "32", {"32"}},
        {"up at the top", "32", Qt::Key_Up, Qt::NoModifier, "32", {}},
        {"up at the top as typed", "032", Qt::Key_Up, Qt::NoModifier, "032", {}},
        {"down at the bottom", "0", Qt::Key_Down, Qt::NoModifier, "0", {}},
        {"down at the bottom as typed", "00", Qt::Key_Down, Qt::NoModifier, "00", {}},
        {"control does not multiply", "5", Qt::Key_Up, Qt::ControlModifier, "6", {"6"}},
        {"down from a typed 45 clamps", "45", Qt::Key_Down, Qt::NoModifier, "32", {"32"}},
        {"up from text that is no number", "abc", Qt::Key_Up, Qt::NoModifier, "1", {"1"}},
        {"page up does nothing", "5", Qt::Key_PageUp, Qt::NoModifier, "5", {}},
        {"page down does nothing", "5", Qt::Key_PageDown, Qt::NoModifier, "5", {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SpinWindow w;
        w.spin->SetText(row.start);
        w.changes.clear();
        UserInput::PressKey(w.window(), row.key, row.modifiers);
        EXPECT_EQ(w.spin->Text(), row.text);
        EXPECT_EQ(w.changes, row.changes);
    }
}

TEST(SpinEdit, ArrowButtonsStep) {
    SpinWindow w;
    w.spin->SetValue(7);
    w.changes.clear();
    auto* box = static_cast<QAbstractSpinBox*>(w.spin->Widget());
    QStyleOptionSpinBox option;
    option.initFrom(box);
    option.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
    option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
    option.buttonSymbols = box->buttonSymbols();
    option.frame = box->hasFrame();
    const QRect up =
        box->style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, box);
    const QRect down =
        box->style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxDown, box);
    UserInput::Click(box, up.center());
    EXPECT_EQ(w.spin->Text(), "8");
    UserInput::Click(box, down.center());
    UserInput::Click(box, down.center());
    EXPECT_EQ(w.spin->Text(), "6");
    EXPECT_EQ(w.changes, (Changes{"8", "7", "6"}));
}

TEST(SpinEdit, FocusOutClampsAndWritesBack) {
    struct Row {
        const char* name;
        const char* typed;
        const char* text;
        Changes changes;
    };
    const Row rows[] = {
        {"above the range", "45", "32", {"4", "45", "32"}},
        {"inside the range stays", "12", "12", {"1", "12"}},
        {"a lone sign reads as the minimum", "-", "0", {"-", "0"}},
        {"below the range", "-7", "0", {"-", "-7", "0"}},
        {"leading zeros normalised", "007", "7", {"0", "00", "007", "7"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SpinWindow w;
        w.spin->SetText("");
        w.changes.clear();
        UserInput::TypeText(w.window(), row.typed);
        w.after->SetFocus();
        EXPECT_EQ(w.spin->Text(), row.text);
        EXPECT_EQ(w.changes, row.changes);
        if (std::string(row.typed) != row.text) {
            EXPECT_EQ(w.editor()->cursorPosition(), static_cast<int>(std::string(row.text).size()))
                << "rewritten";
        }
    }
}

TEST(SpinEdit, AnotherWindowTakingTheKeyboardIsNotLeaving) {
    SpinWindow w;
    UserInput::TypeText(w.window(), "45");
    TForm other("Other");
    other.SetClientSize(100, 50);
    ASSERT_TRUE(UserInput::ShowAndActivate(other.Widget()));
    EXPECT_EQ(w.spin->Text(), "045");
    ASSERT_TRUE(UserInput::ShowAndActivate(w.window()));
    EXPECT_EQ(w.form.ActiveControl(), w.spin);
    w.after->SetFocus();
    EXPECT_EQ(w.spin->Text(), "32");
}

TEST(SpinEdit, TypedValueIsReadAsTypedUntilFocusLeaves) {
    SpinWindow w;
    UserInput::PressKey(w.window(), Qt::Key_End);
    UserInput::TypeText(w.window(), "512");
    EXPECT_EQ(w.spin->Text(), "0512");
    EXPECT_EQ(w.spin->Value(), 512);
    UserInput::PressKey(w.window(), Qt::Key_Tab);
    EXPECT_EQ(w.spin->Value(), 32);
}

TEST(SpinEdit, TabSelectsAllAndTypingReplacesWithoutPreview) {
    SpinWindow w;
    w.spin->SetValue(12);
    w.before->SetFocus();
    UserInput::PressKey(w.window(), Qt::Key_Tab);
    ASSERT_EQ(w.form.ActiveControl(), w.spin);
    EXPECT_EQ(w.spin->SelStart(), 0);
    EXPECT_EQ(w.spin->SelLength(), 2);
    UserInput::TypeText(w.window(), "5");
    EXPECT_EQ(w.spin->Text(), "5");
    EXPECT_EQ(w.spin->SelStart(), 1);

    // A window key handler that empties the selection first puts the digit in front.
    w.spin->SetValue(12);
    w.before->SetFocus();
    UserInput::PressKey(w.window(), Qt::Key_Tab);
    w.form.OnKeyDown = [&](TObject*, uint16_t&, TShiftState) {
        if (w.form.ActiveControl() == w.spin && w.spin->SelLength() > 0) w.spin->SetSelLength(0);
    };
    UserInput::TypeText(w.window(), "5");
    EXPECT_EQ(w.spin->Text(), "512");
}

TEST(SpinEdit, ClickFocusSelectsNothing) {
    SpinWindow w;
    w.spin->SetValue(12);
    w.before->SetFocus();
    UserInput::Click(w.editor(), QPoint(3, w.editor()->height() / 2));
    EXPECT_EQ(w.form.ActiveControl(), w.spin);
    EXPECT_EQ(w.spin->SelLength(), 0);
}

TEST(SpinEdit, SelectionLength) {
    SpinWindow w;
    w.spin->SetText("1234");
    w.editor()->setSelection(1, 2);
    EXPECT_EQ(w.spin->SelStart(), 1);
    EXPECT_EQ(w.spin->SelLength(), 2);
    w.spin->SetSelLength(3);
    EXPECT_EQ(w.spin->SelStart(), 1);
    EXPECT_EQ(w.spin->SelLength(), 3);
    w.spin->SetSelLength(0);
    EXPECT_EQ(w.spin->SelLength(), 0);
    EXPECT_EQ(w.editor()->cursorPosition(), 1);
    // Selected backwards (caret at the left end): the start is still the left end.
    w.editor()->setSelection(3, -2);
    EXPECT_EQ(w.spin->SelStart(), 1);
    w.spin->SetSelLength(0);
    EXPECT_EQ(w.editor()->cursorPosition(), 1);
}

TEST(SpinEdit, UserStepHandlerFailureIsReported) {
    SpinWindow w;
    UserInput::ErrorCapture errors;
    w.spin->OnChange = [](TObject*) { throw std::runtime_error("Сбой синтеза"); };
    UserInput::PressKey(w.window(), Qt::Key_Up);
    UserInput::TypeText(w.window(), "3");
    EXPECT_EQ(errors.messages, (std::vector<std::string>{"Сбой синтеза.", "Сбой синтеза."}));
    EXPECT_EQ(w.spin->Text(), "13");
}

} // namespace
