// Check boxes, push buttons and flat speed buttons.
#include "Controls.h"

#include "QtBridge.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>

namespace Fourier::Toolkit {
namespace {

QAbstractButton* ButtonOf(const TControl* c) {
    return static_cast<QAbstractButton*>(c->Widget());
}

// Qt registers an Alt shortcut for every "&" caption, and two captions sharing a letter
// make it ambiguous; the form's own accelerator dispatcher handles them instead.
void SetButtonText(QAbstractButton* button, const std::string& caption) {
    button->setText(Bridge::Q(caption));
    button->setShortcut(QKeySequence());
}

} // namespace

TCheckBox::TCheckBox(TControl* parent, std::string name)
    : TControl(parent, std::move(name), new QCheckBox) {
    QObject::connect(ButtonOf(this), &QAbstractButton::clicked, ButtonOf(this), [this] {
        if (OnClick) Dispatch([this] { OnClick(this); });
    });
}

void TCheckBox::SetCaption(const std::string& caption) {
    SetButtonText(ButtonOf(this), caption);
}

bool TCheckBox::Checked() const {
    return ButtonOf(this)->isChecked();
}

void TCheckBox::SetChecked(bool c) {
    if (c == Checked()) return;
    {
        const QSignalBlocker blocker(ButtonOf(this));
        ButtonOf(this)->setChecked(c);
    }
    if (OnClick) OnClick(this);
}

TButtonControl::TButtonControl(TControl* parent, std::string name, QWidget* widget)
    : TControl(parent, std::move(name), widget) {
    QObject::connect(ButtonOf(this), &QAbstractButton::clicked, ButtonOf(this), [this] {
        if (OnClick) Dispatch([this] { OnClick(this); });
    });
}

void TButtonControl::SetCaption(const std::string& caption) {
    caption_ = caption;
    SetButtonText(ButtonOf(this), caption);
}

std::string TButtonControl::Caption() const {
    return caption_;
}

char16_t TButtonControl::Accelerator() const {
    const QString text = Bridge::Q(caption_);
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&') continue;
        if (text[i + 1] != u'&') return text[i + 1].toUpper().unicode();
        ++i; // "&&" is a literal ampersand
    }
    return 0;
}

void TButtonControl::Click() {
    if (OnClick) OnClick(this);
}

TButton::TButton(TControl* parent, std::string name)
    : TButtonControl(parent, std::move(name), new QPushButton) {
    auto* button = static_cast<QPushButton*>(Widget());
    button->setAutoDefault(false);
    button->setDefault(false);
}

void TButton::SetDefault(bool) {}

TSpeedButton::TSpeedButton(TControl* parent, std::string name)
    : TButtonControl(parent, std::move(name), new QToolButton) {
    auto* button = static_cast<QToolButton*>(Widget());
    button->setAutoRaise(true);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setFocusPolicy(Qt::NoFocus);
}

} // namespace Fourier::Toolkit
