#include "Form.h"

#include <QApplication>
#include <QStyle>

namespace Fourier::Toolkit::Application {
namespace {
std::string& TitleText() {
    static std::string title;
    return title;
}
} // namespace

void SetTitle(const std::string& title) {
    TitleText() = title;
}

const std::string& Title() {
    return TitleText();
}

void ApplyStyle() {
    QApplication::setStyle("Fusion");
    // The style's own light palette, so a dark desktop theme cannot recolour the window.
    QApplication::setPalette(QApplication::style()->standardPalette());
    QApplication::setFont(DefaultFont());
}

int Run() {
    return QApplication::exec();
}

} // namespace Fourier::Toolkit::Application
