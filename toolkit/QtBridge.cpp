#include "QtBridge.h"

#include <QApplication>
#include <QPalette>

namespace Fourier::Toolkit::Bridge {

QRgb Rgb(TColor c) {
    switch (c) {
    // The caption colours of the classic grey desktop scheme: only hidden edits use them.
    case clCaptionText:
        return qRgb(0xFF, 0xFF, 0xFF);
    case clInactiveCaptionText:
        return qRgb(0xD4, 0xD0, 0xC8);
    case clBtnFace:
        return QApplication::palette().color(QPalette::Button).rgb();
    default:
        return 0xFF000000u | (c & 0xFFFFFFu);
    }
}

} // namespace Fourier::Toolkit::Bridge
