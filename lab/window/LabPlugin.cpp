#include "LabPlugin.h"

#include "LabAccessibility.h"
#include "LabPanes.h"
#include "LabWindow.h"
#include "Language.h"

namespace Fourier {

TLab* LabPlugin::CreateLab(std::function<void(int)> harmonicToMain) {
    // The core linked into this library has a lookup of its own to point at the catalogue.
    ConnectCoreWording();
    auto* lab = new LabWindow;
    AddLabPanes(*lab, std::move(harmonicToMain));
    MakeLabAccessible(*lab);
    return lab;
}

} // namespace Fourier
