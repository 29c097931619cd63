// Qt's own texts (the file dialog, a text field's context menu) in Russian, as the rest of
// the program speaks, and back in English once the translations are replaced.
#include "Form.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

using Fourier::Toolkit::Application::UseQtTranslations;

bool HasCyrillic(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() >= 0x0410 && c.unicode() <= 0x044F; });
}

struct QtTexts {
    QString saveTitle, lookIn, fileType, firstMenuEntry;
};

QtTexts ReadQtTexts() {
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    QLineEdit field;
    const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    return {dialog.windowTitle(), dialog.labelText(QFileDialog::LookIn),
            dialog.labelText(QFileDialog::FileType), menu->actions().value(0)->text()};
}

TEST(QtTranslations, DialogsAndMenusFollowTheLanguage) {
    ASSERT_TRUE(UseQtTranslations(QLocale(QLocale::Russian, QLocale::Russia)))
        << "Qt's Russian translations are missing (package qt6-translations-l10n)";
    const QtTexts russian = ReadQtTexts();
    for (const QString& text :
         {russian.saveTitle, russian.lookIn, russian.fileType, russian.firstMenuEntry})
        EXPECT_TRUE(HasCyrillic(text)) << text.toStdString();

    // English has no translation file of its own to speak of: Qt's built-in texts return.
    UseQtTranslations(QLocale(QLocale::English, QLocale::UnitedKingdom));
    const QtTexts english = ReadQtTexts();
    EXPECT_EQ(english.saveTitle, QStringLiteral("Save As"));
    EXPECT_EQ(english.lookIn, QStringLiteral("Look in:"));
    EXPECT_FALSE(HasCyrillic(english.firstMenuEntry)) << english.firstMenuEntry.toStdString();
}

} // namespace
