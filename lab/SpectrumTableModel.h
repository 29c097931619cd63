#pragma once
// The table of the spectrum: one row per harmonic k = 0..255 with k, a_k, b_k, |c_k|, phi_k.
#include "SpectrumLines.h"

#include <QAbstractTableModel>
#include <QModelIndexList>

namespace Fourier {

class SpectrumTableModel : public QAbstractTableModel {
  public:
    enum TColumn { colHarmonic, colCosine, colSine, colMagnitude, colPhase, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;
    void SetLines(const std::array<TSpectrumLine, HighestHarmonic + 1>& lines);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The cells as tab-separated text for a spreadsheet: the rows and columns that hold a
    // selected cell, under a line of their headings, numbers with 12 significant digits.
    QString TabSeparated(const QModelIndexList& selected) const;

  private:
    double Value(int row, int column) const;
    std::array<TSpectrumLine, HighestHarmonic + 1> lines_{};
};

} // namespace Fourier
