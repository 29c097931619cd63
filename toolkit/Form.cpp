#include "Form.h"

#include "QtBridge.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QStyle>
#include <algorithm>

namespace Fourier::Toolkit {

// Installed on the application, so the form sees every key before the focused control.
class TForm::KeyPreview : public QObject {
  public:
    explicit KeyPreview(TForm* form) : form_(form) {}

  protected:
    bool eventFilter(QObject* target, QEvent* event) override {
        if (event->type() == QEvent::Close && target == form_->Widget()) form_->visible_ = false;
        if (event->type() == QEvent::LanguageChange && target == form_->Widget() &&
            form_->OnLanguageChange)
            Dispatch([this] { form_->OnLanguageChange(form_); });
        if (event->type() != QEvent::KeyPress || !target->isWidgetType()) return false;
        return form_->PreviewKey(static_cast<QWidget*>(target), static_cast<QKeyEvent*>(event));
    }

  private:
    TForm* form_;
};

TForm::TForm(std::string name) : TControl(nullptr, std::move(name), new QWidget) {
    form_ = this;
    QWidget* window = Widget();
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint);
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, Bridge::Color(clBtnFace));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    window->setFont(DefaultFont());
    preview_ = std::make_unique<KeyPreview>(this);
    qApp->installEventFilter(preview_.get());
}

TForm::~TForm() {
    if (qApp) qApp->removeEventFilter(preview_.get());
    preview_.reset();
    // The whole widget tree goes at once while every control still exists; blocked
    // signals keep focus and text notifications of the dying widgets from any handler.
    for (TControl* c : registry_)
        if (c->Widget()) c->Widget()->blockSignals(true);
    if (QWidget* window = Widget()) {
        window->blockSignals(true);
        delete window;
    }
}

void TForm::SetCaption(const std::string& caption) {
    Widget()->setWindowTitle(Bridge::Q(caption));
}

std::string TForm::Caption() const {
    return Bridge::S(Widget()->windowTitle());
}

void TForm::SetClientSize(int width, int height) {
    SetBounds(Left(), Top(), width, height);
}

void TForm::Show() {
    QWidget* window = Widget();
    if (!shownOnce_) {
        shownOnce_ = true;
        if (QScreen* screen =
                window->screen() ? window->screen() : QGuiApplication::primaryScreen()) {
            // alignedRect gives (available - size) / 2; QRect::center would round one pixel short.
            const QRect available = screen->availableGeometry();
            const QRect place =
                QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window->size(), available);
            // On a screen too small for it (a projector at a large scale factor) the window
            // starts at the screen's corner, its title bar and top left reachable.
            window->move(std::max(place.left(), available.left()),
                         std::max(place.top(), available.top()));
        }
    }
    visible_ = true;
    window->show();
}

void TForm::Close() {
    visible_ = false;
    Widget()->close();
}

TControl* TForm::ActiveControl() const {
    // The focus may sit on an inner widget (a spin box's editor): the nearest control above it
    // counts.
    for (QWidget* w = Widget()->focusWidget(); w && w != Widget(); w = w->parentWidget()) {
        for (TControl* c : registry_)
            if (c->Widget() == w) return c;
    }
    return nullptr;
}

} // namespace Fourier::Toolkit
