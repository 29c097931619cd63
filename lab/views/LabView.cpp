#include "LabView.h"

#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

namespace Fourier {
namespace {

QString UnmeasurableText() {
    return LabView::tr("Значения сигнала слишком велики (больше 10¹⁵⁰ по модулю) или не конечны: "
                       "их энергию и ошибку приближения не сосчитать, и здесь ничего не показано.");
}

} // namespace

LabView::LabView(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    unmeasurable_ = new QLabel(UnmeasurableText(), this);
    unmeasurable_->setObjectName(QStringLiteral("UnmeasurableSignal"));
    unmeasurable_->setWordWrap(true);
    unmeasurable_->setAlignment(Qt::AlignCenter);
    unmeasurable_->hide();
    layout->addWidget(unmeasurable_);
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

void LabView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        unmeasurable_->setText(UnmeasurableText());
        Retranslate();
    }
    QWidget::changeEvent(event);
}

const TRun* LabView::DrawnRun() const {
    return built_ && !pending_ && IsMeasurable(run_.Analysis) ? &run_ : nullptr;
}

void LabView::DrawPending() {
    if (!pending_) return;
    if (!built_) {
        Build(*static_cast<QVBoxLayout*>(layout()));
        built_ = true;
        Retranslate();
    }
    pending_ = false;
    const bool measurable = IsMeasurable(run_.Analysis);
    ShowContent(measurable);
    if (measurable) Draw(run_);
}

// Only what was shown is hidden, and brought back later: a view may keep parts hidden of
// its own accord. Parts just built are not shown yet (their layout shows them a turn later)
// but count as shown: only a part hidden on purpose stays hidden.
void LabView::ShowContent(bool shown) {
    if (shown == unmeasurable_->isHidden()) return;
    unmeasurable_->setVisible(!shown);
    if (!shown) {
        hiddenContent_.clear();
        for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const bool hiddenOnPurpose =
                child->isHidden() && child->testAttribute(Qt::WA_WState_ExplicitShowHide);
            if (child == unmeasurable_ || hiddenOnPurpose) continue;
            hiddenContent_.push_back(child);
            child->hide();
        }
        return;
    }
    for (const QPointer<QWidget>& child : hiddenContent_)
        if (child) child->show();
    hiddenContent_.clear();
}

int LabHarmonic(const TRun& run) {
    return std::clamp(run.Harmonic, 0, HighestHarmonic);
}

} // namespace Fourier
