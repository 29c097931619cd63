#pragma once
// How the main window opens the lab: F2 anywhere in it, and «Лаборатория…» in the context
// menu of its two pictures. The main window's own keys are untouched (F2 has no meaning
// there). The lab's library is loaded and its window built on first use; while it is
// hidden the main window tells it nothing, so a closed lab costs no work.
#include <functional>

class TForm1;
class QAction;
class QMainWindow;
class QWidget;

namespace Fourier {

class TLab;

// Gives the main window its lab; the pieces live as long as the main window's widget.
void InstallLab(TForm1& form);

// The context menu of a picture (Image1, Image2) is the list of its actions
// (Qt::ActionsContextMenu); more items join it with AddPictureAction.
void AddPictureAction(QWidget* picture, QAction* action);

// The lab's window of a main window set up by InstallLab, or null before it was first opened.
QMainWindow* OpenedLab(QWidget* mainWindow);

// The lab of a main window set up by InstallLab, loaded and built (not shown) by the first
// call; throws std::runtime_error with a message for the user when its library cannot be
// loaded.
TLab& LoadedLab(QWidget* mainWindow);
// Null until the lab was first loaded.
TLab* LabIfLoaded(QWidget* mainWindow);
// Shows the lab (loading it first), as F2 does.
void ShowLab(QWidget* mainWindow);
// Runs handler once the lab is built, before it is first shown; at once if it is built.
void WhenLabLoaded(QWidget* mainWindow, std::function<void(TLab&, QMainWindow&)> handler);

} // namespace Fourier
