// Qt's own texts (file dialogs, the standard context menus of text fields, message box
// buttons) in the program's language, from the distribution's translations of Qt.
#include "Form.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace Fourier::Toolkit::Application {

bool UseQtTranslations(const QLocale& language) {
    // Found by name on the application object: the program and the lab's plugin both link
    // this library, and either may switch.
    constexpr auto name = "qtTranslator";
    QCoreApplication* application = QCoreApplication::instance();
    delete application->findChild<QTranslator*>(name, Qt::FindDirectChildrenOnly);
    // qtbase holds the widgets' texts; Debian's qt_<lang>.qm is only a stub naming it.
    auto translator = std::make_unique<QTranslator>(application);
    translator->setObjectName(name);
    if (!translator->load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false; // English texts then, Qt's own
    QCoreApplication::installTranslator(translator.release());
    return true;
}

} // namespace Fourier::Toolkit::Application
