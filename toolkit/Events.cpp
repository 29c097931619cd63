#include "Events.h"

#include "Form.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <cstdio>

namespace Toolkit {
namespace {

void ShowErrorBox(const std::string& message) {
    // Also on standard error, where a script or a bug report can read it.
    std::fprintf(stderr, "%s\n", message.c_str());
    std::fflush(stderr);
    QMessageBox::critical(QApplication::activeWindow(),
                          QString::fromStdString(Application::Title()),
                          QString::fromStdString(message));
}

TErrorReporter& Reporter() {
    static TErrorReporter reporter = ShowErrorBox;
    return reporter;
}

TBeepHook& BeepHook() {
    static TBeepHook beep = [] { QApplication::beep(); };
    return beep;
}

} // namespace

std::string WithFullStop(const std::string& message) {
    // Bytes, not characters: every byte of a multi-byte UTF-8 letter sorts after '.'
    // just as the letter itself does.
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
    return message;
}

void Dispatch(const std::function<void()>& f) {
    try {
        f();
    } catch (const std::exception& e) {
        ReportError(e.what());
    } catch (...) {
        // Nothing may unwind into Qt's event delivery, whatever was thrown.
        ReportError("Неизвестная ошибка");
    }
}

void SetErrorReporter(TErrorReporter reporter) {
    Reporter() = reporter ? std::move(reporter) : TErrorReporter(ShowErrorBox);
}

void ReportError(const std::string& message) {
    // A failing reporter must not escape either: it runs at the same boundary.
    try {
        Reporter()(WithFullStop(message));
    } catch (...) {
    }
}

void SetBeep(TBeepHook beep) {
    BeepHook() = beep ? std::move(beep) : TBeepHook([] { QApplication::beep(); });
}

void Beep() {
    BeepHook()();
}

} // namespace Toolkit
