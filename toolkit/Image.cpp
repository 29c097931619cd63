// The image control: a widget that shows its picture at the top-left corner.
#include "Controls.h"

#include <QPainter>
#include <utility>

namespace Fourier::Toolkit {
namespace {

class ImageWidget : public QWidget {
  public:
    const TImage* Owner = nullptr; // set once the picture exists

  protected:
    // Without a picture nothing is painted, so the parent's colour shows through.
    void paintEvent(QPaintEvent*) override {
        if (!Owner) return;
        const QImage& picture = Owner->Picture();
        if (!picture.isNull()) QPainter(this).drawImage(0, 0, picture);
    }
};

} // namespace

TImage::TImage(TControl* parent, std::string name)
    : TControl(parent, std::move(name), new ImageWidget) {}

TCanvas& TImage::Canvas() {
    StretchPending();
    CreatePicture();
    return *canvas_;
}

void TImage::CreatePicture() {
    if (!canvas_) {
        if (Width() > 0 && Height() > 0) {
            picture_ = QImage(Width(), Height(), QImage::Format_RGB32);
            picture_.fill(Qt::white);
        }
        canvas_ = std::make_unique<TCanvas>(&picture_);
        canvas_->OnChanged = [this] {
            if (QWidget* widget = Widget()) widget->update();
        };
        static_cast<ImageWidget*>(Widget())->Owner = this;
        BoundsChanged();
        Widget()->update();
    }
}

// While the picture covers the whole control, nothing behind it needs painting first.
void TImage::BoundsChanged() {
    if (QWidget* widget = Widget())
        widget->setAttribute(Qt::WA_OpaquePaintEvent, !picture_.isNull() &&
                                                          picture_.width() >= Width() &&
                                                          picture_.height() >= Height());
}

bool TImage::HasPicture() const {
    return canvas_ != nullptr;
}

const QImage& TImage::Picture() const {
    StretchPending();
    return picture_;
}

void TImage::StretchLater(const TBitmap& source) {
    CreatePicture();
    const TRect rect{0, 0, Width(), Height()};
    // A stretch still pending is replaced, never carried out, when this one covers it.
    if (rect.Right < pendingRect_.Right || rect.Bottom < pendingRect_.Bottom) StretchPending();
    pendingRect_ = rect;
    pendingSource_ = source.Image();
    ++stretchRequests_;
    if (QWidget* widget = Widget()) widget->update();
}

void TImage::StretchPending() const {
    if (pendingSource_.isNull() || !canvas_) return;
    // Released once drawn, so that the bitmap's next stroke need not copy its pixels.
    const QImage source = std::exchange(pendingSource_, QImage());
    const uint64_t before = canvas_->Version();
    // The request already asked for a repaint; this may run inside that very paint.
    const auto onChanged = std::exchange(canvas_->OnChanged, nullptr);
    canvas_->StretchDraw(pendingRect_, source);
    canvas_->OnChanged = onChanged;
    stretchVersions_ += canvas_->Version() - before;
}

uint64_t TImage::Version() const {
    return canvas_ ? canvas_->Version() - stretchVersions_ + stretchRequests_ : stretchRequests_;
}

} // namespace Fourier::Toolkit
