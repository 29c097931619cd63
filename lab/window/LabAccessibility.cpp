#include "LabAccessibility.h"

#include "AccessiblePicture.h"
#include "CoefficientBars.h"
#include "Convergence.h"
#include "DrawingArea.h"
#include "GamePlot.h"
#include "LabView.h"
#include "LabWindow.h"
#include "SpokenSummary.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QRadioButton>
#include <QScrollArea>
#include <QSet>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <qcustomplot.h>

#include <QPointer>
#include <functional>
#include <optional>

namespace Fourier {
namespace {

constexpr char Context[] = "LabAccessibility";
// Set on a widget whose name stood in for a caption it did not have yet.
constexpr char StandInName[] = "fourierStandInName";
// Set on a widget whose name or description was given here, to be given again in another
// language.
constexpr char GivenName[] = "fourierGivenName";
constexpr char GivenDescription[] = "fourierGivenDescription";
// Set on a widget whose given name is to be given again as it was first found, in the
// language of now, whatever caption the widget has come to show since.
constexpr char Renaming[] = "fourierRenaming";

QString Tr(const char* text) {
    return QCoreApplication::translate(Context, text);
}

struct TSpoken {
    const char* ObjectName;
    const char* Name;
    const char* Description;
};

// Controls whose caption does not say what they are, by object name.
const TSpoken SpokenControls[] = {
    {"LabHeading", QT_TRANSLATE_NOOP("LabAccessibility", "Заголовок"),
     QT_TRANSLATE_NOOP("LabAccessibility", "Какой сигнал показан и с какими настройками")},
    {"LabTabs", QT_TRANSLATE_NOOP("LabAccessibility", "Вкладки лаборатории"),
     QT_TRANSLATE_NOOP("LabAccessibility", "Виды и панели лаборатории, Ctrl+1…Ctrl+0")},
    {"ConvergencePlot", QT_TRANSLATE_NOOP("LabAccessibility", "График сходимости"),
     QT_TRANSLATE_NOOP("LabAccessibility", "Ошибка, доля энергии и выброс частичных сумм")},
    {"ResidualPlot", QT_TRANSLATE_NOOP("LabAccessibility", "График остатка"),
     QT_TRANSLATE_NOOP("LabAccessibility", "Сигнал, частичная сумма и остаток")},
    {"CoefficientPlot", QT_TRANSLATE_NOOP("LabAccessibility", "График коэффициента"),
     QT_TRANSLATE_NOOP("LabAccessibility", "Подынтегральная функция и накопленный интеграл")},
    {"SpectrumPlot", QT_TRANSLATE_NOOP("LabAccessibility", "График спектра"),
     QT_TRANSLATE_NOOP("LabAccessibility", "Амплитуды и фазы гармоник")},
    {"SpectrumTable", QT_TRANSLATE_NOOP("LabAccessibility", "Таблица спектра"),
     QT_TRANSLATE_NOOP("LabAccessibility", "По строке на гармонику: k, a_k, b_k, A_k, φ_k")},
    {"SamplingSignalPlot", QT_TRANSLATE_NOOP("LabAccessibility", "Отсчёты сигнала"),
     QT_TRANSLATE_NOOP("LabAccessibility", "Сигнал и его отсчёты")},
    {"SamplingSpectrumPlot", QT_TRANSLATE_NOOP("LabAccessibility", "Спектр отсчётов"),
     QT_TRANSLATE_NOOP("LabAccessibility", "Спектр взятых отсчётов")},
    {"SamplingExcerptPlot", QT_TRANSLATE_NOOP("LabAccessibility", "Отрывок"),
     QT_TRANSLATE_NOOP("LabAccessibility", "Отрывок из нескольких периодов")},
    {"SamplingWindowPlot", QT_TRANSLATE_NOOP("LabAccessibility", "Окно"),
     QT_TRANSLATE_NOOP("LabAccessibility", "Спектральное окно отрывка")},
    {"SamplesPerPeriodField", QT_TRANSLATE_NOOP("LabAccessibility", "Отсчётов на период"),
     QT_TRANSLATE_NOOP("LabAccessibility", "Сколько отсчётов берётся за период")},
    {"PeriodsField", QT_TRANSLATE_NOOP("LabAccessibility", "Периодов в отрывке"),
     QT_TRANSLATE_NOOP("LabAccessibility", "Сколько периодов в отрывке")},
    {"WindowChoice", QT_TRANSLATE_NOOP("LabAccessibility", "Окно отрывка"),
     QT_TRANSLATE_NOOP("LabAccessibility", "Спектральное окно, на которое умножен отрывок")},
    {"CirclesCanvas", QT_TRANSLATE_NOOP("LabAccessibility", "Вращающиеся окружности"),
     QT_TRANSLATE_NOOP("LabAccessibility", "Гармоники как окружности и след их суммы")},
    {"CirclesTime", QT_TRANSLATE_NOOP("LabAccessibility", "Время t за период"),
     QT_TRANSLATE_NOOP("LabAccessibility", "Момент, который показывают окружности")},
    {"CirclesOrder", QT_TRANSLATE_NOOP("LabAccessibility", "Порядок окружностей"),
     QT_TRANSLATE_NOOP("LabAccessibility", "В каком порядке окружности сложены")},
    {"FormulaField", QT_TRANSLATE_NOOP("LabAccessibility", "Формула"),
     QT_TRANSLATE_NOOP("LabAccessibility", "Своя функция f(x); Enter строит её")},
    {"FormulaExamples", QT_TRANSLATE_NOOP("LabAccessibility", "Примеры формул"),
     QT_TRANSLATE_NOOP("LabAccessibility", "Готовые формулы на выбор")},
    {"DrawingArea", QT_TRANSLATE_NOOP("LabAccessibility", "Рисунок сигнала"),
     QT_TRANSLATE_NOOP("LabAccessibility", "Поле, на котором рисуют период сигнала")},
    {"CoefficientBars", QT_TRANSLATE_NOOP("LabAccessibility", "Столбики коэффициентов"),
     QT_TRANSLATE_NOOP("LabAccessibility", "Коэффициенты гармоник 1…32; стрелки меняют столбик")},
    {"GameBars", QT_TRANSLATE_NOOP("LabAccessibility", "Столбики коэффициентов"),
     QT_TRANSLATE_NOOP("LabAccessibility", "Ваш сигнал в коэффициентах гармоник 1…32")},
    {"GamePlot", QT_TRANSLATE_NOOP("LabAccessibility", "График игры"),
     QT_TRANSLATE_NOOP("LabAccessibility", "Цель и ваш сигнал на одном периоде")},
    {"ValueField", QT_TRANSLATE_NOOP("LabAccessibility", "Значение столбика"),
     QT_TRANSLATE_NOOP("LabAccessibility", "Значение выбранного столбика")},
    {"PairChoice", QT_TRANSLATE_NOOP("LabAccessibility", "Вид столбиков"),
     QT_TRANSLATE_NOOP("LabAccessibility", "a_k и b_k или A_k и φ_k")},
    {"RateField", QT_TRANSLATE_NOOP("LabAccessibility", "Скорость"),
     QT_TRANSLATE_NOOP("LabAccessibility", "Гармоник в секунду при нарастании")},
    {"LimitField", QT_TRANSLATE_NOOP("LabAccessibility", "До гармоники"),
     QT_TRANSLATE_NOOP("LabAccessibility", "Последняя гармоника нарастания")},
    {"ShiftSlider", QT_TRANSLATE_NOOP("LabAccessibility", "Сдвиг во времени"),
     QT_TRANSLATE_NOOP("LabAccessibility", "На сколько сдвинуть сигнал")},
    {"SoundFundamental", QT_TRANSLATE_NOOP("LabAccessibility", "Основная частота"),
     QT_TRANSLATE_NOOP("LabAccessibility", "Частота первой гармоники звука")},
    {"SoundVolume", QT_TRANSLATE_NOOP("LabAccessibility", "Громкость"),
     QT_TRANSLATE_NOOP("LabAccessibility", "Громкость звука в процентах")},
    {"SoundLength", QT_TRANSLATE_NOOP("LabAccessibility", "Длина файла"),
     QT_TRANSLATE_NOOP("LabAccessibility", "Сколько секунд звука сохранить")},
    {"GameLevel", QT_TRANSLATE_NOOP("LabAccessibility", "Уровень"),
     QT_TRANSLATE_NOOP("LabAccessibility", "Уровень игры")},
    {"GameSeed", QT_TRANSLATE_NOOP("LabAccessibility", "Зерно"),
     QT_TRANSLATE_NOOP("LabAccessibility", "Число, из которого выбирается цель")},
    {"GamePairChoice", QT_TRANSLATE_NOOP("LabAccessibility", "Вид столбиков"),
     QT_TRANSLATE_NOOP("LabAccessibility", "a_k и b_k или A_k и φ_k")},
};

const TSpoken* SpokenControl(const QString& objectName) {
    for (const TSpoken& spoken : SpokenControls)
        if (objectName == QLatin1String(spoken.ObjectName)) return &spoken;
    return nullptr;
}

// What a widget is, for one without a better name.
QString KindOf(const QWidget* widget) {
    if (qobject_cast<const QCustomPlot*>(widget))
        return Tr(QT_TRANSLATE_NOOP("LabAccessibility", "График"));
    if (qobject_cast<const QAbstractSlider*>(widget))
        return Tr(QT_TRANSLATE_NOOP("LabAccessibility", "Движок"));
    if (qobject_cast<const QAbstractSpinBox*>(widget))
        return Tr(QT_TRANSLATE_NOOP("LabAccessibility", "Числовое поле"));
    if (qobject_cast<const QComboBox*>(widget))
        return Tr(QT_TRANSLATE_NOOP("LabAccessibility", "Список выбора"));
    if (qobject_cast<const QLineEdit*>(widget))
        return Tr(QT_TRANSLATE_NOOP("LabAccessibility", "Поле ввода"));
    if (qobject_cast<const QCheckBox*>(widget))
        return Tr(QT_TRANSLATE_NOOP("LabAccessibility", "Флажок"));
    if (qobject_cast<const QRadioButton*>(widget))
        return Tr(QT_TRANSLATE_NOOP("LabAccessibility", "Переключатель"));
    if (qobject_cast<const QAbstractButton*>(widget))
        return Tr(QT_TRANSLATE_NOOP("LabAccessibility", "Кнопка"));
    if (qobject_cast<const QLabel*>(widget))
        return Tr(QT_TRANSLATE_NOOP("LabAccessibility", "Пояснение"));
    if (qobject_cast<const QHeaderView*>(widget))
        return Tr(QT_TRANSLATE_NOOP("LabAccessibility", "Заголовки таблицы"));
    if (qobject_cast<const QTableView*>(widget))
        return Tr(QT_TRANSLATE_NOOP("LabAccessibility", "Таблица"));
    if (qobject_cast<const QTabWidget*>(widget))
        return Tr(QT_TRANSLATE_NOOP("LabAccessibility", "Вкладки"));
    if (qobject_cast<const QToolBar*>(widget))
        return Tr(QT_TRANSLATE_NOOP("LabAccessibility", "Панель инструментов"));
    if (qobject_cast<const QSplitter*>(widget))
        return Tr(QT_TRANSLATE_NOOP("LabAccessibility", "Разделённая область"));
    if (qobject_cast<const QMenuBar*>(widget))
        return Tr(QT_TRANSLATE_NOOP("LabAccessibility", "Меню"));
    if (qobject_cast<const QStatusBar*>(widget))
        return Tr(QT_TRANSLATE_NOOP("LabAccessibility", "Строка состояния"));
    if (qobject_cast<const QScrollArea*>(widget))
        return Tr(QT_TRANSLATE_NOOP("LabAccessibility", "Прокручиваемая область"));
    if (qobject_cast<const QGroupBox*>(widget))
        return Tr(QT_TRANSLATE_NOOP("LabAccessibility", "Рамка"));
    return Tr(QT_TRANSLATE_NOOP("LabAccessibility", "Панель"));
}

// The caption the widget shows, which Qt already reports as its name.
QString CaptionOf(const QWidget* widget) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
    if (const auto* box = qobject_cast<const QGroupBox*>(widget)) return box->title();
    return {};
}

QString Plain(QString caption) {
    caption.remove(QLatin1Char('&'));
    while (caption.endsWith(QLatin1Char(':')) || caption.endsWith(QLatin1Char(' ')))
        caption.chop(1);
    return caption;
}

// The text of the label that names a field: its buddy, or the label just before it in
// its layout.
QString LabelFor(QWidget* field, QWidget* window) {
    for (const QLabel* label : window->findChildren<QLabel*>())
        if (label->buddy() == field && !label->text().isEmpty()) return Plain(label->text());
    QWidget* parent = field->parentWidget();
    QLayout* layout = parent ? parent->layout() : nullptr;
    if (!layout) return {};
    // The field may sit in a nested layout; search every layout of the parent.
    std::function<QString(QLayout*)> search = [&](QLayout* within) -> QString {
        for (int i = 0; i < within->count(); ++i) {
            QLayoutItem* item = within->itemAt(i);
            if (QLayout* inner = item->layout()) {
                if (QString found = search(inner); !found.isEmpty()) return found;
            } else if (item->widget() == field && i > 0) {
                if (const auto* label =
                        qobject_cast<const QLabel*>(within->itemAt(i - 1)->widget());
                    label && !label->text().isEmpty())
                    return Plain(label->text());
            }
        }
        return {};
    };
    return search(layout);
}

// The tab title of a page of the lab's tabs.
QString TabTitle(const LabWindow& lab, const QWidget* page) {
    const int index = lab.Tabs()->indexOf(const_cast<QWidget*>(page));
    return index >= 0 ? lab.Tabs()->tabText(index).remove(QLatin1Char('&')) : QString();
}

// Qt's own parts (named qt_…) speak for themselves, except the holders of our widgets: the
// tab widget's stack and a scroll area's viewport. Popups are windows of their own.
bool IsQtInternal(const QWidget* widget, const QWidget* window) {
    for (const QWidget* w = widget; w && w != window; w = w->parentWidget()) {
        const QString name = w->objectName();
        const bool holdsOurs =
            w != widget && (name == QLatin1String("qt_tabwidget_stackedwidget") ||
                            name == QLatin1String("qt_scrollarea_viewport"));
        if (name.startsWith(QLatin1String("qt_")) && !holdsOurs) return true;
    }
    return widget->window() != window;
}

void NameWidget(const LabWindow& lab, QWidget* widget) {
    const TSpoken* spoken = SpokenControl(widget->objectName());
    const QString caption = CaptionOf(widget);
    const bool standIn = widget->property(StandInName).toBool();
    const bool renaming = widget->property(Renaming).toBool();
    widget->setProperty(Renaming, false);
    if (standIn && !caption.isEmpty() && !renaming) {
        // The caption has come: it names the widget from now on, as it changes.
        widget->setAccessibleName({});
        widget->setProperty(StandInName, false);
    }
    if (widget->accessibleName().isEmpty() && (spoken || caption.isEmpty() || renaming)) {
        QString name = spoken               ? Tr(spoken->Name)
                       : widget->isWindow() ? widget->windowTitle()
                                            : TabTitle(lab, widget);
        if (name.isEmpty()) name = LabelFor(widget, const_cast<LabWindow*>(&lab));
        if (name.isEmpty()) name = Plain(widget->toolTip());
        if (name.isEmpty()) {
            name = KindOf(widget);
            widget->setProperty(StandInName, true);
        }
        widget->setAccessibleName(name);
        widget->setProperty(GivenName, true);
    }
    if (widget->accessibleDescription().isEmpty()) {
        QString description = spoken ? Tr(spoken->Description) : widget->toolTip();
        if (description.isEmpty() &&
            widget->parentWidget() == lab.Tabs()->widget(0)->parentWidget())
            description = Tr(QT_TRANSLATE_NOOP("LabAccessibility", "Вкладка «%1»"))
                              .arg(TabTitle(lab, widget));
        if (description.isEmpty()) description = KindOf(widget);
        widget->setAccessibleDescription(description);
        widget->setProperty(GivenDescription, true);
    }
}

// Forgets the name and description given by NameWidget, for it to give them again.
void ForgetGivenTexts(QWidget* widget) {
    if (widget->property(GivenName).toBool()) {
        widget->setAccessibleName({});
        widget->setProperty(GivenName, false);
        widget->setProperty(StandInName, false);
        widget->setProperty(Renaming, true);
    }
    if (widget->property(GivenDescription).toBool()) {
        widget->setAccessibleDescription({});
        widget->setProperty(GivenDescription, false);
    }
}

// A view and what it says, from the run shown.
struct TViewSpeech {
    const char* ObjectName;
    std::function<std::string(const TRun&, QWidget* view, const std::string& separator)> Summary;
};

class LabSpeech : public QObject {
  public:
    explicit LabSpeech(LabWindow& lab) : QObject(&lab), lab_(lab) {
        Toolkit::Accessibility::Install();
        status_ = new QLabel;
        status_->setObjectName(QStringLiteral("LabStatus"));
        lab.statusBar()->addWidget(status_, 1);
        lab.statusBar()->setObjectName(QStringLiteral("LabStatusBar"));
        NameStatusBar();

        views_ = {
            {"ConvergenceView",
             [this](const TRun& run, QWidget*, const std::string& separator) {
                 if (!convergence_ || measured_ != run.Analysis.Samples) {
                     convergence_ = MeasureConvergence(run.Analysis);
                     measured_ = run.Analysis.Samples;
                 }
                 return ConvergenceSummary(*convergence_, LabHarmonic(run), separator);
             }},
            {"ResidualView",
             [](const TRun& run, QWidget*, const std::string& separator) {
                 return ResidualSummary(run.Analysis, LabHarmonic(run), separator);
             }},
            {"CoefficientView",
             [](const TRun& run, QWidget*, const std::string& separator) {
                 return CoefficientSummary(run.Analysis, LabHarmonic(run),
                                           run.LastHarmonic == TLastHarmonic::Sine, separator);
             }},
            {"SpectrumView",
             [](const TRun& run, QWidget*, const std::string& separator) {
                 return SpectrumSummary(run.Analysis, HighestHarmonic + 1, separator);
             }},
            {"CirclesView",
             [](const TRun& run, QWidget*, const std::string& separator) {
                 return CirclesSummary(run.Analysis, LabHarmonic(run), separator);
             }},
            {"SamplingView",
             [](const TRun& run, QWidget* view, const std::string& separator) {
                 const auto* field =
                     view->findChild<QSpinBox*>(QStringLiteral("SamplesPerPeriodField"));
                 return field ? SamplingSummary(run.Analysis, field->value(), separator)
                              : std::string();
             }},
        };
        MarkViews();
        FollowPainted();
        connect(&lab, &LabWindow::runChanged, this, [this] { Update(); });
        connect(&lab, &LabWindow::languageChanged, this, &LabSpeech::Retranslate);
        // A view builds its plots when first shown: they are named once the tab is up.
        connect(lab.Tabs(), &QTabWidget::currentChanged, this,
                [this] { QTimer::singleShot(0, this, [this] { Update(); }); });
        Update();
    }

