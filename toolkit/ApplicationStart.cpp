// Creating the application object and giving it its icon.
#include "Form.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QPixmap>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace Fourier::Toolkit::Application {
namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// What is missing, in one line, with the way to start the program.
std::string NoDisplayMessage() {
    const std::string x11 = Environment("DISPLAY"), wayland = Environment("WAYLAND_DISPLAY");
    std::string missing;
    if (x11.empty() && wayland.empty())
        missing = "не найден графический дисплей: переменные DISPLAY и WAYLAND_DISPLAY не заданы";
    else if (!x11.empty())
        missing = "графический дисплей DISPLAY=" + x11 + " не отвечает";
    else
        missing = "графический дисплей WAYLAND_DISPLAY=" + wayland + " не отвечает";
    const std::string who = Title().empty() ? "" : Title() + ": ";
    return who + missing +
           ". Запустите программу в графическом сеансе (на рабочем столе или через ssh -X).";
}

// While the application object starts. Without a display Qt ends the program with abort()
// and the advice to reinstall it; the user is told instead what is missing, and the
// program ends with status 1. The platform's own account of the failure is left out.
void StartUpMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", NoDisplayMessage().c_str());
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (context.category && std::string_view(context.category).starts_with("qt.qpa.")) return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

TSession::TSession(int& argc, char** argv) {
    qInstallMessageHandler(StartUpMessage);
    application_ = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(nullptr);
    ApplyStyle();
    // Every text of the program is Russian: Qt's own dialogs and menus speak it too.
    UseQtTranslations(QLocale(QLocale::Russian, QLocale::Russia));
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

} // namespace Fourier::Toolkit::Application
