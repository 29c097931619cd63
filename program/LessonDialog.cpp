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
        {"ComboBox1", "Выбор функции"},
        {"TrackBar1", "Первый движок"},
        {"TrackBar2", "Второй движок (слева)"},
        {"TrackBar3", "Третий движок (справа)"},
        {"SpinEdit1", "Номер гармоники"},
        {"SCheckBox", "«Сумма гармоник»"},
        {"LRadioGroup", "«Последняя: sin, cos»"},
        {"SpeedButton2", "Кнопка «Сброс»"},
        {"ASpeedButton", "Кнопка «Анализ»"},
        {"SSpeedButton", "Кнопка «Синтез»"},
        {"CheckBox3", "«Перерисовывать»"},
        {"GroupBox1", "Вся группа «Синтез»"},
        {"Image1", "График"},
        {"Image2", "Спектр"},
        {"ConvergenceView", "Лаборатория: Сходимость"},
        {"ResidualView", "Лаборатория: Остаток"},
        {"CoefficientView", "Лаборатория: Коэффициент"},
        {"SpectrumView", "Лаборатория: Спектр"},
        {"SoundPane", "Лаборатория: Звук"},
        {"FormulaPane", "Лаборатория: Своя функция"},
        {"DrawPane", "Лаборатория: Нарисовать"},
        {"CoefficientPane", "Лаборатория: Коэффициенты"},
        {"HarmonicsPane", "Лаборатория: Гармоники"},
        {"OperationsPane", "Лаборатория: Операции"},
        {"CirclesView", "Лаборатория: Круги"},
        {"SamplingView", "Лаборатория: Дискретизация"},
        {"GamePane", "Лаборатория: Угадай сигнал"},
    };
    for (const auto& [control, description] : descriptions)
        if (control == name) return QString::fromUtf8(description);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

LessonDialog::LessonDialog(const TLesson& lesson, QWidget* parent)
    : QDialog(parent), title_(new QLineEdit), task_(new QPlainTextEdit), hidden_(new QListWidget) {
    setObjectName(QStringLiteral("LessonDialog"));
    setWindowTitle(QStringLiteral("Сохранить урок"));
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
    form->addRow(QStringLiteral("&Название:"), title_);
    form->addRow(QStringLiteral("&Задание:"), task_);
    form->addRow(QStringLiteral("&Скрыть у учеников:"), hidden_);
    auto* note = new QLabel(QStringLiteral(
        "Скрытое — подсказка для урока, а не защита: файл урока можно открыть и изменить."));
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
                             QStringLiteral("Задание длиннее %1 знаков (сейчас %2): сократите его.")
                                 .arg(LessonTaskLength)
                                 .arg(length));
        return;
    }
    QDialog::accept();
}

} // namespace Fourier
