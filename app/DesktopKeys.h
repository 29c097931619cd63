#pragma once
// Keys every desktop program has, added beside the window's designed keys: F1 opens the
// help, Ctrl+Q quits as «Выход» does. Shortcuts take their keys before the key preview
// sees them, so no designed key changes.
class TForm1;

namespace Fourier {

void AddDesktopKeys(TForm1& form);

} // namespace Fourier
