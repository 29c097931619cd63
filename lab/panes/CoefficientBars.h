#pragma once
// The bars of harmonics 1..32 that the student edits: a_k and b_k side by side, or the
// amplitude A_k above and the phase phi_k below (Harmonic.h: a_k cos kx + b_k sin kx =
// A_k cos(kx - phi_k)). A bar follows the mouse while it is dragged up or down; the
// focused bar moves with Up/Down (PageUp/PageDown in larger steps, Delete to zero), and
// Left/Right choose the bar.
#include "Coefficients.h"
#include "Harmonic.h"
#include "PlotFrame.h"

#include <QWidget>

#include <array>

namespace Fourier {

// The pair of numbers a harmonic's two bars show: a_k and b_k, or A_k and phi_k.
enum class TBarPair { CosSin, MagnitudePhase };

// One bar: harmonic K in 1..32; Part 0 is a_k or A_k, Part 1 is b_k or phi_k.
struct TBarId {
    int K = 1;
    int Part = 0;
    bool operator==(const TBarId&) const = default;
};

class CoefficientBars : public QWidget {
    Q_OBJECT

  public:
    explicit CoefficientBars(QWidget* parent = nullptr);

    // New coefficients from outside: the scale is fitted to them and nothing is emitted.
    void SetCoefficients(const TCoefficients& coefficients);
    const TCoefficients& Coefficients() const { return values_; }

    void SetPair(TBarPair pair);
    TBarPair Pair() const { return pair_; }

    // Shows the bars only: no focus, and neither mouse nor keys change them.
    void SetReadOnly(bool readOnly);
    bool IsReadOnly() const { return readOnly_; }

    TBarId Focused() const { return focus_; }
    void SetFocused(TBarId bar);

    // A bar's value in the pair shown, and setting it as the user does (emits edited).
    double Value(TBarId bar) const;
    void SetValue(TBarId bar, double value);
    // "a₃", "b₃", "A₃" or "φ₃".
    QString BarName(TBarId bar) const;
    // The step of Up/Down for a bar (PageUp/PageDown take ten).
    double Step(TBarId bar) const;

    // Geometry, for painting and for whoever drives the widget with the mouse.
    QRectF BarColumn(TBarId bar) const; // the strip of the widget a bar can be grabbed in
    TPlotFrame FrameOf(TBarId bar) const;

    QSize sizeHint() const override { return {640, 300}; }
    QSize minimumSizeHint() const override { return {320, 160}; }

  signals:
    void edited(const Fourier::TCoefficients& coefficients);
    void focusedChanged(Fourier::TBarId bar);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool BarAt(QPointF pixel, TBarId& bar) const;
    void Change(TBarId bar, double value);
    void FitScale();
    void Remember(int k);
    QRectF PlotArea() const;

    TCoefficients values_;
    std::array<double, EditableHarmonics + 1> phases_{}; // kept while a magnitude is 0
    TBarPair pair_ = TBarPair::CosSin;
    TBarId focus_;
    double half_ = 1.0; // the value scale of a_k, b_k and A_k
    bool dragging_ = false;
    bool readOnly_ = false;
    double dragValue_ = 0.0;
    double dragY_ = 0.0;
};

} // namespace Fourier
