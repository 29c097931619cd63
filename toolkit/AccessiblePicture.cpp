#include "AccessiblePicture.h"

#include <QAccessibleWidget>
#include <QEvent>
#include <QHash>
#include <QPointer>
#include <QVariant>
#include <QWidget>

namespace Fourier::Toolkit::Accessibility {
namespace {

constexpr char RoleProperty[] = "fourierAccessibleRole";
constexpr char ColumnsProperty[] = "fourierAccessibleColumns";
constexpr char RowsProperty[] = "fourierAccessibleRows";

QStringList Columns(const QWidget* widget) {
    return widget->property(ColumnsProperty).toStringList();
}

QList<QVariant> Rows(const QWidget* widget) {
    return widget->property(RowsProperty).toList();
}

// One cell of a picture's table: its text, in its row and column.
class PictureCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
  public:
    PictureCell(QWidget* picture, int row, int column)
        : picture_(picture), row_(row), column_(column) {}

    bool isValid() const override { return picture_ && row_ < Rows(picture_).size(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return Table() ? Table()->window() : nullptr; }
    QAccessibleInterface* parent() const override { return Table(); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        if (!isValid()) return {};
        const QString cell = Rows(picture_).at(row_).toStringList().value(column_);
        if (t == QAccessible::Name || t == QAccessible::Value) return cell;
        if (t == QAccessible::Description)
            return Columns(picture_).value(column_) + QStringLiteral(": ") + cell;
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return Table() ? Table()->rect() : QRect(); }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.readOnly = true;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return Table(); }

  private:
    QAccessibleInterface* Table() const {
        return picture_ ? QAccessible::queryAccessibleInterface(picture_.data()) : nullptr;
    }
    QPointer<QWidget> picture_;
    int row_, column_;
};

// A widget of no kind Qt knows: a picture with the role it was marked with, a window, or a
// pane; a picture with a table answers as one too, its cells following its widget children.
class OwnWidget : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    // The cells stay with Qt's cache, which may be deleting them itself as this goes; a
    // cell of a picture that is gone is no longer valid.
    explicit OwnWidget(QWidget* widget) : QAccessibleWidget(widget) {}

    QAccessible::Role role() const override {
        const QAccessible::Role marked = RoleOf(widget());
        if (marked != QAccessible::NoRole) return marked;
        return widget()->isWindow() ? QAccessible::Window : QAccessible::Pane;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface && !Columns(widget()).isEmpty())
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    int childCount() const override {
        return QAccessibleWidget::childCount() + rowCount() * columnCount();
    }
    QAccessibleInterface* child(int index) const override {
        const int widgets = QAccessibleWidget::childCount();
        if (index < widgets) return QAccessibleWidget::child(index);
        const int columns = columnCount();
        const int cell = index - widgets;
        return columns > 0 ? cellAt(cell / columns, cell % columns) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (const QAccessibleTableCellInterface* cell =
                const_cast<QAccessibleInterface*>(child)->tableCellInterface();
            cell && child->object() == nullptr && child->parent() == this)
            return QAccessibleWidget::childCount() + cell->rowIndex() * columnCount() +
                   cell->columnIndex();
        return QAccessibleWidget::indexOfChild(child);
    }

    // The table.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return nullptr;
        const int key = row * columnCount() + column;
        auto found = cells_.constFind(key);
        if (found != cells_.constEnd()) return QAccessible::accessibleInterface(*found);
        auto* cell = new PictureCell(widget(), row, column);
        cells_.insert(key, QAccessible::registerAccessibleInterface(cell));
        return cell;
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override { return Columns(widget()).value(column); }
    QString rowDescription(int row) const override {
        return Rows(widget()).value(row).toStringList().value(0);
    }
    int columnCount() const override { return static_cast<int>(Columns(widget()).size()); }
    int rowCount() const override {
        return Columns(widget()).isEmpty() ? 0 : static_cast<int>(Rows(widget()).size());
    }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    // Cells keep no text of their own; a new table only drops the cells made for the old one.
    void modelChange(QAccessibleTableModelChangeEvent*) override { ForgetCells(); }

  private:
    void ForgetCells() const {
        for (const QAccessible::Id id : std::as_const(cells_))
            QAccessible::deleteAccessibleInterface(id);
        cells_.clear();
    }
    mutable QHash<int, QAccessible::Id> cells_;
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    // Qt's own classes are known by their names; ours without a known base end up here. A
    // scroll area is only a frame round what it holds: Qt would call it a client.
    if ((className != QLatin1String("QWidget") && className != QLatin1String("QScrollArea")) ||
        !object || !object->isWidgetType())
        return nullptr;
    return new OwnWidget(static_cast<QWidget*>(object));
}

// Takes the summary after every paint of the widget it watches.
class PaintWatcher : public QObject {
  public:
    PaintWatcher(QWidget* picture, std::function<QString()> summary)
        : QObject(picture), summary_(std::move(summary)) {
        picture->installEventFilter(this);
    }
    void Take() { SetSummary(static_cast<QWidget*>(parent()), summary_()); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == parent() && event->type() == QEvent::Paint) Take();
        return false;
    }

  private:
    std::function<QString()> summary_;
};

} // namespace

void Install() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(Factory);
}

void Describe(QWidget* widget, const QString& name, const QString& description) {
    widget->setAccessibleName(name);
    widget->setAccessibleDescription(description);
}

void MarkPicture(QWidget* picture, QAccessible::Role role, const QString& name) {
    picture->setProperty(RoleProperty, static_cast<int>(role));
    picture->setAccessibleName(name);
}

QAccessible::Role RoleOf(const QWidget* widget) {
    const QVariant role = widget->property(RoleProperty);
    return role.isValid() ? static_cast<QAccessible::Role>(role.toInt()) : QAccessible::NoRole;
}

void SetSummary(QWidget* picture, const QString& summary) {
    if (picture->accessibleDescription() == summary) return;
    picture->setAccessibleDescription(summary);
    QAccessibleEvent event(picture, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

void SetTable(QWidget* picture, const QStringList& columns, const QList<QStringList>& rows) {
    QList<QVariant> cells;
    cells.reserve(rows.size());
    for (const QStringList& row : rows)
        cells.append(row);
    if (Columns(picture) == columns && Rows(picture) == cells) return;
    picture->setProperty(ColumnsProperty, columns);
    picture->setProperty(RowsProperty, cells);
    QAccessibleTableModelChangeEvent event(picture, QAccessibleTableModelChangeEvent::ModelReset);
    QAccessible::updateAccessibility(&event);
}

void FollowPaint(QWidget* picture, std::function<QString()> summary) {
    (new PaintWatcher(picture, std::move(summary)))->Take();
}

} // namespace Fourier::Toolkit::Accessibility
