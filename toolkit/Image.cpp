// The image control: a widget that shows its picture at the top-left corner.
#include "Controls.h"

#include <QPainter>

namespace Fourier::Toolkit {
namespace {

class ImageWidget : public QWidget {
  public:
    const QImage* Picture = nullptr;

  protected:
    // Without a picture nothing is painted, so the parent's colour shows through.
    void paintEvent(QPaintEvent*) override {
        if (!Picture || Picture->isNull()) return;
        QPainter(this).drawImage(0, 0, *Picture);
    }
};

} // namespace

TImage::TImage(TControl* parent, std::string name)
    : TControl(parent, std::move(name), new ImageWidget) {}

TCanvas& TImage::Canvas() {
    if (!canvas_) {
        if (Width() > 0 && Height() > 0) {
            picture_ = QImage(Width(), Height(), QImage::Format_RGB32);
            picture_.fill(Qt::white);
        }
        canvas_ = std::make_unique<TCanvas>(&picture_);
        canvas_->OnChanged = [this] {
            if (QWidget* widget = Widget()) widget->update();
        };
        static_cast<ImageWidget*>(Widget())->Picture = &picture_;
        BoundsChanged();
        Widget()->update();
    }
    return *canvas_;
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
    return picture_;
}

} // namespace Fourier::Toolkit
