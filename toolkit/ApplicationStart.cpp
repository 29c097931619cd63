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

void SetIcon(const TBitmap& icon) { QApplication::setWindowIcon(QIcon(QPixmap::fromImage(icon.Image()))); }

} // namespace Toolkit::Application
