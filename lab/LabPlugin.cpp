#include "LabPlugin.h"

#include "LabPanes.h"

Fourier::LabWindow* FourierCreateLab(std::function<void(int)> harmonicToMain) {
    auto* lab = new Fourier::LabWindow;
    Fourier::AddLabPanes(*lab, std::move(harmonicToMain));
    return lab;
}
