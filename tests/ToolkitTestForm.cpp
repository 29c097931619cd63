// The window: alignment of panel trees, key preview, accelerators, the dispatcher.
#include "Form.h"
#include "UserInput.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

using namespace Fourier::Toolkit;

namespace {

struct Box {
    int left, top, width, height;
    bool operator==(const Box&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Box& b) {
    return os << b.left << "," << b.top << " " << b.width << "x" << b.height;
}

Box RecordOf(const TControl* c) {
    return {c->Left(), c->Top(), c->Width(), c->Height()};
}
Box WidgetBoxOf(const TControl* c) {
    const QRect g = c->Widget()->geometry();
    return {g.x(), g.y(), g.width(), g.height()};
}

// The main window's panel tree, in its creation order.
struct PanelTree {
    TForm form{"Form1"};
    TPanel* Panel1 = form.Add<TPanel>(&form, "Panel1");
    TPanel* TopPanel = form.Add<TPanel>(&form, "TopPanel");
    TPanel* Panel5 = form.Add<TPanel>(&form, "Panel5");
    TImage* Image1 = form.Add<TImage>(TopPanel, "Image1");
    TPanel* Panel2 = form.Add<TPanel>(Panel1, "Panel2");
    TPanel* Panel3 = form.Add<TPanel>(Panel1, "Panel3");
    TImage* Image2 = form.Add<TImage>(Panel2, "Image2");
    TLabel* Label2 = form.Add<TLabel>(Panel3, "Label2");
    TPanel* Panel7 = form.Add<TPanel>(Panel3, "Panel7");
    TGroupBox* GroupBox1 = form.Add<TGroupBox>(Panel7, "GroupBox1");

