#include "LessonDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <algorithm>
#include <utility>

namespace Fourier {

QString LessonDialog::ControlDescription(std::string_view name) {
    static const std::pair<std::string_view, const char*> descriptions[] = {
        {"ComboBox1", QT_TRANSLATE_NOOP("LessonDialog", "Выбор функции")},
        {"TrackBar1", QT_TRANSLATE_NOOP("LessonDialog", "Первый движок")},
        {"TrackBar2", QT_TRANSLATE_NOOP("LessonDialog", "Второй движок (слева)")},
        {"TrackBar3", QT_TRANSLATE_NOOP("LessonDialog", "Третий движок (справа)")},
        {"SpinEdit1", QT_TRANSLATE_NOOP("LessonDialog", "Номер гармоники")},
        {"SCheckBox", QT_TRANSLATE_NOOP("LessonDialog", "«Сумма гармоник»")},
        {"LRadioGroup", QT_TRANSLATE_NOOP("LessonDialog", "«Последняя: sin, cos»")},
        {"SpeedButton2", QT_TRANSLATE_NOOP("LessonDialog", "Кнопка «Сброс»")},
        {"ASpeedButton", QT_TRANSLATE_NOOP("LessonDialog", "Кнопка «Анализ»")},
        {"SSpeedButton", QT_TRANSLATE_NOOP("LessonDialog", "Кнопка «Синтез»")},
        {"CheckBox3", QT_TRANSLATE_NOOP("LessonDialog", "«Перерисовывать»")},
        {"GroupBox1", QT_TRANSLATE_NOOP("LessonDialog", "Вся группа «Синтез»")},
        {"Image1", QT_TRANSLATE_NOOP("LessonDialog", "График")},
        {"Image2", QT_TRANSLATE_NOOP("LessonDialog", "Спектр")},
        {"ConvergenceView", QT_TRANSLATE_NOOP("LessonDialog", "Лаборатория: Сходимость")},
        {"ResidualView", QT_TRANSLATE_NOOP("LessonDialog", "Лаборатория: Остаток")},
        {"CoefficientView", QT_TRANSLATE_NOOP("LessonDialog", "Лаборатория: Коэффициент")},
        {"SpectrumView", QT_TRANSLATE_NOOP("LessonDialog", "Лаборатория: Спектр")},
        {"SoundPane", QT_TRANSLATE_NOOP("LessonDialog", "Лаборатория: Звук")},
        {"FormulaPane", QT_TRANSLATE_NOOP("LessonDialog", "Лаборатория: Своя функция")},
        {"DrawPane", QT_TRANSLATE_NOOP("LessonDialog", "Лаборатория: Нарисовать")},
        {"CoefficientPane", QT_TRANSLATE_NOOP("LessonDialog", "Лаборатория: Коэффициенты")},
        {"HarmonicsPane", QT_TRANSLATE_NOOP("LessonDialog", "Лаборатория: Гармоники")},
        {"OperationsPane", QT_TRANSLATE_NOOP("LessonDialog", "Лаборатория: Операции")},
        {"CirclesView", QT_TRANSLATE_NOOP("LessonDialog", "Лаборатория: Круги")},
        {"SamplingView", QT_TRANSLATE_NOOP("LessonDialog", "Лаборатория: Дискретизация")},
        {"GamePane", QT_TRANSLATE_NOOP("LessonDialog", "Лаборатория: Угадай сигнал")},
    };
    for (const auto& [control, description] : descriptions)
        if (control == name) return tr(description);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

LessonDialog::LessonDialog(const TLesson& lesson, QWidget* parent)
    : QDialog(parent), title_(new QLineEdit), task_(new QPlainTextEdit), hidden_(new QListWidget) {
    setObjectName(QStringLiteral("LessonDialog"));
    setWindowTitle(tr("Сохранить урок"));
    title_->setObjectName(QStringLiteral("LessonTitle"));
    title_->setMaxLength(static_cast<int>(LessonTitleLength));
    title_->setText(QString::fromStdString(lesson.Title));
    task_->setObjectName(QStringLiteral("LessonTask"));
    task_->setPlainText(QString::fromStdString(lesson.Task));
    task_->setTabChangesFocus(true); // Tab leaves the field, as everywhere else
    hidden_->setObjectName(QStringLiteral("LessonHidden"));
    for (const std::string_view name : LessonControls()) {
        auto* item = new QListWidgetItem(ControlDescription(name), hidden_);
        item->setData(Qt::UserRole, QString::fromUtf8(name.data(), qsizetype(name.size())));
        const bool hidden =
            std::find(lesson.Hidden.begin(), lesson.Hidden.end(), name) != lesson.Hidden.end();
        item->setCheckState(hidden ? Qt::Checked : Qt::Unchecked); // Space toggles it
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout(this);
    form->addRow(tr("&Название:"), title_);
    form->addRow(tr("&Задание:"), task_);
    form->addRow(tr("&Скрыть у учеников:"), hidden_);
    auto* note = new QLabel(
        tr("Скрытое — подсказка для урока, а не защита: файл урока можно открыть и изменить."));
    note->setWordWrap(true);
    form->addRow(note);
    form->addRow(buttons);
}

TLesson LessonDialog::Filled(TLesson lesson) const {
    lesson.Title = title_->text().simplified().toStdString();
    // A pasted tab or other control character would make a file no reader takes.
    QString task = task_->toPlainText();
    for (QChar& c : task)
        if (c.category() == QChar::Other_Control && c != QLatin1Char('\n')) c = QLatin1Char(' ');
    lesson.Task = task.toStdString();
    lesson.Hidden.clear();
    for (int i = 0; i < hidden_->count(); ++i)
        if (hidden_->item(i)->checkState() == Qt::Checked)
            lesson.Hidden.push_back(hidden_->item(i)->data(Qt::UserRole).toString().toStdString());
    return lesson;
}

void LessonDialog::accept() {
    const qsizetype length = task_->toPlainText().toUcs4().size();
    if (length > qsizetype(LessonTaskLength)) {
        QMessageBox::warning(this, windowTitle(),
                             tr("Задание длиннее %1 знаков (сейчас %2): сократите его.")
                                 .arg(LessonTaskLength)
                                 .arg(length));
        return;
    }
    QDialog::accept();
}

} // namespace Fourier
