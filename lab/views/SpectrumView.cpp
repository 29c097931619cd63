#include "SpectrumView.h"

#include "Decibels.h"
#include "LivePlot.h"
#include "NumberDelegate.h"
#include "Plotting.h"
#include "SpectrumTableModel.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QHeaderView>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>

namespace Fourier {
namespace {

// Room beside the text for the grid line and a little air.
constexpr int ColumnPadding = 4;

int ColumnWidth(const QFontMetrics& metrics, const QString& text) {
    return metrics.horizontalAdvance(text) + 2 * NumberDelegate::Margin + ColumnPadding;
}

} // namespace

SpectrumView::SpectrumView(QWidget* parent) : LabView(parent) {
    // The actions exist from the start, for the window's menus; the rest is built when the
    // view is first shown.
    decibels_ = new QAction(this);
    decibels_->setCheckable(true);
    decibels_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    addAction(decibels_);
    connect(decibels_, &QAction::toggled, this, [this] {
        if (!plot_) return;
        ShowMagnitudes();
        plot_->Refresh();
    });
    copy_ = new QAction(this);
    copy_->setShortcut(QKeySequence::Copy);
    addAction(copy_);
    connect(copy_, &QAction::triggered, this, &SpectrumView::CopyTable);
    Retranslate();
}

void SpectrumView::Retranslate() {
    decibels_->setText(tr("Амплитуда в дБ"));
    copy_->setText(tr("Копировать таблицу"));
    if (!plot_) return;
    caption_->setText(
        tr("Амплитуда и фаза гармоник 0…255: a<sub>k</sub> cos kx + b<sub>k</sub> sin kx = "
           "A<sub>k</sub> cos(kx − φ<sub>k</sub>); гармоника 0 — среднее a<sub>0</sub>/2 "
           "(A<sub>0</sub> — его модуль, φ<sub>0</sub> = 0 или π по знаку); фаза не показана, где "
           "A<sub>k</sub> меньше 10<sup>−9</sup> наибольшей. "
           "Строки таблицы можно выделить и скопировать (Ctrl+C)."));
    decibelBox_->setText(decibels_->text() + QStringLiteral(" (Ctrl+D)"));
    phaseRect_->axis(QCPAxis::atBottom)->setLabel(tr("k (номер гармоники)"));
    phaseRect_->axis(QCPAxis::atLeft)->setLabel(tr("φₖ, рад"));
    model_->Retranslate();
    if (!DrawnRun()) return; // the first drawing labels the amplitudes
    ShowMagnitudes();
    plot_->RedrawAll();
    plot_->Refresh();
}

void SpectrumView::Build(QVBoxLayout& layout) {
    caption_ = Plotting::CaptionLabel({});
    layout.addWidget(caption_);

    decibelBox_ = new QCheckBox;
    decibelBox_->setObjectName(QStringLiteral("DecibelBox"));
    connect(decibelBox_, &QCheckBox::toggled, decibels_, &QAction::setChecked);
    decibelBox_->setChecked(decibels_->isChecked());
    connect(decibels_, &QAction::toggled, decibelBox_, &QCheckBox::setChecked);
    layout.addWidget(decibelBox_);

    auto* splitter = new QSplitter;
    layout.addWidget(splitter, 1);
    plot_ = new LivePlot(QStringLiteral("SpectrumPlot"));
    splitter->addWidget(plot_);
    plot_->ClearLayout();
    auto* margins = new QCPMarginGroup(plot_);
    magnitudeRect_ = plot_->AddAxisRect();
    phaseRect_ = plot_->AddAxisRect();
    plot_->plotLayout()->addElement(0, 0, magnitudeRect_);
    plot_->plotLayout()->addElement(1, 0, phaseRect_);
    for (QCPAxisRect* rect : {magnitudeRect_, phaseRect_}) {
        rect->setMarginGroup(QCP::msLeft | QCP::msRight, margins);
        rect->axis(QCPAxis::atBottom)->setRange(-2, HighestHarmonic + 2);
    }

    std::array<double, HighestHarmonic + 1> keys;
    std::iota(keys.begin(), keys.end(), 0.0);
    // Stems rising from the bottom of the visible axis, in dB as well: impulses always start
    // at zero, so they are drawn against the hidden right axis, which counts from that bottom.
    magnitude_ =
        Plotting::AddStems(magnitudeRect_->axis(QCPAxis::atBottom),
                           magnitudeRect_->axis(QCPAxis::atRight), keys, QColor(0, 90, 200));

    QCPAxis* phaseAxis = phaseRect_->axis(QCPAxis::atLeft);
    phase_ = Plotting::AddCurve(phaseRect_->axis(QCPAxis::atBottom), phaseAxis, keys,
                                QColor(0, 130, 60), {});
    phase_->setLineStyle(QCPGraph::lsNone);
    phase_->setScatterStyle(
        QCPScatterStyle(QCPScatterStyle::ssSquare, QColor(0, 130, 60), QColor(0, 130, 60), 3));
    phase_->setAntialiasedScatters(
        false); // 256 smooth discs would cost more than the rest of the plot
    Plotting::UseRadianTicks(phaseAxis);
    phaseAxis->setRange(-std::numbers::pi * 1.1, std::numbers::pi * 1.1);
    magnitudeMarker_ = Plotting::AddKeyMarker(plot_, magnitudeRect_, Qt::black);
    phaseMarker_ = Plotting::AddKeyMarker(plot_, phaseRect_, Qt::black);

    model_ = new SpectrumTableModel(this);
    table_ = new QTableView;
    table_->setObjectName(QStringLiteral("SpectrumTable"));
    table_->setModel(model_);
    table_->setItemDelegate(new NumberDelegate(table_));
    table_->verticalHeader()->setVisible(false);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    // The numbers' columns start as wide as their headings and grow to fit (FitColumns).
    table_->setColumnWidth(SpectrumTableModel::colHarmonic,
                           ColumnWidth(table_->fontMetrics(), QStringLiteral("255")));
    for (int column = SpectrumTableModel::colCosine; column < SpectrumTableModel::ColumnCount;
         ++column)
        table_->setColumnWidth(column,
                               ColumnWidth(table_->fontMetrics(),
                                           model_->headerData(column, Qt::Horizontal).toString()));
    table_->horizontalHeader()->setStretchLastSection(true);
    splitter->addWidget(table_);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);

