#pragma once
// The program's language: Russian, in which every text is written, or English from the
// translation files compiled into the program. Qt's own texts (file dialogs, message box
// buttons) follow. Switching sends QEvent::LanguageChange to every widget, and each window
// writes its texts again.
//
// Nothing is kept in this library's variables: the program and the lab's plugin both link it,
// so the language and the installed translators live on the application object.
#include <QString>

#include <functional>
#include <optional>

class QMenu;
class QWidget;

namespace Fourier {

enum class TLanguage { Russian, English };

// "ru" or "en", as --language and the settings write it.
QString LanguageCode(TLanguage language);
std::optional<TLanguage> LanguageFromCode(const QString& code);

// Russian until UseLanguage says otherwise.
TLanguage CurrentLanguage();

// Installs the language's translations, Qt's own included, and points the core's texts at
// them. Using the current language again changes nothing and tells no window.
void UseLanguage(TLanguage language);

// Points the core's texts (Wording.h) at Qt's catalogue; each binary linking the core calls it.
void ConnectCoreWording();

// The language chosen in the menu, kept in the program's settings between runs.
std::optional<TLanguage> RememberedLanguage();
void RememberLanguage(TLanguage language);

// Runs writeTexts now and again whenever widget hears of a change of language: for the
// texts of objects that are not widgets themselves (actions, menus of a window). Lives as
// long as widget.
void KeepTranslated(QWidget* widget, std::function<void()> writeTexts);

// Qt names some parts of its widgets only once, when it makes them (a tab bar's scroll
// buttons): their names again, in the language now installed, for everything under window.
void RenameQtParts(QWidget* window);

// «Язык / Language»: each language named in itself, so that a student finds the way back
// from a language they cannot read. Choosing one uses and remembers it.
QMenu* MakeLanguageMenu(QWidget* parent);

} // namespace Fourier
