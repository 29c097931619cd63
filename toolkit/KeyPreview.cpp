// The form's key preview and its Alt accelerators.
#include "Form.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QScopedValueRollback>

namespace Fourier::Toolkit {
namespace {

// The classic virtual key code of a Qt key; 0 for keys it has no code for.
// Letters outside ASCII keep their Unicode upper-case code.
uint16_t VirtualKey(int key) {
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z))
        return key;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return 112 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Backspace:
        return vkBack;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return vkTab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return vkReturn;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Pause:
        return 19;
    case Qt::Key_CapsLock:
        return 20;
    case Qt::Key_Escape:
        return vkEscape;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return vkLeft;
    case Qt::Key_Up:
        return vkUp;
    case Qt::Key_Right:
        return vkRight;
    case Qt::Key_Down:
        return vkDown;
    case Qt::Key_Insert:
        return vkInsert;
    case Qt::Key_Delete:
        return vkDelete;
    case Qt::Key_Semicolon:
        return 186;
    case Qt::Key_Equal:
    case Qt::Key_Plus:
        return 187;
    case Qt::Key_Comma:
        return 188;
    case Qt::Key_Minus:
        return 189;
    case Qt::Key_Period:
        return 190;
    case Qt::Key_Slash:
        return 191;
    default:
        break;
    }
    if (key > 0x7F && key <= 0xFFFF && QChar(key).isLetter()) return QChar(key).toUpper().unicode();
    return 0;
}

TShiftState ShiftOf(Qt::KeyboardModifiers modifiers) {
    TShiftState shift = 0;
    if (modifiers & Qt::ShiftModifier) shift |= ssShift;
    if (modifiers & Qt::AltModifier) shift |= ssAlt;
    if (modifiers & Qt::ControlModifier) shift |= ssCtrl;
    return shift;
}

// Qt's key for a character a KeyPress handler put in place of the typed one, so that
// widgets which look at the key rather than the text see the same thing.
int KeyForChar(char16_t c) {
    switch (c) {
    case 8:
        return Qt::Key_Backspace;
    case 9:
        return Qt::Key_Tab;
    case 13:
        return Qt::Key_Return;
    case 27:
        return Qt::Key_Escape;
    default:
        return QChar(c).toUpper().unicode();
    }
}

bool AltOnly(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::AltModifier) && !(modifiers & Qt::ControlModifier);
}

} // namespace

bool TForm::PreviewKey(QWidget* target, QKeyEvent* event) {
    if (resending_) return false;
    QWidget* window = Widget();
    if (!window || target->window() != window) return false;
    // An ignored key climbs the parent chain and passes the filter again: act on the first
    // delivery.
    QWidget* focus = window->focusWidget();
    if (target != (focus ? focus : window)) return false;

    if (AltOnly(event->modifiers()) && HandleAccelerator(event)) return true;

    if (const uint16_t code = VirtualKey(event->key()); code != 0 && OnKeyDown) {
        uint16_t key = code;
        bool finished = false;
        Dispatch([&] {
            OnKeyDown(this, key, ShiftOf(event->modifiers()));
            finished = true;
        });
        // A failed handler ends the key's journey, as 0 does.
        if (!finished || key == 0) return true;
    }

    const QString text = event->text();
    // An Alt+character that is no accelerator types nothing, as in the classic toolkit.
    if (AltOnly(event->modifiers())) return !text.isEmpty() && text[0].isPrint();
    if (text.size() != 1 || text[0].unicode() == 0x7F || !OnKeyPress) return false;
    char16_t c = text[0].unicode();
    const char16_t typed = c;
    bool finished = false;
    Dispatch([&] {
        OnKeyPress(this, c);
        finished = true;
    });
    if (!finished || c == 0) return true;
    if (c == typed) return false;
    QKeyEvent replacement(QEvent::KeyPress, KeyForChar(c), event->modifiers(), QString(QChar(c)),
                          event->isAutoRepeat(), event->count());
    const QScopedValueRollback<bool> guard(resending_, true);
    QCoreApplication::sendEvent(target, &replacement);
    return true;
}

bool TForm::HandleAccelerator(QKeyEvent* event) {
    const int key = event->key();
    char16_t letter = 0;
    if (key > 0 && key <= 0xFFFF)
        letter = QChar(key).toUpper().unicode();
    else if (event->text().size() == 1)
        letter = event->text()[0].toUpper().unicode();
    if (letter == 0) return false;
    for (TControl* c : registry_) {
        auto* button = dynamic_cast<TButtonControl*>(c);
        if (!button || !button->Enabled() || button->Accelerator() != letter) continue;
        bool shown = true;
        for (TControl* p = button; p && p != this; p = p->Parent())
            shown = shown && p->Visible();
        if (!shown) continue;
        Dispatch([button] { button->Click(); });
        return true;
    }
    return false;
}

} // namespace Fourier::Toolkit
