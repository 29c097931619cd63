#include "SpectrumTableModel.h"

#include "Plotting.h"

#include <QLocale>
#include <QStringList>
#include <cmath>
#include <set>

namespace Fourier {

void SpectrumTableModel::SetHarmonics(const THarmonics& harmonics) {
    harmonics_ = harmonics;
    // Changed in place, so that a selection survives the next run.
    emit dataChanged(index(0, colCosine), index(HighestHarmonic, ColumnCount - 1),
                     {Qt::DisplayRole});
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
    return Plotting::Number(Value(index.row(), index.column()), 6);
}

QVariant SpectrumTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return {};
    static const char* const headings[ColumnCount] = {"k", "a_k", "b_k", "A_k", "φ_k, рад"};
    static const char* const tips[ColumnCount] = {
        "Номер гармоники k; k = 0 — среднее a₀/2",
        "a_k: коэффициент при cos kx; в строке k = 0 — a₀, удвоенное среднее",
        "b_k: коэффициент при sin kx",
        "Амплитуда A_k = √(a_k² + b_k²): a_k cos kx + b_k sin kx = A_k cos(kx − φ_k); "
        "A₀ = |a₀|/2",
        "Фаза φ_k в радианах: a_k cos kx + b_k sin kx = A_k cos(kx − φ_k); φ₀ = 0 или π по "
        "знаку среднего; пусто, где A_k меньше 10⁻⁹ наибольшей"};
    if (role == Qt::DisplayRole) return QString::fromUtf8(headings[section]);
    if (role == Qt::ToolTipRole) return QString::fromUtf8(tips[section]);
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
            // An undefined phase is an empty cell, which a spreadsheet reads as no number.
            cells << (column == colHarmonic ? QString::number(row)
                      : std::isnan(value)   ? QString()
                                            : Plotting::Number(value, 12));
        }
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace Fourier
