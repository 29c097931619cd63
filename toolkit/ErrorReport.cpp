#include "ErrorReport.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <cstdio>

namespace Fourier::Toolkit {

std::string WithFullStop(const std::string& message) {
    // Bytes, not characters: every byte of a multi-byte UTF-8 letter sorts after '.'
    // just as the letter itself does.
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
    return message;
}

void ShowErrorBox(QWidget* parent, const std::string& message) {
    std::fprintf(stderr, "%s\n", message.c_str());
    std::fflush(stderr);
    QMessageBox::critical(parent ? parent : QApplication::activeWindow(),
                          QCoreApplication::translate("Toolkit", ProgramTitle),
                          QString::fromStdString(message));
}

TErrorReporter MessageBoxReporter(QWidget* parent) {
    return [parent](const std::string& message) { ShowErrorBox(parent, message); };
}

} // namespace Fourier::Toolkit
