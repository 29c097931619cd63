#pragma once
// How the program tells the user that something failed: one reporter type for every window
// and pane, and the message box every reporter shows by default. Nothing here keeps state:
// the toolkit is linked into the program and into the lab's plugin alike, so each window or
// pane holds its own reporter, and a test puts a function of its own in its place.
#include <QtGlobal>

#include <functional>
#include <string>

class QWidget;

namespace Fourier::Toolkit {

// The program's title: the caption of every message box (in the program's language there).
inline constexpr const char* ProgramTitle = QT_TRANSLATE_NOOP("Toolkit", "Фурье");

// The message as the user reads it: a full stop is appended when the last character sorts
// after "." in character-code order ("Файл не найден" gains one, "Ошибка." and "Стоп!" do not).
std::string WithFullStop(const std::string& message);

// Receives the finished message, full stop included.
using TErrorReporter = std::function<void(const std::string& message)>;

// Writes the finished message on standard error, where a script or a bug report can read it,
// and shows it in a modal message box with the critical icon over parent (the active window
// when null), captioned ProgramTitle.
void ShowErrorBox(QWidget* parent, const std::string& message);

// The reporter that shows ShowErrorBox over parent.
TErrorReporter MessageBoxReporter(QWidget* parent = nullptr);

} // namespace Fourier::Toolkit
