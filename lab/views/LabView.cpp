#include "LabView.h"

#include <QVBoxLayout>
#include <algorithm>

namespace Fourier {

LabView::LabView(QWidget* parent) : QWidget(parent) {
    new QVBoxLayout(this);
}

void LabView::ShowRun(const TRun& run) {
    run_ = run;
    pending_ = true;
    if (isVisible()) DrawPending();
}

void LabView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    DrawPending(); // before the first paint, so no stale picture shows
}

void LabView::DrawPending() {
    if (!pending_) return;
    if (!built_) {
        Build(*static_cast<QVBoxLayout*>(layout()));
        built_ = true;
    }
    pending_ = false;
    Draw(run_);
}

int LabHarmonic(const TRun& run) {
    return std::clamp(run.Harmonic, 0, HighestHarmonic);
}

} // namespace Fourier
