#include "CoefficientPane.h"

#include "InverseTransform.h"
#include "PaneParts.h"
#include "SavedWorkFile.h"

#include <QAction>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QToolBar>
#include <QVBoxLayout>

namespace Fourier {
namespace {

QString Caption() {
    return QStringLiteral("Сигнал из коэффициентов гармоник 1–32");
}

} // namespace

CoefficientPane::CoefficientPane(QWidget* parent)
    : QWidget(parent), BarChart(new CoefficientBars), Field(new QDoubleSpinBox),
      FieldName(new QLabel), MeanText(new QLabel), ViewBox(new QComboBox),
      Report(MessageBoxReporter(this)) {
    setObjectName("CoefficientPane");
    setWindowTitle(QStringLiteral("Коэффициенты"));

    ViewBox->setObjectName("ViewChoice");
    ViewBox->addItem(QStringLiteral("cos и sin"));
    ViewBox->addItem(QStringLiteral("Амплитуда и фаза"));
    TakeMain = new QAction(QStringLiteral("Из главного окна"), this);
    TakeMain->setEnabled(false);
    auto* zero = new QAction(QStringLiteral("С нуля"), this);
    QAction* open = OpenAction(this, [this](const QString& path) { OpenFile(path); });
    QAction* save = SaveAction(this, QStringLiteral("коэффициенты.fourier"),
                               [this](const QString& path) { SaveFile(path); });
    connect(TakeMain, &QAction::triggered, this, &CoefficientPane::StartFromMainSignal);
    connect(zero, &QAction::triggered, this, &CoefficientPane::StartFromZero);

    auto* tools = new QToolBar;
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    tools->addWidget(new QLabel(QStringLiteral("Вид: ")));
    tools->addWidget(ViewBox);
    tools->addActions({TakeMain, zero});
    tools->addWidget(Spacer());
    tools->addActions({open, save});

    Field->setObjectName("ValueField");
    Field->setRange(-1e6, 1e6);
    Field->setDecimals(6);
    Field->setKeyboardTracking(true);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(FieldName);
    bottom->addWidget(Field);
    bottom->addWidget(MeanText);
    bottom->addStretch();
    auto* hint = new QLabel(QStringLiteral(
        "Тяните столбик мышью вверх или вниз. ←/→ — выбрать столбик, ↑/↓ — изменить "
        "(PageUp/PageDown — крупнее, Delete — обнулить). a·cos kx + b·sin kx = |c|·cos(kx − φ)."));
    hint->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tools);
    layout->addWidget(BarChart, 1);
    layout->addLayout(bottom);
    layout->addWidget(hint);

    connect(ViewBox, &QComboBox::activated, this, [this](int index) {
        BarChart->SetView(index == 0 ? TBarView::CosSin : TBarView::MagnitudePhase);
    });
    connect(BarChart, &CoefficientBars::edited, this, [this](const TCoefficients& coefficients) {
        Touched = true;
        Rebuild(coefficients);
    });
    connect(BarChart, &CoefficientBars::focusedChanged, this, &CoefficientPane::ShowFocused);
    connect(Field, &QDoubleSpinBox::valueChanged, this, &CoefficientPane::FieldEdited);
    ShowFocused();
}

void CoefficientPane::StartFrom(const TCoefficients& coefficients) {
    BarChart->SetCoefficients(coefficients);
    Rebuild(BarChart->Coefficients());
}

void CoefficientPane::ShowRun(const TRunView& view) {
    HaveMainSignal = view.WaveformIndex >= 0;
    TakeMain->setEnabled(HaveMainSignal);
    if (!HaveMainSignal) return;
    MainSignal = CoefficientsOf(view.Analysis);
    if (Touched) return;
    BarChart->SetCoefficients(MainSignal);
    ShowFocused();
}

void CoefficientPane::StartFromMainSignal() {
    if (!HaveMainSignal) return;
    Touched = true;
    StartFrom(MainSignal);
}

void CoefficientPane::StartFromZero() {
    Touched = true;
    StartFrom(TCoefficients{});
}

void CoefficientPane::OpenFile(const QString& path) {
    TCoefficients coefficients;
    try {
        const TSavedWork work = ReadSavedWorkFile(path);
        if (const auto* read = std::get_if<TCoefficients>(&work))
            coefficients = *read;
        else
            coefficients = CoefficientsOf(AnalyseSamples(std::get<TSamples>(work)));
    } catch (const TSavedWorkError& error) {
        Report(QString::fromUtf8(error.what()));
        return;
    }
    Touched = true;
    StartFrom(coefficients);
}

void CoefficientPane::SaveFile(const QString& path) {
    try {
        WriteSavedWorkFile(path, BarChart->Coefficients());
    } catch (const TSavedWorkError& error) {
        Report(QString::fromUtf8(error.what()));
    }
}

void CoefficientPane::Rebuild(const TCoefficients& coefficients) {
    ShowFocused();
    emit signalDrawn(AnalyseSamples(SynthesiseSamples(coefficients)), Caption());
}

// The field shows the focused bar's value; writing it back is the user's edit only.
void CoefficientPane::ShowFocused() {
    const TBarId bar = BarChart->Focused();
    FieldName->setText(BarChart->BarName(bar) + QStringLiteral(" ="));
    // While the student types, the text stays as typed (setting the step rewrites it too).
    if (!Typing) {
        const QSignalBlocker quiet(Field);
        Field->setSingleStep(BarChart->Step(bar));
        Field->setValue(BarChart->Value(bar));
    }
    MeanText->setText(
        QStringLiteral("   среднее a₀/2 = %1").arg(BarChart->Coefficients().Cos[0] / 2, 0, 'g', 6));
}

void CoefficientPane::FieldEdited(double value) {
    Typing = true;
    BarChart->SetValue(BarChart->Focused(), value);
    Typing = false;
}

} // namespace Fourier
