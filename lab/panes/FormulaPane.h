#pragma once
// «Своя функция»: the user types a formula in x in the translator's language (or picks an
// example), Enter or «Построить» analyses it as the main window analyses its waveforms, and
// the lab shows it until «Следовать за главным окном». Errors appear under the field with
// the offending character marked; the last formulas built are remembered (QSettings).
#include "Analysis.h"
#include "ErrorReport.h"

#include <QString>
#include <QStringList>
#include <QWidget>

class QComboBox;
class QLabel;

namespace Fourier {

class FormulaPane : public QWidget {
    Q_OBJECT
  public:
    explicit FormulaPane(QWidget* parent = nullptr);

    QString Formula() const;
    void SetFormula(const QString& text);
    QStringList History() const { return history_; }

    static constexpr int HistoryLength = 12;
    // The lab's settings: organisation and application of the QSettings. The history is a
    // file of its own beside them, HistoryFile(); a history of earlier versions, kept in
    // those settings, is read when that file does not exist yet.
    static const char* const SettingsOrganisation;
    static const char* const SettingsApplication;
    static QString HistoryFile();

    // Reports a history that could not be saved (default: a message box), once until a save
    // succeeds again; the formula is built and stays in the history shown all the same.
    Toolkit::TErrorReporter ReportError;

  public slots:
    void Build(); // analyses the field's formula

  signals:
    void ownSignalReady(const Fourier::TAnalysis& analysis, const QString& caption);
    void followMainWindow();

  private:
    void ShowError(const QString& message, int position);
    void Remember(const QString& text);
    void SaveHistory();
    void FillHistory();

    QComboBox* field_;
    QComboBox* examples_;
    QLabel* error_;
    QStringList history_;
    bool historyFailureReported_ = false;
};

} // namespace Fourier
