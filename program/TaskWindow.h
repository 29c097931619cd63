#pragma once
// «Задание»: the lesson's title and task, in a small window of its own beside the main
// window, so that it neither changes the main window nor hides behind the lab. Escape or
// «Закрыть» closes it; the pictures' menu opens it again.
#include <QWidget>

class QLabel;
class QPushButton;

namespace Fourier {

class TaskWindow : public QWidget {
    Q_OBJECT
  public:
    explicit TaskWindow(QWidget* mainWindow);

    void SetTask(const QString& title, const QString& task);
    QString Title() const;
    QString Task() const;
    bool IsEmpty() const { return Title().isEmpty() && Task().isEmpty(); }
    // Shown beside the main window the first time, where the student left it afterwards;
    // activated (taking the keyboard) only when asked for.
    void ShowBeside(bool activate);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void Retranslate();
    QWidget* mainWindow_;
    QPushButton* close_ = nullptr;
    QLabel* title_;
    QLabel* task_;
    bool placed_ = false;
};

} // namespace Fourier
