#pragma once
// The table of the spectrum: one row per harmonic k = 0..255 with k, a_k, b_k, A_k, phi_k
// (Harmonic.h: a_k cos kx + b_k sin kx = A_k cos(kx - phi_k)); the headers' tooltips say so.
// Numbers as a reader writes them, six significant digits.
#include "Harmonic.h"

#include <QAbstractTableModel>
#include <QCoreApplication>
#include <QModelIndexList>

namespace Fourier {

class SpectrumTableModel : public QAbstractTableModel {
    Q_DECLARE_TR_FUNCTIONS(SpectrumTableModel)

  public:
    enum TColumn { colHarmonic, colCosine, colSine, colAmplitude, colPhase, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;
    void SetHarmonics(const THarmonics& harmonics);
    // The headings and their tips are now in another language: the views ask again.
    void Retranslate();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The cells as tab-separated text for a spreadsheet: the rows and columns that hold a
    // selected cell, under a line of their headings, numbers with 12 significant digits.
    QString TabSeparated(const QModelIndexList& selected) const;

    // The text a cell shows (data() of a number column).
    QString Text(int row, int column) const;

  private:
    double Value(int row, int column) const;
    THarmonics harmonics_{};
    double scale_ = 0.0; // the largest part or amplitude
};

} // namespace Fourier
