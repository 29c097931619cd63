// Both windows in English and back: no Cyrillic letter left under English, the very same
// Russian after switching back, the main window's captions within their rooms, the choice
// remembered, and the command line's --language.
#include "Language.h"
#include "CommandLine.h"
#include "Form.h"
#include "LabFixture.h"
#include "LabWindow.h"
#include "LanguageChoice.h"
#include "TextsOnScreen.h"
#include "UserInput.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>

using namespace Fourier;
using FourierTest::TextsOf;

namespace {

class LanguageTest : public LabFixture {
  protected:
    // Qt's own texts in Russian, as the program starts.
    void SetUp() override {
        Toolkit::Application::UseQtTranslations(QLocale(QLocale::Russian));
        LabFixture::SetUp();
    }
    void TearDown() override {
        UseLanguage(TLanguage::Russian);
        QCoreApplication::processEvents();
        LabFixture::TearDown();
    }
    QWidget* Main() { return form->Widget(); }
    LabWindow* OpenLab() {
        UserInput::PressKey(Main(), Qt::Key_F2);
        auto* lab = qobject_cast<LabWindow*>(OpenedLab(Main()));
        EXPECT_NE(lab, nullptr);
        if (lab) {
            EXPECT_TRUE(QTest::qWaitFor([lab] { return lab->isVisible(); }));
            // Every view builds its widgets when first shown.
            for (int tab = 0; tab < lab->Tabs()->count(); ++tab) {
                lab->Tabs()->setCurrentIndex(tab);
                QTest::qWait(10);
            }
            lab->Tabs()->setCurrentIndex(0);
        }
        return lab;
    }
    void SynthesiseSquareTo(int k) {
        Choose(1); // the square wave
        form->SpinEdit1->SetFocus();
        QTest::keyClick(QApplication::focusWidget(), static_cast<char>('0' + k));
        UserInput::Click(form->SSpeedButton->Widget());
        ASSERT_TRUE(form->SynthesisShown());
    }
    // A language chosen from the menu F8 opens over the graph, with the arrow keys.
    void ChooseByKeys(TLanguage language) {
        Main()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Main()));
        UserInput::PressKey(Main(), Qt::Key_F8);
        QMenu* menu = nullptr;
        ASSERT_TRUE(QTest::qWaitFor([&menu] {
            menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            return menu != nullptr;
        }));
        ASSERT_EQ(menu->objectName(), QStringLiteral("LanguageMenu"));
        const int presses = language == TLanguage::Russian ? 1 : 2;
        for (int i = 0; i < presses; ++i)
            QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
        QCoreApplication::processEvents();
    }
};

TEST_F(LanguageTest, BothWindowsSpeakEnglishAndComeBackToTheSameRussian) {
    InstallLanguageChoice(*form);
    SynthesiseSquareTo(5);
    LabWindow* lab = OpenLab();
    ASSERT_NE(lab, nullptr);
    const FourierTest::TTexts russianMain = TextsOf(Main()), russianLab = TextsOf(lab);
    const QImage russianGraph = form->Image1->Picture(), russianSpectrum = form->Image2->Picture();
    ASSERT_TRUE(FourierTest::WithCyrillic(russianMain).contains(QStringLiteral("Синтез")));

    ChooseByKeys(TLanguage::English);
    EXPECT_EQ(CurrentLanguage(), TLanguage::English);
    EXPECT_EQ(RememberedLanguage(), TLanguage::English);
    EXPECT_EQ(FourierTest::WithCyrillic(TextsOf(Main())).toStdString(), "");
    EXPECT_EQ(FourierTest::WithCyrillic(TextsOf(lab)).toStdString(), "");
    EXPECT_EQ(form->SSpeedButton->Caption(), "&Synthesis");
    // Only the spectrum's caption, drawn into its top rows, changes in the pictures.
    EXPECT_EQ(form->Image1->Picture(), russianGraph);
    const QImage englishSpectrum = form->Image2->Picture();
    EXPECT_NE(englishSpectrum.copy(0, 0, englishSpectrum.width(), 20),
              russianSpectrum.copy(0, 0, russianSpectrum.width(), 20));
    EXPECT_EQ(englishSpectrum.copy(0, 20, englishSpectrum.width(), englishSpectrum.height() - 20),
              russianSpectrum.copy(0, 20, russianSpectrum.width(), russianSpectrum.height() - 20));
    // Nothing ran again: the state is the synthesis to 5 it was.
    EXPECT_TRUE(form->SynthesisShown());
    EXPECT_EQ(form->SpinEdit1->Value(), 5);
    EXPECT_EQ(form->ComboBox1->ItemIndex(), 1);

    // Back through the lab's own menu bar.
    QAction* russian = lab->findChild<QAction*>(QStringLiteral("Language_ru"));
    ASSERT_NE(russian, nullptr);
    russian->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(RememberedLanguage(), TLanguage::Russian);
    EXPECT_EQ(FourierTest::Differences(russianMain, TextsOf(Main())).toStdString(), "");
    EXPECT_EQ(FourierTest::Differences(russianLab, TextsOf(lab)).toStdString(), "");
    EXPECT_EQ(form->Image1->Picture(), russianGraph);
    EXPECT_EQ(form->Image2->Picture(), russianSpectrum);
}

