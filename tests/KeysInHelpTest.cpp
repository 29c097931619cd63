// The keyboard reaches everything in both windows: every key of an action or shortcut is
// listed in the key tables of the help in each language, the pictures' menu entries have keys
// of the window, and the lab's tabs past the tenth come up by keys. The help's two pages have
// the same sections, and the help window follows the language.
#include "ConfigFile.h"
#include "HelpWindow.h"
#include "LabFixture.h"
#include "LabLauncher.h"
#include "LabWindow.h"
#include "Lessons.h"
#include "PictureExport.h"
#include "TextsOnScreen.h"
#include "UserInput.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScrollBar>
#include <QShortcut>
#include <QTabWidget>
#include <QTextBrowser>

#include <functional>
#include <set>

namespace {

struct THelpPage {
    const char* File; // in app/help
    Fourier::TLanguage Language;
};
const THelpPage HelpPages[] = {{"help.html", Fourier::TLanguage::Russian},
                               {"help_en.html", Fourier::TLanguage::English}};

QString HelpHtml(const char* file) {
    QFile page(QStringLiteral(FOURIER_SOURCE_DIR "/app/help/") + file);
    EXPECT_TRUE(page.open(QIODevice::ReadOnly)) << file;
    return QString::fromUtf8(page.readAll());
}

// Every capture of pattern's first group, in the order of the page.
QStringList AllOf(const QString& html, const char* pattern) {
    QStringList found;
    for (const QRegularExpressionMatch& match : QRegularExpression(pattern).globalMatch(html))
        found << match.captured(1);
    return found;
}

// The keys the help's key tables list (<td class="key">), as key sequences. A cell lists
// keys separated by commas; "Ctrl+1 … Ctrl+9" stands for the nine between; the help's words
// for keys are Qt's names written out.
std::set<QKeySequence> KeysInHelp(const char* page) {
    const QString html = HelpHtml(page);
    const QList<std::pair<QString, QStringList>> words = {
        {"Пробел", {"Space"}},          {"Delete", {"Del"}},   {"Escape", {"Esc"}},
        {"Enter", {"Return", "Enter"}}, {"Page Up", {"PgUp"}}, {"Page Down", {"PgDown"}}};
    std::set<QKeySequence> keys;
    const auto add = [&](QString key) {
        QStringList spellings{key};
        for (const auto& [word, names] : words) {
            QStringList next;
            for (const QString& spelling : spellings) {
                if (!QRegularExpression("(^|\\+)" + word + "$").match(spelling).hasMatch()) {
                    next << spelling;
                    continue;
                }
                for (const QString& name : names)
                    next << spelling.left(spelling.size() - word.size()) + name;
            }
            spellings = next;
        }
        for (const QString& spelling : spellings) {
            const QKeySequence sequence =
                QKeySequence::fromString(spelling, QKeySequence::PortableText);
            if (sequence.count() == 1) keys.insert(sequence);
        }
    };
    const QRegularExpression cell("<td class=\"key\">(.*?)</td>",
                                  QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpression range("^(.*?)(\\d) … \\1(\\d)$");
    for (const QRegularExpressionMatch& match : cell.globalMatch(html)) {
        QString text = match.captured(1);
        text.remove(QRegularExpression("<[^>]*>")).replace('\n', ' ');
        for (const QString& item : text.split(',', Qt::SkipEmptyParts)) {
            const QString key = item.simplified();
            if (const QRegularExpressionMatch r = range.match(key); r.hasMatch()) {
                for (int digit = r.captured(2).toInt(); digit <= r.captured(3).toInt(); ++digit)
                    add(r.captured(1) + QString::number(digit));
            } else {
                add(key);
            }
        }
    }
    return keys;
}

// Every key an action, a shortcut or a button of this window answers to, with its owner.
std::map<QString, QString> KeysOf(QWidget* window) {
    std::map<QString, QString> keys;
    const auto add = [&](const QKeySequence& key, const QString& owner) {
        if (!key.isEmpty()) keys[key.toString(QKeySequence::PortableText)] = owner;
    };
    for (const QAction* action : window->findChildren<QAction*>())
        for (const QKeySequence& key : action->shortcuts())
            add(key, action->text());
    for (const QShortcut* shortcut : window->findChildren<QShortcut*>())
        for (const QKeySequence& key : shortcut->keys())
            add(key, shortcut->parent()->objectName());
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
        add(button->shortcut(), button->text());
    return keys;
}

class KeysInHelpTest : public LabFixture {
  protected:
    QWidget* Main() { return form->Widget(); }
    Fourier::LabWindow* Lab() {
        return qobject_cast<Fourier::LabWindow*>(Fourier::OpenedLab(Main()));
    }
    void OpenLab() {
        UserInput::PressKey(Main(), Qt::Key_F2);
        ASSERT_NE(Lab(), nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(Lab()));
    }
};

// In each language the windows' keys are those its page lists. A key still taken from a
// Russian text while English is on cannot be in the English page; the missing translation of
// that text is for the window's own language tests to find.
TEST_F(KeysInHelpTest, EveryKeyOfBothWindowsIsInTheHelpsKeyTables) {
    Fourier::InstallLessons(*form); // as the program does
    OpenLab();
    static const QRegularExpression cyrillic("\\p{Cyrillic}");
    for (const THelpPage& page : HelpPages) {
        SCOPED_TRACE(page.File);
        Fourier::UseLanguage(page.Language);
        QCoreApplication::processEvents();
        const std::set<QKeySequence> documented = KeysInHelp(page.File);
        ASSERT_GT(documented.size(), 40u) << "the help's key tables were not read";
        for (QWidget* window : {Main(), static_cast<QWidget*>(Lab())}) {
            const std::map<QString, QString> keys = KeysOf(window);
            std::string all;
            for (const auto& [key, owner] : keys)
                all += key.toStdString() + ' ';
            ASSERT_GT(keys.size(), 8u) << window->objectName().toStdString() << ": " << all;
            for (const auto& [key, owner] : keys) {
                if (page.Language == Fourier::TLanguage::English && key.contains(cyrillic))
                    continue;
                EXPECT_TRUE(
                    documented.count(QKeySequence::fromString(key, QKeySequence::PortableText)))
                    << key.toStdString() << " («" << owner.toStdString() << "», "
                    << window->objectName().toStdString() << ") is not in the help's key tables";
            }
        }
    }
    Fourier::UseLanguage(Fourier::TLanguage::Russian);
}

// The pages are one text in two languages: the same anchors and links in the same order (a
// section shown by its anchor exists in both), the same formulas of the waveforms, and the
// same configuration example, which reads as the shipped file.
TEST(HelpPages, HaveTheSameSectionsFormulasAndExample) {
    const QString russian = HelpHtml("help.html"), english = HelpHtml("help_en.html");
    const char* anchors = R"re(<a\s[^>]*name="([^"]+)")re";
    const char* ids = R"re(\sid="([^"]+)")re";
    const char* links = R"re(href="#([^"]+)")re";
    const QStringList sections = AllOf(russian, anchors);
    EXPECT_GE(sections.size(), 16);
    EXPECT_EQ(AllOf(english, anchors), sections);
    EXPECT_EQ(AllOf(english, ids), AllOf(russian, ids));
    EXPECT_EQ(AllOf(english, links), AllOf(russian, links));
    for (const QString& target : AllOf(english, links))
        EXPECT_TRUE(sections.contains(target)) << target.toStdString();

    const char* formula = R"re(<code class="waveform"([^<]*)</code>)re";
    QStringList russianFormulas = AllOf(russian, formula);
    russianFormulas.replaceInStrings("0,6", "0.6"); // the decimal point of English
    EXPECT_EQ(russianFormulas.size(), 3);
    EXPECT_EQ(AllOf(english, formula), russianFormulas);

    const Fourier::TConfigResult shipped =
        Fourier::LoadParamConfig(FOURIER_SOURCE_DIR "/velmora.cfg");
    ASSERT_EQ(shipped.ErrorCode, 0);
    for (const QString& html : {russian, english}) {
        const QStringList example =
            AllOf(html, R"re((?s)<pre><a name="velmora-example"></a>(.*?)</pre>)re");
        ASSERT_EQ(example.size(), 1);
        const Fourier::TConfigResult read =
            Fourier::ReadParamConfig(QString(example[0]).replace("\n", "\r\n").toStdString());
        EXPECT_EQ(read.ErrorCode, 0);
        EXPECT_EQ(read.Table, shipped.Table);
    }
}

// The open help changes its page and title with the language and stays at the reader's
// section, as far into it; back in Russian it is the very page it was.
TEST_F(KeysInHelpTest, HelpWindowFollowsTheLanguageAtTheReadersPlace) {
    Fourier::HelpWindow* help = Fourier::ShowHelp(Main());
    QTextBrowser* browser = help->Browser();
    QScrollBar* bar = browser->verticalScrollBar();
    const QString russian = browser->toPlainText(), title = help->windowTitle();
    ASSERT_EQ(browser->source(), QUrl(Fourier::HelpWindow::Page));
    // The top of a section in the page shown, as the browser scrolls to it.
    const auto top = [&](const char* anchor) {
        browser->scrollToAnchor(anchor);
        return bar->value();
    };
    struct TRow {
        const char* Section;
        const char* Next; // the anchor after it
        double Fraction;  // how far into the section the reader is
    };
    for (const TRow& row :
         {TRow{"keys", "lab", 0}, TRow{"sound", "own", 0.5}, TRow{"game", "config", 0.25}}) {
        SCOPED_TRACE(row.Section);
        const int ruTop = top(row.Section), ruNext = top(row.Next);
        bar->setValue(qRound(ruTop + row.Fraction * (ruNext - ruTop)));
        const int reading = bar->value();

        Fourier::UseLanguage(Fourier::TLanguage::English);
        QCoreApplication::processEvents();
        EXPECT_EQ(browser->source(), QUrl(Fourier::HelpWindow::EnglishPage));
        EXPECT_EQ(help->windowTitle(), "Help — Fourier");
        const QString english = browser->toPlainText();
        EXPECT_GT(english.size(), russian.size() / 2);
        EXPECT_EQ(FourierTest::WithCyrillic({{"text", QString(english).remove("Язык / Language")}}),
                  QString());
        const int shown = bar->value();
        const int enTop = top(row.Section), enNext = top(row.Next);
        ASSERT_GT(enNext, enTop);
        EXPECT_NEAR(shown, enTop + row.Fraction * (enNext - enTop), 1.5);
        bar->setValue(shown);

        Fourier::UseLanguage(Fourier::TLanguage::Russian);
        QCoreApplication::processEvents();
        EXPECT_EQ(browser->source(), QUrl(Fourier::HelpWindow::Page));
        EXPECT_EQ(help->windowTitle(), title);
        EXPECT_EQ(browser->toPlainText(), russian);
        EXPECT_NEAR(bar->value(), reading, 1.5);
    }
}

// The pictures take no focus: their menus' entries are keys of the main window.
TEST_F(KeysInHelpTest, PicturesMenuEntriesAnswerToTheirKeys) {
    Choose(1);
    QList<Fourier::PictureExport*> keeping;
    for (QWidget* picture : {form->Image1->Widget(), form->Image2->Widget()}) {
        EXPECT_EQ(picture->focusPolicy(), Qt::NoFocus);
        keeping << picture->findChild<Fourier::PictureExport*>(QString(),
                                                               Qt::FindDirectChildrenOnly);
        ASSERT_NE(keeping.last(), nullptr);
    }
    struct TRow {
        Qt::Key Key;
        int Picture; // whose dialog opens
        const char* Title;
    };
    const TRow rows[] = {{Qt::Key_F5, 0, "Сохранить рисунок"},
                         {Qt::Key_F6, 1, "Сохранить рисунок"},
                         {Qt::Key_F7, 0, "Сохранить данные"}};
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Title);
        QStringList asked[2];
        for (int i = 0; i < 2; ++i)
            keeping[i]->ChooseFile = [&asked, i](const QString& title, const QString&,
                                                 const QString&) {
                asked[i] << title;
                return QString();
            };
        UserInput::PressKey(Main(), row.Key);
        EXPECT_EQ(asked[row.Picture], QStringList{QString::fromUtf8(row.Title)});
        EXPECT_TRUE(asked[1 - row.Picture].isEmpty());
    }
    // Shift copies: the clipboard holds the picture of that key.
    for (const auto& [key, image] :
         {std::pair{Qt::Key_F5, form->Image1}, std::pair{Qt::Key_F6, form->Image2}}) {
        QApplication::clipboard()->clear();
        UserInput::PressKey(Main(), key, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
                  image->Picture().convertToFormat(QImage::Format_RGB32));
    }
    QApplication::clipboard()->clear();
}

TEST_F(KeysInHelpTest, TabsPastTheTenthComeUpByCtrlTabAndTheViewMenu) {
    OpenLab();
    QTabWidget* tabs = Lab()->Tabs();
    ASSERT_GT(tabs->count(), 10);
    UserInput::PressKey(Lab(), Qt::Key_0, Qt::ControlModifier);
    ASSERT_EQ(tabs->currentIndex(), 9);
    for (int index = 10; index < tabs->count(); ++index) {
        UserInput::PressKey(Lab(), Qt::Key_Tab, Qt::ControlModifier);
        EXPECT_EQ(tabs->currentIndex(), index) << tabs->tabText(index).toStdString();
    }
    // «Вид» lists every tab; its entries past the tenth bring theirs up.
    QMenu* view = nullptr;
    for (QAction* menu : Lab()->menuBar()->actions())
        if (menu->text() == "&Вид") view = menu->menu();
    ASSERT_NE(view, nullptr);
    for (int index = 10; index < tabs->count(); ++index) {
        QAction* entry = nullptr;
        for (QAction* action : view->actions())
            if (action->text() == tabs->tabText(index)) entry = action;
        ASSERT_NE(entry, nullptr) << tabs->tabText(index).toStdString();
        UserInput::PressKey(Lab(), Qt::Key_1, Qt::ControlModifier);
        entry->trigger();
        EXPECT_EQ(tabs->currentIndex(), index);
    }
}

} // namespace
