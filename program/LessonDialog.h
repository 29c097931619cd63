#pragma once
// What the teacher adds to the state when saving a lesson: its title, the task and the
// controls the students will not see.
#include "Lesson.h"

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace Fourier {

class LessonDialog : public QDialog {
    Q_OBJECT
  public:
    // Starts from the title, task and hidden controls of lesson.
    LessonDialog(const TLesson& lesson, QWidget* parent);

    // lesson with the dialog's title, task and hidden controls.
    TLesson Filled(TLesson lesson) const;

    QLineEdit* TitleField() const { return title_; }
    QPlainTextEdit* TaskField() const { return task_; }
    QListWidget* HiddenList() const { return hidden_; }

    // What a lesson's control is, for the teacher: «Номер гармоники», «Лаборатория: Спектр».
    static QString ControlDescription(std::string_view name);

    void accept() override; // refuses a task longer than a lesson holds

  private:
    QLineEdit* title_;
    QPlainTextEdit* task_;
    QListWidget* hidden_;
};

} // namespace Fourier
