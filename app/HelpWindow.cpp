#include "HelpWindow.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QKeySequence>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

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
namespace {

// An anchor of the page and the height it stands at.
struct TMark {
    QString Anchor;
    qreal Top;
};

// The page's anchors top to bottom, between its start and its end (both unnamed).
std::vector<TMark> Marks(const QTextDocument& document) {
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    std::vector<TMark> marks{{QString(), 0}};
    const auto add = [&](const QTextCharFormat& format, const QTextBlock& block) {
        if (!format.isAnchor()) return;
        for (const QString& name : format.anchorNames())
            if (!name.isEmpty()) marks.push_back({name, layout->blockBoundingRect(block).top()});
    };
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        add(block.charFormat(), block);
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
            add(fragment.fragment().charFormat(), block);
    }
    marks.push_back({QString(), std::max(layout->documentSize().height(), marks.back().Top)});
    return marks;
}

// Where the reader is: the section whose anchor is the last one at or above the top of the
// view, and how far into it, as a fraction of its height.
struct TPlace {
    QString Anchor;
    qreal Fraction = 0;
};

TPlace PlaceOf(const QTextBrowser& browser) {
    const std::vector<TMark> marks = Marks(*browser.document());
    const qreal top = browser.verticalScrollBar()->value() + 0.5; // the bar's value is rounded
    std::size_t at = 0;
    while (at + 2 < marks.size() && marks[at + 1].Top <= top)
        ++at;
    const qreal height = marks[at + 1].Top - marks[at].Top;
    const qreal into = browser.verticalScrollBar()->value() - marks[at].Top;
    return {marks[at].Anchor, height > 0 ? std::clamp(into / height, 0.0, 1.0) : 0.0};
}

// The same place on another page: the same section, as far into it; the page's start when the
// page lacks the section.
void GoTo(QTextBrowser& browser, const TPlace& place) {
    const std::vector<TMark> marks = Marks(*browser.document());
    std::size_t at = 0;
    if (!place.Anchor.isEmpty())
        for (std::size_t i = 1; i + 1 < marks.size(); ++i)
            if (marks[i].Anchor == place.Anchor) {
                at = i;
                break;
            }
    const qreal top = marks[at].Top + place.Fraction * (marks[at + 1].Top - marks[at].Top);
    browser.verticalScrollBar()->setValue(qRound(top));
}

} // namespace

QUrl HelpWindow::PageOf(TLanguage language) {
    return QUrl(QString::fromLatin1(language == TLanguage::English ? EnglishPage : Page));
}

HelpWindow::HelpWindow(QWidget* owner)
    : QWidget(owner, Qt::Window), browser_(new QTextBrowser(this)) {
    RegisterHelpResource();
    setObjectName("HelpWindow");
    browser_->setObjectName("HelpBrowser");
    // Reading text, not the window's compact control font: the desktop's own face, at a size
    // that still reads on a projector.
    QFont text = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    text.setPointSizeF(std::max(text.pointSizeF(), 10.5));
    browser_->setFont(text);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    setFocusProxy(browser_); // the reading keys (arrows, Page Down) scroll the page at once
    resize(FirstWidth, FirstHeight);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    Retranslate();
}

void HelpWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) Retranslate();
    QWidget::changeEvent(event);
}

void HelpWindow::Retranslate() {
    setWindowTitle(tr("Справка — Фурье"));
    const QUrl page = PageOf(CurrentLanguage());
    if (browser_->source().adjusted(QUrl::RemoveFragment) == page) return;
    const bool first = browser_->source().isEmpty();
    const TPlace place = first ? TPlace{} : PlaceOf(*browser_);
    browser_->setSource(page);
    // Going back must not lead to the other language's page.
    browser_->clearHistory();
    if (!first) GoTo(*browser_, place);
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
