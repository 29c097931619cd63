// Starts either the main window or a bare Qt window of the same size, waits for its first
// painted frame and prints the peak resident memory; the startup benchmark times it.
//   startup_probe fourier|bare
#include "AppIcon.h"
#include "Unit1.h"

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sys/resource.h>

namespace {

class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, qApp, &QApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen_ = false;
};

} // namespace

int main(int argc, char** argv) {
    const bool bare = argc > 1 && std::strcmp(argv[1], "bare") == 0;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QDir::setCurrent(FOURIER_SOURCE_DIR); // the default velmora.cfg

    Toolkit::Application::TSession session(argc, argv);
    FirstPaint firstPaint;
    std::unique_ptr<QWidget> bareWindow;
    std::unique_ptr<TForm1> form;
    if (bare) {
        bareWindow = std::make_unique<QWidget>();
        bareWindow->setFixedSize(800, 600);
        bareWindow->installEventFilter(&firstPaint);
        bareWindow->show();
    } else {
        Toolkit::Application::SetTitle("Фурье");
        Toolkit::TBitmap icon;
        DrawAppIcon(icon);
        Toolkit::Application::SetIcon(icon);
        form = std::make_unique<TForm1>();
        form->Widget()->installEventFilter(&firstPaint);
        form->Show();
    }
    QApplication::exec();

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak_rss_kb %ld\n", usage.ru_maxrss);
    return 0;
}
