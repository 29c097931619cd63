// Creating the application object and giving it its icon.
#include "Form.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

namespace Toolkit::Application {

TSession::TSession(int& argc, char** argv) : application_(std::make_unique<QApplication>(argc, argv)) {
    ApplyStyle();
}

TSession::~TSession() = default;

void SetIcon(std::span<const TBitmap> sizes) {
    QIcon icon;
    for (const TBitmap& size : sizes)
        icon.addPixmap(QPixmap::fromImage(size.Image()));
    QApplication::setWindowIcon(icon);
}

void SetDesktopEntry(const std::string& name) {
    QGuiApplication::setDesktopFileName(QString::fromStdString(name));
}

} // namespace Toolkit::Application
