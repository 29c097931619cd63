#pragma once
// Small widgets the panes share.
#include <QWidget>

namespace Fourier {

// Empty room that takes the spare width of a tool bar, pushing what follows to its end.
inline QWidget* Spacer() {
    auto* spacer = new QWidget;
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    return spacer;
}

} // namespace Fourier
