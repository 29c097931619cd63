#include "SavedWorkFile.h"

#include "FileSaving.h"
#include "Language.h"
#include "Wording.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

namespace Fourier {
namespace {

// 512 shortest doubles take at most about 13 KB; anything far larger is not saved work.
constexpr qint64 LargestFile = 1 << 20;

constexpr char Context[] = "Fourier::SavedWorkFile";

QString Tr(const char* text) {
    return QCoreApplication::translate(Context, text);
}

// Said at once in a message box: in the program's language.
[[noreturn]] void FailWith(const QString& path, const QString& reason) {
    throw TSavedWorkError(Tr(QT_TRANSLATE_NOOP("Fourier::SavedWorkFile", "Файл «%1»: %2"))
                              .arg(QFileInfo(path).fileName(), reason)
                              .toStdString());
}

QString TooLarge() {
    return Tr(
        QT_TRANSLATE_NOOP("Fourier::SavedWorkFile", "слишком велик для сохранённого сигнала"));
}

QString SuffixText() {
    return QString::fromUtf8(SavedWorkSuffix.data(),
                             static_cast<qsizetype>(SavedWorkSuffix.size()));
}

} // namespace

QString SavedWorkFilter() {
    return Tr(QT_TRANSLATE_NOOP("Fourier::SavedWorkFile", "Сигнал «Фурье» (*%1)"))
        .arg(SuffixText());
}

TSavedWork ReadSavedWorkFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) FailWith(path, file.errorString());
    if (file.size() > LargestFile) FailWith(path, TooLarge());
    const QByteArray bytes = file.read(LargestFile + 1);
    if (file.error() != QFileDevice::NoError) FailWith(path, file.errorString());
    if (bytes.size() > LargestFile) FailWith(path, TooLarge());
    try {
        return ParseSavedWork(std::string_view(bytes.constData(), bytes.size()));
    } catch (const TSavedWorkError& error) {
        FailWith(path, QString::fromStdString(ShownMessage(error)));
    }
}

// Not QSaveFile: in Qt 6.4 its commit() succeeds when the buffered bytes fail to reach the
// disk, and renames the cut-off file over the old one.
void WriteSavedWorkFile(const QString& path, const TSavedWork& work) {
    try {
        SaveSavedWork(QFile::encodeName(path).toStdString(), work);
    } catch (const TFileSaveError& error) {
        throw TSavedWorkError(ShownMessage(error));
    }
}

QAction* OpenAction(QWidget* pane, std::function<void(const QString& path)> open) {
    auto* action = new QAction(pane);
    KeepTranslated(pane, [action] {
        action->setText(Tr(QT_TRANSLATE_NOOP("Fourier::SavedWorkFile", "Открыть…")));
    });
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_O));
    QObject::connect(action, &QAction::triggered, pane, [pane, open = std::move(open)] {
        const QString path = QFileDialog::getOpenFileName(
            pane, Tr(QT_TRANSLATE_NOOP("Fourier::SavedWorkFile", "Открыть сигнал")), QString(),
            SavedWorkFilter());
        if (!path.isEmpty()) open(path);
    });
    return action;
}

QAction* SaveAction(QWidget* pane, const char* suggestedName,
                    std::function<void(const QString& path)> save) {
    auto* action = new QAction(pane);
    KeepTranslated(pane, [action] {
        action->setText(Tr(QT_TRANSLATE_NOOP("Fourier::SavedWorkFile", "Сохранить…")));
    });
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S));
    QObject::connect(
        action, &QAction::triggered, pane, [pane, suggestedName, save = std::move(save)] {
            QString path = QFileDialog::getSaveFileName(
                pane, Tr(QT_TRANSLATE_NOOP("Fourier::SavedWorkFile", "Сохранить сигнал")),
                Tr(suggestedName), SavedWorkFilter());
            if (path.isEmpty()) return;
            if (QFileInfo(path).suffix().isEmpty()) path += SuffixText();
            save(path);
        });
    return action;
}

} // namespace Fourier
