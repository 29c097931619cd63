#include "LabLauncher.h"

#include "HelpWindow.h"
#include "LabInterface.h"
#include "LabPlacement.h"
#include "Language.h"
#include "PictureExport.h"
#include "Unit1.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPluginLoader>
#include <QScreen>
#include <QSettings>
#include <QTabWidget>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

namespace Fourier {
namespace {

// The lab's window with its panes from its plugin, which lies at FOURIER_LAB_LIBRARY from the
// program's folder. The plugin stays loaded for the rest of the program.
TLab* LoadLab(std::function<void(int)> harmonicToMain) {
    const QString path = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                         QStringLiteral("/" FOURIER_LAB_LIBRARY));
    // Qt's own message for a missing file names paths it merely tried.
    if (!QFileInfo::exists(path))
        throw std::runtime_error(
            QCoreApplication::translate("LabLauncher", "Лаборатория не загружена: нет файла %1.")
                .arg(path)
                .toStdString());
    QPluginLoader loader(path);
    auto* factory = qobject_cast<TLabFactory*>(loader.instance());
    if (!factory)
        throw std::runtime_error(
            QCoreApplication::translate("LabLauncher", "Лаборатория не загружена: %1")
                .arg(loader.errorString())
                .toStdString());
    return factory->CreateLab(std::move(harmonicToMain));
}

// The lab's own settings file, which its panes share.
QSettings LabSettings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("fourier"),
                     QStringLiteral("lab"));
}
constexpr auto GeometryKey = "window/geometry";
// Below this the lab's plots are too small to read, whatever its layout allows.
constexpr QSize SmallestLab(520, 400);

// Owned by the main window's widget, so it goes with the window; it never calls the form
// from its destructor, as the form is already gone by then.
class LabLauncher : public QObject {
    Q_DECLARE_TR_FUNCTIONS(LabLauncher)

  public:
    explicit LabLauncher(TForm1& form) : QObject(form.Widget()), form_(form) {
        setObjectName(QStringLiteral("LabLauncher"));
        QWidget* window = form.Widget();
        open_ = new QAction(this);
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
        AddPictureKeeping();
        KeepTranslated(window, [this] {
            open_->setText(tr("Лаборатория…"));
            for (QAction* help : helps_)
                help->setText(tr("Справка"));
        });
        window->installEventFilter(this);
    }

    // The lab goes with the launcher while the form is being taken apart: its last hide
    // must not reach the form any more.
    ~LabLauncher() override {
        if (window_) window_->removeEventFilter(this);
    }

    QMainWindow* Lab() const { return window_.get(); }

    TLab* LabIfLoaded() const { return lab_; }

    TLab& Load() {
        if (!lab_) {
            lab_ = LoadLab(
                [this](int k) { Toolkit::Dispatch([this, k] { form_.SpinEdit1->SetValue(k); }); });
            window_.reset(lab_->Window());
            window_->installEventFilter(this);
            AddLabMenus();
            Place();
            for (const auto& handler : whenLoaded_)
                handler(*lab_, *window_);
        }
        return *lab_;
    }

    void WhenLoaded(std::function<void(TLab&, QMainWindow&)> handler) {
        if (lab_) handler(*lab_, *window_);
        whenLoaded_.push_back(std::move(handler));
    }

    void Open() {
        Load();
        window_->show();
        window_->raise();
        window_->activateWindow();
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (lab_ && watched == window_.get()) {
            // Closing or minimising hides the window: nothing to draw, nothing to hear about.
            // The show event comes before the lab's own showEvent, which draws the run.
            if (event->type() == QEvent::Hide) {
                form_.SetRunListener(nullptr);
                LabSettings().setValue(GeometryKey, window_->saveGeometry());
            }
            if (event->type() == QEvent::Show) Follow();
        } else if (event->type() == QEvent::Close && lab_) {
            window_->close(); // the main window closes: the lab with it
        }
        return false;
    }

  private:
    // Where the student left it last time; the first time, beside the main window.
    void Place() {
        QMainWindow* window = window_.get();
        if (window->restoreGeometry(LabSettings().value(GeometryKey).toByteArray())) return;
        const QWidget* main = form_.Widget();
        const QScreen* screen = main->screen() ? main->screen() : QGuiApplication::primaryScreen();
        if (!screen) return;
        // The lab's frame is not known before it is shown; the main window's is alike.
        const QRect mainFrame = main->frameGeometry();
        const QRect mainClient = main->geometry();
        const QMargins frame(
            mainClient.left() - mainFrame.left(), mainClient.top() - mainFrame.top(),
            mainFrame.right() - mainClient.right(), mainFrame.bottom() - mainClient.bottom());
        window->setGeometry(PlaceBeside(mainFrame, frame, window->size(),
                                        window->minimumSizeHint().expandedTo(SmallestLab),
                                        screen->availableGeometry()));
    }