    table_->setContextMenuPolicy(Qt::ActionsContextMenu);
    table_->addAction(copy_);
    Plotting::UseReadableTicks(plot_);
}

// Every number column as wide as its widest text, so that no digit or minus sign is cut
// off. Measured after each run (the texts change with it) but never made narrower: a
// column that jumped back and forth while a slider is dragged would be hard to read.
void SpectrumView::FitColumns() {
    const QFontMetrics metrics = table_->fontMetrics();
    for (int column = SpectrumTableModel::colCosine; column < SpectrumTableModel::ColumnCount;
         ++column) {
        int width = ColumnWidth(metrics, model_->headerData(column, Qt::Horizontal).toString());
        for (int row = 0; row < model_->rowCount(); ++row)
            width = std::max(width, ColumnWidth(metrics, model_->Text(row, column)));
        if (width > table_->columnWidth(column)) table_->setColumnWidth(column, width);
    }
}

void SpectrumView::Draw(const TRun& run) {
    harmonics_ = HarmonicsOf(run.Analysis);
    model_->SetHarmonics(harmonics_);
    FitColumns();
    std::array<double, HighestHarmonic + 1> phases;
    std::transform(harmonics_.begin(), harmonics_.end(), phases.begin(),
                   [](const THarmonic& h) { return h.Phase; });
    Plotting::SetValues(phase_, phases);
    ShowMagnitudes();
    const int k = LabHarmonic(run);
    Plotting::MoveKeyMarker(magnitudeMarker_, k);
    Plotting::MoveKeyMarker(phaseMarker_, k);
    plot_->Refresh();
}

void SpectrumView::ShowMagnitudes() {
    const bool decibels = decibels_->isChecked();
    double largest = 0;
    for (const THarmonic& harmonic : harmonics_)
        largest = std::max(largest, harmonic.Amplitude);
    QCPAxis* axis = magnitudeRect_->axis(QCPAxis::atLeft);
    const QString label = decibels ? tr("Aₖ, дБ от наибольшей") : tr("Aₖ, в единицах сигнала");
    if (axis->label() != label) {
        axis->setLabel(label);
        plot_->RedrawAll();
    }
    if (decibels)
        plot_->SetRange(axis, QCPRange(DecibelFloor, 10));
    else
        plot_->FitRange(axis, 0, largest);
    // In dB the stems rise from the bottom of the axis, not from 0 dB: they are drawn
    // against the hidden right axis, shifted so that its 0 is that bottom.
    const double offset = decibels ? axis->range().lower : 0;
    magnitudeRect_->axis(QCPAxis::atRight)
        ->setRange(axis->range().lower - offset, axis->range().upper - offset);
    auto stem = magnitude_->data()->begin();
    for (const THarmonic& harmonic : harmonics_) {
        (stem++)->value =
            (decibels ? Decibels(harmonic.Amplitude, largest) : harmonic.Amplitude) - offset;
    }
}

void SpectrumView::CopyTable() {
    if (!table_) return;
    QModelIndexList selected = table_->selectionModel()->selectedIndexes();
    if (selected.isEmpty()) {
        for (int row = 0; row < model_->rowCount(); ++row)
            for (int column = 0; column < model_->columnCount(); ++column)
                selected << model_->index(row, column);
    }
    QApplication::clipboard()->setText(model_->TabSeparated(selected));
}

} // namespace Fourier
