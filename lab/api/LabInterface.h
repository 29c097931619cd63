#pragma once
// What the program knows of the lab: the lab's library is a Qt plugin that the program loads
// with QPluginLoader on first use (F2) and reaches through these two interfaces alone. The
// program never includes the lab's window headers.
#include "Lesson.h"
#include "Run.h"

#include <QImage>
#include <QtPlugin>

#include <cstdint>
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

    // The lab's part of a lesson: its tab on top, the own formula, drawing and coefficients,
    // which of them it shows, muting and soloing. The other fields are left as they are.
    virtual void CaptureLesson(TLesson& lesson) const = 0;
    // Puts the lab into the lesson's state (its part of it) and hides the tabs the lesson
    // names among its hidden controls; tabs an earlier lesson hid come back.
    virtual void ApplyLesson(const TLesson& lesson) = 0;
    // The game's rounds from this seed on (the command line's --seed).
    virtual void SetGameSeed(std::uint64_t seed) = 0;
};

// The plugin's one object. harmonicToMain receives each k a pane wants the main window to
// take. The caller owns the window (and with it the lab).
class TLabFactory {
  public:
    virtual ~TLabFactory() = default;
    virtual TLab* CreateLab(std::function<void(int)> harmonicToMain) = 0;
};

} // namespace Fourier

#define FOURIER_LAB_FACTORY_IID "io.github.fourier.LabFactory/2"
Q_DECLARE_INTERFACE(Fourier::TLabFactory, FOURIER_LAB_FACTORY_IID)
