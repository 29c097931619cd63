#pragma once
// Pictures and plain containers as assistive technology (a screen reader) sees them.
//
// Qt gives its standard widgets a role and a value; a widget that paints itself, or a plain
// QWidget that only holds others, is "client" with no name. The factory installed here gives
// every widget whose class Qt's accessibility does not know (its nearest known class is
// QWidget) a role: a picture marked with MarkPicture gets its own (Graphic or Chart) and says
// what it is (its name) and what it shows now (its description, the summary); a window is a
// window; anything else is a pane. A picture given a table (SetTable) also answers as one,
// one row per entry.
//
// The state lives in the widget itself (its accessible name and description and two dynamic
// properties), so that a copy of this code in a plugin and the program's own copy agree.
#include <QAccessible>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace Fourier::Toolkit::Accessibility {

// Installs the factory once; later calls do nothing.
void Install();

// A name and a description for any widget.
void Describe(QWidget* widget, const QString& name, const QString& description);

// Makes `picture` a picture with this role (Graphic or Chart) and name.
void MarkPicture(QWidget* picture, QAccessible::Role role, const QString& name);
QAccessible::Role RoleOf(const QWidget* widget); // the marked role, or NoRole

// The picture's summary, its accessible description; a change is announced to assistive
// technology (DescriptionChanged), the same text again is not.
void SetSummary(QWidget* picture, const QString& summary);

// The table the picture also answers as: column headers, then one row of texts per entry
// (each as long as the headers). A new table is announced (a model reset).
void SetTable(QWidget* picture, const QStringList& columns, const QList<QStringList>& rows);

// A summary the widget computes from its own state: taken now and again after each time the
// widget is painted, so that whatever changes what it shows changes what it says.
void FollowPaint(QWidget* picture, std::function<QString()> summary);

} // namespace Fourier::Toolkit::Accessibility
