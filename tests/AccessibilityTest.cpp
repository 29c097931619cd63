// Both windows as a screen reader sees them in process: every widget named, described and
// given a role; the pictures' summaries and the spectrum's table against a direct DFT written
// here; a change of a result seen in the summary.
#include "LabFixture.h"
#include "LabWindow.h"
#include "UserInput.h"

#include <QAccessible>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <cmath>
#include <numbers>
#include <vector>

using namespace Fourier;

namespace {

constexpr double Pi = std::numbers::pi;

// The 512 samples of the square wave as the main window takes them: −1 on x < 0, 1 from
// x = 0 (sample 256) on.
double SquareSample(int j) {
    return j < 256 ? -1.0 : 1.0;
}

double DirectAmplitude(int k) {
    long double a = 0, b = 0;
    for (int j = 0; j < 512; ++j) {
        const long double x = -Pi + j * Pi / 256;
        a += SquareSample(j) * std::cos(k * x);
        b += SquareSample(j) * std::sin(k * x);
    }
    // For k = 0 the amplitude is the mean: half of a_0.
    return k == 0 ? static_cast<double>(std::abs(a) / 512)
                  : static_cast<double>(std::hypot(a, b) / 256);
}

double DirectRmsError(int k) {
    std::vector<long double> a(k + 1), b(k + 1);
    for (int i = 1; i <= k; ++i)
        for (int j = 0; j < 512; ++j) {
            const long double x = -Pi + j * Pi / 256;
            a[i] += SquareSample(j) * std::cos(i * x) / 256;
            b[i] += SquareSample(j) * std::sin(i * x) / 256;
        }
    long double mean = 0, squares = 0;
    for (int j = 0; j < 512; ++j)
        mean += SquareSample(j) / 512;
    for (int j = 0; j < 512; ++j) {
        const long double x = -Pi + j * Pi / 256;
        long double sum = mean;
        for (int i = 1; i <= k; ++i)
            sum += a[i] * std::cos(i * x) + b[i] * std::sin(i * x);
        squares += (SquareSample(j) - sum) * (SquareSample(j) - sum);
    }
    return static_cast<double>(std::sqrt(squares / 512));
}

// A number as the program writes it for a reader, with `digits` significant digits.
QString Written(double value, int digits) {
    return QString::number(value, 'g', digits).replace(QLatin1Char('.'), QLocale().decimalPoint());
}

double Read(QString text) {
    text.replace(QLocale().decimalPoint(), QStringLiteral("."))
        .replace(QChar(0x2212), QLatin1Char('-'));
    return text.toDouble();
}

QAccessibleInterface* Spoken(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget);
}

QString Description(QWidget* widget) {
    return Spoken(widget)->text(QAccessible::Description);
}

class AccessibilityTest : public LabFixture {
  protected:
    QWidget* Main() { return form->Widget(); }
    LabWindow* OpenLab() {
        UserInput::PressKey(Main(), Qt::Key_F2);
        auto* lab = qobject_cast<LabWindow*>(OpenedLab(Main()));
        EXPECT_NE(lab, nullptr);
        if (lab) {
            EXPECT_TRUE(QTest::qWaitFor([lab] { return lab->isVisible(); }));
        }
        return lab;
    }
    void SynthesiseSquareTo(int k) {
        Choose(1); // «2. Прямоугольник»
        form->SpinEdit1->SetFocus();
        QTest::keyClick(QApplication::focusWidget(), static_cast<char>('0' + k));
        ASSERT_EQ(form->SpinEdit1->Text(), std::to_string(k));
        UserInput::Click(form->SSpeedButton->Widget());
        ASSERT_TRUE(form->SynthesisShown());
    }
};

