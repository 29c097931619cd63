#pragma once
// «Коэффициенты»: the student edits a_k and b_k (or |c_k| and phi_k) of harmonics 1..32 with
// the mouse, the arrow keys or by typing; the waveform is rebuilt from them through the
// inverse transform and sent out, analysed, after every change. The mean a_0/2 comes with
// the signal the editing starts from.
#include "Analysis.h"
#include "CoefficientBars.h"
#include "ErrorReporter.h"
#include "RunView.h"

#include <QWidget>

class QComboBox;
class QDoubleSpinBox;
class QLabel;

namespace Fourier {

class CoefficientPane : public QWidget {
    Q_OBJECT

  public:
    explicit CoefficientPane(QWidget* parent = nullptr);

    CoefficientBars* Bars() const { return BarChart; }
    QDoubleSpinBox* ValueField() const { return Field; }
    QComboBox* ViewChoice() const { return ViewBox; }
    const TCoefficients& Coefficients() const { return BarChart->Coefficients(); }
    void SetErrorReporter(TErrorReporter reporter) { Report = std::move(reporter); }

    // Starts the editing from these coefficients and sends the signal they make.
    void StartFrom(const TCoefficients& coefficients);

  signals:
    void signalDrawn(const Fourier::TAnalysis& analysis, const QString& caption);

  public slots:
    // The main window's signal. Until the student first changes something the bars show
    // its harmonics (without sending anything); «Из главного окна» takes them later.
    void ShowRun(const Fourier::TRunView& view);
    void StartFromMainSignal();
    void StartFromZero();
    // Opens saved work: coefficients as they are, samples as their harmonics 0..32. A file
    // that cannot be read is reported and changes nothing.
    void OpenFile(const QString& path);
    void SaveFile(const QString& path);

  private:
    void Rebuild(const TCoefficients& coefficients);
    void ShowFocused();
    void FieldEdited(double value);

    CoefficientBars* BarChart = nullptr;
    QDoubleSpinBox* Field = nullptr;
    QLabel* FieldName = nullptr;
    QLabel* MeanText = nullptr;
    QComboBox* ViewBox = nullptr;
    QAction* TakeMain = nullptr;
    TCoefficients MainSignal;
    bool HaveMainSignal = false;
    bool Touched = false; // the student has changed the coefficients
    bool Typing = false;  // the change comes from the value field
    TErrorReporter Report;
};

} // namespace Fourier
