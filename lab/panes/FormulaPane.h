#pragma once
// «Своя функция»: the user types a formula in x as one writes it (or picks an example or an
// earlier formula from the list under the field), Enter or «Построить» analyses it as the
// main window analyses its waveforms, and the lab shows it until «Следовать за главным
// окном». What had to be rewritten for the translator is said under the field; errors appear
// there with the offending character marked; the last formulas built are remembered as typed.
#include "Analysis.h"
#include "ErrorReport.h"
#include "OwnFormula.h"

#include <QString>
#include <QStringList>
#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;

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

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void Retranslate();
    void ShowUnderstood(const QString& text);
    // Shows the error of building text; returns the position it marks, or -1.
    int ShowError(const QString& text, const TOwnFormulaError& error);
    void Remember(const QString& text);
    void SaveHistory();
    void FillHistory();

    QComboBox* field_;
    QComboBox* examples_;
    QPushButton* build_;
    QPushButton* follow_;
    QLabel* reminder_;
    QLabel* understood_;
    QLabel* error_;
    QString built_;       // the text last built, which the lines under the field speak of
    bool failed_ = false; // and whose error they show
    QStringList history_;
    bool historyFailureReported_ = false;
};

} // namespace Fourier
