#pragma once
// What the program knows of the lab: the lab's library is a Qt plugin that the program loads
// with QPluginLoader on first use (F2) and reaches through these two interfaces alone. The
// program never includes the lab's window headers.
#include "Run.h"

#include <QImage>
#include <QtPlugin>

#include <functional>

class QMainWindow;

namespace Fourier {

// The lab's window, following the main window's runs once it is the main window's listener.
class TLab : public TRunListener {
  public:
    virtual QMainWindow* Window() = 0;
    // The signal and spectrum the lab shows now (the main window's, or a signal of its own).
    virtual TAnalysis ShownAnalysis() const = 0;
    // The tab on top as it is on the screen.
    virtual QImage CurrentPicture() const = 0;
};

// The plugin's one object. harmonicToMain receives each k a pane wants the main window to
// take. The caller owns the window (and with it the lab).
class TLabFactory {
  public:
    virtual ~TLabFactory() = default;
    virtual TLab* CreateLab(std::function<void(int)> harmonicToMain) = 0;
};

} // namespace Fourier

#define FOURIER_LAB_FACTORY_IID "io.github.fourier.LabFactory/1"
Q_DECLARE_INTERFACE(Fourier::TLabFactory, FOURIER_LAB_FACTORY_IID)
