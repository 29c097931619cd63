#pragma once
// The desktop's decimal separator, which every number the window writes uses.
#include <QLocale>
#include <string>

namespace Fourier {

inline std::string DesktopDecimalSeparator() {
    return QLocale().decimalPoint().toStdString();
}

} // namespace Fourier
