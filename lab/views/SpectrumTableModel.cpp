#include "SpectrumTableModel.h"

#include "Plotting.h"

#include <QLocale>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <set>

namespace Fourier {

void SpectrumTableModel::SetHarmonics(const THarmonics& harmonics) {
    harmonics_ = harmonics;
    scale_ = 0.0;
    for (const THarmonic& harmonic : harmonics_)
        scale_ = std::max({scale_, std::abs(harmonic.Cos), std::abs(harmonic.Sin)});
    // Changed in place, so that a selection survives the next run.
    emit dataChanged(index(0, colCosine), index(HighestHarmonic, ColumnCount - 1),
                     {Qt::DisplayRole});
}

void SpectrumTableModel::Retranslate() {
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

int SpectrumTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : HighestHarmonic + 1;
}

int SpectrumTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

double SpectrumTableModel::Value(int row, int column) const {
    const THarmonic& harmonic = harmonics_[row];
    switch (column) {
    case colHarmonic:
        return row;
    case colCosine:
        return harmonic.Cos;
    case colSine:
        return harmonic.Sin;
    case colAmplitude:
        return harmonic.Amplitude;
    default:
        return harmonic.Phase;
    }
}

QVariant SpectrumTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    if (index.column() == colHarmonic) return index.row();
    return Text(index.row(), index.column());
}

QString SpectrumTableModel::Text(int row, int column) const {
    // The parts and amplitudes share the largest of them as their scale of rounding; a
    // phase is noise where it is that close to zero next to pi.
    return Plotting::Number(Value(row, column), 6, column == colPhase ? std::numbers::pi : scale_);
}

QVariant SpectrumTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return {};
    static const char* const headings[ColumnCount] = {
        "k", "aₖ", "bₖ", "Aₖ", QT_TRANSLATE_NOOP("SpectrumTableModel", "φₖ, рад")};
    static const char* const tips[ColumnCount] = {
        QT_TRANSLATE_NOOP("SpectrumTableModel", "Номер гармоники k; k = 0 — среднее a₀/2"),
        QT_TRANSLATE_NOOP("SpectrumTableModel",
                          "aₖ: коэффициент при cos kx; в строке k = 0 — a₀, удвоенное среднее"),
        QT_TRANSLATE_NOOP("SpectrumTableModel", "bₖ: коэффициент при sin kx"),
        QT_TRANSLATE_NOOP("SpectrumTableModel",
                          "Амплитуда Aₖ = √(aₖ² + bₖ²): aₖ cos kx + bₖ sin kx = Aₖ cos(kx − φₖ); "
                          "A₀ = |a₀|/2"),
        QT_TRANSLATE_NOOP("SpectrumTableModel",
                          "Фаза φₖ в радианах: aₖ cos kx + bₖ sin kx = Aₖ cos(kx − φₖ); φ₀ = 0 "
                          "или π по знаку среднего; пусто, где Aₖ меньше 10⁻⁹ наибольшей")};
    if (section < 0 || section >= ColumnCount) return {};
    // The symbols alone are the same in every language.
    if (role == Qt::DisplayRole)
        return section == colPhase ? tr(headings[section]) : QString::fromUtf8(headings[section]);
    if (role == Qt::ToolTipRole) return tr(tips[section]);
    return {};
}

QString SpectrumTableModel::TabSeparated(const QModelIndexList& selected) const {
    std::set<int> rows, columns;
    for (const QModelIndex& index : selected) {
        rows.insert(index.row());
        columns.insert(index.column());
    }
    QStringList lines;
    QStringList cells;
    for (int column : columns)
        cells << headerData(column, Qt::Horizontal).toString();
    lines << cells.join(QLatin1Char('\t'));
    for (int row : rows) {
        cells.clear();
        for (int column : columns) {
            const double value = Value(row, column);
            // An undefined phase is an empty cell, which a spreadsheet reads as no number;
            // the others in the plain form a spreadsheet reads, all digits kept.
            cells << (column == colHarmonic ? QString::number(row)
                      : std::isnan(value)   ? QString()
                                            : QLocale().toString(value, 'g', 12));
        }
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace Fourier
