#include "SpectrumTableModel.h"

#include "Plotting.h"

#include <QLocale>
#include <QStringList>
#include <cmath>
#include <set>

namespace Fourier {

void SpectrumTableModel::SetLines(const std::array<TSpectrumLine, HighestHarmonic + 1>& lines) {
    lines_ = lines;
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
    const TSpectrumLine& line = lines_[row];
    switch (column) {
    case colHarmonic:
        return row;
    case colCosine:
        return line.A;
    case colSine:
        return line.B;
    case colMagnitude:
        return line.Magnitude;
    default:
        return line.Phase;
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
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    static const char* const headings[ColumnCount] = {"k", "a_k", "b_k", "|c_k|", "φ_k, рад"};
    return QString::fromUtf8(headings[section]);
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
