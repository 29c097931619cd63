// Labels, edits and the drop-down list.
#include "Controls.h"

#include "QtBridge.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

namespace Fourier::Toolkit {
namespace {

QLabel* LabelOf(const TControl* c) {
    return static_cast<QLabel*>(c->Widget());
}
QLineEdit* EditOf(const TControl* c) {
    return static_cast<QLineEdit*>(c->Widget());
}
QComboBox* ComboOf(const TControl* c) {
    return static_cast<QComboBox*>(c->Widget());
}

} // namespace

TLabel::TLabel(TControl* parent, std::string name) : TControl(parent, std::move(name), new QLabel) {
    LabelOf(this)->setTextFormat(Qt::PlainText);
    LabelOf(this)->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TLabel::SetCaption(const std::string& caption) {
    LabelOf(this)->setText(Bridge::Q(caption));
    FitText();
}

std::string TLabel::Caption() const {
    return Bridge::S(LabelOf(this)->text());
}

void TLabel::SetAutoSize(bool a) {
    autoSize_ = a;
    FitText();
}

void TLabel::FitText() {
    if (!autoSize_) {
        captionWidth_ = -1;
        return;
    }
    const QFontMetrics metrics(LabelOf(this)->font());
    captionWidth_ = metrics.horizontalAdvance(LabelOf(this)->text());
    SetBounds(Left(), Top(), captionWidth_, metrics.height());
}

int TLabel::NaturalWidth() const {
    return captionWidth_;
}

TEdit::TEdit(TControl* parent, std::string name)
    : TControl(parent, std::move(name), new QLineEdit) {
    QObject::connect(EditOf(this), &QLineEdit::textChanged, EditOf(this), [this] {
        if (OnChange) Dispatch([this] { OnChange(this); });
    });
}

std::string TEdit::Text() const {
    return Bridge::S(EditOf(this)->text());
}

void TEdit::SetText(const std::string& text) {
    const QString next = Bridge::Q(text);
    if (next == EditOf(this)->text()) return;
    {
        const QSignalBlocker blocker(EditOf(this));
        EditOf(this)->setText(next);
        EditOf(this)->setCursorPosition(0);
    }
    if (OnChange) OnChange(this);
}

void TEdit::SetReadOnly(bool r) {
    EditOf(this)->setReadOnly(r);
}

bool TEdit::ReadOnly() const {
    return EditOf(this)->isReadOnly();
}

TComboBox::TComboBox(TControl* parent, std::string name)
    : TControl(parent, std::move(name), new QComboBox) {
    ComboOf(this)->setEditable(false);
    // activated comes from the mouse and the keyboard only, never from code.
    QObject::connect(ComboOf(this), &QComboBox::activated, ComboOf(this), [this] {
        if (OnChange) Dispatch([this] { OnChange(this); });
    });
}

void TComboBox::SetItems(const std::vector<std::string>& items) {
    const QSignalBlocker blocker(ComboOf(this));
    ComboOf(this)->clear();
    for (const std::string& item : items)
        ComboOf(this)->addItem(Bridge::Q(item));
    ComboOf(this)->setCurrentIndex(-1);
}

void TComboBox::SetItemText(int i, const std::string& text) {
    const QSignalBlocker blocker(ComboOf(this));
    ComboOf(this)->setItemText(i, Bridge::Q(text));
}

int TComboBox::ItemIndex() const {
    return ComboOf(this)->currentIndex();
}

std::string TComboBox::Text() const {
    return Bridge::S(ComboOf(this)->currentText());
}

void TComboBox::SetText(const std::string& text) {
    // Like the classic list, the match ignores case.
    const int index = ComboOf(this)->findText(Bridge::Q(text), Qt::MatchFixedString);
    if (index < 0) return;
    const QSignalBlocker blocker(ComboOf(this));
    ComboOf(this)->setCurrentIndex(index);
}

} // namespace Fourier::Toolkit
