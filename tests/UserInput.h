#pragma once
// Driving widgets as a user does, for the window and toolkit suites: find, click,
// press keys (Cyrillic included), Alt accelerators; capture error boxes and beeps.
#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>
#include <string>
#include <vector>

class QSlider;

namespace UserInput {

// The widget whose objectName is name: root itself or one of its descendants; null if none.
QWidget* Find(QWidget* root, const QString& name);
template <class T> T* FindAs(QWidget* root, const QString& name) {
    return qobject_cast<T*>(Find(root, name));
}

// A left click (press and release) at pos, the widget's centre by default.
void Click(QWidget* widget, QPoint pos = QPoint());

// The widget a keyboard would type into: the window's focus widget, else the window.
QWidget* KeyTarget(QWidget* window);

// Key presses reach the window's focus widget. Non-ASCII text goes through
// QTest::sendKeyEvent one character at a time (QTest::keyClick aborts on it).
void PressKey(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void TypeText(QWidget* window, const QString& text);
void PressAlt(QWidget* window, QChar letter); // Alt + the letter's key (upper-case code)

// Where a horizontal slider's handle is drawn now, in the slider's coordinates.
QRect SliderHandle(const QSlider* slider);

// show(), activateWindow(), then waits until the window is active; false on timeout.
bool ShowAndActivate(QWidget* window);

// While alive, error messages are collected instead of shown.
class ErrorCapture {
  public:
    ErrorCapture();
    ~ErrorCapture();
    ErrorCapture(const ErrorCapture&) = delete;
    ErrorCapture& operator=(const ErrorCapture&) = delete;
    std::vector<std::string> messages;
};

// While alive, beeps are counted instead of sounded.
class BeepCounter {
  public:
    BeepCounter();
    ~BeepCounter();
    BeepCounter(const BeepCounter&) = delete;
    BeepCounter& operator=(const BeepCounter&) = delete;
    int count = 0;
};

} // namespace UserInput
