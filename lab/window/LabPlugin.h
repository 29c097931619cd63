#pragma once
// The lab's library as a Qt plugin: its one object makes the lab's window with all its panes.
#include "LabInterface.h"

#include <QObject>

namespace Fourier {

class LabPlugin : public QObject, public TLabFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID FOURIER_LAB_FACTORY_IID)
    Q_INTERFACES(Fourier::TLabFactory)

  public:
    TLab* CreateLab(std::function<void(int)> harmonicToMain) override;
};

} // namespace Fourier
