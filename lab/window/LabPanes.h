#pragma once
// The lab's panes beyond its four views: sound, the user's own function, drawing,
// coefficients, muting and soloing, and the build-up, joined to the lab window.
#include <functional>

namespace Fourier {

class LabWindow;

// harmonicToMain receives each k the build-up steps to, for the main window to follow.
void AddLabPanes(LabWindow& lab, std::function<void(int)> harmonicToMain);

} // namespace Fourier
