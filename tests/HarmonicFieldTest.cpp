// The harmonic number field under real key presses, with automatic redrawing on: what the
// field shows after each key and which texts the synthesis runs it set off read.
#include "FormFixture.h"
#include "RowName.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>

namespace {

using Runs = std::vector<std::string>;

enum class Entry {
    CaretAtEnd,   // the field focused, caret behind the last character
    CaretAtStart, // the same with the caret in front
    Tab,          // tabbed into from the list, so all its text is selected
};

struct Step {
    const char* typed; // characters typed one key each, or
    Qt::Key key;       // one key press when typed is null
    Qt::KeyboardModifiers modifiers;
    const char* text; // the field afterwards
    Runs runs;        // the text each synthesis run of this step read
};

Step Type(const char* typed, const char* text, Runs runs) {
    return {typed, Qt::Key_unknown, {}, text, runs};
}
Step Press(Qt::Key key, const char* text, Runs runs, Qt::KeyboardModifiers modifiers = {}) {
    return {nullptr, key, modifiers, text, runs};
}

struct Row {
    const char* name;
    const char* start;
    Entry entry;
    std::vector<Step> steps;
};

const Row Rows[] = {
    {"zero then 3 and 2", "0", Entry::CaretAtEnd, {Type("3", "3", {"3"}), Type("2", "32", {"32"})}},
    {"zero with the caret in front then 3 and 2",
     "0",
     Entry::CaretAtStart,
     {Type("3", "3", {"3"}), Type("2", "32", {"32"})}},
    {"zero then 4 and 0", "0", Entry::CaretAtEnd, {Type("4", "4", {"4"}), Type("0", "40", {"40"})}},
    {"typing 0 over the placeholder changes nothing",
     "0",
     Entry::CaretAtEnd,
     {Type("0", "0", {}), Type("7", "7", {"7"})}},
    {"Tab-selected 12, then 5 and 1, then leaving",
     "12",
     Entry::Tab,
     {Type("5", "5", {"5"}), Type("1", "51", {"51"}), Press(Qt::Key_Tab, "32", {"32"})}},
    {"32, two Backspaces, then 4",
     "32",
     Entry::CaretAtEnd,
     {Press(Qt::Key_Backspace, "3", {"3"}), Press(Qt::Key_Backspace, "0", {"0"}),
      Type("4", "4", {"4"})}},
    {"Backspace on the placeholder",
     "0",
     Entry::CaretAtEnd,
     {Press(Qt::Key_Backspace, "0", {}), Type("6", "6", {"6"})}},
    {"the Delete guard, then 9",
     "5",
     Entry::CaretAtStart,
     {Press(Qt::Key_Delete, "0", {"0"}), Press(Qt::Key_Delete, "0", {}), Type("9", "9", {"9"})}},
    {"Delete inside a longer text",
     "25",
     Entry::CaretAtStart,
     {Press(Qt::Key_Delete, "5", {"5"}), Type("1", "15", {"15"})}},
    {"9, then 0 and 7",
     "9",
     Entry::CaretAtEnd,
     {Type("0", "90", {"90"}), Type("7", "907", {"907"})}},
    {"Up, then a digit goes behind",
     "0",
     Entry::CaretAtEnd,
     {Press(Qt::Key_Up, "1", {"1"}), Type("5", "15", {"15"}), Press(Qt::Key_Down, "14", {"14"}),
      Type("2", "142", {"142"})}},
    {"a typed decimal point is cleaned away, the caret stays behind the 1",
     "0",
     Entry::CaretAtEnd,
     {Type("1", "1", {"1"}), Type(".", "1", {"1.", "1"}), Type("5", "15", {"15"})}},
    {"a sign typed over the selection",
     "12",
     Entry::Tab,
     {Type("-", "0", {"-", "0"}), Type("3", "3", {"3"})}},
    {"Backspace on the selection leaves the placeholder",
     "12",
     Entry::Tab,
     {Press(Qt::Key_Backspace, "0", {"0"}), Type("8", "8", {"8"})}},
    {"Ctrl+Backspace behind a whole number",
     "27",
     Entry::CaretAtEnd,
     {Press(Qt::Key_Backspace, "0", {"0"}, Qt::ControlModifier)}},
    {"cutting the selection takes nothing away",
     "12",
     Entry::Tab,
     {Press(Qt::Key_X, "12", {}, Qt::ControlModifier)}},
    {"pasting an empty clipboard over the selection",
     "12",
     Entry::Tab,
     {Press(Qt::Key_V, "12", {}, Qt::ControlModifier)}},
};

void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}

class HarmonicFieldTest : public FormFixture, public ::testing::WithParamInterface<Row> {
  protected:
    void SetUp() override {
        FormFixture::SetUp();
        ShowAndActivate();
        Choose(1);
        QTest::mouseClick(form->CheckBox3->Widget(), Qt::LeftButton, {}, QPoint(5, 8));
        ASSERT_TRUE(form->CheckBox2->Checked());
        const Fourier::Toolkit::TNotifyEvent synthesis = form->SSpeedButton->OnClick;
        form->SSpeedButton->OnClick = [this, synthesis](Fourier::Toolkit::TObject* sender) {
            runs.push_back(form->SpinEdit1->Text());
            synthesis(sender);
        };
    }

    void Enter(const char* start, Entry entry) {
        form->SpinEdit1->SetText(start);
        form->ComboBox1->SetFocus();
        if (entry == Entry::Tab) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            ASSERT_EQ(form->SpinEdit1->SelLength(), static_cast<int>(std::string(start).size()));
        } else {
            form->SpinEdit1->SetFocus();
            QTest::keyClick(QApplication::focusWidget(),
                            entry == Entry::CaretAtEnd ? Qt::Key_End : Qt::Key_Home);
        }
        ASSERT_EQ(form->ActiveControl(), form->SpinEdit1);
        runs.clear();
    }

    Runs runs;
};

TEST_P(HarmonicFieldTest, TypedDigitsBecomeTheNumber) {
    const Row& row = GetParam();
    QGuiApplication::clipboard()->clear();
    Enter(row.start, row.entry);
    for (const Step& step : row.steps) {
        const std::string what =
            step.typed ? std::string("typed ") + step.typed
                       : "key " + QKeySequence(step.key | step.modifiers).toString().toStdString();
        SCOPED_TRACE(what);
        if (step.typed)
            for (const char c : std::string(step.typed))
                QTest::keyClick(QApplication::focusWidget(), c);
        else
            QTest::keyClick(QApplication::focusWidget(), step.key, step.modifiers);
        EXPECT_EQ(form->SpinEdit1->Text(), step.text);
        EXPECT_EQ(runs, step.runs);
        runs.clear();
    }
    EXPECT_TRUE(errors.empty());
}

INSTANTIATE_TEST_SUITE_P(Keys, HarmonicFieldTest, ::testing::ValuesIn(Rows), RowName<Row>);

class HarmonicFieldCaretTest : public FormFixture {};

// The caret stands behind the last typed digit after every change the field makes itself.
TEST_F(HarmonicFieldCaretTest, FollowsTheTypedDigits) {
    ShowAndActivate();
    Choose(1);
    form->SpinEdit1->SetFocus();
    for (const char c : std::string("0321")) {
        QTest::keyClick(QApplication::focusWidget(), c);
        const int length = static_cast<int>(form->SpinEdit1->Text().size());
        EXPECT_EQ(form->SpinEdit1->SelStart(), length) << c;
        EXPECT_EQ(form->SpinEdit1->SelLength(), 0) << c;
    }
    EXPECT_EQ(form->SpinEdit1->Text(), "321");
}

} // namespace