  private:
    void NameStatusBar() {
        lab_.statusBar()->setAccessibleName(
            Tr(QT_TRANSLATE_NOOP("LabAccessibility", "Строка состояния")));
        status_->setAccessibleDescription(
            Tr(QT_TRANSLATE_NOOP("LabAccessibility", "Что показано: последний анализ или синтез")));
    }

    void MarkViews() {
        for (const TViewSpeech& view : views_)
            if (QWidget* page = lab_.findChild<QWidget*>(QLatin1String(view.ObjectName)))
                Toolkit::Accessibility::MarkPicture(page, QAccessible::Chart, TabTitle(lab_, page));
    }

    // A painted picture's name, and its summary taken after each paint (and on a change of
    // language, which a hidden picture does not paint).
    void Follow(QWidget* picture, QAccessible::Role role, const char* name,
                std::function<QString()> summary) {
        Toolkit::Accessibility::MarkPicture(picture, role, Tr(name));
        Toolkit::Accessibility::FollowPaint(picture, summary);
        painted_.push_back({picture, name, role, std::move(summary)});
    }

    void FollowPainted() {
        const std::string separator = QLocale().decimalPoint().toStdString();
        for (DrawingArea* area : lab_.findChildren<DrawingArea*>())
            Follow(area, QAccessible::Graphic,
                   QT_TRANSLATE_NOOP("LabAccessibility", "Рисунок сигнала"), [area, separator] {
                       return QString::fromStdString(
                           DrawingSummary(area->Samples(), area->HalfRange(), separator));
                   });
        for (CoefficientBars* bars : lab_.findChildren<CoefficientBars*>())
            Follow(bars, QAccessible::Chart,
                   QT_TRANSLATE_NOOP("LabAccessibility", "Столбики коэффициентов"),
                   [bars, separator] {
                       return QString::fromStdString(BarsSummary(bars->Coefficients(), separator));
                   });
        for (GamePlot* plot : lab_.findChildren<GamePlot*>())
            Follow(plot, QAccessible::Chart, QT_TRANSLATE_NOOP("LabAccessibility", "График игры"),
                   [plot, separator] {
                       return QString::fromStdString(
                           GameSummary(plot->Mine(), plot->Target(), separator));
                   });
    }

