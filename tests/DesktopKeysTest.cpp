// The keys every desktop program has, beside the designed ones: F1 opens the help, Ctrl+Q
// quits as «Выход» does; and the help itself: every key named, its links and its example.
#include "ConfigFile.h"
#include "FormFixture.h"
#include "HelpWindow.h"
#include "UserInput.h"

#include <QFile>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextTable>

#include <map>

using namespace Fourier;

namespace {

// The help windows that are open, whoever owns them.
std::vector<QWidget*> VisibleHelpWindows() {
    std::vector<QWidget*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "HelpWindow" && w->isVisible()) found.push_back(w);
    return found;
}

QString HelpHtml() {
    QFile page(":/help/help.html");
    return page.open(QIODevice::ReadOnly) ? QString::fromUtf8(page.readAll()) : QString();
}

// Key name -> its description, from the help's table whose first heading is "Клавиша".
std::map<QString, QString> KeyTable(const QTextDocument& document) {
    std::map<QString, QString> keys;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QTextTable* table = QTextCursor(block).currentTable();
        if (!table || table->columns() != 2 ||
            table->cellAt(0, 0).firstCursorPosition().block().text() != "Клавиша")
            continue;
        for (int row = 1; row < table->rows(); ++row) {
            QTextCursor key = table->cellAt(row, 0).firstCursorPosition();
            key.setPosition(table->cellAt(row, 0).lastCursorPosition().position(),
                            QTextCursor::KeepAnchor);
            QTextCursor text = table->cellAt(row, 1).firstCursorPosition();
            text.setPosition(table->cellAt(row, 1).lastCursorPosition().position(),
                             QTextCursor::KeepAnchor);
            keys[key.selectedText()] = text.selectedText();
        }
        break;
    }
    return keys;
}

class DesktopKeysTest : public FormFixture {
  protected:
    void SetUp() override {
        FormFixture::SetUp();
        ShowAndActivate();
    }

    Fourier::HelpWindow* Help() {
        const auto windows = VisibleHelpWindows();
        return windows.size() == 1 ? qobject_cast<Fourier::HelpWindow*>(windows.front()) : nullptr;
    }
};

struct FocusRow {
    const char* name;
    const char* control; // null: no control holds the focus
};

const FocusRow FocusRows[] = {
    {"WaveformList", "ComboBox1"}, {"HarmonicField", "SpinEdit1"}, {"SumSwitch", "SCheckBox"},
    {"Slider", "TrackBar1"},       {"NoFocus", nullptr},
};

