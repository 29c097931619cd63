#pragma once
// A main window with the lab installed, shown and active, its settings (the formula
// history, the lab's place) in a scratch folder rather than the user's.
#include "FormFixture.h"
#include "LabLauncher.h"

#include <QSettings>
#include <QTemporaryDir>

class LabFixture : public FormFixture {
  protected:
    void SetUp() override {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
        FormFixture::SetUp();
        Fourier::InstallLab(*form);
        ShowAndActivate();
    }
    QTemporaryDir settings;
};
