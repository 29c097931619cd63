#pragma once
// One view of the lab: it shows the run the lab window hands it (the main window's last
// run, or the lab's own signal with the main window's harmonic settings).
// A view builds its widgets on its first run: setting up and laying out a plot costs
// milliseconds, and most views of an opened lab are not looked at straight away.
#include "RunView.h"

#include <QWidget>

class QVBoxLayout;

namespace Fourier {

class LabView : public QWidget {
  public:
    explicit LabView(QWidget* parent = nullptr);
    void ShowRun(const TRunView& run);
    int ShownRevision = -1; // which of the lab window's runs it shows

  protected:
    virtual void Build(QVBoxLayout& layout) = 0; // once, before the first Draw
    virtual void Draw(const TRunView& run) = 0;

  private:
    bool built_ = false;
};

// The main window's harmonic number as the views use it: kept within 0..255, where the
// series has its harmonics (the main window sums nothing beyond).
int LabHarmonic(const TRunView& run);

} // namespace Fourier
