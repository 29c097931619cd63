#include "LabLauncher.h"

#include "LabPlugin.h"
#include "Unit1.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QLibrary>
#include <memory>
#include <stdexcept>

namespace Fourier {
namespace {

// The lab's window from its library, which lies at FOURIER_LAB_LIBRARY from the program's
// folder. The library stays loaded for the rest of the program.
std::unique_ptr<LabWindow> LoadLab() {
    QLibrary library(QCoreApplication::applicationDirPath() +
                     QStringLiteral("/" FOURIER_LAB_LIBRARY));
    const auto create =
        reinterpret_cast<decltype(&FourierCreateLab)>(library.resolve(FourierCreateLabSymbol));
    if (!create)
        throw std::runtime_error("Лаборатория не загружена: " +
                                 library.errorString().toStdString());
    return std::unique_ptr<LabWindow>(create());
}

// Owned by the main window's widget, so it goes with the window; it never calls the form
// from its destructor, as the form is already gone by then.
class LabLauncher : public QObject {
  public:
    explicit LabLauncher(TForm1& form) : QObject(form.Widget()), form_(form) {
        setObjectName(QStringLiteral("LabLauncher"));
        QWidget* window = form.Widget();
        open_ = new QAction(QStringLiteral("Лаборатория…"), this);
        open_->setShortcut(QKeySequence(Qt::Key_F2));
        open_->setShortcutContext(Qt::WindowShortcut);
        open_->setShortcutVisibleInContextMenu(true);
        // A library that cannot be loaded is reported like any failed handler.
        connect(open_, &QAction::triggered, this,
                [this] { Toolkit::Dispatch([this] { Open(); }); });
        window->addAction(open_);
        for (const char* name : {"Image1", "Image2"})
            if (auto* picture = window->findChild<QWidget*>(QLatin1String(name)))
                AddPictureAction(picture, open_);
        window->installEventFilter(this);
    }

    LabWindow* Lab() const { return lab_.get(); }

    void Open() {
        if (!lab_) {
            lab_ = LoadLab();
            lab_->installEventFilter(this);
        }
        lab_->show();
        lab_->raise();
        lab_->activateWindow();
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (lab_ && watched == lab_.get()) {
            // Closing or minimising hides the window: nothing to draw, nothing to hear about.
            // The show event comes before the lab's own showEvent, which draws the run.
            if (event->type() == QEvent::Hide) form_.SetRunListener(nullptr);
            if (event->type() == QEvent::Show) Follow();
        } else if (event->type() == QEvent::Close && lab_) {
            lab_->close(); // the main window closes: the lab with it
        }
        return false;
    }

  private:
    // From now on every run reaches the lab, starting with the one the main window shows.
    void Follow() {
        form_.SetRunListener(lab_.get());
        lab_->RunFinished(form_.CurrentRunView(false));
    }

    TForm1& form_;
    QAction* open_;
    std::unique_ptr<LabWindow> lab_;
};

} // namespace

void InstallLab(TForm1& form) {
    new LabLauncher(form);
}

void AddPictureAction(QWidget* picture, QAction* action) {
    picture->setContextMenuPolicy(Qt::ActionsContextMenu);
    picture->addAction(action);
}

LabWindow* OpenedLab(QWidget* mainWindow) {
    auto* launcher = dynamic_cast<LabLauncher*>(
        mainWindow->findChild<QObject*>(QStringLiteral("LabLauncher"), Qt::FindDirectChildrenOnly));
    return launcher ? launcher->Lab() : nullptr;
}

} // namespace Fourier
