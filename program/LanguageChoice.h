#pragma once
// The main window's way to the language: «Язык / Language» at the end of both pictures'
// context menus, and F8, which opens the same menu over the graph for the keyboard (the
// pictures take no focus). The lab has the menu in its menu bar.
class TForm1;

namespace Fourier {

void InstallLanguageChoice(TForm1& form);

} // namespace Fourier
