#include "LabPlugin.h"

#include "LabAccessibility.h"
#include "LabPanes.h"
#include "LabWindow.h"

namespace Fourier {

TLab* LabPlugin::CreateLab(std::function<void(int)> harmonicToMain) {
    auto* lab = new LabWindow;
    AddLabPanes(*lab, std::move(harmonicToMain));
    MakeLabAccessible(*lab);
    return lab;
}

} // namespace Fourier
