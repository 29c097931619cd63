#include "Events.h"

#include "Wording.h"

#include <QApplication>
#include <exception>

namespace Fourier::Toolkit {
namespace {

TErrorReporter& Reporter() {
    static TErrorReporter reporter = MessageBoxReporter();
    return reporter;
}

TBeepHook& BeepHook() {
    static TBeepHook beep = [] { QApplication::beep(); };
    return beep;
}

} // namespace

void Dispatch(const std::function<void()>& f) {
    try {
        f();
    } catch (const std::exception& e) {
        ReportError(ShownMessage(e));
    } catch (...) {
        // Nothing may unwind into Qt's event delivery, whatever was thrown.
        ReportError(QCoreApplication::translate("Toolkit", "Неизвестная ошибка").toStdString());
    }
}

void SetErrorReporter(TErrorReporter reporter) {
    Reporter() = reporter ? std::move(reporter) : MessageBoxReporter();
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

} // namespace Fourier::Toolkit
