#include "HelpWindow.h"

#include <QApplication>
#include <QFontDatabase>
#include <QKeySequence>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

// The resource lives in a static library, where nothing would pull its initialiser into the
// program, so it is registered by name, once. Outside any namespace, as the macro requires.
static void RegisterHelpResource() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(help);
        return true;
    }();
    (void)registered;
}

namespace Fourier {

HelpWindow::HelpWindow(QWidget* owner)
    : QWidget(owner, Qt::Window), browser_(new QTextBrowser(this)) {
    RegisterHelpResource();
    setObjectName("HelpWindow");
    setWindowTitle("Справка — Фурье");
    browser_->setObjectName("HelpBrowser");
    // Reading text, not the window's compact control font: the desktop's own face, at a size
    // that still reads on a projector.
    QFont text = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    text.setPointSizeF(std::max(text.pointSizeF(), 10.5));
    browser_->setFont(text);
    browser_->setSource(QUrl(Page));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    setFocusProxy(browser_); // the reading keys (arrows, Page Down) scroll the page at once
    resize(FirstWidth, FirstHeight);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

void HelpWindow::ShowSection(const QString& anchor) {
    if (!anchor.isEmpty()) browser_->scrollToAnchor(anchor);
    show();
    raise();
    activateWindow();
}

HelpWindow* ShowHelp(QWidget* from, const QString& anchor) {
    HelpWindow* help = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<HelpWindow*>(window)) help = found;
    if (!help) help = new HelpWindow(from->window());
    help->ShowSection(anchor);
    return help;
}

} // namespace Fourier
