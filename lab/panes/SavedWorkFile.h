#pragma once
// Saved work on disk: reading a «.fourier» file whole, writing one without ever leaving a
// half-written file, and the file dialogs' filter.
#include "SavedWork.h"

#include <QString>

#include <functional>

class QAction;
class QWidget;

namespace Fourier {

// A file dialog filter for «.fourier» files.
QString SavedWorkFilter();

// The whole file read and parsed, or TSavedWorkError whose message names the file and what
// is wrong (cannot be opened, too large to be saved work, or damaged).
TSavedWork ReadSavedWorkFile(const QString& path);

// Saves the work whole or not at all (SaveSavedWork); on failure throws TSavedWorkError
// whose message is the TFileSaveError's: the file's path and the reason. The target is
// left as it was.
void WriteSavedWorkFile(const QString& path, const TSavedWork& work);

// A pane's «Открыть…» and «Сохранить…»: each asks for a path with the platform's file
// dialog (the suffix added when the user typed none) and hands it on unless cancelled.
// Their texts follow the language; suggestedName is a source text of the context
// "Fourier::SavedWorkFile", offered in the program's language.
QAction* OpenAction(QWidget* pane, std::function<void(const QString& path)> open);
QAction* SaveAction(QWidget* pane, const char* suggestedName,
                    std::function<void(const QString& path)> save);

} // namespace Fourier
