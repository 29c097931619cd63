#pragma once
// The surface the student draws the waveform on: one period [-pi, pi) against a value
// range, with the samples drawn as a curve. It turns mouse input into pen positions in the
// signal's coordinates and leaves what they do to its owner.
#include "Analysis.h"
#include "PlotFrame.h"
#include "Stroke.h"

#include <QPixmap>
#include <QWidget>

namespace Fourier {

class DrawingArea : public QWidget {
    Q_OBJECT

  public:
    explicit DrawingArea(QWidget* parent = nullptr);

    void SetSamples(const TSamples& samples);
    // Values from -halfRange to +halfRange are shown; the pen is held within them.
    void SetHalfRange(double halfRange);
    double HalfRange() const { return Frame().YMax; }

    // Where a pixel of this widget lies in the signal's coordinates, and back.
    TPenPoint PenPointAt(QPointF pixel) const;
    QPointF PixelOf(TPenPoint point) const;
    TPlotFrame Frame() const;

    QSize sizeHint() const override { return {600, 320}; }
    QSize minimumSizeHint() const override { return {240, 140}; }

  signals:
    void penPressed(Fourier::TPenPoint point);
    void penMoved(Fourier::TPenPoint point);
    void penReleased();
    void clearRequested();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void PaintBackground();

    TSamples samples_{};
    QPixmap background_;
    double backgroundHalf_ = 0.0;
    double half_ = 1.5;
    bool penDown_ = false;
};

} // namespace Fourier
