#include "LabView.h"

#include <QVBoxLayout>
#include <algorithm>

namespace Fourier {

LabView::LabView(QWidget* parent) : QWidget(parent) {
    new QVBoxLayout(this);
}

void LabView::ShowRun(const TRunView& run) {
    if (!built_) {
        Build(*static_cast<QVBoxLayout*>(layout()));
        built_ = true;
    }
    Draw(run);
}

int LabHarmonic(const TRunView& run) {
    return std::clamp(run.Harmonic, 0, HighestHarmonic);
}

} // namespace Fourier
