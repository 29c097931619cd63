#pragma once
// How a pane tells the user that something failed (a file that cannot be read or written):
// a message box by default; tests put their own function in its place.
#include <QString>

#include <functional>

class QWidget;

namespace Fourier {

using TErrorReporter = std::function<void(const QString& message)>;

// A critical message box over `parent`, captioned "Фурье", the message ending in a full stop.
TErrorReporter MessageBoxReporter(QWidget* parent);

} // namespace Fourier
