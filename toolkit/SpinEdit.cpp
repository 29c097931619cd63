#include "Controls.h"

#include "DecimalText.h"
#include "QtBridge.h"

#include <QAbstractSpinBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <algorithm>
#include <optional>

namespace Fourier::Toolkit {
namespace {

// Decimal only, as the classic field reads its text: blanks, an optional sign, digits.
std::optional<int> ParseInteger(const QString& text) {
    return Fourier::ReadDecimalInteger(text.toStdString());
}

// A spin box without a value type of its own: the text is the state, every text is
// acceptable while typing, and the owner's rules do the rest.
class SpinEditWidget : public QAbstractSpinBox {
  public:
    SpinEditWidget() { lineEdit()->setText(QStringLiteral("0")); }

    // Qt asks for the step state while the owner is still being built; until it is
    // bound, the widget behaves as a field without arrows or rules.
    void Bind(TSpinEdit* owner) { owner_ = owner; }
    QLineEdit* Edit() const { return lineEdit(); }

    QValidator::State validate(QString&, int&) const override { return QValidator::Acceptable; }
    void fixup(QString&) const override {}

    void stepBy(int steps) override {
        if (!owner_ || signalsBlocked() || steps == 0) return;
        // One unit per step whatever the modifiers, as the classic arrows do.
        const int delta = steps > 0 ? 1 : -1;
        Dispatch([this, delta] { owner_->SetValue(owner_->Value() + delta); });
    }

  protected:
    StepEnabled stepEnabled() const override {
        if (!owner_) return StepNone;
        const int value = owner_->Value();
        const int low = owner_->MinValue();
        const int high = owner_->MaxValue();
        if (low == high) return StepUpEnabled | StepDownEnabled;
        StepEnabled enabled = StepNone;
        if (value < high) enabled |= StepUpEnabled;
        if (value > low) enabled |= StepDownEnabled;
        return enabled;
    }

    void keyPressEvent(QKeyEvent* event) override {
        switch (event->key()) {
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            event->ignore();
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            Refuse(event);
            return;
        default:
            break;
        }
        const QString text = event->text();
        const bool command = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
        if (!text.isEmpty() && !command && !Accepts(text[0])) {
            Refuse(event);
            return;
        }
        QAbstractSpinBox::keyPressEvent(event);
    }

    void focusInEvent(QFocusEvent* event) override {
        QAbstractSpinBox::focusInEvent(event);
        if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
            lineEdit()->selectAll();
    }

    void focusOutEvent(QFocusEvent* event) override {
        // Leaving for another window or a popup is not leaving the control.
        const bool leaves = event->reason() != Qt::ActiveWindowFocusReason &&
                            event->reason() != Qt::PopupFocusReason;
        if (leaves && owner_ && !signalsBlocked())
            Dispatch([this] { owner_->SetValue(owner_->Value()); });
        QAbstractSpinBox::focusOutEvent(event);
    }

  private:
    bool Accepts(QChar c) const {
        const char16_t code = c.unicode();
        if (code < 32 || code == 0x7F) return true; // control characters: Backspace, clipboard keys
        if (code >= u'0' && code <= u'9') return true;
        return code == u'+' || code == u'-' || QString(c) == locale().decimalPoint();
    }

    static void Refuse(QKeyEvent* event) {
        event->accept();
        Dispatch([] { Beep(); });
    }

    TSpinEdit* owner_ = nullptr;
};

SpinEditWidget* SpinOf(const TControl* c) {
    return static_cast<SpinEditWidget*>(c->Widget());
}
QLineEdit* EditOf(const TControl* c) {
    return SpinOf(c)->Edit();
}

} // namespace

TSpinEdit::TSpinEdit(TControl* parent, std::string name)
    : TControl(parent, std::move(name), new SpinEditWidget) {
    SpinOf(this)->Bind(this);
    text_ = EditOf(this)->text();
    QObject::connect(EditOf(this), &QLineEdit::textChanged, Widget(), [this](const QString& text) {
        // A digit typed over the same selected digit is reported too, but changes nothing.
        if (text == text_) return;
        text_ = text;
        if (OnChange && !Widget()->signalsBlocked()) Dispatch([this] { OnChange(this); });
    });
}

void TSpinEdit::SetMinValue(int v) {
    minValue_ = v;
    Widget()->update(); // the arrows' enabled state
}

void TSpinEdit::SetMaxValue(int v) {
    maxValue_ = v;
    Widget()->update();
}

int TSpinEdit::MinValue() const {
    return minValue_;
}

int TSpinEdit::MaxValue() const {
    return maxValue_;
}

int TSpinEdit::Value() const {
    return ParseInteger(EditOf(this)->text()).value_or(minValue_);
}

void TSpinEdit::SetValue(int v) {
    if (minValue_ != maxValue_) v = std::clamp(v, minValue_, maxValue_);
    SetText(std::to_string(v));
}

std::string TSpinEdit::Text() const {
    return Bridge::S(EditOf(this)->text());
}

void TSpinEdit::SetText(const std::string& text) {
    const QString next = Bridge::Q(text);
    if (next == EditOf(this)->text()) return;
    {
        const QSignalBlocker blockEdit(EditOf(this));
        const QSignalBlocker blockSpin(Widget());
        EditOf(this)->setText(next); // the caret goes to the end
    }
    text_ = next;
    Widget()->update();
    if (OnChange) OnChange(this);
}

int TSpinEdit::SelStart() const {
    const QLineEdit* edit = EditOf(this);
    return edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
}

void TSpinEdit::SelectAll() {
    EditOf(this)->selectAll();
}

int TSpinEdit::SelLength() const {
    return EditOf(this)->selectionLength();
}

void TSpinEdit::SetSelLength(int n) {
    const int start = SelStart();
    if (n > 0)
        EditOf(this)->setSelection(start, n);
    else
        EditOf(this)->setCursorPosition(start); // also drops the selection
}

} // namespace Fourier::Toolkit
