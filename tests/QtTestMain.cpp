// Entry point of the Qt test suites: headless unless a platform is chosen.
#include <QApplication>
#include <gtest/gtest.h>

#include "Form.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Fourier::Toolkit::Application::ApplyStyle();
    Fourier::Toolkit::Application::SetTitle("Фурье");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
