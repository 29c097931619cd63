// Starts either the main window or a bare Qt window of the same size, waits for its first
// painted frame and prints the peak resident memory; the startup benchmark times it.
//   startup_probe fourier|bare|label   (label: the bare window with one line of text)
// Built a second time with FOURIER_PROBE_LAB as the program is, with the lab's launcher
// giving the main window its F2, so that what the lab adds to start-up shows. That build
// also takes open-lab: after the main window's first frame, F2's action, timed until the
// lab's first painted frame (its library loaded, its window and panes built).
#include "AppIcon.h"
#ifdef FOURIER_PROBE_LAB
#include "LabLauncher.h"
#endif
#include "Unit1.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <sys/resource.h>

namespace {

class FirstPaint : public QObject {
  public:
    std::function<void()> Then = [] { QApplication::quit(); };
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, qApp, Then);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool seen_ = false;
};

// Triggers the main window's F2 action and waits for the first paint in the lab's window.
class LabOpening : public QObject {
  public:
    double Milliseconds = -1;
    void Start(QWidget* mainWindow) {
        for (QAction* action : mainWindow->actions())
            if (action->shortcut() == QKeySequence(Qt::Key_F2)) {
                qApp->installEventFilter(this);
                clock_.start();
                action->trigger();
                return;
            }
        QApplication::quit(); // no lab to open
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = event->type() == QEvent::Paint ? qobject_cast<QWidget*>(watched) : nullptr;
        if (widget && Milliseconds < 0 && widget->window()->objectName() == "LabWindow") {
            Milliseconds = clock_.nsecsElapsed() / 1e6;
            QTimer::singleShot(0, qApp, &QApplication::quit);
        }
        return false;
    }

  private:
    QElapsedTimer clock_;
};

} // namespace

int main(int argc, char** argv) {
    const bool label = argc > 1 && std::strcmp(argv[1], "label") == 0;
    const bool bare = label || (argc > 1 && std::strcmp(argv[1], "bare") == 0);
    const bool openLab = argc > 1 && std::strcmp(argv[1], "open-lab") == 0;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QDir::setCurrent(FOURIER_SOURCE_DIR); // the default velmora.cfg

    // The bare window gets a plain application object: no style, no font of ours.
    std::unique_ptr<QApplication> plain;
    std::unique_ptr<Fourier::Toolkit::Application::TSession> session;
    if (bare)
        plain = std::make_unique<QApplication>(argc, argv);
    else
        session = std::make_unique<Fourier::Toolkit::Application::TSession>(argc, argv);
    FirstPaint firstPaint;
    LabOpening labOpening;
    std::unique_ptr<QWidget> bareWindow;
    std::unique_ptr<TForm1> form;
    if (bare) {
        bareWindow = std::make_unique<QWidget>();
        bareWindow->setFixedSize(800, 600);
        if (label) (new QLabel(QStringLiteral("Номер гармоники"), bareWindow.get()))->move(10, 10);
        bareWindow->installEventFilter(&firstPaint);
        bareWindow->show();
    } else {
        Fourier::Toolkit::Application::SetTitle("Фурье");
        Fourier::SetApplicationIcon();
        form = std::make_unique<TForm1>();
#ifdef FOURIER_PROBE_LAB
        Fourier::InstallLab(*form);
#endif
        form->Widget()->installEventFilter(&firstPaint);
        if (openLab) firstPaint.Then = [&] { labOpening.Start(form->Widget()); };
        form->Show();
    }
    QApplication::exec();
    form.reset();
    bareWindow.reset();

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak_rss_kb %ld\n", usage.ru_maxrss);
    if (openLab) std::printf("lab_open_ms %.3f\n", labOpening.Milliseconds);
    return 0;
}
