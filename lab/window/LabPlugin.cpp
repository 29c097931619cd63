#include "LabPlugin.h"

#include "LabPanes.h"
#include "LabWindow.h"

namespace Fourier {

TLab* LabPlugin::CreateLab(std::function<void(int)> harmonicToMain) {
    auto* lab = new LabWindow;
    AddLabPanes(*lab, std::move(harmonicToMain));
    return lab;
}

} // namespace Fourier
