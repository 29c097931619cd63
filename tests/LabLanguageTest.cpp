// The lab in English beside Russian, switched live: every tab visited and a formula error
// shown, its window and panes speak English, and Russian comes back word for word; the
// language menu of its menu bar switches and remembers the choice.
#include "DrawPane.h"
#include "Form.h"
#include "LabFixture.h"
#include "LabLauncher.h"
#include "LabWindow.h"
#include "Language.h"
#include "TextsOnScreen.h"
#include "UserInput.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QTabBar>
#include <QTabWidget>
#include <QUndoStack>

#include <algorithm>
#include <cstdio>

#include <utility>

namespace {

using Fourier::TLanguage;
using FourierTest::TTexts;

// Places whose texts others write: views, sound, game, the lab's «Файл» and «Справка».
const QRegularExpression Others(QStringLiteral(
    "(ConvergenceView|ResidualView|CoefficientView|SpectrumView|CirclesView|SamplingView|"
    "SoundPane|GamePane|LabFileMenu|CopyPicture|SavePicture|SaveData)#|QMenuBar#\\d+/QAction#"));
// Places in the lab's own widgets whose words come from the core's functions: the status
// line, a formula's error and what it was read as, the pictures' summaries, an operation's
// effect.
const QRegularExpression CoreWorded(QStringLiteral(
    "LabStatus(Bar)?#\\d+:|FormulaError#\\d+:|FormulaUnderstood#\\d+:|OperationEffect#\\d+:|"
    "(DrawingArea|DrawnSpectrum|CoefficientBars)#\\d+:accessible description"));

bool Owned(const QString& place) {
    return !place.contains(Others) && !place.contains(CoreWorded);
}

std::pair<TTexts, TTexts> Split(const TTexts& texts) {
    std::pair<TTexts, TTexts> split;
    for (const auto& [place, text] : texts)
        (Owned(place) ? split.first : split.second)[place] = text;
    return split;
}

void Use(TLanguage language) {
    Fourier::UseLanguage(language);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

class LabLanguageTest : public LabFixture {
  protected:
    // Qt's own texts in Russian, as the program starts.
    void SetUp() override {
        Fourier::Toolkit::Application::UseQtTranslations(QLocale(QLocale::Russian));
        LabFixture::SetUp();
    }
    void TearDown() override {
        Use(TLanguage::Russian);
        LabFixture::TearDown();
    }

    Fourier::LabWindow* Lab() {
        return qobject_cast<Fourier::LabWindow*>(Fourier::OpenedLab(form->Widget()));
    }

    void OpenLab() {
        UserInput::PressKey(form->Widget(), Qt::Key_F2);
        ASSERT_NE(Lab(), nullptr);
        ASSERT_TRUE(UserInput::ShowAndActivate(Lab()));
    }

    // Clicks a tab as a user does, so that it is built and shown.
    void ClickTab(int index) {
        QTabBar* bar = Lab()->Tabs()->tabBar();
        UserInput::Click(bar, bar->tabRect(index).center());
        QCoreApplication::processEvents();
        ASSERT_EQ(Lab()->Tabs()->currentIndex(), index);
    }

    int TabOf(const char* name) { return Lab()->TabNamed(QLatin1String(name)); }

    // Puts a tab on top with its Ctrl+digit, which gives its pane the keys.
    void ShowByKey(const char* name) {
        const int index = TabOf(name);
        ASSERT_LT(index, 9);
        UserInput::PressKey(Lab(), Qt::Key(Qt::Key_1 + index), Qt::ControlModifier);
        ASSERT_EQ(Lab()->Tabs()->currentIndex(), index);
    }

    QMenu* MenuNamed(const QString& objectName) {
        for (QAction* entry : Lab()->menuBar()->actions())
            if (entry->menu() && entry->menu()->objectName() == objectName) return entry->menu();
        return nullptr;
    }
};

TEST_F(LabLanguageTest, EveryTabAndAFormulaErrorInEnglishThenRussianAsBefore) {
    OpenLab();
    for (int i = 0; i < Lab()->Tabs()->count(); ++i)
        ClickTab(i);
    ShowByKey("FormulaPane");
    UserInput::TypeText(Lab(), QStringLiteral("2*(x+"));
    UserInput::PressKey(Lab(), Qt::Key_Return);
    auto* error = Lab()->findChild<QLabel*>(QStringLiteral("FormulaError"));
    const QString russianError = error->text();
    ASSERT_TRUE(russianError.contains(QStringLiteral("<br>"))) << russianError.toStdString();
    const TTexts russian = FourierTest::TextsOf(Lab());

    Use(TLanguage::English);
    const auto [owned, others] = Split(FourierTest::TextsOf(Lab()));
    const QString russianLeft = FourierTest::WithCyrillic(owned);
    EXPECT_TRUE(russianLeft.isEmpty()) << qPrintable(russianLeft);
    // Written elsewhere: told, not judged, until their catalogues are merged.
    if (const QString told = FourierTest::WithCyrillic(others); !told.isEmpty())
        std::printf("Still Russian, written elsewhere:\n%s", qPrintable(told));
    // The error still marks the same character of the formula built.
    const auto marked = [](const QString& html) { return html.mid(html.indexOf("<br>")); };
    EXPECT_EQ(marked(error->text()), marked(russianError));
    EXPECT_EQ(Lab()->Tabs()->tabText(TabOf("ConvergenceView")), QStringLiteral("Convergence"));
    EXPECT_EQ(Lab()->Tabs()->currentIndex(), TabOf("FormulaPane")); // nothing else moved

    Use(TLanguage::Russian);
    const QString changed = FourierTest::Differences(russian, FourierTest::TextsOf(Lab()));
    EXPECT_TRUE(changed.isEmpty()) << qPrintable(changed);
}

TEST_F(LabLanguageTest, UndoStepsAreNamedInTheNewLanguage) {
    OpenLab();
    ShowByKey("DrawPane");
    auto* draw = Lab()->findChild<Fourier::DrawPane*>();
    UserInput::PressKey(Lab(), Qt::Key_Delete, Qt::ControlModifier); // «Очистить»
    ASSERT_EQ(draw->UndoStack()->count(), 1);
    EXPECT_EQ(draw->UndoAction()->toolTip(), QStringLiteral("Отменить очистку"));

    Use(TLanguage::English);
    EXPECT_EQ(draw->UndoAction()->toolTip(), QStringLiteral("Undo clearing"));
    EXPECT_EQ(draw->UndoAction()->text(), QStringLiteral("Undo"));
    EXPECT_EQ(draw->UndoStack()->count(), 1); // the switch is not a step
    draw->UndoStack()->undo();
    EXPECT_EQ(draw->RedoAction()->toolTip(), QStringLiteral("Redo clearing"));

    Use(TLanguage::Russian);
    EXPECT_EQ(draw->RedoAction()->toolTip(), QStringLiteral("Повторить очистку"));
}

TEST_F(LabLanguageTest, LanguageMenuIsLastAndItsEnglishEntrySwitchesAndIsRemembered) {
    OpenLab();
    QMenu* languages = MenuNamed(QStringLiteral("LanguageMenu"));
    ASSERT_NE(languages, nullptr);
    // The last menu: after it at most entries without one («Справка»).
    const QList<QAction*> entries = Lab()->menuBar()->actions();
    const auto at = std::find(entries.begin(), entries.end(), languages->menuAction());
    ASSERT_NE(at, entries.end());
    EXPECT_TRUE(std::none_of(at + 1, entries.end(), [](QAction* e) { return e->menu(); }));
    auto* english = languages->findChild<QAction*>(QStringLiteral("Language_en"));
    ASSERT_NE(english, nullptr);

    english->trigger();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(Fourier::CurrentLanguage(), TLanguage::English);
    EXPECT_EQ(Fourier::RememberedLanguage(), TLanguage::English);
    EXPECT_EQ(Lab()->windowTitle(), QStringLiteral("Lab"));
    EXPECT_EQ(languages->title(), QStringLiteral("Язык / Language"));
    // Each menu of the bar answers to its own Alt+letter, as in Russian.
    QSet<QKeySequence> keys;
    int titled = 0;
    for (QAction* entry : Lab()->menuBar()->actions()) {
        if (!entry->menu() || entry->menu() == languages) continue;
        ++titled;
        const QKeySequence key = QKeySequence::mnemonic(entry->text());
        EXPECT_FALSE(key.isEmpty()) << entry->text().toStdString();
        keys.insert(key);
    }
    EXPECT_EQ(keys.size(), titled);

    languages->findChild<QAction*>(QStringLiteral("Language_ru"))->trigger();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(Fourier::RememberedLanguage(), TLanguage::Russian);
    EXPECT_EQ(Lab()->windowTitle(), QStringLiteral("Лаборатория"));
    EXPECT_EQ(languages->title(), QStringLiteral("Язык / Language"));
}

} // namespace
