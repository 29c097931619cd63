// The smaller controls: what code changes fire, what user input fires, what is shown.
#include "Form.h"
#include "UserInput.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

using namespace Fourier::Toolkit;

namespace {

using Log = std::vector<std::string>;

struct Window {
    TForm form{"Form1"};
    Log log;
    Window() { form.SetClientSize(400, 300); }
    void Show() { EXPECT_TRUE(UserInput::ShowAndActivate(form.Widget())); }
    TNotifyEvent Logger(const std::string& what) {
        return [this, what](TObject*) { log.push_back(what); };
    }
};

TEST(CheckBox, CodeFiresOnlyOnARealChange) {
    struct Row {
        const char* name;
        bool start, set;
        Log expected;
    };
    const Row rows[] = {
        {"unchecked to checked", false, true, {"click"}},
        {"checked to unchecked", true, false, {"click"}},
        {"checked again", true, true, {}},
        {"unchecked again", false, false, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Window w;
        auto* box = w.form.Add<TCheckBox>(&w.form, "XCheckBox");
        box->SetChecked(row.start);
        box->OnClick = [&](TObject*) {
            w.log.push_back(box->Checked() == row.set ? "click" : "stale");
        };
        box->SetChecked(row.set);
        EXPECT_EQ(w.log, row.expected);
        EXPECT_EQ(box->Checked(), row.set);
    }
}

TEST(CheckBox, UserClickAndSpace) {
    Window w;
    auto* box = w.form.Add<TCheckBox>(&w.form, "SCheckBox");
    box->SetBounds(8, 60, 121, 17);
    box->SetCaption("Сумма гармоник");
    box->OnClick = [&](TObject*) { w.log.push_back(box->Checked() ? "on" : "off"); };
    w.Show();
    UserInput::Click(box->Widget(), QPoint(6, 8));
    box->SetFocus();
    UserInput::PressKey(w.form.Widget(), Qt::Key_Space);
    EXPECT_EQ(w.log, (Log{"on", "off"}));
    EXPECT_EQ(static_cast<QCheckBox*>(box->Widget())->text(), QString::fromUtf8("Сумма гармоник"));
}

TEST(Edit, CodeChangesPlaceTheCaretAndFireOnce) {
    Window w;
    auto* edit = w.form.Add<TEdit>(&w.form, "MinEdit");
    edit->OnChange = [&](TObject*) { w.log.push_back(edit->Text()); };
    edit->SetText("-1.5");
    edit->SetText("-1.5");
    edit->SetText("");
    edit->SetText("Синтез");
    EXPECT_EQ(w.log, (Log{"-1.5", "", "Синтез"}));
    EXPECT_EQ(static_cast<QLineEdit*>(edit->Widget())->cursorPosition(), 0);
    edit->SetReadOnly(true);
    EXPECT_TRUE(edit->ReadOnly());
    EXPECT_TRUE(static_cast<QLineEdit*>(edit->Widget())->isReadOnly());
}

TEST(Edit, ColorsAreApplied) {
    Window w;
    auto* edit = w.form.Add<TEdit>(&w.form, "E");
    edit->SetColor(clYellow);
    EXPECT_EQ(edit->Widget()->palette().color(QPalette::Base), QColor(255, 255, 0));
    edit->SetColor(clInactiveCaptionText); // a system colour resolves to something opaque
    EXPECT_EQ(edit->Widget()->palette().color(QPalette::Base).alpha(), 255);
}

struct ComboWindow : Window {
    TComboBox* combo = form.Add<TComboBox>(&form, "ComboBox1");
    ComboWindow() {
        combo->SetBounds(10, 5, 200, 19);
        combo->SetItems({"1. Синус", "2. Прямоугольник", "3. Треугольник"});
        combo->OnChange = [this](TObject*) {
            log.push_back(std::to_string(combo->ItemIndex()) + " " + combo->Text());
        };
        Show();
        combo->SetFocus();
    }
};

TEST(ComboBox, NothingSelectedAtFirst) {
    ComboWindow w;
    EXPECT_EQ(w.combo->ItemIndex(), -1);
    EXPECT_EQ(w.combo->Text(), "");
    EXPECT_FALSE(static_cast<QComboBox*>(w.combo->Widget())->isEditable());
}

TEST(ComboBox, KeyboardSelectionFiresEachStep) {
    ComboWindow w;
    UserInput::PressKey(w.form.Widget(), Qt::Key_Down);
    UserInput::PressKey(w.form.Widget(), Qt::Key_Down);
    UserInput::PressKey(w.form.Widget(), Qt::Key_Up);
    EXPECT_EQ(w.log, (Log{"0 1. Синус", "1 2. Прямоугольник", "0 1. Синус"}));
}

TEST(ComboBox, TextFromCodeSelectsMatchingItemsOnly) {
    struct Row {
        const char* name;
        const char* text;
        int index;
    };
    const Row rows[] = {
        {"an item", "3. Треугольник", 2},
        {"case is ignored", "2. прямоугольник", 1},
        {"free text has no effect", "9. Нечто", -1},
        {"a prefix is not an item", "1.", -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ComboWindow w;
        w.combo->SetText(row.text);
        EXPECT_EQ(w.combo->ItemIndex(), row.index);
        EXPECT_TRUE(w.log.empty()) << "code fires no change";
    }
}

struct SynthesisGroup : Window {
    TGroupBox* group = form.Add<TGroupBox>(&form, "GroupBox1");
    TLabel* label = form.Add<TLabel>(group, "Label4");
    TCheckBox* sum = form.Add<TCheckBox>(group, "SCheckBox");
    TCheckBox* hidden = form.Add<TCheckBox>(group, "CheckBox2");
    TRadioGroup* radio = form.Add<TRadioGroup>(group, "LRadioGroup");

    SynthesisGroup() {
        group->SetBounds(10, 10, 140, 185);
        group->SetCaption("Синтез");
        label->SetBounds(8, 16, 92, 13);
        label->SetCaption("Номер гармоники");
        sum->SetBounds(8, 60, 121, 17);
        hidden->SetBounds(8, 128, 129, 17);
        hidden->SetVisible(false);
        radio->SetBounds(8, 80, 105, 65);
        radio->SetCaption("Последняя:");
        radio->SetItems({"sin", "cos", "Не рисовать"});
        radio->SetItemIndex(0);
        group->OnClick = Logger("group");
        Show();
    }
};

TEST(GroupBox, ClickOnlyOnItsOwnFreeArea) {
    struct Row {
        const char* name;
        std::function<void(SynthesisGroup&)> click;
        Log expected;
    };
    const Row rows[] = {
        {"free area",
         [](SynthesisGroup& s) { UserInput::Click(s.group->Widget(), QPoint(120, 170)); },
         {"group"}},
        {"where a hidden control sits",
         [](SynthesisGroup& s) { UserInput::Click(s.group->Widget(), QPoint(130, 135)); },
         {"group"}},
        {"on a label",
         [](SynthesisGroup& s) { UserInput::Click(s.label->Widget(), QPoint(5, 5)); },
         {}},
        {"beside the radio buttons",
         [](SynthesisGroup& s) { UserInput::Click(s.radio->Widget(), QPoint(100, 60)); },
         {}},
        {"on the radio group's caption",
         [](SynthesisGroup& s) { UserInput::Click(s.radio->Widget(), QPoint(10, 3)); },
         {}},
        {"press inside, release outside",
         [](SynthesisGroup& s) {
             QTest::mousePress(s.group->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(120, 170));
             QTest::mouseRelease(s.group->Widget(), Qt::LeftButton, Qt::NoModifier,
                                 QPoint(300, 170));
         },
         {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SynthesisGroup s;
        row.click(s);
        EXPECT_EQ(s.log, row.expected);
    }
}

TEST(RadioGroup, ItemIndexAndLayout) {
    SynthesisGroup s;
    EXPECT_EQ(s.radio->ItemIndex(), 0);
    const auto buttons = s.radio->Widget()->findChildren<QRadioButton*>();
    ASSERT_EQ(buttons.size(), 3);
    EXPECT_TRUE(buttons[0]->isChecked());
    // One column: equal rows under the caption, all inside the box.
    EXPECT_EQ(buttons[0]->x(), buttons[2]->x());
    EXPECT_EQ(buttons[1]->y() - buttons[0]->y(), buttons[2]->y() - buttons[1]->y());
    EXPECT_LE(buttons[2]->geometry().bottom(), 64);
    UserInput::Click(buttons[2], QPoint(8, buttons[2]->height() / 2));
    EXPECT_EQ(s.radio->ItemIndex(), 2);
    struct Row {
        int set, read;
    };
    for (const Row row : {Row{1, 1}, Row{7, 2}, Row{-1, -1}, Row{-5, -1}, Row{0, 0}}) {
        s.radio->SetItemIndex(row.set);
        EXPECT_EQ(s.radio->ItemIndex(), row.read) << "set " << row.set;
    }
    EXPECT_TRUE(s.log.empty());
}

struct Buttons : Window {
    TPanel* bar = form.Add<TPanel>(&form, "Panel5");
    TSpeedButton* speed = form.Add<TSpeedButton>(bar, "ASpeedButton");
    TButton* push = form.Add<TButton>(&form, "Button1");
    TEdit* edit = form.Add<TEdit>(&form, "Edit");
    Buttons() {
        bar->SetBounds(0, 260, 400, 31);
        speed->SetBounds(184, 3, 65, 25);
        speed->SetCaption("&Анализ");
        push->SetBounds(10, 10, 80, 25);
        push->SetCaption("Построить");
        edit->SetBounds(10, 50, 80, 21);
        speed->OnClick = Logger("speed");
        push->OnClick = Logger("push");
        Show();
        edit->SetFocus();
    }
};

TEST(Buttons, ClickFromCodeRunsEvenWhenHiddenOrDisabled) {
    struct Row {
        const char* name;
        bool enabled, visible;
    };
    for (const Row row :
         {Row{"plain", true, true}, Row{"disabled", false, true}, Row{"hidden", true, false}}) {
        SCOPED_TRACE(row.name);
        Buttons b;
        b.push->SetEnabled(row.enabled);
        b.push->SetVisible(row.visible);
        b.speed->SetEnabled(row.enabled);
        b.push->Click();
        b.speed->Click();
        EXPECT_EQ(b.log, (Log{"push", "speed"}));
    }
}

TEST(Buttons, MouseClicksOnlyWhenEnabled) {
    Buttons b;
    UserInput::Click(b.speed->Widget());
    UserInput::Click(b.push->Widget());
    b.speed->SetEnabled(false);
    EXPECT_FALSE(b.speed->Enabled());
    UserInput::Click(b.speed->Widget());
    EXPECT_EQ(b.log, (Log{"speed", "push"}));
}

TEST(Buttons, SpeedButtonsNeverTakeTheFocusAndEnterIsNoDefault) {
    Buttons b;
    auto* tool = static_cast<QToolButton*>(b.speed->Widget());
    EXPECT_EQ(tool->focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(tool->autoRaise());
    b.push->SetDefault(true);
    UserInput::PressKey(b.form.Widget(), Qt::Key_Return);
    EXPECT_TRUE(b.log.empty());
    EXPECT_FALSE(static_cast<QPushButton*>(b.push->Widget())->isDefault());
}

TEST(Buttons, TabStopOff) {
    Buttons b;
    b.push->SetTabStop(false);
    EXPECT_FALSE(b.push->Widget()->focusPolicy() & Qt::TabFocus);
    b.push->SetTabStop(true);
    EXPECT_TRUE(b.push->Widget()->focusPolicy() & Qt::TabFocus);
}

TEST(Label, AutoSizeFitsTheCaption) {
    struct Row {
        const char* caption;
    };
    Window w;
    auto* label = w.form.Add<TLabel>(&w.form, "Label1");
    label->SetBounds(56, 30, 20, 13);
    for (const Row row : {Row{"Ширина верхнего основания"}, Row{"f(x)="}, Row{""}}) {
        SCOPED_TRACE(row.caption);
        label->SetCaption(row.caption);
        const QFontMetrics metrics(label->Widget()->font());
        const QString text = QString::fromUtf8(row.caption);
        EXPECT_EQ(label->Width(), metrics.horizontalAdvance(text));
        EXPECT_EQ(label->Height(), metrics.height());
        EXPECT_EQ(label->Widget()->geometry(), QRect(56, 30, label->Width(), label->Height()));
    }
    label->SetAutoSize(false);
    label->SetBounds(56, 30, 20, 13);
    label->SetCaption("Частота модуляции");
    EXPECT_EQ(label->Width(), 20);
}

TEST(Label, ClippedAtItsNeighbourInsteadOfRunningIntoIt) {
    Window w;
    auto* panel = w.form.Add<TPanel>(&w.form, "Panel3");
    panel->SetBounds(0, 0, 300, 200);
    auto* left = w.form.Add<TLabel>(panel, "Label2");
    auto* right = w.form.Add<TLabel>(panel, "Label3");
    auto* below = w.form.Add<TLabel>(panel, "Label1");
    auto* group = w.form.Add<TPanel>(panel, "Panel7");
    left->SetBounds(24, 79, 30, 13);
    right->SetBounds(136, 79, 9, 13);
    below->SetBounds(56, 120, 20, 13);
    group->SetWidth(100);
    group->SetAlign(TAlign::alRight); // its left edge is at 199 inside the bevel
    const std::string wide = "Отношение амплитуд Отношение амплитуд";
    const int wideWidth =
        QFontMetrics(left->Widget()->font()).horizontalAdvance(QString::fromStdString(wide));
    ASSERT_GT(wideWidth, 199 - 24);
    for (TLabel* label : {left, right, below})
        label->SetCaption(wide);
    EXPECT_EQ(left->Width(), 136 - 24) << "stops where the next label begins";
    EXPECT_EQ(right->Width(), 199 - 136) << "stops at the aligned panel";
    EXPECT_EQ(below->Width(), 199 - 56) << "the label above shares none of its rows";
    EXPECT_EQ(left->Widget()->width(), left->Width());
    EXPECT_EQ(left->Caption(), wide) << "only what is shown is clipped";

    right->SetVisible(false);
    EXPECT_EQ(left->Width(), 199 - 24) << "a hidden neighbour takes no room";
    group->SetVisible(false);
    EXPECT_EQ(left->Width(), std::min(wideWidth, 299 - 24)) << "up to the parent's bevel";
    left->SetCaption("Частота");
    EXPECT_EQ(left->Width(),
              QFontMetrics(left->Widget()->font()).horizontalAdvance(QString::fromUtf8("Частота")));
}

TEST(GroupBox, FrameRunsThroughTheMiddleOfTheCaption) {
    Window w;
    auto* group = w.form.Add<TGroupBox>(&w.form, "GroupBox1");
    group->SetBounds(10, 10, 140, 100);
    group->SetCaption("Синтез");
    w.Show();
    const QImage picture = group->Widget()->grab().toImage();
    const QRgb dark = group->Widget()->palette().color(QPalette::Dark).rgb();
    const QRgb light = group->Widget()->palette().color(QPalette::Light).rgb();
    const int middle = group->Widget()->fontMetrics().height() / 2;
    // Etched: a dark line with a light one beside it, on all four sides.
    EXPECT_EQ(picture.pixel(120, middle), dark);
    EXPECT_EQ(picture.pixel(120, middle + 1), light);
    EXPECT_EQ(picture.pixel(0, 50), dark);
    EXPECT_EQ(picture.pixel(1, 50), light);
    EXPECT_EQ(picture.pixel(120, 98), dark);
    EXPECT_EQ(picture.pixel(120, 99), light);
    // The caption interrupts the top line 8 pixels in.
    const int captionWidth =
        group->Widget()->fontMetrics().horizontalAdvance(QString::fromUtf8("Синтез"));
    int lineUnderCaption = 0;
    for (int x = 8; x < 8 + captionWidth; ++x)
        lineUnderCaption += picture.pixel(x, middle) == dark;
    EXPECT_EQ(lineUnderCaption, 0);
    EXPECT_EQ(picture.pixel(4, middle), dark);
}

TEST(Label, PlainTextCaption) {
    Window w;
    auto* label = w.form.Add<TLabel>(&w.form, "Label1");
    label->SetCaption("f(x)=<b>");
    EXPECT_EQ(label->Caption(), "f(x)=<b>");
    EXPECT_EQ(static_cast<QLabel*>(label->Widget())->textFormat(), Qt::PlainText);
}

QRgb ScreenPixel(QWidget* window, QPoint at) {
    return window->grab().toImage().pixel(at) & 0xFFFFFF;
}

TEST(Image, EmptyUntilDrawnThenShowsItsPicture) {
    Window w;
    auto* top = w.form.Add<TPanel>(&w.form, "TopPanel");
    auto* image = w.form.Add<TImage>(top, "Image1");
    top->SetBounds(0, 0, 400, 233);
    top->SetColor(clBlack);
    image->SetAlign(TAlign::alClient);
    w.Show();
    EXPECT_FALSE(image->HasPicture());
    EXPECT_EQ(ScreenPixel(w.form.Widget(), QPoint(200, 100)), 0x000000u)
        << "the panel shows through";

    TCanvas& canvas = image->Canvas();
    EXPECT_TRUE(image->HasPicture());
    EXPECT_EQ(image->Picture().size(), QSize(398, 231)) << "created at the control's size";
    EXPECT_EQ(canvas.Pixel(10, 10), clWhite);
    canvas.SetPenColor(clRed);
    canvas.MoveTo(0, 50);
    canvas.LineTo(398, 50);
    QTest::qWait(10);
    // The picture sits at the image's own origin, which is inside the panel's bevel.
    EXPECT_EQ(ScreenPixel(w.form.Widget(), QPoint(1 + 200, 1 + 50)), 0xFF0000u);
    EXPECT_EQ(ScreenPixel(w.form.Widget(), QPoint(1 + 200, 1 + 60)), 0xFFFFFFu);

    top->SetHeight(290); // the picture keeps its size; the rest shows the panel
    EXPECT_EQ(image->Picture().size(), QSize(398, 231));
    QTest::qWait(10);
    EXPECT_EQ(ScreenPixel(w.form.Widget(), QPoint(200, 270)), 0x000000u);
}

// A stretch asked for is shown as the bitmap stood when asked, whether the picture is next
// painted, read or drawn on, and whatever is drawn on the bitmap in between.
TEST(Image, StretchLaterShowsTheBitmapAsItWasWhenAsked) {
    Window w;
    auto* image = w.form.Add<TImage>(&w.form, "Image1");
    image->SetBounds(0, 0, 200, 100);
    w.Show();
    TBitmap graph;
    graph.SetWidth(100);
    graph.SetHeight(50);
    auto line = [&graph](TColor colour, int y) {
        graph.Canvas().SetPenColor(colour);
        graph.Canvas().MoveTo(0, y);
        graph.Canvas().LineTo(100, y);
    };
    line(clRed, 10);
    const uint64_t before = image->Version();
    image->StretchLater(graph);
    EXPECT_GT(image->Version(), before) << "a pending stretch counts as a change";
    line(clBlue, 30); // after the request: not part of the picture
    graph.Canvas().SetBrushColor(clYellow);
    graph.Canvas().FloodFill(0, 0, clAqua);
    QTest::qWait(10);
    // Source row 10 of 50 covers rows 20 and 21 of 100; row 30 would cover 60 and 61.
    EXPECT_EQ(ScreenPixel(w.form.Widget(), QPoint(100, 20)), 0xFF0000u);
    EXPECT_EQ(ScreenPixel(w.form.Widget(), QPoint(100, 21)), 0xFF0000u);
    EXPECT_EQ(ScreenPixel(w.form.Widget(), QPoint(100, 60)), 0xFFFFFFu);

    // Asked twice before it is shown: the second request is what the picture holds.
    image->StretchLater(graph); // all yellow now
    line(clGreen, 40);
    image->StretchLater(graph);
    const uint64_t asked = image->Version();
    EXPECT_EQ(image->Canvas().Pixel(5, 80), clGreen) << "read through the canvas";
    EXPECT_EQ(image->Canvas().Pixel(5, 5), clYellow);
    EXPECT_EQ(image->Version(), asked) << "carrying the stretch out is no further change";
    EXPECT_EQ(QColor(image->Picture().pixel(199, 99)).rgb() & 0xFFFFFFu, 0xFFFF00u);
}

TEST(Panel, BevelAndCaption) {
    Window w;
    auto* panel = w.form.Add<TPanel>(&w.form, "Panel2");
    panel->SetBounds(10, 10, 100, 50);
    auto* inside = w.form.Add<TPanel>(panel, "Inside");
    inside->SetAlign(TAlign::alClient);
    EXPECT_EQ(inside->Left(), 1);
    panel->SetBevelOuter(TBevel::bvNone);
    EXPECT_EQ(inside->Left(), 0) << "no bevel, no inset";
    EXPECT_EQ(inside->Width(), 100);
    panel->SetBevelOuter(TBevel::bvLowered);
    EXPECT_EQ(inside->Width(), 98);
}

} // namespace
