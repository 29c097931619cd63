#include "UserInput.h"

#include "Events.h"

#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

namespace UserInput {
namespace {

Qt::Key KeyForChar(QChar c) {
    switch (c.unicode()) {
    case '\r':
    case '\n':
        return Qt::Key_Return;
    case '\b':
        return Qt::Key_Backspace;
    case '\t':
        return Qt::Key_Tab;
    case ' ':
        return Qt::Key_Space;
    default:
        return Qt::Key(c.toUpper().unicode());
    }
}

} // namespace

QWidget* Find(QWidget* root, const QString& name) {
    if (!root) return nullptr;
    if (root->objectName() == name) return root;
    return root->findChild<QWidget*>(name);
}

void Click(QWidget* widget, QPoint pos) {
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, pos);
}

QWidget* KeyTarget(QWidget* window) {
    QWidget* focus = window->focusWidget();
    return focus ? focus : window;
}

void PressKey(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(KeyTarget(window), key, modifiers);
}

void TypeText(QWidget* window, const QString& text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, KeyTarget(window), KeyForChar(c), QString(c),
                            Qt::NoModifier);
}

void PressAlt(QWidget* window, QChar letter) {
    QTest::sendKeyEvent(QTest::Click, KeyTarget(window), Qt::Key(letter.toUpper().unicode()),
                        QString(letter.toLower()), Qt::AltModifier);
}

QRect SliderHandle(const QSlider* slider) {
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = Qt::Horizontal;
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->sliderPosition();
    option.sliderValue = slider->value();
    option.pageStep = slider->pageStep();
    option.singleStep = slider->singleStep();
    option.tickPosition = slider->tickPosition();
    option.tickInterval = slider->tickInterval();
    option.subControls = QStyle::SC_All;
    return slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle,
                                           slider);
}

bool ShowAndActivate(QWidget* window) {
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

ErrorCapture::ErrorCapture() {
    Fourier::Toolkit::SetErrorReporter([this](const std::string& m) { messages.push_back(m); });
}

ErrorCapture::~ErrorCapture() {
    Fourier::Toolkit::SetErrorReporter({});
}

BeepCounter::BeepCounter() {
    Fourier::Toolkit::SetBeep([this] { ++count; });
}

BeepCounter::~BeepCounter() {
    Fourier::Toolkit::SetBeep({});
}

} // namespace UserInput
