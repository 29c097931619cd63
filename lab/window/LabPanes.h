#pragma once
// The lab's panes beyond its four views: sound, the user's own function, drawing,
// coefficients, muting and soloing, the build-up and operations on the signal, joined to the
// lab window; and behind them the views of rotating circles and of sampling.
#include <functional>

namespace Fourier {

class LabWindow;

// harmonicToMain receives each k the build-up steps to, for the main window to follow.
void AddLabPanes(LabWindow& lab, std::function<void(int)> harmonicToMain);

} // namespace Fourier