    PanelTree() {
        form.SetClientSize(631, 453);
        Panel1->SetAlign(TAlign::alClient);
        TopPanel->SetHeight(233);
        TopPanel->SetAlign(TAlign::alTop);
        Panel5->SetHeight(31);
        Panel5->SetAlign(TAlign::alBottom);
        Image1->SetAlign(TAlign::alClient);
        Panel2->SetWidth(271);
        Panel2->SetAlign(TAlign::alRight);
        Panel2->SetBevelOuter(TBevel::bvLowered);
        Panel3->SetAlign(TAlign::alClient);
        Image2->SetAlign(TAlign::alClient);
        Label2->SetBounds(24, 79, 30, 13);
        Panel7->SetBevelOuter(TBevel::bvNone);
        Panel7->SetWidth(140);
        Panel7->SetAlign(TAlign::alRight);
        GroupBox1->SetAlign(TAlign::alClient);
    }
};

struct Placement {
    const char* name;
    Box box;
};

void ExpectPlacements(const TForm& form, std::initializer_list<Placement> rows) {
    for (const Placement& row : rows) {
        SCOPED_TRACE(row.name);
        const TControl* c = nullptr;
        for (const TControl* each : form.Controls())
            if (each->Name() == row.name) c = each;
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(RecordOf(c), row.box);
        EXPECT_EQ(WidgetBoxOf(c), row.box) << "the widget follows the record at once";
    }
}

TEST(Alignment, FirstLayoutWhileHidden) {
    PanelTree t;
    ASSERT_FALSE(t.form.Widget()->isVisible());
    ExpectPlacements(t.form, {
                                 {"TopPanel", {0, 0, 631, 233}},
                                 {"Image1", {1, 1, 629, 231}},
                                 {"Panel5", {0, 422, 631, 31}},
                                 {"Panel1", {0, 233, 631, 189}},
                                 {"Panel2", {359, 1, 271, 187}},
                                 {"Image2", {1, 1, 269, 185}},
                                 {"Panel3", {1, 1, 358, 187}},
                                 {"Panel7", {217, 1, 140, 185}},
                                 {"GroupBox1", {0, 0, 140, 185}},
                                 {"Label2", {24, 79, 30, 13}},
                             });
}

TEST(Alignment, FollowsEverySizeChangeAtOnce) {
    PanelTree t;
    t.form.SetClientSize(800, 600);
    ExpectPlacements(t.form, {{"Panel1", {0, 233, 800, 336}}, {"Panel5", {0, 569, 800, 31}}});
    t.Panel2->SetWidth(320);
    ExpectPlacements(t.form, {{"Panel2", {479, 1, 320, 334}}, {"Panel3", {1, 1, 478, 334}}});
    t.Panel7->SetWidth(191);
    t.TopPanel->SetHeight(360);
    ExpectPlacements(t.form, {
                                 {"TopPanel", {0, 0, 800, 360}},
                                 {"Image1", {1, 1, 798, 358}},
                                 {"Panel1", {0, 360, 800, 209}},
                                 {"Panel2", {479, 1, 320, 207}},
                                 {"Image2", {1, 1, 318, 205}},
                                 {"Panel3", {1, 1, 478, 207}},
                                 {"Panel7", {286, 1, 191, 205}},
                                 {"GroupBox1", {0, 0, 191, 205}},
                                 {"Label2", {24, 79, 30, 13}},
                             });
    t.form.Show();
    ExpectPlacements(t.form, {{"Panel3", {1, 1, 478, 207}}});
}

TEST(Alignment, HiddenControlsTakeNoSpace) {
    PanelTree t;
    t.Panel5->SetVisible(false);
    ExpectPlacements(t.form, {{"Panel1", {0, 233, 631, 220}}});
    t.Panel2->SetVisible(false);
    ExpectPlacements(t.form, {{"Panel3", {1, 1, 629, 218}}});
    EXPECT_FALSE(t.Panel2->Visible());
    t.Panel5->SetVisible(true);
    ExpectPlacements(t.form, {{"Panel1", {0, 233, 631, 189}}});
}

TEST(Alignment, LeftAndRightShareTheMiddleBand) {
    TForm form("F");
    auto* top = form.Add<TPanel>(&form, "Top");
    auto* left = form.Add<TPanel>(&form, "Left");
    auto* right = form.Add<TPanel>(&form, "Right");
    auto* left2 = form.Add<TPanel>(&form, "Left2");
    auto* fill = form.Add<TPanel>(&form, "Fill");
    auto* bottom = form.Add<TPanel>(&form, "Bottom");
    form.SetClientSize(300, 200);
    fill->SetAlign(TAlign::alClient);
    right->SetWidth(30);
    right->SetAlign(TAlign::alRight);
    left->SetWidth(20);
    left->SetAlign(TAlign::alLeft);
    left2->SetWidth(25);
    left2->SetAlign(TAlign::alLeft);
    top->SetHeight(40);
    top->SetAlign(TAlign::alTop);
    bottom->SetHeight(10);
    bottom->SetAlign(TAlign::alBottom); // created last, still placed before the sides
    ExpectPlacements(form, {
                               {"Top", {0, 0, 300, 40}},
                               {"Bottom", {0, 190, 300, 10}},
                               {"Left", {0, 40, 20, 150}},
                               {"Left2", {20, 40, 25, 150}},
                               {"Right", {270, 40, 30, 150}},
                               {"Fill", {45, 40, 225, 150}},
                           });
}

TEST(Form, WindowIsFixedCentredAndUsesThePixelFont) {
    TForm form("Form1");
    form.SetCaption("Анализ  и синтез Фурье");
    form.SetClientSize(631, 453);
    form.SetClientSize(800, 600);
    QWidget* w = form.Widget();
    EXPECT_EQ(form.Caption(), "Анализ  и синтез Фурье");
    EXPECT_EQ(w->windowTitle(), QString::fromUtf8("Анализ  и синтез Фурье"));
    EXPECT_EQ(w->minimumSize(), QSize(800, 600));
    EXPECT_EQ(w->maximumSize(), QSize(800, 600));
    EXPECT_EQ(form.Width(), 800);
    EXPECT_EQ(form.Height(), 600);
    const Qt::WindowFlags flags = w->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(w->font().pixelSize(), 11);
    form.Show();
    const QRect available = w->screen()->availableGeometry();
    const QPoint expected(available.x() + (available.width() - 800) / 2,
                          available.y() + (available.height() - 600) / 2);
    EXPECT_EQ(w->pos(), expected);
    EXPECT_TRUE(form.Visible());
    w->close(); // the title bar's close box
    EXPECT_FALSE(w->isVisible());
    EXPECT_FALSE(form.Visible());
}

TEST(Form, ApplicationStyleAndFont) {
    EXPECT_EQ(QApplication::style()->name().toLower(), "fusion");
    EXPECT_EQ(QApplication::font().pixelSize(), 11);
    // 11 pixels whatever the DPI, in the face measured to fit the window's captions.
    EXPECT_EQ(QFontInfo(DefaultFont()).family(), "PT Sans");
    EXPECT_EQ(QFontInfo(DefaultFont()).pixelSize(), 11);
}

TEST(Form, ClosingTheLastWindowEndsTheLoop) {
    TForm form("Form1");
    form.SetClientSize(100, 80);
    auto* button = form.Add<TButton>(&form, "Exit");
    button->SetBounds(5, 5, 60, 25);
    button->OnClick = [&](TObject*) { form.Close(); };
    ASSERT_TRUE(UserInput::ShowAndActivate(form.Widget()));
    QTimer::singleShot(0, [&] { UserInput::Click(button->Widget()); });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    bool timedOut = false;
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        timedOut = true;
        QApplication::quit();
    });
    watchdog.start(5000);
    EXPECT_EQ(Application::Run(), 0);
    EXPECT_FALSE(timedOut);
    EXPECT_FALSE(form.Widget()->isVisible());
}