// Qt's private parts are left out: widgets named qt_… and what they hold (a spin box's line
// edit, a tab widget's bar, a scroll area's scroll-bar holders, a tool bar's extension
// button, splitter handles) and scroll bars are pieces of the control that owns them, which
// speaks for them (a table's headers speak as its header cells). The holders of real content are
// not: a tab widget's stack and a scroll area's viewport hold the pages and the plots. Popups are
// windows of their own.
bool IsQtPart(const QWidget* widget, const QWidget* window) {
    if (qobject_cast<const QScrollBar*>(widget) || qobject_cast<const QHeaderView*>(widget) ||
        widget->window() != window)
        return true;
    for (const QWidget* w = widget; w && w != window; w = w->parentWidget()) {
        const QString name = w->objectName();
        const bool holdsContent =
            w != widget && (name == QLatin1String("qt_tabwidget_stackedwidget") ||
                            name == QLatin1String("qt_scrollarea_viewport"));
        if (name.startsWith(QLatin1String("qt_")) && !holdsContent) return true;
    }
    return false;
}

void ExpectEveryWidgetSpoken(QWidget* window, int atLeast) {
    int checked = 0;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* widget : widgets) {
        if (IsQtPart(widget, window)) continue;
        ++checked;
        SCOPED_TRACE(widget->metaObject()->className() + std::string(" ") +
                     widget->objectName().toStdString());
        QAccessibleInterface* spoken = Spoken(widget);
        ASSERT_NE(spoken, nullptr);
        EXPECT_FALSE(spoken->text(QAccessible::Name).trimmed().isEmpty());
        EXPECT_FALSE(spoken->text(QAccessible::Description).trimmed().isEmpty());
        EXPECT_NE(spoken->role(), QAccessible::NoRole);
        EXPECT_NE(spoken->role(), QAccessible::Client);
    }
    EXPECT_GE(checked, atLeast);
}

TEST_F(AccessibilityTest, EveryWidgetOfBothWindowsHasANameADescriptionAndARole) {
    SynthesiseSquareTo(5);
    ExpectEveryWidgetSpoken(Main(), static_cast<int>(form->Controls().size()));
    LabWindow* lab = OpenLab();
    ASSERT_NE(lab, nullptr);
    // Opened after the synthesis, the lab says the synthesis, not the analysis before it.
    const auto* statusLine = lab->statusBar()->findChild<QLabel*>(QStringLiteral("LabStatus"));
    ASSERT_NE(statusLine, nullptr);
    EXPECT_EQ(statusLine->text(),
              QStringLiteral("Синтез до гармоники 5: ошибка ") + Written(DirectRmsError(5), 3))
        << statusLine->text().toStdString();
    // Every view builds its widgets when first shown.
    for (int tab = 0; tab < lab->Tabs()->count(); ++tab) {
        lab->Tabs()->setCurrentIndex(tab);
        QTest::qWait(20);
    }
    ExpectEveryWidgetSpoken(lab, 100);

    struct Row {
        QWidget* widget;
        QAccessible::Role role;
        const char* name;
    };
    const Row rows[] = {
        {form->Image1->Widget(), QAccessible::Chart, "График"},
        {form->Image2->Widget(), QAccessible::Chart, "Спектр"},
        {form->SpinEdit1->Widget(), QAccessible::SpinBox, "Номер гармоники"},
        {form->TrackBar1->Widget(), QAccessible::Slider, "Положение первого движка"},
        {form->SSpeedButton->Widget(), QAccessible::Button, "Синтез"},
        {UserInput::Find(Main(), "RunStatus"), QAccessible::StatusBar, "Состояние"},
        {UserInput::Find(lab, "ConvergenceView"), QAccessible::Chart, "Сходимость"},
        {UserInput::Find(lab, "SpectrumTable"), QAccessible::Table, "Таблица спектра"},
        {UserInput::Find(lab, "SoundVolume"), QAccessible::Slider, "Громкость"},
        {UserInput::Find(lab, "DrawingArea"), QAccessible::Graphic, "Рисунок сигнала"},
        {UserInput::Find(lab, "GamePlot"), QAccessible::Chart, "График игры"},
        {lab->statusBar(), QAccessible::StatusBar, "Строка состояния"},
    };
    // On Linux a combo box's name is its current item (a label names it through a relation).
    EXPECT_EQ(Spoken(form->ComboBox1->Widget())->text(QAccessible::Description),
              QStringLiteral("Выберите функцию для анализа"));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_NE(row.widget, nullptr);
        EXPECT_EQ(Spoken(row.widget)->role(), row.role);
        EXPECT_EQ(Spoken(row.widget)->text(QAccessible::Name), QString::fromUtf8(row.name));
    }
}

