#include "Language.h"

#include "Form.h"
#include "Wording.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QLocale>
#include <QMenu>
#include <QSettings>
#include <QTabBar>
#include <QToolButton>
#include <QTranslator>
#include <QVariant>
#include <QWidget>

#include <memory>

namespace Fourier {
namespace {

constexpr auto LanguageProperty = "fourierLanguage";
constexpr auto TranslatorName = "fourierTranslator";
constexpr auto LanguageKey = "language";

QSettings ProgramSettings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("fourier"),
                     QStringLiteral("fourier"));
}

QLocale LocaleOf(TLanguage language) {
    return language == TLanguage::English ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                                          : QLocale(QLocale::Russian, QLocale::Russia);
}

std::string CatalogueText(const char* context, const char* source) {
    return QCoreApplication::translate(context, source).toStdString();
}

// The program's own catalogue. Russian's holds only plural forms: its texts are the sources.
void InstallProgramTranslator(TLanguage language) {
    QCoreApplication* application = QCoreApplication::instance();
    delete application->findChild<QTranslator*>(TranslatorName, Qt::FindDirectChildrenOnly);
    auto translator = std::make_unique<QTranslator>(application);
    translator->setObjectName(TranslatorName);
    if (!translator->load(QStringLiteral(":/i18n/fourier_") + LanguageCode(language) +
                          QStringLiteral(".qm")))
        return;
    QCoreApplication::installTranslator(translator.release());
}

class TextWriter : public QObject {
  public:
    TextWriter(QWidget* widget, std::function<void()> writeTexts)
        : QObject(widget), writeTexts_(std::move(writeTexts)) {
        widget->installEventFilter(this);
        writeTexts_();
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::LanguageChange && watched == parent()) writeTexts_();
        return false;
    }

  private:
    std::function<void()> writeTexts_;
};

} // namespace

void KeepTranslated(QWidget* widget, std::function<void()> writeTexts) {
    new TextWriter(widget, std::move(writeTexts));
}

void RenameQtParts(QWidget* window) {
    // Qt's own names, looked up in Qt's catalogue (and so kept out of ours); the buttons are
    // told apart by their arrows.
    static const char* const left = "Scroll Left";
    static const char* const right = "Scroll Right";
    for (QTabBar* bar : window->findChildren<QTabBar*>())
        for (QToolButton* button : bar->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly)) {
            const Qt::ArrowType arrow = button->arrowType();
            if (arrow == Qt::LeftArrow || arrow == Qt::UpArrow)
                button->setAccessibleName(QCoreApplication::translate("QTabBar", left));
            else if (arrow == Qt::RightArrow || arrow == Qt::DownArrow)
                button->setAccessibleName(QCoreApplication::translate("QTabBar", right));
        }
}

QString LanguageCode(TLanguage language) {
    return language == TLanguage::English ? QStringLiteral("en") : QStringLiteral("ru");
}

std::optional<TLanguage> LanguageFromCode(const QString& code) {
    if (code == QLatin1String("ru")) return TLanguage::Russian;
    if (code == QLatin1String("en")) return TLanguage::English;
    return std::nullopt;
}

TLanguage CurrentLanguage() {
    const QCoreApplication* application = QCoreApplication::instance();
    if (!application) return TLanguage::Russian;
    return LanguageFromCode(application->property(LanguageProperty).toString())
        .value_or(TLanguage::Russian);
}

void ConnectCoreWording() {
    SetWordingLookup(&CatalogueText);
}

void UseLanguage(TLanguage language) {
    ConnectCoreWording();
    if (language == CurrentLanguage()) return;
    QCoreApplication::instance()->setProperty(LanguageProperty, LanguageCode(language));
    InstallProgramTranslator(language);
    Toolkit::Application::UseQtTranslations(LocaleOf(language));
}

std::optional<TLanguage> RememberedLanguage() {
    return LanguageFromCode(ProgramSettings().value(LanguageKey).toString());
}

void RememberLanguage(TLanguage language) {
    ProgramSettings().setValue(LanguageKey, LanguageCode(language));
}

QMenu* MakeLanguageMenu(QWidget* parent) {
    auto* menu = new QMenu(QStringLiteral("Язык / Language"), parent);
    menu->setObjectName("LanguageMenu");
    auto* group = new QActionGroup(menu);
    for (const auto& [language, name] :
         {std::pair{TLanguage::Russian, "Русский"}, std::pair{TLanguage::English, "English"}}) {
        QAction* entry = menu->addAction(QString::fromUtf8(name));
        entry->setObjectName(QStringLiteral("Language_") + LanguageCode(language));
        entry->setCheckable(true);
        entry->setActionGroup(group);
        QObject::connect(entry, &QAction::triggered, menu, [language = language] {
            RememberLanguage(language);
            UseLanguage(language);
        });
    }
    // The entries are checked when the menu opens: the language may have changed elsewhere.
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu] {
        const QString current = QStringLiteral("Language_") + LanguageCode(CurrentLanguage());
        for (QAction* entry : menu->actions())
            entry->setChecked(entry->objectName() == current);
    });
    return menu;
}

} // namespace Fourier
