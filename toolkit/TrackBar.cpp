#include "Controls.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <utility>

namespace Fourier::Toolkit {
namespace {

// Qt reports each step (actionTriggered) and the end of a drag (sliderReleased) but has no
// end notification after a key, a click in the groove or a wheel step; this widget adds it.
class TrackBarWidget : public QSlider {
  public:
    explicit TrackBarWidget(TTrackBar* owner) : QSlider(Qt::Horizontal), owner_(owner) {
        setTickPosition(QSlider::TicksBelow);
        setTickInterval(1);
        setRange(0, 10);
        setPageStep(2);
        connect(this, &QAbstractSlider::actionTriggered, this, [this] {
            stepped_ = true;
            Notify();
        });
        // A value set neither by a step nor by the toolkit (which blocks the signals) comes
        // from assistive technology, for which it is the user's move.
        connect(this, &QAbstractSlider::valueChanged, this, [this] {
            if (!std::exchange(stepped_, false)) Notify();
        });
        connect(this, &QAbstractSlider::sliderReleased, this, [this] { Notify(); });
        connect(this, &QAbstractSlider::sliderMoved, this, &TrackBarWidget::ShowHint);
        connect(this, &QAbstractSlider::sliderPressed, this,
                [this] { ShowHint(sliderPosition()); });
        connect(this, &QAbstractSlider::sliderReleased, this, [] { QToolTip::hideText(); });
    }

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        QSlider::keyPressEvent(event);
        stepped_ = false; // a step at the end of the range changes no value
        if (event->isAccepted() && IsStepKey(event->key())) Notify();
    }
    void mousePressEvent(QMouseEvent* event) override {
        QSlider::mousePressEvent(event);
        grooveClick_ = event->isAccepted() && !isSliderDown();
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        QSlider::mouseReleaseEvent(event);
        stepped_ = false;
        if (!grooveClick_) return;
        grooveClick_ = false;
        Notify();
    }
    void wheelEvent(QWheelEvent* event) override {
        QSlider::wheelEvent(event);
        stepped_ = false;
        if (event->isAccepted()) Notify();
    }

  private:
    static bool IsStepKey(int key) {
        switch (key) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
            return true;
        default:
            return false;
        }
    }
    // Above the thumb, so that the hand on the mouse does not cover it.
    void ShowHint(int position) {
        if (!owner_->DragHint) return;
        const std::string text = owner_->DragHint(position);
        if (text.empty()) return;
        QStyleOptionSlider option;
        initStyleOption(&option);
        option.sliderPosition = position;
        const QRect handle =
            style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
        QToolTip::showText(mapToGlobal(QPoint(handle.left(), handle.top() - 4)) -
                               QPoint(0, fontMetrics().height() + 8),
                           QString::fromStdString(text), this);
    }
    void Notify() {
        if (!signalsBlocked() && owner_->OnChange) Dispatch([this] { owner_->OnChange(owner_); });
    }

    TTrackBar* owner_;
    bool grooveClick_ = false;
    bool stepped_ = false; // a step was reported, the value follows it
};

QSlider* SliderOf(const TControl* c) {
    return static_cast<QSlider*>(c->Widget());
}

} // namespace

TTrackBar::TTrackBar(TControl* parent, std::string name)
    : TControl(parent, std::move(name), new TrackBarWidget(this)) {}

void TTrackBar::SetMin(int v) {
    if (v > Max()) return;
    const QSignalBlocker blocker(SliderOf(this));
    SliderOf(this)->setMinimum(v);
}

void TTrackBar::SetMax(int v) {
    if (v < Min()) return;
    const QSignalBlocker blocker(SliderOf(this));
    SliderOf(this)->setMaximum(v);
}

void TTrackBar::SetPosition(int v) {
    const QSignalBlocker blocker(SliderOf(this));
    SliderOf(this)->setValue(std::clamp(v, Min(), Max()));
}

void TTrackBar::SetPageSize(int v) {
    SliderOf(this)->setPageStep(v);
}

int TTrackBar::Min() const {
    return SliderOf(this)->minimum();
}

int TTrackBar::Max() const {
    return SliderOf(this)->maximum();
}

// During a step Qt already holds the new value here, while value() still has the old one.
int TTrackBar::Position() const {
    return SliderOf(this)->sliderPosition();
}

int TTrackBar::PageSize() const {
    return SliderOf(this)->pageStep();
}

} // namespace Fourier::Toolkit
