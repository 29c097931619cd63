#pragma once
// Cells of numbers drawn as one right-aligned line each. The style's own item painting
// lays out, elides and decorates every cell, and a table whose visible numbers all change
// with every slider step spends most of its time there.
#include <QStyledItemDelegate>

namespace Fourier {

class NumberDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    static constexpr int Margin = 4; // between the text and either side of its cell
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

} // namespace Fourier
