#include "LabPlacement.h"

#include <algorithm>
#include <array>

namespace Fourier {
namespace {

// v moved into [low, high], low winning when the range is empty.
int Within(int v, int low, int high) {
    return std::max(low, std::min(v, high));
}

} // namespace

QRect PlaceBeside(const QRect& mainFrame, const QMargins& frame, QSize wanted, QSize smallest,
                  const QRect& available) {
    const QRect screen = available.marginsRemoved(frame); // where a client area may lie
    wanted = wanted.boundedTo(screen.size());

    enum TSide { Right, Left, Below };
    for (const TSide side : std::array{Right, Left, Below}) {
        QRect room = available;
        if (side == Right) room.setLeft(mainFrame.right() + 1);
        if (side == Left) room.setRight(mainFrame.left() - 1);
        if (side == Below) room.setTop(mainFrame.bottom() + 1);
        room = room.marginsRemoved(frame);
        if (room.width() < smallest.width() || room.height() < smallest.height()) continue;

        const QSize size = wanted.boundedTo(room.size());
        // Level with the main window (beside it) or under its left edge (below it).
        const int main =
            side == Below ? mainFrame.left() + frame.left() : mainFrame.top() + frame.top();
        if (side == Below)
            return {Within(main, room.left(), room.right() + 1 - size.width()), room.top(),
                    size.width(), size.height()};
        const int x = side == Right ? room.left() : room.right() + 1 - size.width();
        return {x, Within(main, room.top(), room.bottom() + 1 - size.height()), size.width(),
                size.height()};
    }
    return {screen.right() + 1 - wanted.width(), screen.top(), wanted.width(), wanted.height()};
}

} // namespace Fourier
