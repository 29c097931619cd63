#include "Controls.h"

#include "Form.h"
#include "QtBridge.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <algorithm>

namespace Fourier::Toolkit {

TControl::TControl(TControl* parent, std::string name, QWidget* widget)
    : TObject(std::move(name)), parent_(parent), form_(parent ? parent->form_ : nullptr),
      widget_(widget) {
    widget->setObjectName(Bridge::Q(Name()));
    if (!parent_) return;
    widget->setParent(parent_->Widget());
    parent_->children_.push_back(this);
    if (form_) form_->Register(this);
    // Shown along with the parent; setParent alone would leave it hidden.
    widget->setVisible(true);
}

TControl::~TControl() {
    if (widget_) {
        // Our widget subclasses treat blocked signals as "no handler may run now".
        widget_->blockSignals(true);
        delete widget_.data();
    }
}

void TControl::SetVisible(bool v) {
    visible_ = v;
    if (!parent_) {
        if (v && form_)
            form_->Show();
        else
            widget_->setVisible(v);
        return;
    }
    widget_->setVisible(v && !withheld_);
    parent_->Realign();
}

void TControl::SetWithheld(bool withheld) {
    withheld_ = withheld;
    if (parent_ && widget_) widget_->setVisible(visible_ && !withheld_);
}

void TControl::SetEnabled(bool e) {
    enabled_ = e;
    widget_->setEnabled(e);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    Relayout();
}

void TControl::SetWidth(int w) {
    width_ = w;
    Relayout();
}

void TControl::SetHeight(int h) {
    height_ = h;
    Relayout();
}

void TControl::SetAlign(TAlign a) {
    align_ = a;
    Relayout();
}

void TControl::Relayout() {
    if (parent_) {
        parent_->Realign();
        return;
    }
    ApplyGeometry();
    Realign();
}

void TControl::ApplyGeometry() {
    const int w = std::max(width_, 0);
    const int h = std::max(height_, 0);
    if (parent_)
        widget_->setGeometry(left_, top_, w, h);
    else
        widget_->setFixedSize(w, h); // a window: the record is its client size
    BoundsChanged();
}

TRect TControl::ClientRect() const {
    return {0, 0, width_, height_};
}

void TControl::Realign() {
    TRect free = ClientRect();
    auto across = [](int from, int to) { return std::max(to - from, 0); };
    for (const TAlign pass : {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight}) {
        for (TControl* c : children_) {
            if (c->align_ != pass || !c->visible_) continue;
            switch (pass) {
            case TAlign::alTop:
                c->left_ = free.Left;
                c->top_ = free.Top;
                c->width_ = across(free.Left, free.Right);
                free.Top += c->height_;
                break;
            case TAlign::alBottom:
                c->left_ = free.Left;
                c->top_ = free.Bottom - c->height_;
                c->width_ = across(free.Left, free.Right);
                free.Bottom -= c->height_;
                break;
            case TAlign::alLeft:
                c->left_ = free.Left;
                c->top_ = free.Top;
                c->height_ = across(free.Top, free.Bottom);
                free.Left += c->width_;
                break;
            case TAlign::alRight:
                c->left_ = free.Right - c->width_;
                c->top_ = free.Top;
                c->height_ = across(free.Top, free.Bottom);
                free.Right -= c->width_;
                break;
            default:
                break;
            }
        }
    }
    for (TControl* c : children_) {
        if (c->align_ != TAlign::alClient || !c->visible_) continue;
        c->left_ = free.Left;
        c->top_ = free.Top;
        c->width_ = across(free.Left, free.Right);
        c->height_ = across(free.Top, free.Bottom);
    }
    for (TControl* c : children_)
        if (const int natural = c->NaturalWidth(); natural >= 0)
            c->width_ = std::min(natural, RoomRightOf(c));
    for (TControl* c : children_) {
        c->ApplyGeometry();
        c->Realign();
    }
}

int TControl::RoomRightOf(const TControl* child) const {
    int right = ClientRect().Right;
    for (const TControl* c : children_) {
        if (c == child || !c->visible_ || c->left_ <= child->left_) continue;
        const bool sharesRows =
            c->top_ < child->top_ + child->height_ && child->top_ < c->top_ + c->height_;
        if (sharesRows) right = std::min(right, c->left_);
    }
    return std::max(right - child->left_, 0);
}

void TControl::SetColor(TColor c) {
    QPalette palette = widget_->palette();
    const bool field = qobject_cast<QLineEdit*>(widget_) ||
                       qobject_cast<QAbstractSpinBox*>(widget_) ||
                       qobject_cast<QComboBox*>(widget_);
    palette.setColor(field ? QPalette::Base : QPalette::Window, Bridge::Color(c));
    widget_->setPalette(palette);
    widget_->setAutoFillBackground(true);
}

void TControl::SetFontColor(TColor c) {
    QPalette palette = widget_->palette();
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, Bridge::Color(c));
    widget_->setPalette(palette);
}

void TControl::SetHint(const std::string& hint) {
    widget_->setToolTip(Bridge::Q(hint));
}

void TControl::SetTabStop(bool t) {
    const Qt::FocusPolicy policy = widget_->focusPolicy();
    if (policy == Qt::NoFocus) return;
    if (t && !(policy & Qt::TabFocus)) widget_->setFocusPolicy(Qt::StrongFocus);
    if (!t && (policy & Qt::TabFocus)) widget_->setFocusPolicy(Qt::ClickFocus);
}

void TControl::SetFocus() {
    widget_->setFocus(Qt::OtherFocusReason);
}

bool TControl::Focused() const {
    return form_ && form_->ActiveControl() == this;
}

} // namespace Fourier::Toolkit
