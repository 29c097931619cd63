#pragma once
// Lessons in the program. «Открыть урок…» (Ctrl+O) and «Сохранить урок…» (Ctrl+S) act in the
// main window and are in its pictures' menus; the lab's «Файл» menu has them too (there Ctrl+S
// saves the picture, so saving a lesson is Ctrl+Shift+S). A lesson puts both windows into its
// state, hides the controls it names and shows its task in the «Задание» window. The older
// «.fourier» files, a drawn or edited signal, open in the lab as before.
#include "ErrorReport.h"
#include "Lesson.h"

#include <QObject>
#include <functional>
#include <optional>

class QAction;
class QMainWindow;
class TForm1;

namespace Fourier {

class TaskWindow;

class LessonKeeper : public QObject {
    Q_OBJECT
  public:
    explicit LessonKeeper(TForm1& form);

    QAction* OpenLessonAction() const { return open_; }
    QAction* SaveLessonAction() const { return save_; }
    QAction* ShowTaskAction() const { return showTask_; }
    TaskWindow* Task() const { return task_; }

    // Opens a lesson or a saved signal. A file that cannot be read changes nothing and throws
    // std::runtime_error whose message names the file and the fault.
    void Open(const QString& path);
    // Both windows as they are now, with the title, task and hidden controls of the lesson
    // opened or saved last.
    TLesson Current() const;
    // Saves Current() with notes' title, task and hidden controls, which it keeps from now
    // on; throws TFileSaveError (the file already there stays as it was).
    void Save(const QString& path, const TLesson& notes);

    // Replaceable by a test: the file dialogs, the teacher's dialog (nullopt: cancelled) and
    // the report of a failure (default: a message box).
    std::function<QString(QWidget* parent)> ChooseLessonToOpen;
    std::function<QString(QWidget* parent, const QString& suggestedName)> ChooseLessonToSave;
    std::function<std::optional<TLesson>(QWidget* parent, const TLesson& notes)> AskNotes;
    Toolkit::TErrorReporter ReportError;

  private:
    void Apply(const TLesson& lesson);
    void OpenSavedWork(const std::string& text);
    void AskAndOpen(QWidget* parent);
    void AskAndSave(QWidget* parent);
    void AddToLab(QMainWindow& lab);

    TForm1& form_;
    QAction* open_;
    QAction* save_;
    QAction* showTask_;
    TaskWindow* task_;
    TLesson notes_; // title, task and hidden controls of the lesson in use
};

// Gives the main window its lessons (after InstallLab); the keeper lives with its widget.
LessonKeeper& InstallLessons(TForm1& form);
// The keeper of a main window set up by InstallLessons, or null.
LessonKeeper* LessonsOf(QWidget* mainWindow);

} // namespace Fourier