    // The pictures' context menu also saves and copies the picture, saves the data behind
    // it and opens the help. The pictures take no focus, so every entry has a key of the
    // window: F5 and Shift+F5 save and copy the graph, F6 and Shift+F6 the spectrum, F7 saves
    // the data, which is the same behind both (one action in both menus).
    void AddPictureKeeping() {
        QAction* saveData = nullptr;
        for (Toolkit::TImage* image : {form_.Image1, form_.Image2}) {
            QWidget* picture = image->Widget();
            const bool graph = image == form_.Image1;
            PictureExport::TDataSource data;
            if (!saveData)
                data = [this]() -> std::optional<TAnalysis> {
                    const TRun run = form_.CurrentRun(false);
                    if (run.WaveformIndex < 0) return std::nullopt;
                    return run.Analysis;
                };
            auto* keeping = new PictureExport(
                picture, [image] { return image->Picture(); }, std::move(data));
            const Qt::Key key = graph ? Qt::Key_F5 : Qt::Key_F6;
            keeping->SavePictureAction()->setShortcut(QKeySequence(key));
            keeping->CopyPictureAction()->setShortcut(QKeySequence(Qt::SHIFT | key));
            if (keeping->SaveDataAction()) {
                saveData = keeping->SaveDataAction();
                saveData->setShortcut(QKeySequence(Qt::Key_F7));
            }
            QList<QAction*> actions{keeping->SavePictureAction(), keeping->CopyPictureAction(),
                                    saveData};
            for (QAction* action : actions) {
                action->setShortcutVisibleInContextMenu(true);
                AddPictureAction(picture, action);
            }
            auto* help = new QAction(picture);
            helps_.push_back(help);
            help->setShortcut(QKeySequence(Qt::Key_F1));
            help->setShortcutContext(Qt::WidgetShortcut); // F1 itself is the window's
            help->setShortcutVisibleInContextMenu(true);
            connect(help, &QAction::triggered, this, [this] { ShowHelp(form_.Widget()); });
            AddPictureAction(picture, help);
        }
    }

    // «Файл» of the lab: the current tab's picture and data; F1 opens the lab's help.
    void AddLabMenus() {
        QMainWindow* window = window_.get();
        TLab* lab = lab_;
        auto* keeping = new PictureExport(
            window, [lab] { return lab->CurrentPicture(); },
            [lab]() -> std::optional<TAnalysis> { return lab->ShownAnalysis(); });
        keeping->SavePictureAction()->setShortcut(QKeySequence::Save);
        QMenu* file = window->menuBar()->addMenu(QString());
        file->setObjectName(QStringLiteral("LabFileMenu"));
        file->addActions(keeping->Actions());
        window->menuBar()->insertMenu(window->menuBar()->actions().constFirst(), file);
        QAction* help = window->menuBar()->addAction(QString());
        KeepTranslated(window, [file, help] {
            file->setTitle(tr("&Файл"));
            help->setText(tr("Справка"));
        });
        help->setShortcut(QKeySequence(Qt::Key_F1));
        connect(help, &QAction::triggered, window,
                [window] { ShowHelp(window, QStringLiteral("lab")); });
    }

    // From now on every run reaches the lab, starting with the one the main window shows.
    void Follow() {
        form_.SetRunListener(lab_);
        lab_->RunFinished(form_.CurrentRun(form_.SynthesisShown()));
    }

    TForm1& form_;
    QAction* open_;
    std::vector<QAction*> helps_; // «Справка» of each picture
    std::vector<std::function<void(TLab&, QMainWindow&)>> whenLoaded_;
    TLab* lab_ = nullptr;                 // lives as long as its window
    std::unique_ptr<QMainWindow> window_; // the lab's window, owning the lab
};

} // namespace

void InstallLab(TForm1& form) {
    new LabLauncher(form);
}

void AddPictureAction(QWidget* picture, QAction* action) {
    picture->setContextMenuPolicy(Qt::ActionsContextMenu);
    picture->addAction(action);
}

namespace {

LabLauncher* LauncherOf(QWidget* mainWindow) {
    return dynamic_cast<LabLauncher*>(
        mainWindow->findChild<QObject*>(QStringLiteral("LabLauncher"), Qt::FindDirectChildrenOnly));
}

LabLauncher& InstalledLauncher(QWidget* mainWindow) {
    LabLauncher* launcher = LauncherOf(mainWindow);
    if (!launcher) throw std::logic_error("the main window has no lab launcher");
    return *launcher;
}

} // namespace

QMainWindow* OpenedLab(QWidget* mainWindow) {
    LabLauncher* launcher = LauncherOf(mainWindow);
    return launcher ? launcher->Lab() : nullptr;
}

TLab& LoadedLab(QWidget* mainWindow) {
    return InstalledLauncher(mainWindow).Load();
}

TLab* LabIfLoaded(QWidget* mainWindow) {
    LabLauncher* launcher = LauncherOf(mainWindow);
    return launcher ? launcher->LabIfLoaded() : nullptr;
}

void ShowLab(QWidget* mainWindow) {
    InstalledLauncher(mainWindow).Open();
}

void WhenLabLoaded(QWidget* mainWindow, std::function<void(TLab&, QMainWindow&)> handler) {
    InstalledLauncher(mainWindow).WhenLoaded(std::move(handler));
}

} // namespace Fourier