TEST_F(AccessibilityTest, SquareWaveToFiveGraphSpectrumAndStatusSayTheNumbers) {
    SynthesiseSquareTo(5);
    const QString error = Written(DirectRmsError(5), 3);
    EXPECT_EQ(error, Written(std::sqrt(1 - 8 / (Pi * Pi) * (1 + 1.0 / 9 + 1.0 / 25)), 3));

    const QString graph = Description(form->Image1->Widget());
    EXPECT_TRUE(graph.contains(QStringLiteral("2. Прямоугольник"))) << graph.toStdString();
    EXPECT_TRUE(graph.contains(QStringLiteral("скачки при x = 0 и x = ") + Written(Pi, 3)))
        << graph.toStdString();
    EXPECT_TRUE(graph.contains(QStringLiteral("до гармоники 5"))) << graph.toStdString();
    EXPECT_TRUE(graph.contains(QStringLiteral("S₅) ") + error)) << graph.toStdString();

    const QString spectrum = Description(form->Image2->Widget());
    // Strongest first: A_1 ≈ 4/π, then A_3, A_5, A_7, A_9.
    const QStringList names = {QStringLiteral("A₁ = "), QStringLiteral("A₃ = "),
                               QStringLiteral("A₅ = "), QStringLiteral("A₇ = "),
                               QStringLiteral("A₉ = ")};
    qsizetype previous = -1;
    for (int i = 0; i < names.size(); ++i) {
        const qsizetype at = spectrum.indexOf(names[i] + Written(DirectAmplitude(2 * i + 1), 3));
        EXPECT_GT(at, previous) << spectrum.toStdString();
        previous = at;
    }
    EXPECT_NEAR(DirectAmplitude(1), 4 / Pi, 0.01);
    EXPECT_FALSE(spectrum.contains(QStringLiteral("A₂ ="))) << "an even harmonic is no noise";

    EXPECT_EQ(Description(UserInput::Find(Main(), "RunStatus")),
              QStringLiteral("Синтез до гармоники 5: ошибка ") + error);
}

TEST_F(AccessibilityTest, SpectrumPictureAnswersAsATableOfThirtyTwoHarmonics) {
    SynthesiseSquareTo(5);
    QAccessibleTableInterface* table = Spoken(form->Image2->Widget())->tableInterface();
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->rowCount(), 32);
    ASSERT_EQ(table->columnCount(), 5);
    EXPECT_EQ(table->columnDescription(3), QStringLiteral("A_k"));
    EXPECT_EQ(table->cellAt(32, 0), nullptr);
    EXPECT_EQ(table->cellAt(0, 5), nullptr);
    double largest = 0;
    for (int k = 0; k < 32; ++k)
        largest = std::max(largest, DirectAmplitude(k));
    for (int k = 0; k < 32; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(table->cellAt(k, 0)->text(QAccessible::Name), QString::number(k));
        const double amplitude = Read(table->cellAt(k, 3)->text(QAccessible::Name));
        const double expected = DirectAmplitude(k);
        // Three significant digits; below 1e-12 of the largest a line is rounding noise, read as 0.
        EXPECT_NEAR(amplitude, expected < 1e-12 * largest ? 0.0 : expected, 0.005 * expected);
        EXPECT_EQ(table->cellAt(k, 3)->tableCellInterface()->rowIndex(), k);
    }
}

