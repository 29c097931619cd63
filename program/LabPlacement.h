#pragma once
// Where the lab's window first opens: beside the main window on the same screen, so that
// the two are seen together. Plain geometry, no window is touched.
#include <QMargins>
#include <QRect>
#include <QSize>

namespace Fourier {

// The lab's client rectangle. mainFrame is the main window's frame, frame the margins a
// window manager puts around a client area, available the screen's free area. The lab
// wants its client size `wanted` and still works down to `smallest`. It goes right of the
// main window, else left of it, else below it, shrunk to the room there when needed; it
// covers the main window only when none of those rooms holds `smallest`, and then sits in
// the screen's top right corner. It always lies on the screen (shrunk to it if need be).
QRect PlaceBeside(const QRect& mainFrame, const QMargins& frame, QSize wanted, QSize smallest,
                  const QRect& available);

} // namespace Fourier