// The help is a window of its own: it takes the keyboard from the main window when shown.
// (qWaitForWindowActive cannot tell: a window counts as active while its owner is.)
bool HasTheKeyboard(QWidget* window) {
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

Toolkit::TControl* ControlNamed(TForm1& form, const char* name) {
    for (Toolkit::TControl* c : form.Controls())
        if (c->Name() == name) return c;
    return nullptr;
}

// Focus on a control, or on none, with a sine chosen so that every control is enabled.
void FocusOn(TForm1& form, const FocusRow& row) {
    if (row.control)
        ControlNamed(form, row.control)->SetFocus();
    else if (QWidget* focus = form.Widget()->focusWidget())
        focus->clearFocus();
}

TEST_F(DesktopKeysTest, F1OpensOneHelpWindowWhereverTheFocusIs) {
    Choose(0);
    form->SpinEdit1->SetText("5");
    const std::string harmonic = form->SpinEdit1->Text();
    const double firstSample = form->ReBuf[0];
    for (const FocusRow& row : FocusRows) {
        SCOPED_TRACE(row.name);
        FocusOn(*form, row);
        UserInput::PressKey(form->Widget(), Qt::Key_F1);
        Fourier::HelpWindow* help = Help();
        ASSERT_NE(help, nullptr);
        EXPECT_EQ(help->Browser()->source(), QUrl(Fourier::HelpWindow::Page));
        EXPECT_FALSE(help->Browser()->toPlainText().isEmpty());
        // Only the help opened: the designed handlers saw nothing.
        EXPECT_EQ(form->SpinEdit1->Text(), harmonic);
        EXPECT_EQ(form->ReBuf[0], firstSample);
        EXPECT_TRUE(form->Widget()->isVisible());
        ASSERT_TRUE(HasTheKeyboard(help));
        UserInput::PressKey(help, Qt::Key_Escape);
        EXPECT_TRUE(VisibleHelpWindows().empty());
        ASSERT_TRUE(UserInput::ShowAndActivate(form->Widget()));
    }
    EXPECT_TRUE(errors.empty());
}

TEST_F(DesktopKeysTest, CtrlQClosesTheWindowWhereverTheFocusIs) {
    for (const FocusRow& row : FocusRows) {
        SCOPED_TRACE(row.name);
        StartWindow(true);
        ShowAndActivate();
        Choose(0);
        FocusOn(*form, row);
        bool exitPressed = false;
        const Toolkit::TNotifyEvent exit = form->SpeedButton3->OnClick;
        form->SpeedButton3->OnClick = [&](Toolkit::TObject* sender) {
            exitPressed = true;
            exit(sender);
        };
        UserInput::PressKey(form->Widget(), Qt::Key_Q, Qt::ControlModifier);
        EXPECT_TRUE(exitPressed);
        EXPECT_FALSE(form->Widget()->isVisible());
    }
    EXPECT_TRUE(errors.empty());
}

TEST_F(DesktopKeysTest, HelpComesBackWhereTheReaderLeftIt) {
    UserInput::PressKey(form->Widget(), Qt::Key_F1);
    Fourier::HelpWindow* help = Help();
    ASSERT_NE(help, nullptr);
    help->Browser()->scrollToAnchor("config");
    const int place = help->Browser()->verticalScrollBar()->value();
    ASSERT_GT(place, 0);
    help->close();
    ASSERT_TRUE(UserInput::ShowAndActivate(form->Widget()));
    UserInput::PressKey(form->Widget(), Qt::Key_F1);
    ASSERT_EQ(Help(), help);
    EXPECT_EQ(help->Browser()->verticalScrollBar()->value(), place);
    Fourier::ShowHelp(form->Widget(), "lab");
    EXPECT_NE(help->Browser()->verticalScrollBar()->value(), place);
}

// Every key of the main window has its row in the help's table of keys.
TEST_F(DesktopKeysTest, HelpNamesEveryKeyOfTheMainWindow) {
    UserInput::PressKey(form->Widget(), Qt::Key_F1);
    ASSERT_NE(Help(), nullptr);
    const auto keys = KeyTable(*Help()->Browser()->document());
    for (const char* key :
         {"Enter", "Backspace", "Delete", "Alt+А", "Alt+С", "F1", "F2", "Ctrl+Q"}) {
        SCOPED_TRACE(key);
        const auto row = keys.find(QString::fromUtf8(key));
        ASSERT_NE(row, keys.end());
        EXPECT_GT(row->second.size(), 10);
    }
}

// The button the help says an accelerator presses is the one the window really presses.
TEST_F(DesktopKeysTest, HelpNamesTheButtonEachAcceleratorPresses) {
    Choose(1);
    UserInput::PressKey(form->Widget(), Qt::Key_F1);
    ASSERT_NE(Help(), nullptr);
    const auto keys = KeyTable(*Help()->Browser()->document());
    Help()->close();
    ASSERT_TRUE(UserInput::ShowAndActivate(form->Widget()));

    std::string pressed;
    for (Toolkit::TControl* c : form->Controls())
        if (auto* button = dynamic_cast<Toolkit::TButtonControl*>(c))
            button->OnClick = [&pressed, button](Toolkit::TObject*) {
                pressed = button->Caption();
            };
    for (const QChar letter : {QChar(u'А'), QChar(u'С')}) {
        const QString key = QString("Alt+") + letter;
        SCOPED_TRACE(key.toStdString());
        pressed.clear();
        UserInput::PressAlt(form->Widget(), letter);
        ASSERT_FALSE(pressed.empty());
        const QString caption = QString::fromStdString(pressed).remove('&');
        const auto row = keys.find(key);
        ASSERT_NE(row, keys.end());
        // The first button quoted in the row is the one pressed.
        const QRegularExpressionMatch quoted = QRegularExpression("«([^»]+)»").match(row->second);
        ASSERT_TRUE(quoted.hasMatch());
        EXPECT_EQ(quoted.captured(1), caption);
    }
}

// The annotated example in the help is a valid file: read by the program's own reader it
// gives what the shipped velmora.cfg gives.
TEST_F(DesktopKeysTest, HelpsConfigurationExampleReadsAsTheShippedFile) {
    Fourier::ShowHelp(form->Widget());
    const QRegularExpressionMatch example =
        QRegularExpression("<pre><a name=\"velmora-example\"></a>(.*?)</pre>",
                           QRegularExpression::DotMatchesEverythingOption)
            .match(HelpHtml());
    ASSERT_TRUE(example.hasMatch());
    const std::string text = example.captured(1).replace("\n", "\r\n").toStdString();
    const TConfigResult fromHelp = ReadParamConfig(text);
    const TConfigResult shipped = LoadParamConfig(FOURIER_SOURCE_DIR "/velmora.cfg");
    ASSERT_EQ(shipped.ErrorCode, 0);
    EXPECT_EQ(fromHelp.ErrorCode, 0);
    EXPECT_EQ(fromHelp.Table, shipped.Table);
}

TEST_F(DesktopKeysTest, EveryLinkOfTheHelpLeadsToASection) {
    Fourier::ShowHelp(form->Widget());
    const QString html = HelpHtml();
    QStringList targets;
    for (const QRegularExpressionMatch& link :
         QRegularExpression("href=\"#([^\"]+)\"").globalMatch(html))
        targets << link.captured(1);
    ASSERT_GE(targets.size(), 10);
    for (const QString& target : targets) {
        SCOPED_TRACE(target.toStdString());
        EXPECT_TRUE(html.contains(QString("<a name=\"%1\"></a>").arg(target)));
    }
}

// What the help must explain beyond the main window's keys: the lab's views and keys,
// sound, the own formula, saving, the hands-on tools, and where the configuration is read.
TEST_F(DesktopKeysTest, HelpDescribesTheLabAndTheConfiguration) {
    Fourier::ShowHelp(form->Widget());
    const QString text = Help()->Browser()->toPlainText();
    const char* topics[] = {"«Сходимость»",
                            "«Остаток»",
                            "«Коэффициент»",
                            "«Спектр»",
                            "«Звук»",
                            "«Своя функция»",
                            "«Сохранить рисунок…»",
                            "«Копировать рисунок»",
                            "«Сохранить данные…»",
                            "«Сохранить звук…»",
                            "«Нарисовать»",
                            "«Коэффициенты»",
                            "Сборка ▶",
                            "Ctrl+C",
                            "Ctrl+S",
                            "Ctrl+Z",
                            "Ctrl+Shift+Z",
                            "Shift+цифра",
                            "Пробел",
                            "8,95 %",
                            "/usr/share/fourier/velmora.cfg",
                            "текущей рабочей папки"};
    for (const char* topic : topics) {
        SCOPED_TRACE(topic);
        EXPECT_TRUE(text.contains(QString::fromUtf8(topic)));
    }
}

} // namespace
