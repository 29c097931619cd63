// Entry point of the Qt test suites: headless unless a platform is chosen, and with settings
// and configuration folders of the run's own, so that no test reads what an earlier run
// left behind or writes into the user's settings (also when started outside CTest).
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "Form.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir folders;
    if (!folders.isValid()) return 2;
    for (const char* variable :
         {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
        qputenv(variable, folders.filePath(QString::fromLatin1(variable)).toLocal8Bit());
    QApplication app(argc, argv);
    Fourier::Toolkit::Application::ApplyStyle();
    Fourier::Toolkit::Application::SetTitle("Фурье");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
