// Creating the application object and giving it its icon.
#include "Form.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <memory>

namespace Toolkit::Application {

void Initialize(int& argc, char** argv) {
    static std::unique_ptr<QApplication> application;
    if (!application) application = std::make_unique<QApplication>(argc, argv);
    ApplyStyle();
}

void SetIcon(const TBitmap& icon) { QApplication::setWindowIcon(QIcon(QPixmap::fromImage(icon.Image()))); }

} // namespace Toolkit::Application
