#pragma once
// The lab's library is loaded by the program on first use (F2); this is the one function it
// looks up there. It makes the lab's window with all its panes; harmonicToMain receives each
// k a pane wants the main window to take. The window belongs to the caller.
#include "LabWindow.h"

#include <functional>

extern "C" Q_DECL_EXPORT Fourier::LabWindow*
FourierCreateLab(std::function<void(int)> harmonicToMain);

inline constexpr const char* FourierCreateLabSymbol = "FourierCreateLab";
