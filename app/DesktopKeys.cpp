#include "DesktopKeys.h"

#include "HelpWindow.h"
#include "Unit1.h"

#include <QShortcut>

namespace Fourier {

void AddDesktopKeys(TForm1& form) {
    QWidget* window = form.Widget();
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), window);
    QObject::connect(help, &QShortcut::activated, window, [window] { ShowHelp(window); });
    auto* quit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), window);
    QObject::connect(quit, &QShortcut::activated, window,
                     [&form] { Toolkit::Dispatch([&form] { form.SpeedButton3->Click(); }); });
}

} // namespace Fourier
