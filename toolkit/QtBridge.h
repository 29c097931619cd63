#pragma once
// Private glue between the toolkit's plain types and Qt's.
#include "Colors.h"

#include <QColor>
#include <QString>
#include <string>

namespace Fourier::Toolkit::Bridge {

// 0xRRGGBB, or a system colour looked up in the application palette (opaque).
QRgb Rgb(TColor c);
inline QColor Color(TColor c) {
    return QColor::fromRgb(Rgb(c));
}

inline QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
inline std::string S(const QString& s) {
    return s.toStdString();
}

} // namespace Fourier::Toolkit::Bridge