TEST(Form, HintsAreToolTips) {
    TForm form("F");
    auto* b = form.Add<TSpeedButton>(&form, "ASpeedButton");
    b->SetHint("построить график и спектр");
    EXPECT_EQ(b->Widget()->toolTip(), QString::fromUtf8("построить график и спектр"));
    EXPECT_EQ(b->Widget()->objectName(), "ASpeedButton");
}

// A window with an edit, a check box and a second edit, all logging what reaches them.
struct KeyWindow {
    TForm form{"Form1"};
    TEdit* edit = form.Add<TEdit>(&form, "Edit1");
    TCheckBox* check = form.Add<TCheckBox>(&form, "Check1");
    TEdit* other = form.Add<TEdit>(&form, "Edit2");
    std::vector<std::string> log;

    KeyWindow() {
        form.SetClientSize(300, 120);
        edit->SetBounds(5, 5, 120, 21);
        check->SetBounds(5, 40, 120, 17);
        other->SetBounds(5, 70, 120, 21);
        form.OnKeyDown = [this](TObject* sender, uint16_t& key, TShiftState shift) {
            EXPECT_EQ(sender, &form);
            log.push_back("down " + std::to_string(key) + (shift & ssShift ? " shift" : ""));
        };
        form.OnKeyPress = [this](TObject*, char16_t& c) {
            log.push_back("press " + QString(QChar(c)).toStdString());
        };
        edit->OnChange = [this](TObject*) { log.push_back("change " + edit->Text()); };
        EXPECT_TRUE(UserInput::ShowAndActivate(form.Widget()));
        edit->SetFocus();
    }
    QWidget* window() { return form.Widget(); }
};

using Log = std::vector<std::string>;

