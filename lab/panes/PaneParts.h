#pragma once
// Small widgets the panes share.
#include <QEvent>
#include <QWidget>

#include <functional>
#include <utility>

namespace Fourier {

// Empty room that takes the spare width of a tool bar, pushing what follows to its end.
inline QWidget* Spacer() {
    auto* spacer = new QWidget;
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    return spacer;
}

// Writes texts now and again whenever `widget` hears of a change of language: for what hears
// nothing of it itself (an action) or is made where the widget's class cannot name it.
class TLanguageFollower : public QObject {
  public:
    TLanguageFollower(QWidget* widget, std::function<void()> write)
        : QObject(widget), write_(std::move(write)) {
        write_();
        widget->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::LanguageChange) write_();
        return false;
    }

  private:
    std::function<void()> write_;
};

inline void FollowLanguage(QWidget* widget, std::function<void()> write) {
    new TLanguageFollower(widget, std::move(write));
}

} // namespace Fourier
