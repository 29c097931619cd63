// Qt's own texts (file dialogs, the standard context menus of text fields, message box
// buttons) in the program's language, from the distribution's translations of Qt.
#include "Form.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace Fourier::Toolkit::Application {

bool UseQtTranslations(const QLocale& language) {
    static QTranslator* installed = nullptr;
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
        installed = nullptr;
    }
    // qtbase holds the widgets' texts; Debian's qt_<lang>.qm is only a stub naming it.
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false; // English texts then, Qt's own
    installed = translator.release();
    QCoreApplication::installTranslator(installed);
    return true;
}

} // namespace Fourier::Toolkit::Application
