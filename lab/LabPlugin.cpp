#include "LabPlugin.h"

Fourier::LabWindow* FourierCreateLab() {
    return new Fourier::LabWindow;
}
