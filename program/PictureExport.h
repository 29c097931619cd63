#pragma once
// Keeping what a picture shows: «Сохранить рисунок…» (PNG at the picture's own pixel size),
// «Копировать рисунок» (clipboard) and «Сохранить данные…» (the analysis as CSV), for any
// picture and analysis a window can give. Files are saved whole or not at all; a failure is
// reported with the file's name and the reason.
#include "Analysis.h"
#include "ErrorReport.h"

#include <QImage>
#include <QList>
#include <QObject>
#include <functional>
#include <optional>

class QAction;
class QWidget;

namespace Fourier {

class PictureExport : public QObject {
    Q_OBJECT
  public:
    using TPictureSource = std::function<QImage()>;
    using TDataSource = std::function<std::optional<TAnalysis>()>; // nullopt: no data now

    // owner parents the dialogs and the actions; data may be empty (no «Сохранить данные…»).
    PictureExport(QWidget* owner, TPictureSource picture, TDataSource data = {});

    QAction* SavePictureAction() const { return savePicture_; }
    QAction* CopyPictureAction() const { return copyPicture_; }
    QAction* SaveDataAction() const { return saveData_; } // null without a data source
    QList<QAction*> Actions() const;
    // Puts the actions into owner's context menu (Qt::ActionsContextMenu).
    void AttachContextMenu(QWidget* target) const;

    // What the actions do once a file is chosen; throw TFileSaveError.
    void SavePictureTo(const QString& path) const;
    void SaveDataTo(const QString& path) const;

    // The save dialog (default: the platform's) and the report of a failure (default: a
    // message box); replaceable, e.g. by a test.
    std::function<QString(const QString& title, const QString& name, const QString& filter)>
        ChooseFile;
    Toolkit::TErrorReporter ReportError;

    // The picture of a widget as it is on the screen, in device pixels.
    static QImage PictureOf(QWidget* widget);

  private:
    void Save(const QString& title, const QString& name, const QString& filter,
              const QString& suffix, void (PictureExport::*write)(const QString&) const);

    QWidget* owner_;
    TPictureSource picture_;
    TDataSource data_;
    QAction* savePicture_;
    QAction* copyPicture_;
    QAction* saveData_ = nullptr;
};

} // namespace Fourier