// Offscreen Qt has no platform accessibility: QAccessible::isActive() stays false and
// updateAccessibility() drops every event before an update handler sees it, so the events
// themselves are checked over AT-SPI (run-accessibility-e2e.sh); here, what changes.
TEST_F(AccessibilityTest, SliderStepAndValueSetChangeTheGraphsDescription) {
    Choose(7); // «8. Прямоугольный импульс»: its width on the first track bar
    UserInput::Click(form->CheckBox3->Widget()); // every step redraws
    ASSERT_TRUE(form->CheckBox1->Checked());
    QWidget* graph = form->Image1->Widget();
    QWidget* status = UserInput::Find(Main(), "RunStatus");
    const QString before = Description(graph);

    form->TrackBar1->SetFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_NE(Description(graph), before);

    // Moved through its value, as assistive technology moves it for its user.
    const QString byKey = Description(graph);
    const int position = form->TrackBar1->Position();
    Spoken(form->TrackBar1->Widget())->valueInterface()->setCurrentValue(position + 3);
    EXPECT_EQ(form->TrackBar1->Position(), position + 3);
    EXPECT_NE(Description(graph), byKey);
    EXPECT_EQ(Description(status).left(7), QStringLiteral("Анализ:"));

    // The same analysis again says the same.
    const QString after = Description(graph);
    UserInput::Click(form->ASpeedButton->Widget());
    EXPECT_EQ(Description(graph), after);

    // A synthesis changes the status line.
    form->SpinEdit1->SetFocus();
    QTest::keyClick(QApplication::focusWidget(), '3');
    UserInput::Click(form->SSpeedButton->Widget());
    EXPECT_TRUE(Description(status).startsWith(QStringLiteral("Синтез до гармоники 3: ошибка ")))
        << Description(status).toStdString();
    EXPECT_NE(Description(graph), after);
}

TEST_F(AccessibilityTest, LabConvergenceViewAndStatusFollowTheSynthesis) {
    LabWindow* lab = OpenLab();
    ASSERT_NE(lab, nullptr);
    Main()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Main()));
    SynthesiseSquareTo(5);
    QWidget* convergence = UserInput::Find(lab, "ConvergenceView");
    ASSERT_NE(convergence, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return Description(convergence).contains(QStringLiteral("k = 5"));
    })) << Description(convergence).toStdString();
    const QString said = Description(convergence);
    const QString error = Written(DirectRmsError(5), 3);
    EXPECT_TRUE(said.contains(QStringLiteral("S₅) ") + error)) << said.toStdString();
    EXPECT_TRUE(said.contains(QStringLiteral("доля энергии"))) << said.toStdString();
    EXPECT_TRUE(said.contains(QStringLiteral("выброс у скачка"))) << said.toStdString();
    // The plot inside says what its view says.
    QWidget* plot = UserInput::Find(lab, "ConvergencePlot");
    ASSERT_NE(plot, nullptr);
    EXPECT_EQ(Description(plot), said);

    const auto* statusLine = lab->statusBar()->findChild<QLabel*>(QStringLiteral("LabStatus"));
    ASSERT_NE(statusLine, nullptr);
    EXPECT_TRUE(statusLine->isVisible());
    EXPECT_EQ(statusLine->text(), QStringLiteral("Синтез до гармоники 5: ошибка ") + error);

    // The spectrum's table answers as a table under its name, one row per harmonic.
    lab->Tabs()->setCurrentIndex(lab->TabNamed(QStringLiteral("SpectrumView")));
    auto* table = lab->findChild<QTableView*>(QStringLiteral("SpectrumTable"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return table && table->isVisible(); }));
    QAccessibleTableInterface* cells = Spoken(table)->tableInterface();
    ASSERT_NE(cells, nullptr);
    ASSERT_EQ(cells->rowCount(), table->model()->rowCount());
    ASSERT_GE(cells->rowCount(), 32);
    EXPECT_NEAR(Read(cells->cellAt(1, 3)->text(QAccessible::Name)), DirectAmplitude(1), 1e-4);
}

} // namespace