TEST(KeyPreview, FormSeesTheKeyBeforeTheControl) {
    struct Row {
        const char* name;
        std::function<void(QWidget*)> act;
        Log expected;
    };
    const Row rows[] = {
        {"letter",
         [](QWidget* w) { UserInput::TypeText(w, "a"); },
         {"down 65", "press a", "change a"}},
        {"capital",
         [](QWidget* w) { UserInput::TypeText(w, "A"); },
         {"down 65", "press A", "change A"}},
        {"modifier keys are keys too",
         [](QWidget* w) { UserInput::PressKey(w, Qt::Key_Home, Qt::ShiftModifier); },
         {"down 16 shift", "down 36 shift"}},
        {"digit",
         [](QWidget* w) { UserInput::TypeText(w, "7"); },
         {"down 55", "press 7", "change 7"}},
        {"cyrillic letter",
         [](QWidget* w) { UserInput::TypeText(w, "ж"); },
         {"down 1046", "press ж", "change ж"}},
        {"enter",
         [](QWidget* w) { UserInput::PressKey(w, Qt::Key_Return); },
         {"down 13", "press \r"}},
        {"escape",
         [](QWidget* w) { UserInput::PressKey(w, Qt::Key_Escape); },
         {"down 27", "press \x1b"}},
        {"left arrow has no character",
         [](QWidget* w) { UserInput::PressKey(w, Qt::Key_Left); },
         {"down 37"}},
        {"down arrow", [](QWidget* w) { UserInput::PressKey(w, Qt::Key_Down); }, {"down 40"}},
        {"delete has no character",
         [](QWidget* w) { UserInput::PressKey(w, Qt::Key_Delete); },
         {"down 46"}},
        // Function keys carry the desktop's codes, F1 = 112 up to F12 = 123.
        {"F1", [](QWidget* w) { UserInput::PressKey(w, Qt::Key_F1); }, {"down 112"}},
        {"F12", [](QWidget* w) { UserInput::PressKey(w, Qt::Key_F12); }, {"down 123"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        KeyWindow k;
        row.act(k.window());
        EXPECT_EQ(k.log, row.expected);
    }
}

TEST(KeyPreview, BackspaceReachesTheEditAfterBothHandlers) {
    KeyWindow k;
    UserInput::TypeText(k.window(), "ab");
    k.log.clear();
    UserInput::PressKey(k.window(), Qt::Key_Backspace);
    EXPECT_EQ(k.log, (Log{"down 8", "press \b", "change a"}));
}

TEST(KeyPreview, CharacterReplacedOrDiscarded) {
    KeyWindow k;
    k.form.OnKeyPress = [&](TObject*, char16_t& c) {
        if (c == u'a') c = u'b';
        if (c == u'z') c = 0;
        if (c == u'ю') c = u'я';
    };
    UserInput::TypeText(k.window(), "azcю");
    EXPECT_EQ(k.edit->Text(), "bcя");
}

TEST(KeyPreview, KeyDownZeroSwallowsTheKey) {
    KeyWindow k;
    k.form.OnKeyDown = [&](TObject*, uint16_t& key, TShiftState) {
        k.log.push_back("down " + std::to_string(key));
        if (key == 'Q') key = 0;
    };
    UserInput::TypeText(k.window(), "qwq");
    EXPECT_EQ(k.edit->Text(), "w");
    EXPECT_EQ(k.log, (Log{"down 81", "down 87", "press w", "change w", "down 81"}));
}

TEST(KeyPreview, HandlerChangingTheTextBeforeTheKeyArrives) {
    // KeyDown rewrites the text (caret to the start), then the key edits that text.
    struct Row {
        const char* name;
        Qt::Key key;
        const char* result;
    };
    const Row rows[] = {{"backspace at the start deletes nothing", Qt::Key_Backspace, "hello"},
                        {"delete removes the first character", Qt::Key_Delete, "ello"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        KeyWindow k;
        UserInput::TypeText(k.window(), "xy");
        k.form.OnKeyDown = [&](TObject*, uint16_t&, TShiftState) { k.edit->SetText("hello"); };
        UserInput::PressKey(k.window(), row.key);
        EXPECT_EQ(k.edit->Text(), row.result);
    }
}

TEST(KeyPreview, KeysOfAnotherWindowAreNotSeen) {
    KeyWindow k;
    TForm second("Second");
    second.SetClientSize(100, 50);
    auto* edit = second.Add<TEdit>(&second, "E");
    edit->SetBounds(0, 0, 90, 21);
    ASSERT_TRUE(UserInput::ShowAndActivate(second.Widget()));
    edit->SetFocus();
    UserInput::TypeText(second.Widget(), "q");
    EXPECT_TRUE(k.log.empty());
    EXPECT_EQ(edit->Text(), "q");
}

TEST(KeyPreview, NoFocusedControlTheWindowItselfCounts) {
    TForm form("F");
    form.SetClientSize(100, 50);
    Log log;
    form.OnKeyDown = [&](TObject*, uint16_t& key, TShiftState) {
        log.push_back("down " + std::to_string(key));
    };
    ASSERT_TRUE(UserInput::ShowAndActivate(form.Widget()));
    EXPECT_EQ(form.ActiveControl(), nullptr);
    UserInput::PressKey(form.Widget(), Qt::Key_Return);
    EXPECT_EQ(log, (Log{"down 13"}));
}

TEST(KeyPreview, FailingHandlerEndsTheKey) {
    KeyWindow k;
    UserInput::ErrorCapture errors;
    k.form.OnKeyPress = [](TObject*, char16_t&) {
        throw std::runtime_error("Ошибка в обработчике");
    };
    UserInput::TypeText(k.window(), "a");
    EXPECT_EQ(k.edit->Text(), "");
    EXPECT_EQ(errors.messages, (std::vector<std::string>{"Ошибка в обработчике."}));
}

// Bottom bar with the three accelerated buttons, in the window's creation order.
struct ButtonBar {
    TForm form{"Form1"};
    TPanel* bar = form.Add<TPanel>(&form, "Panel5");
    TSpeedButton* analysis = form.Add<TSpeedButton>(bar, "ASpeedButton");
    TSpeedButton* synthesis = form.Add<TSpeedButton>(bar, "SSpeedButton");
    TPanel* group = form.Add<TPanel>(&form, "Panel7");
    TSpeedButton* reset = form.Add<TSpeedButton>(group, "SpeedButton2");
    TEdit* edit = form.Add<TEdit>(&form, "Edit");
    Log log;

    ButtonBar() {
        form.SetClientSize(400, 100);
        bar->SetBounds(0, 60, 400, 31);
        analysis->SetBounds(184, 3, 65, 25);
        synthesis->SetBounds(248, 3, 73, 25);
        group->SetBounds(0, 0, 200, 40);
        reset->SetBounds(5, 5, 57, 25);
        edit->SetBounds(250, 5, 100, 21);
        analysis->SetCaption("&Анализ");
        synthesis->SetCaption("&Синтез");
        reset->SetCaption("&Сброс");
        for (TSpeedButton* b : {analysis, synthesis, reset})
            b->OnClick = [this](TObject* sender) {
                log.push_back(static_cast<TControl*>(sender)->Name());
            };
        form.OnKeyDown = [this](TObject*, uint16_t& key, TShiftState s) {
            log.push_back("down " + std::to_string(key) + (s & ssAlt ? " alt" : ""));
        };
        form.OnKeyPress = [this](TObject*, char16_t&) { log.push_back("press"); };
        EXPECT_TRUE(UserInput::ShowAndActivate(form.Widget()));
        edit->SetFocus();
    }
};

TEST(Accelerators, AltLetterClicksTheFirstMatchingButton) {
    struct Row {
        const char* name;
        std::function<void(ButtonBar&)> setup;
        QChar letter;
        Log expected;
    };
    const Row rows[] = {
        // The Alt key itself comes first, as a key of its own.
        {"shared letter: first in creation order",
         [](ButtonBar&) {},
         QChar(u'с'),
         {"down 18 alt", "SSpeedButton"}},
        {"capital typed the same", [](ButtonBar&) {}, QChar(u'С'), {"down 18 alt", "SSpeedButton"}},
        {"first disabled: the second",
         [](ButtonBar& b) { b.synthesis->SetEnabled(false); },
         QChar(u'с'),
         {"down 18 alt", "SpeedButton2"}},
        {"first hidden: the second",
         [](ButtonBar& b) { b.synthesis->SetVisible(false); },
         QChar(u'с'),
         {"down 18 alt", "SpeedButton2"}},
        {"parent of the first hidden: the second",
         [](ButtonBar& b) { b.bar->SetVisible(false); },
         QChar(u'с'),
         {"down 18 alt", "SpeedButton2"}},
        {"both unavailable: the form sees the key",
         [](ButtonBar& b) {
             b.synthesis->SetEnabled(false);
             b.group->SetVisible(false);
         },
         QChar(u'с'),
         {"down 18 alt", "down 1057 alt"}},
        {"unique letter", [](ButtonBar&) {}, QChar(u'а'), {"down 18 alt", "ASpeedButton"}},
        {"latin letter matches nothing",
         [](ButtonBar&) {},
         QChar(u'c'),
         {"down 18 alt", "down 67 alt"}},
        {"caption changed later",
         [](ButtonBar& b) { b.analysis->SetCaption("Ана&лиз"); },
         QChar(u'л'),
         {"down 18 alt", "ASpeedButton"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ButtonBar b;
        row.setup(b);
        UserInput::PressAlt(b.form.Widget(), row.letter);
        EXPECT_EQ(b.log, row.expected);
        EXPECT_EQ(b.edit->Text(), "");
    }
}

TEST(Accelerators, CaptionLetters) {
    struct Row {
        const char* caption;
        char16_t letter;
    };
    const Row rows[] = {{"&Синтез", u'С'}, {"&сброс", u'С'}, {"Выход", 0}, {"a&&b", 0},
                        {"&&a&b", u'B'},   {"&x", u'X'},     {"end&", 0},  {"Ан&ализ", u'А'}};
    TForm form("F");
    auto* b = form.Add<TButton>(&form, "B");
    for (const Row& row : rows) {
        b->SetCaption(row.caption);
        EXPECT_EQ(b->Accelerator(), row.letter) << row.caption;
        EXPECT_EQ(b->Caption(), row.caption);
        EXPECT_TRUE(static_cast<QAbstractButton*>(b->Widget())->shortcut().isEmpty())
            << row.caption;
    }
}

TEST(Dispatcher, ExceptionInANestedHandlerEndsTheChainAndTheLoopGoesOn) {
    TForm form("F");
    form.SetClientSize(200, 100);
    auto* button = form.Add<TButton>(&form, "Button");
    auto* check = form.Add<TCheckBox>(&form, "Check");
    button->SetBounds(5, 5, 80, 25);
    check->SetBounds(5, 40, 80, 17);
    Log log;
    check->OnClick = [&](TObject*) {
        log.push_back("check");
        if (check->Checked()) throw std::domain_error("Деление на ноль");
    };
    button->OnClick = [&](TObject*) {
        log.push_back("button");
        check->SetChecked(!check->Checked()); // fires the check box's handler directly
        log.push_back("button done");
    };
    UserInput::ErrorCapture errors;
    ASSERT_TRUE(UserInput::ShowAndActivate(form.Widget()));
    // Inside the running event loop, as a real click would arrive.
    QTimer::singleShot(0, [&] { UserInput::Click(button->Widget()); });
    QTimer::singleShot(20, [&] { UserInput::Click(button->Widget()); });
    QTest::qWait(100);
    EXPECT_EQ(log, (Log{"button", "check", "button", "check", "button done"}));
    EXPECT_EQ(errors.messages, (std::vector<std::string>{"Деление на ноль."}));
    EXPECT_FALSE(check->Checked());
}

TEST(Dispatcher, DefaultReporterShowsTheErrorBox) {
    TForm form("F");
    form.SetClientSize(200, 100);
    ASSERT_TRUE(UserInput::ShowAndActivate(form.Widget()));
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer::singleShot(50, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            box->accept();
        }
    });
    Dispatch([] { throw std::overflow_error("Переполнение"); });
    EXPECT_EQ(title, QString::fromUtf8("Фурье"));
    EXPECT_EQ(text, QString::fromUtf8("Переполнение."));
    EXPECT_EQ(icon, QMessageBox::Critical);
}

// The reporter a lab pane or a picture's menu holds by default: the same box, over its own
// window rather than whichever is active.
TEST(ErrorReport, MessageBoxReporterShowsTheBoxOverItsWindow) {
    QWidget owner, other;
    ASSERT_TRUE(UserInput::ShowAndActivate(&owner));
    ASSERT_TRUE(UserInput::ShowAndActivate(&other)); // the active window is another one
    QWidget* parent = nullptr;
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer::singleShot(50, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            parent = box->parentWidget();
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            box->accept();
        }
    });
    const TErrorReporter report = MessageBoxReporter(&owner);
    report("Файл не найден.");
    EXPECT_EQ(parent, &owner);
    EXPECT_EQ(title, QString::fromUtf8("Фурье"));
    EXPECT_EQ(text, QString::fromUtf8("Файл не найден."));
    EXPECT_EQ(icon, QMessageBox::Critical);
}

TEST(Dispatcher, FullStopRule) {
    struct Row {
        const char* message;
        const char* shown;
    };
    const Row rows[] = {
        {"Деление на ноль", "Деление на ноль."},
        {"Ends with a stop.", "Ends with a stop."},
        {"", ""},
        {"Loud!", "Loud!"},    // '!' sorts before '.'
        {"Dash-", "Dash-"},    // so does '-'
        {"Slash/", "Slash/."}, // '/' sorts after '.'
        {"Code 2", "Code 2."},
    };
    for (const Row& row : rows)
        EXPECT_EQ(WithFullStop(row.message), row.shown) << row.message;
}

TEST(Dispatcher, AnythingThrownIsCaught) {
    UserInput::ErrorCapture errors;
    Dispatch([] { throw 42; });
    EXPECT_EQ(errors.messages.size(), 1u);
}

TEST(ActiveControl, FollowsTheKeyboardFocus) {
    TForm form("F");
    form.SetClientSize(200, 120);
    auto* spin = form.Add<TSpinEdit>(&form, "SpinEdit1");
    auto* edit = form.Add<TEdit>(&form, "Edit");
    auto* speed = form.Add<TSpeedButton>(&form, "Speed");
    spin->SetBounds(5, 5, 121, 22);
    edit->SetBounds(5, 40, 100, 21);
    speed->SetBounds(5, 70, 60, 25);
    ASSERT_TRUE(UserInput::ShowAndActivate(form.Widget()));
    EXPECT_EQ(form.ActiveControl(), spin) << "the first in tab order takes the focus";
    edit->SetFocus();
    spin->SetFocus();
    EXPECT_EQ(form.ActiveControl(), spin);
    EXPECT_TRUE(spin->Focused());
    edit->SetFocus();
    EXPECT_EQ(form.ActiveControl(), edit);
    EXPECT_FALSE(spin->Focused());
    spin->Widget()->findChild<QLineEdit*>()->setFocus(); // the inner editor
    EXPECT_EQ(form.ActiveControl(), spin);
    UserInput::Click(speed->Widget()); // flat buttons never take the focus
    EXPECT_EQ(form.ActiveControl(), spin);
}

} // namespace
