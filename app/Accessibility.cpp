// The main window for a screen reader: every control's name and description, the graph and
// the spectrum as charts that say what they show, and the status of the last run. Nothing
// here is seen: the status sits in a widget of no size that paints nothing.
#include "AccessiblePicture.h"
#include "DesktopLocale.h"
#include "NumberText.h"
#include "SpokenSummary.h"
#include "Unit1.h"

#include <QCoreApplication>
#include <QWidget>
#include <numbers>

using namespace Fourier::Toolkit;
using namespace Fourier;

namespace {

constexpr char Context[] = "TForm1";

struct TSpokenControl {
    const char* Name; // the control's name, its widget's objectName
    const char* Spoken;
    const char* Description;
};

// The visible caption where a control has one, else what the control is.
const TSpokenControl SpokenControls[] = {
    {"Form1", nullptr, // the window's caption
     QT_TRANSLATE_NOOP("TForm1",
                       "Главное окно: график сигнала, его спектр и синтез по гармоникам")},
    {"Panel1", QT_TRANSLATE_NOOP("TForm1", "Средняя панель"),
     QT_TRANSLATE_NOOP("TForm1", "Выбор функции, спектр и синтез")},
    {"TopPanel", QT_TRANSLATE_NOOP("TForm1", "Верхняя панель"),
     QT_TRANSLATE_NOOP("TForm1", "Панель с графиком сигнала")},
    {"Panel5", QT_TRANSLATE_NOOP("TForm1", "Нижняя панель"),
     QT_TRANSLATE_NOOP("TForm1", "Кнопки анализа, синтеза и выхода")},
    {"Image1", QT_TRANSLATE_NOOP("TForm1", "График"), nullptr},
    {"WLabel", QT_TRANSLATE_NOOP("TForm1", "Ширина импульса"),
     QT_TRANSLATE_NOOP("TForm1", "Подпись к ширине импульса")},
    {"FEdit", QT_TRANSLATE_NOOP("TForm1", "Формула"),
     QT_TRANSLATE_NOOP("TForm1", "Формула выбранной функции от x")},
    {"LoEdit", QT_TRANSLATE_NOOP("TForm1", "Начало отрезка по x"),
     QT_TRANSLATE_NOOP("TForm1", "Левый конец отрезка, на котором берутся отсчёты")},
    {"HiEdit", QT_TRANSLATE_NOOP("TForm1", "Конец отрезка по x"),
     QT_TRANSLATE_NOOP("TForm1", "Правый конец отрезка, на котором берутся отсчёты")},
    {"Panel2", QT_TRANSLATE_NOOP("TForm1", "Панель спектра"),
     QT_TRANSLATE_NOOP("TForm1", "Панель со спектром сигнала")},
    {"MinEdit", QT_TRANSLATE_NOOP("TForm1", "Нижняя граница графика"),
     QT_TRANSLATE_NOOP("TForm1", "Наименьшее значение по вертикали при синтезе")},
    {"MaxEdit", QT_TRANSLATE_NOOP("TForm1", "Верхняя граница графика"),
     QT_TRANSLATE_NOOP("TForm1", "Наибольшее значение по вертикали при синтезе")},
    {"XCheckBox", QT_TRANSLATE_NOOP("TForm1", "X"),
     QT_TRANSLATE_NOOP("TForm1", "Отрезок по x — период от −π до π")},
    {"YCheckBox", QT_TRANSLATE_NOOP("TForm1", "Y"),
     QT_TRANSLATE_NOOP("TForm1", "Вертикальный масштаб по значениям сигнала")},
    {"Panel3", QT_TRANSLATE_NOOP("TForm1", "Панель функции"),
     QT_TRANSLATE_NOOP("TForm1", "Выбор функции и её параметров")},
    {"Image2", QT_TRANSLATE_NOOP("TForm1", "Спектр"), nullptr},
    {"Label3", QT_TRANSLATE_NOOP("TForm1", "Подпись третьего движка"),
     QT_TRANSLATE_NOOP("TForm1", "Что задаёт третий движок")},
    {"Label2", QT_TRANSLATE_NOOP("TForm1", "Подпись второго движка"),
     QT_TRANSLATE_NOOP("TForm1", "Что задаёт второй движок")},
    {"Label1", QT_TRANSLATE_NOOP("TForm1", "Подпись первого движка"),
     QT_TRANSLATE_NOOP("TForm1", "Что задаёт первый движок")},
    {"ComboBox1", QT_TRANSLATE_NOOP("TForm1", "Функция"),
     QT_TRANSLATE_NOOP("TForm1", "Выберите функцию для анализа")},
    {"TrackBar1", QT_TRANSLATE_NOOP("TForm1", "Положение первого движка"),
     QT_TRANSLATE_NOOP("TForm1", "Первый параметр выбранной функции")},
    {"TrackBar3", QT_TRANSLATE_NOOP("TForm1", "Положение третьего движка"),
     QT_TRANSLATE_NOOP("TForm1", "Третий параметр выбранной функции")},
    {"TrackBar2", QT_TRANSLATE_NOOP("TForm1", "Положение второго движка"),
     QT_TRANSLATE_NOOP("TForm1", "Второй параметр выбранной функции")},
    {"Panel4", QT_TRANSLATE_NOOP("TForm1", "Панель кнопки «Построить»"),
     QT_TRANSLATE_NOOP("TForm1", "Место кнопки «Построить»")},
    {"CheckBox1", QT_TRANSLATE_NOOP("TForm1", "Строить автоматически"),
     QT_TRANSLATE_NOOP("TForm1", "Анализировать сразу при каждом движении движка")},
    {"Panel7", QT_TRANSLATE_NOOP("TForm1", "Панель синтеза"),
     QT_TRANSLATE_NOOP("TForm1", "Место рамки «Синтез»")},
    {"Button2", QT_TRANSLATE_NOOP("TForm1", "Выход"),
     QT_TRANSLATE_NOOP("TForm1", "Закрыть программу")},
    {"Button1", QT_TRANSLATE_NOOP("TForm1", "Построить"),
     QT_TRANSLATE_NOOP("TForm1", "Построить график и спектр")},
    {"GroupBox1", QT_TRANSLATE_NOOP("TForm1", "Синтез"),
     QT_TRANSLATE_NOOP("TForm1", "Сумма гармоник ряда Фурье до выбранного номера")},
    {"Label4", QT_TRANSLATE_NOOP("TForm1", "Номер гармоники"),
     QT_TRANSLATE_NOOP("TForm1", "Подпись к полю номера гармоники")},
    {"SpeedButton2", QT_TRANSLATE_NOOP("TForm1", "Сброс"),
     QT_TRANSLATE_NOOP("TForm1", "Номер гармоники обратно в 0")},
    {"SpinEdit1", QT_TRANSLATE_NOOP("TForm1", "Номер гармоники"),
     QT_TRANSLATE_NOOP("TForm1", "До какой гармоники суммировать ряд, от 0 до 32")},
    {"SCheckBox", QT_TRANSLATE_NOOP("TForm1", "Сумма гармоник"),
     QT_TRANSLATE_NOOP("TForm1", "Рисовать сумму гармоник 1…k")},
    {"CheckBox2", QT_TRANSLATE_NOOP("TForm1", "Рисовать без спросу"),
     QT_TRANSLATE_NOOP("TForm1", "Синтезировать сразу при смене номера гармоники")},
    {"LRadioGroup", QT_TRANSLATE_NOOP("TForm1", "Последняя:"),
     QT_TRANSLATE_NOOP("TForm1", "Какую часть гармоники k рисовать отдельно")},
    {"ASpeedButton", QT_TRANSLATE_NOOP("TForm1", "Анализ"),
     QT_TRANSLATE_NOOP("TForm1", "Построить график и спектр")},
    {"SSpeedButton", QT_TRANSLATE_NOOP("TForm1", "Синтез"),
     QT_TRANSLATE_NOOP("TForm1", "Нарисовать сумму гармоник до выбранного номера")},
    {"Label5", QT_TRANSLATE_NOOP("TForm1", "Учебная программа «Фурье», 2026"),
     QT_TRANSLATE_NOOP("TForm1", "Название программы")},
    {"SpeedButton3", QT_TRANSLATE_NOOP("TForm1", "Выход"),
     QT_TRANSLATE_NOOP("TForm1", "Закрыть программу")},
    {"CheckBox3", QT_TRANSLATE_NOOP("TForm1", "Перерисовывать"),
     QT_TRANSLATE_NOOP("TForm1", "Перерисовывать при каждом изменении")},
};

QString Translated(const char* text) {
    return QCoreApplication::translate(Context, text);
}

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QWidget* StatusWidget(const TForm1& form) {
    return form.Widget()->findChild<QWidget*>(QStringLiteral("RunStatus"),
                                              Qt::FindDirectChildrenOnly);
}

} // namespace

