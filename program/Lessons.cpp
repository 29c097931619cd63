#include "Lessons.h"

#include "FileSaving.h"
#include "LabInterface.h"
#include "LabLauncher.h"
#include "Language.h"
#include "LessonDialog.h"
#include "MainWindowLesson.h"
#include "SavedWork.h"
#include "TaskWindow.h"
#include "Unit1.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <stdexcept>

namespace Fourier {
namespace {

QString LessonFilter() {
    return LessonKeeper::tr("Урок или сигнал «Фурье» (*%1)")
        .arg(QString::fromUtf8(SavedWorkSuffix.data(), qsizetype(SavedWorkSuffix.size())));
}

[[noreturn]] void FailWith(const QString& path, const std::string& reason) {
    throw std::runtime_error(
        LessonKeeper::tr("Файл «%1» не открыт: %2")
            .arg(QDir::toNativeSeparators(path), QString::fromStdString(reason))
            .toStdString());
}

// The whole file, refused unread when it is far larger than any lesson.
std::string ReadWhole(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) FailWith(path, file.errorString().toStdString());
    if (file.size() > qint64(LargestLessonFile))
        FailWith(path,
                 LessonKeeper::tr("он больше 1 МБ, а урок и сигнал занимают несколько килобайт")
                     .toStdString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) FailWith(path, file.errorString().toStdString());
    return bytes.toStdString();
}

bool NeedsLab(const TLesson& lesson) {
    if (lesson.LabOpen || !lesson.Formula.empty() || lesson.Drawing || lesson.Coefficients ||
        lesson.Shown != TLessonSource::MainWindow || !lesson.Muted.empty() ||
        !lesson.Soloed.empty())
        return true;
    for (const std::string& name : lesson.Hidden)
        for (const std::string_view tab : LessonTabs())
            if (tab == name) return true;
    return false;
}

QString FileNameFor(const std::string& title) {
    QString name = QString::fromStdString(title).simplified();
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    for (QChar& c : name)
        if (forbidden.contains(c)) c = QLatin1Char('_');
    if (name.isEmpty()) name = LessonKeeper::tr("урок");
    return name.left(60) +
           QString::fromUtf8(SavedWorkSuffix.data(), qsizetype(SavedWorkSuffix.size()));
}

} // namespace

LessonKeeper::LessonKeeper(TForm1& form)
    : QObject(form.Widget()), form_(form), task_(new TaskWindow(form.Widget())) {
    setObjectName(QStringLiteral("LessonKeeper"));
    QWidget* window = form.Widget();
    ChooseLessonToOpen = [](QWidget* parent) {
        return QFileDialog::getOpenFileName(parent, tr("Открыть урок"), QString(), LessonFilter());
    };
    ChooseLessonToSave = [](QWidget* parent, const QString& name) {
        return QFileDialog::getSaveFileName(parent, tr("Сохранить урок"),
                                            QDir::home().filePath(name), LessonFilter());
    };
    AskNotes = [](QWidget* parent, const TLesson& notes) -> std::optional<TLesson> {
        LessonDialog dialog(notes, parent);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return dialog.Filled(notes);
    };
    ReportError = Toolkit::MessageBoxReporter(window);

    open_ = new QAction(this);
    open_->setShortcut(QKeySequence::Open);
    save_ = new QAction(this);
    save_->setShortcut(QKeySequence::Save);
    showTask_ = new QAction(this);
    showTask_->setShortcut(QKeySequence(Qt::Key_F3));
    showTask_->setEnabled(false);
    for (QAction* action : {open_, save_, showTask_}) {
        action->setShortcutContext(Qt::WindowShortcut);
        action->setShortcutVisibleInContextMenu(true);
        window->addAction(action);
        for (const char* name : {"Image1", "Image2"})
            if (auto* picture = window->findChild<QWidget*>(QLatin1String(name)))
                AddPictureAction(picture, action);
    }
    KeepTranslated(window, [this] {
        open_->setText(tr("Открыть урок…"));
        save_->setText(tr("Сохранить урок…"));
        showTask_->setText(tr("Задание"));
    });
    connect(open_, &QAction::triggered, this, [this] { AskAndOpen(form_.Widget()); });
    connect(save_, &QAction::triggered, this, [this] { AskAndSave(form_.Widget()); });
    connect(showTask_, &QAction::triggered, this, [this] { task_->ShowBeside(true); });
    WhenLabLoaded(window, [this](TLab&, QMainWindow& lab) { AddToLab(lab); });
}

