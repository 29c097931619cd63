#pragma once
// Every text a window shows or says to assistive technology, keyed by where it is, so that a
// test can look for words of the wrong language and compare a window before and after a
// switch. What the student typed (the text of an edit field) is data, not the program's text,
// and the language menu names each language in itself; both are left out.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QTabBar>
#include <QTextBrowser>
#include <QWidget>

#include <map>

namespace FourierTest {

using TTexts = std::map<QString, QString>;

inline QString PlaceOf(const QObject* object) {
    QString place;
    for (const QObject* o = object; o; o = o->parent()) {
        QString step = o->objectName().isEmpty() ? QString::fromLatin1(o->metaObject()->className())
                                                 : o->objectName();
        if (o->parent())
            step += QLatin1Char('#') + QString::number(o->parent()->children().indexOf(o));
        place = place.isEmpty() ? step : step + QLatin1Char('/') + place;
    }
    return place;
}

inline bool InLanguageMenu(const QObject* object) {
    for (const QObject* o = object; o; o = o->parent())
        if (o->objectName() == QLatin1String("LanguageMenu")) return true;
    return false;
}

inline void AddText(TTexts& texts, const QObject* where, const char* what, const QString& text) {
    if (!text.isEmpty()) texts[PlaceOf(where) + QLatin1Char(':') + QLatin1String(what)] = text;
}

inline void AddModel(TTexts& texts, const QAbstractItemView* view) {
    const QAbstractItemModel* model = view->model();
    if (!model) return;
    for (int c = 0; c < model->columnCount(); ++c)
        AddText(texts, view, "column",
                model->headerData(c, Qt::Horizontal).toString() + QLatin1Char('@') +
                    QString::number(c));
    for (int r = 0; r < model->rowCount(); ++r)
        for (int c = 0; c < model->columnCount(); ++c)
            for (int role :
                 {int(Qt::DisplayRole), int(Qt::ToolTipRole), int(Qt::AccessibleTextRole)})
                if (const QString cell = model->data(model->index(r, c), role).toString();
                    !cell.isEmpty())
                    texts[PlaceOf(view) +
                          QStringLiteral(":cell %1,%2,%3").arg(r).arg(c).arg(role)] = cell;
}

inline void AddWidget(TTexts& texts, QWidget* w) {
    AddText(texts, w, "title", w->windowTitle());
    AddText(texts, w, "tooltip", w->toolTip());
    AddText(texts, w, "status tip", w->statusTip());
    AddText(texts, w, "whats this", w->whatsThis());
    if (QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w)) {
        AddText(texts, w, "accessible name", a->text(QAccessible::Name));
        AddText(texts, w, "accessible description", a->text(QAccessible::Description));
    }
    if (auto* label = qobject_cast<QLabel*>(w)) AddText(texts, w, "text", label->text());
    if (auto* button = qobject_cast<QAbstractButton*>(w)) AddText(texts, w, "text", button->text());
    if (auto* box = qobject_cast<QGroupBox*>(w)) AddText(texts, w, "text", box->title());
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        AddText(texts, w, "placeholder", edit->placeholderText());
    if (auto* menu = qobject_cast<QMenu*>(w)) AddText(texts, w, "text", menu->title());
    if (auto* browser = qobject_cast<QTextBrowser*>(w))
        AddText(texts, w, "text", browser->toPlainText());
    if (auto* list = qobject_cast<QComboBox*>(w))
        for (int i = 0; i < list->count(); ++i)
            AddText(texts, w, qPrintable(QStringLiteral("item %1").arg(i)), list->itemText(i));
    if (auto* tabs = qobject_cast<QTabBar*>(w))
        for (int i = 0; i < tabs->count(); ++i) {
            AddText(texts, w, qPrintable(QStringLiteral("tab %1").arg(i)), tabs->tabText(i));
            AddText(texts, w, qPrintable(QStringLiteral("tab tip %1").arg(i)), tabs->tabToolTip(i));
        }
    if (auto* view = qobject_cast<QAbstractItemView*>(w)) AddModel(texts, view);
}

// The texts of root and everything below it: widgets, their actions and menus.
inline TTexts TextsOf(QWidget* root) {
    TTexts texts;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets)
        if (!InLanguageMenu(w)) AddWidget(texts, w);
    for (QAction* action : root->findChildren<QAction*>()) {
        if (InLanguageMenu(action)) continue;
        AddText(texts, action, "text", action->text());
        AddText(texts, action, "tooltip",
                action->toolTip() == QString(action->text()).remove(QLatin1Char('&'))
                    ? QString()
                    : action->toolTip());
        AddText(texts, action, "status tip", action->statusTip());
    }
    return texts;
}

// The entries holding a Cyrillic letter, one per line, for a failure message.
inline QString WithCyrillic(const TTexts& texts) {
    static const QRegularExpression cyrillic(QStringLiteral("\\p{Cyrillic}"));
    QString found;
    for (const auto& [where, text] : texts)
        if (text.contains(cyrillic))
            found += where + QStringLiteral(" = «") + text + QStringLiteral("»\n");
    return found;
}

// Where two snapshots differ, one line per place, for a failure message.
inline QString Differences(const TTexts& before, const TTexts& after) {
    QString found;
    for (const auto& [where, text] : before) {
        const auto other = after.find(where);
        if (other == after.end())
            found += where + QStringLiteral(" is gone\n");
        else if (other->second != text)
            found += where + QStringLiteral(": «") + text + QStringLiteral("» → «") +
                     other->second + QStringLiteral("»\n");
    }
    for (const auto& [where, text] : after)
        if (!before.count(where))
            found += where + QStringLiteral(" is new: «") + text + QStringLiteral("»\n");
    return found;
}

} // namespace FourierTest