void TForm1::NameControls() {
    QWidget* window = Widget();
    for (const TSpokenControl& control : SpokenControls) {
        QWidget* widget = window->objectName() == QLatin1String(control.Name)
                              ? window
                              : window->findChild<QWidget*>(QLatin1String(control.Name));
        if (!widget) continue;
        widget->setAccessibleName(control.Spoken ? Translated(control.Spoken)
                                                 : widget->windowTitle());
        if (control.Description) widget->setAccessibleDescription(Translated(control.Description));
    }
    // The radio buttons of «Последняя:» have their captions; they say what they choose.
    for (QWidget* radio : LRadioGroup->Widget()->findChildren<QWidget*>())
        radio->setAccessibleDescription(
            Translated(QT_TRANSLATE_NOOP("TForm1", "Часть гармоники k, рисуемая отдельно")));

    Accessibility::MarkPicture(Image1->Widget(), QAccessible::Chart,
                               Translated(QT_TRANSLATE_NOOP("TForm1", "График")));
    Accessibility::MarkPicture(Image2->Widget(), QAccessible::Chart,
                               Translated(QT_TRANSLATE_NOOP("TForm1", "Спектр")));
    QWidget* status = StatusWidget(*this);
    if (status)
        Accessibility::MarkPicture(status, QAccessible::StatusBar,
                                   Translated(QT_TRANSLATE_NOOP("TForm1", "Состояние")));
    // After a run the summaries are the run's own (UpdateSpokenSummaries).
    if (runShown_) return;
    Accessibility::SetSummary(Image1->Widget(),
                              Translated(QT_TRANSLATE_NOOP(
                                  "TForm1", "График пуст: выберите функцию и нажмите «Анализ»")));
    Accessibility::SetSummary(Image2->Widget(), Translated(QT_TRANSLATE_NOOP(
                                                    "TForm1", "Спектр пуст: анализа ещё не было")));
    if (status)
        Accessibility::SetSummary(status,
                                  Translated(QT_TRANSLATE_NOOP("TForm1", "Ничего не построено")));
}

