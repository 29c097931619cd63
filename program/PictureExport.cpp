#include "PictureExport.h"

#include "AnalysisCsv.h"
#include "FileSaving.h"
#include "Language.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QWidget>

namespace Fourier {
namespace {

std::string LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace

PictureExport::PictureExport(QWidget* owner, TPictureSource picture, TDataSource data)
    : QObject(owner), owner_(owner), picture_(std::move(picture)), data_(std::move(data)) {
    savePicture_ = new QAction(owner);
    savePicture_->setObjectName("SavePicture");
    copyPicture_ = new QAction(owner);
    copyPicture_->setObjectName("CopyPicture");
    connect(savePicture_, &QAction::triggered, this, [this] {
        Save(tr("Сохранить рисунок"), tr("рисунок.png"), tr("Рисунок PNG (*.png)"), ".png",
             &PictureExport::SavePictureTo);
    });
    connect(copyPicture_, &QAction::triggered, this,
            [this] { QGuiApplication::clipboard()->setImage(picture_()); });
    if (data_) {
        saveData_ = new QAction(owner);
        saveData_->setObjectName("SaveData");
        connect(saveData_, &QAction::triggered, this, [this] {
            Save(tr("Сохранить данные"), tr("данные.csv"), tr("Таблица CSV (*.csv)"), ".csv",
                 &PictureExport::SaveDataTo);
        });
    }

    ChooseFile = [this](const QString& title, const QString& name, const QString& filter) {
        return QFileDialog::getSaveFileName(owner_, title, QDir::home().filePath(name), filter);
    };
    ReportError = Toolkit::MessageBoxReporter(owner_);
    KeepTranslated(owner, [this] {
        savePicture_->setText(tr("Сохранить рисунок…"));
        copyPicture_->setText(tr("Копировать рисунок"));
        if (saveData_) saveData_->setText(tr("Сохранить данные…"));
    });
}

QList<QAction*> PictureExport::Actions() const {
    QList<QAction*> actions{savePicture_, copyPicture_};
    if (saveData_) actions.append(saveData_);
    return actions;
}

void PictureExport::AttachContextMenu(QWidget* target) const {
    target->setContextMenuPolicy(Qt::ActionsContextMenu);
    target->addActions(Actions());
}

QImage PictureExport::PictureOf(QWidget* widget) {
    return widget->grab().toImage();
}

void PictureExport::SavePictureTo(const QString& path) const {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!picture_().save(&buffer, "PNG"))
        throw TFileSaveError(LocalPath(path),
                             tr("рисунок не удалось закодировать в PNG").toStdString());
    SaveFileWhole(LocalPath(path),
                  std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
}

void PictureExport::SaveDataTo(const QString& path) const {
    const std::optional<TAnalysis> analysis = data_ ? data_() : std::nullopt;
    if (!analysis)
        throw TFileSaveError(LocalPath(path), tr("данных для сохранения пока нет").toStdString());
    SaveFileWhole(LocalPath(path), AnalysisCsv(*analysis));
}

void PictureExport::Save(const QString& title, const QString& name, const QString& filter,
                         const QString& suffix,
                         void (PictureExport::*write)(const QString&) const) {
    QString path = ChooseFile ? ChooseFile(title, name, filter) : QString();
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += suffix;
    try {
        (this->*write)(path);
    } catch (const TFileSaveError& e) {
        if (ReportError) ReportError(Toolkit::WithFullStop(e.what()));
    }
}

} // namespace Fourier
