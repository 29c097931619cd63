#include "NumberDelegate.h"

#include <QPainter>

namespace Fourier {

void NumberDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const {
    const bool selected = option.state & QStyle::State_Selected;
    if (selected) painter->fillRect(option.rect, option.palette.highlight());
    painter->setPen(selected ? option.palette.highlightedText().color()
                             : option.palette.text().color());
    painter->drawText(option.rect.adjusted(Margin, 0, -Margin, 0),
                      Qt::AlignRight | Qt::AlignVCenter, index.data().toString());
}

} // namespace Fourier
