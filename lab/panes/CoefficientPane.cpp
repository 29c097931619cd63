#include "CoefficientPane.h"

#include "InverseTransform.h"
#include "NumberText.h"
#include "PaneParts.h"
#include "SavedWorkFile.h"

#include <QAction>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QSignalBlocker>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace Fourier {
namespace {

QString Caption() {
    return CoefficientPane::tr("Сигнал из коэффициентов гармоник 1–32");
}

} // namespace

CoefficientPane::CoefficientPane(QWidget* parent)
    : QWidget(parent), bars_(new CoefficientBars), field_(new QDoubleSpinBox),
      fieldName_(new QLabel), meanText_(new QLabel), pairBox_(new QComboBox),
      report_(Toolkit::MessageBoxReporter(this)) {
    setObjectName("CoefficientPane");

    pairBox_->setObjectName("PairChoice");
    pairBox_->addItems({QString(), QString()});
    takeMain_ = new QAction(this);
    takeMain_->setEnabled(false);
    takeMain_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M)); // as in «Нарисовать»
    auto* zero = zero_ = new QAction(this);
    zero->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    QAction* open = OpenAction(this, [this](const QString& path) { OpenFile(path); });
    QAction* save =
        SaveAction(this, QT_TRANSLATE_NOOP("Fourier::SavedWorkFile", "коэффициенты.fourier"),
                   [this](const QString& path) { SaveFile(path); });
    connect(takeMain_, &QAction::triggered, this, &CoefficientPane::StartFromMainSignal);
    connect(zero, &QAction::triggered, this, &CoefficientPane::StartFromZero);

    auto* tools = new QToolBar;
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    tools->addWidget(pairName_ = new QLabel);
    tools->addWidget(pairBox_);
    tools->addActions({takeMain_, zero});
    tools->addWidget(Spacer());
    tools->addActions({open, save});

    field_->setObjectName("ValueField");
    field_->setRange(-1e6, 1e6);
    field_->setDecimals(6);
    field_->setKeyboardTracking(true);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(fieldName_);
    bottom->addWidget(field_);
    bottom->addWidget(meanText_);
    bottom->addStretch();
    auto* hint = hint_ = new QLabel;
    hint->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tools);
    layout->addWidget(bars_, 1);
    layout->addLayout(bottom);
    layout->addWidget(hint);

    connect(pairBox_, &QComboBox::activated, this, [this](int index) {
        bars_->SetPair(index == 0 ? TBarPair::CosSin : TBarPair::MagnitudePhase);
    });
    connect(bars_, &CoefficientBars::edited, this, [this](const TCoefficients& coefficients) {
        touched_ = true;
        Rebuild(coefficients);
    });
    connect(bars_, &CoefficientBars::focusedChanged, this, &CoefficientPane::ShowFocused);
    connect(field_, &QDoubleSpinBox::valueChanged, this, &CoefficientPane::FieldEdited);
    ShowFocused();
    Retranslate();
}

void CoefficientPane::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) Retranslate();
    QWidget::changeEvent(event);
}

void CoefficientPane::Retranslate() {
    setWindowTitle(tr("Коэффициенты"));
    pairBox_->setItemText(0, tr("cos и sin"));
    pairBox_->setItemText(1, tr("Амплитуда и фаза"));
    pairBox_->setToolTip(tr("cos и sin — столбики aₖ и bₖ; амплитуда и фаза — Aₖ и φₖ: "
                            "aₖ cos kx + bₖ sin kx = Aₖ cos(kx − φₖ)"));
    takeMain_->setText(tr("Из главного окна"));
    zero_->setText(tr("С нуля"));
    pairName_->setText(tr("Вид: "));
    hint_->setText(tr("Тяните столбик мышью вверх или вниз. ←/→ — выбрать столбик, ↑/↓ — "
                      "изменить (PageUp/PageDown — крупнее, Delete — обнулить). aₖ cos kx + bₖ "
                      "sin kx = Aₖ cos(kx − φₖ)."));
    ShowMean();
}

void CoefficientPane::StartFrom(const TCoefficients& coefficients) {
    touched_ = true; // the main window's runs no longer replace what is edited here
    bars_->SetCoefficients(coefficients);
    Rebuild(bars_->Coefficients());
}

void CoefficientPane::ShowRun(const TRun& run) {
    haveMainSignal_ = run.WaveformIndex >= 0;
    takeMain_->setEnabled(haveMainSignal_);
    if (!haveMainSignal_) return;
    mainSignal_ = CoefficientsOf(run.Analysis);
    if (touched_) return;
    bars_->SetCoefficients(mainSignal_);
    ShowFocused();
}

void CoefficientPane::StartFromMainSignal() {
    if (!haveMainSignal_) return;
    touched_ = true;
    StartFrom(mainSignal_);
}

void CoefficientPane::StartFromZero() {
    touched_ = true;
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
        report_(Toolkit::WithFullStop(error.what()));
        return;
    }
    touched_ = true;
    StartFrom(coefficients);
}

void CoefficientPane::SaveFile(const QString& path) {
    try {
        WriteSavedWorkFile(path, bars_->Coefficients());
    } catch (const TSavedWorkError& error) {
        report_(Toolkit::WithFullStop(error.what()));
    }
}

void CoefficientPane::Rebuild(const TCoefficients& coefficients) {
    ShowFocused();
    emit signalDrawn(AnalyseSamples(SynthesiseSamples(coefficients)), Caption());
}

// The field shows the focused bar's value; writing it back is the user's edit only.
void CoefficientPane::ShowFocused() {
    const TBarId bar = bars_->Focused();
    fieldName_->setText(bars_->BarName(bar) + QStringLiteral(" ="));
    // While the student types, the text stays as typed (setting the step rewrites it too).
    if (!typing_) {
        const QSignalBlocker quiet(field_);
        field_->setSingleStep(bars_->Step(bar));
        field_->setValue(bars_->Value(bar));
    }
    ShowMean();
}

// Rounding noise next to the largest coefficient reads 0.
void CoefficientPane::ShowMean() {
    const TCoefficients& coefficients = bars_->Coefficients();
    double scale = 0.0;
    for (std::size_t k = 0; k < coefficients.Cos.size(); ++k)
        scale = std::max({scale, std::abs(coefficients.Cos[k]), std::abs(coefficients.Sin[k])});
    meanText_->setText(
        tr("   среднее a₀/2 = ") +
        QString::fromStdString(ReadableNumber(coefficients.Cos[0] / 2, 6,
                                              QLocale().decimalPoint().toStdString(), scale)));
}

void CoefficientPane::FieldEdited(double value) {
    typing_ = true;
    bars_->SetValue(bars_->Focused(), value);
    typing_ = false;
}

} // namespace Fourier