    // Everything said again in the new language; nothing else changes.
    void Retranslate() {
        ForgetGivenTexts(&lab_);
        for (QWidget* widget : lab_.findChildren<QWidget*>())
            ForgetGivenTexts(widget);
        NameStatusBar();
        MarkViews();
        for (const TPainted& painted : painted_)
            if (painted.Picture) {
                Toolkit::Accessibility::MarkPicture(painted.Picture, painted.Role,
                                                    Tr(painted.Name));
                Toolkit::Accessibility::SetSummary(painted.Picture, painted.Summary());
            }
        Update(true);
    }

    // hiddenToo: also the views hidden now that have said a summary before.
    void Update(bool hiddenToo = false) {
        const TRun& run = lab_.ShownRun();
        const std::string separator = QLocale().decimalPoint().toStdString();
        const QString status = QString::fromStdString(RunStatus(run, separator));
        status_->setText(status);
        Toolkit::Accessibility::SetSummary(lab_.statusBar(), status);

        const bool measurable = IsMeasurable(run.Analysis);
        for (const TViewSpeech& view : views_) {
            QWidget* page = lab_.findChild<QWidget*>(QLatin1String(view.ObjectName));
            if (!page || !(page->isVisible() || (hiddenToo && summarised_.contains(page))))
                continue; // a hidden view says its summary when shown
            summarised_.insert(page);
            const QString summary =
                measurable ? QString::fromStdString(view.Summary(run, page, separator))
                           : Tr(QT_TRANSLATE_NOOP(
                                 "LabAccessibility",
                                 "Сигнал не измерить: значения слишком велики или не конечны"));
            Toolkit::Accessibility::SetSummary(page, summary);
            // The page's plots say what their page says.
            for (QCustomPlot* plot : page->findChildren<QCustomPlot*>()) {
                if (Toolkit::Accessibility::RoleOf(plot) == QAccessible::NoRole)
                    Toolkit::Accessibility::MarkPicture(plot, QAccessible::Chart,
                                                        plot->accessibleName());
                Toolkit::Accessibility::SetSummary(plot, summary);
            }
            if (auto* field = page->findChild<QSpinBox*>(QStringLiteral("SamplesPerPeriodField"));
                field && !followedFields_.contains(field)) {
                followedFields_.append(field);
                connect(field, &QSpinBox::valueChanged, this, [this] { Update(); });
            }
        }
        NameAll();
    }

    void NameAll() {
        NameWidget(lab_, &lab_);
        for (QWidget* widget : lab_.findChildren<QWidget*>())
            if (!IsQtInternal(widget, &lab_)) NameWidget(lab_, widget);
    }

    struct TPainted {
        QPointer<QWidget> Picture;
        const char* Name;
        QAccessible::Role Role;
        std::function<QString()> Summary;
    };

    LabWindow& lab_;
    QLabel* status_;
    std::vector<TViewSpeech> views_;
    std::vector<TPainted> painted_;
    QSet<QWidget*> summarised_;
    std::optional<TConvergence> convergence_;
    TSamples measured_{};
    QList<QPointer<QSpinBox>> followedFields_;
};

} // namespace

void MakeLabAccessible(LabWindow& lab) {
    new LabSpeech(lab);
}

} // namespace Fourier
