#include "ErrorReporter.h"

#include <QMessageBox>

namespace Fourier {

TErrorReporter MessageBoxReporter(QWidget* parent) {
    return [parent](const QString& message) {
        QMessageBox::critical(parent, QStringLiteral("Фурье"), message + '.');
    };
}

} // namespace Fourier
