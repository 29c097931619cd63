#pragma once
// «Коэффициенты»: the student edits a_k and b_k (or A_k and phi_k) of harmonics 1..32 with
// the mouse, the arrow keys or by typing; the waveform is rebuilt from them through the
// inverse transform and sent out, analysed, after every change. The mean a_0/2 comes with
// the signal the editing starts from.
#include "Analysis.h"
#include "CoefficientBars.h"
#include "ErrorReport.h"
#include "Run.h"

#include <QWidget>

class QComboBox;
class QDoubleSpinBox;
class QLabel;

namespace Fourier {

class CoefficientPane : public QWidget {
    Q_OBJECT

  public:
    explicit CoefficientPane(QWidget* parent = nullptr);

    CoefficientBars* Bars() const { return bars_; }
    QDoubleSpinBox* ValueField() const { return field_; }
    QComboBox* PairChoice() const { return pairBox_; }
    const TCoefficients& Coefficients() const { return bars_->Coefficients(); }
    void SetErrorReporter(Toolkit::TErrorReporter reporter) { report_ = std::move(reporter); }

    // Starts the editing from these coefficients (they stay until the student takes others)
    // and sends the signal they make.
    void StartFrom(const TCoefficients& coefficients);

  signals:
    void signalDrawn(const Fourier::TAnalysis& analysis, const QString& caption);

  public slots:
    // The main window's signal. Until the student first changes something the bars show
    // its harmonics (without sending anything); «Из главного окна» takes them later.
    void ShowRun(const Fourier::TRun& run);
    void StartFromMainSignal();
    void StartFromZero();
    // Opens saved work: coefficients as they are, samples as their harmonics 0..32. A file
    // that cannot be read is reported and changes nothing.
    void OpenFile(const QString& path);
    void SaveFile(const QString& path);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void Retranslate();
    void Rebuild(const TCoefficients& coefficients);
    void ShowFocused();
    void ShowMean();
    void FieldEdited(double value);

    CoefficientBars* bars_ = nullptr;
    QDoubleSpinBox* field_ = nullptr;
    QLabel* fieldName_ = nullptr;
    QLabel* meanText_ = nullptr;
    QComboBox* pairBox_ = nullptr;
    QAction* takeMain_ = nullptr;
    QAction* zero_ = nullptr;
    QLabel* pairName_ = nullptr;
    QLabel* hint_ = nullptr;
    TCoefficients mainSignal_;
    bool haveMainSignal_ = false;
    bool touched_ = false; // the student has changed the coefficients
    bool typing_ = false;  // the change comes from the value field
    Toolkit::TErrorReporter report_;
};

} // namespace Fourier