void TForm1::SetUpAccessibility() {
    Accessibility::Install();
    QWidget* window = Widget();
    // No size, no paint, no focus: it only carries the status for assistive technology.
    auto* status = new QWidget(window);
    status->setObjectName(QStringLiteral("RunStatus"));
    status->setGeometry(0, 0, 0, 0);
    status->setFocusPolicy(Qt::NoFocus);
    status->setAttribute(Qt::WA_TransparentForMouseEvents);
    NameControls();
}

void TForm1::UpdateSpokenSummaries(const TRun& run) {
    const std::string separator = DesktopDecimalSeparator();
    double a = -std::numbers::pi, b = std::numbers::pi;
    if (!XCheckBox->Checked()) {
        a = ReadEditNumber(LoEdit->Text());
        b = ReadEditNumber(HiEdit->Text());
    }
    Accessibility::SetSummary(Image1->Widget(), Q(GraphSummary(run, a, b, separator)));

    const int harmonics = HarmonicLimit;
    Accessibility::SetSummary(Image2->Widget(),
                              Translated(QT_TRANSLATE_NOOP("TForm1", "Спектр, гармоники 0…%1. %2."))
                                  .arg(harmonics - 1)
                                  .arg(Q(SpectrumSummary(run.Analysis, harmonics, separator))));
    QList<QStringList> rows;
    for (const TSpectrumRow& row : SpectrumRows(run.Analysis, harmonics, separator)) {
        QStringList cells;
        for (const std::string& cell : row)
            cells << Q(cell);
        rows << cells;
    }
    Accessibility::SetTable(Image2->Widget(),
                            {QStringLiteral("k"), QStringLiteral("a_k"), QStringLiteral("b_k"),
                             QStringLiteral("A_k"), QStringLiteral("φ_k")},
                            rows);

    const QString status = Q(RunStatus(run, separator));
    if (QWidget* statusWidget = StatusWidget(*this))
        Accessibility::SetSummary(statusWidget, status);
}