void LessonKeeper::AddToLab(QMainWindow& lab) {
    auto* open = new QAction(&lab);
    open->setShortcut(QKeySequence::Open);
    auto* save = new QAction(&lab);
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    KeepTranslated(&lab, [this, open, save] {
        open->setText(tr("Открыть урок…"));
        save->setText(tr("Сохранить урок…"));
    });
    connect(open, &QAction::triggered, this, [this, &lab] { AskAndOpen(&lab); });
    connect(save, &QAction::triggered, this, [this, &lab] { AskAndSave(&lab); });
    if (auto* file = lab.findChild<QMenu*>(QStringLiteral("LabFileMenu"))) {
        QAction* first = file->actions().value(0);
        file->insertActions(first, {open, save});
        file->insertSeparator(first);
    } else {
        lab.addActions({open, save});
    }
}

void LessonKeeper::AskAndOpen(QWidget* parent) {
    const QString path = ChooseLessonToOpen(parent);
    if (path.isEmpty()) return;
    try {
        Open(path);
    } catch (const std::exception& error) {
        ReportError(Toolkit::WithFullStop(error.what()));
    }
}

void LessonKeeper::AskAndSave(QWidget* parent) {
    const std::optional<TLesson> notes = AskNotes(parent, notes_);
    if (!notes) return;
    const QString path = ChooseLessonToSave(parent, FileNameFor(notes->Title));
    if (path.isEmpty()) return;
    try {
        Save(path, *notes);
    } catch (const std::exception& error) {
        ReportError(Toolkit::WithFullStop(error.what()));
    }
}

TLesson LessonKeeper::Current() const {
    TLesson lesson;
    lesson.Title = notes_.Title;
    lesson.Task = notes_.Task;
    lesson.Hidden = notes_.Hidden;
    CaptureMainWindow(form_, lesson);
    if (TLab* lab = LabIfLoaded(form_.Widget())) lab->CaptureLesson(lesson);
    return lesson;
}

void LessonKeeper::Save(const QString& path, const TLesson& notes) {
    TLesson lesson = Current();
    lesson.Title = notes.Title;
    lesson.Task = notes.Task;
    lesson.Hidden = notes.Hidden;
    SaveLesson(QFile::encodeName(path).toStdString(), lesson);
    notes_ = lesson;
}

void LessonKeeper::Open(const QString& path) {
    const std::string text = ReadWhole(path);
    if (!IsLessonText(text)) {
        try {
            OpenSavedWork(text);
        } catch (const TSavedWorkError& error) {
            FailWith(path, error.what());
        }
        return;
    }
    TLesson lesson;
    try {
        lesson = ParseLesson(text);
    } catch (const TLessonError& error) {
        FailWith(path, error.what());
    }
    Apply(lesson);
}

void LessonKeeper::Apply(const TLesson& lesson) {
    // The lab is loaded first: if its library is missing, nothing has changed yet.
    TLab* lab = LabIfLoaded(form_.Widget());
    if (!lab && NeedsLab(lesson)) lab = &LoadedLab(form_.Widget());
    notes_ = lesson;
    ApplyToMainWindow(form_, lesson);
    WithholdMainControls(form_, lesson.Hidden);
    if (lab) {
        lab->ApplyLesson(lesson);
        if (lesson.LabOpen)
            ShowLab(form_.Widget());
        else
            lab->Window()->close();
    }
    task_->SetTask(QString::fromStdString(lesson.Title), QString::fromStdString(lesson.Task));
    showTask_->setEnabled(!task_->IsEmpty());
    if (task_->IsEmpty())
        task_->close();
    else
        task_->ShowBeside(false);
}

void LessonKeeper::OpenSavedWork(const std::string& text) {
    const TSavedWork work = ParseSavedWork(text);
    TLab& lab = LoadedLab(form_.Widget());
    // The lab as it is, with the file's signal shown in its pane.
    TLesson lesson = Current();
    if (const auto* samples = std::get_if<TSamples>(&work)) {
        lesson.Drawing = *samples;
        lesson.Shown = TLessonSource::Drawing;
        lesson.Tab = "DrawPane";
    } else {
        lesson.Coefficients = std::get<TCoefficients>(work);
        lesson.Shown = TLessonSource::Coefficients;
        lesson.Tab = "CoefficientPane";
    }
    lab.ApplyLesson(lesson);
    ShowLab(form_.Widget());
}

LessonKeeper& InstallLessons(TForm1& form) {
    return *new LessonKeeper(form);
}

LessonKeeper* LessonsOf(QWidget* mainWindow) {
    return mainWindow->findChild<LessonKeeper*>(QStringLiteral("LessonKeeper"),
                                                Qt::FindDirectChildrenOnly);
}

} // namespace Fourier