// The width a control's text needs: a button's or check box's size hint, a group box's title
// with its frame's indent, a list's longest item with its arrow.
int Needed(QWidget* widget) {
    const QFontMetrics metrics(widget->font());
    if (auto* box = qobject_cast<QGroupBox*>(widget))
        return metrics.horizontalAdvance(box->title()) + 16;
    if (auto* list = qobject_cast<QComboBox*>(widget)) {
        int widest = 0;
        for (int i = 0; i < list->count(); ++i)
            widest = std::max(widest, metrics.horizontalAdvance(list->itemText(i)));
        return widest + 24;
    }
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->x() + metrics.horizontalAdvance(label->text()); // it grows to its text
    return widget->sizeHint().width();
}

// The room: a label may reach its parent's edge; anything else has its own width.
int Room(QWidget* widget) {
    if (qobject_cast<QLabel*>(widget)) return widget->parentWidget()->width();
    return widget->width();
}

std::map<QString, int> Needs(QWidget* window) {
    std::map<QString, int> needs;
    for (QWidget* w : window->findChildren<QWidget*>())
        if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLabel*>(w) ||
            qobject_cast<QGroupBox*>(w) || qobject_cast<QComboBox*>(w))
            if (w->isVisibleTo(window)) needs[FourierTest::PlaceOf(w)] = Needed(w);
    return needs;
}

TEST_F(LanguageTest, EnglishCaptionsFitWhereverTheRussianOnesFit) {
    for (int waveform = 0; waveform < 8; ++waveform) {
        Choose(waveform); // each shows its own track bars' captions
        const std::map<QString, int> russian = Needs(Main());
        UseLanguage(TLanguage::English);
        QCoreApplication::processEvents();
        for (QWidget* w : Main()->findChildren<QWidget*>()) {
            const auto before = russian.find(FourierTest::PlaceOf(w));
            if (before == russian.end()) continue;
            SCOPED_TRACE(QStringLiteral("waveform %1, %2")
                             .arg(waveform + 1)
                             .arg(before->first)
                             .toStdString());
            EXPECT_LE(Needed(w), std::max(Room(w), before->second));
        }
        UseLanguage(TLanguage::Russian);
        QCoreApplication::processEvents();
    }
}

TEST(LanguageCommandLine, ChoosesTheLanguageForOneRunAndRefusesOthers) {
    struct Row {
        QStringList arguments;
        std::optional<TLanguage> language;
        const char* refused; // part of the message, or null when accepted
    };
    const Row rows[] = {
        {{"fourier"}, std::nullopt, nullptr},
        {{"fourier", "--language", "en"}, TLanguage::English, nullptr},
        {{"fourier", "--language=ru", "урок.fourier"}, TLanguage::Russian, nullptr},
        {{"fourier", "--language", "de"}, std::nullopt, "«de»"},
        {{"fourier", "--language=EN"}, std::nullopt, "«EN»"},
        {{"fourier", "--language"}, std::nullopt, "--language"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.arguments.join(' ').toStdString());
        if (row.refused) {
            try {
                ReadCommandLine(row.arguments);
                ADD_FAILURE() << "accepted";
            } catch (const std::invalid_argument& error) {
                EXPECT_NE(std::string(error.what()).find(row.refused), std::string::npos)
                    << error.what();
            }
        } else {
            EXPECT_EQ(ReadCommandLine(row.arguments).Language, row.language);
        }
    }
    EXPECT_NE(CommandLineHelp().indexOf(QStringLiteral("--language")), -1);
}

} // namespace
