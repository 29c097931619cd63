#pragma once
// The lab's library is loaded by the program on first use (F2); this is the one function it
// looks up there. The window it returns belongs to the caller.
#include "LabWindow.h"

extern "C" Q_DECL_EXPORT Fourier::LabWindow* FourierCreateLab();

inline constexpr const char* FourierCreateLabSymbol = "FourierCreateLab";
