#pragma once
// The surface the student draws the waveform on: one period [-pi, pi) against a value
// range, with the samples drawn as a curve. It turns mouse input into pen positions in the
// signal's coordinates and leaves what they do to its owner.
//
// The keyboard draws too. With the focus here a cursor stands on one sample: Left/Right move it
// one sample, Ctrl+Left/Right, PageUp/PageDown 16 samples, Home/End to the ends; Up/Down
// change its value by CursorStep(). Space sets an anchor at the cursor, and the next Space
// draws the straight segment from the anchor to the cursor (segmentRequested, for the owner to
// draw as a stroke) and carries the anchor on, so a polyline follows; Enter or Escape drops
// the anchor. A click of the mouse puts the cursor where it pressed.
#include "Analysis.h"
#include "PlotFrame.h"
#include "Stroke.h"

#include <QPixmap>
#include <QWidget>

#include <optional>

namespace Fourier {

class DrawingArea : public QWidget {
    Q_OBJECT

  public:
    explicit DrawingArea(QWidget* parent = nullptr);

    void SetSamples(const TSamples& samples);
    const TSamples& Samples() const { return samples_; }
    // Values from -halfRange to +halfRange are shown; the pen is held within them.
    void SetHalfRange(double halfRange);
    double HalfRange() const { return Frame().YMax; }

    // Where a pixel of this widget lies in the signal's coordinates, and back.
    TPenPoint PenPointAt(QPointF pixel) const;
    QPointF PixelOf(TPenPoint point) const;
    TPlotFrame Frame() const;

    // The keyboard's cursor: a sample index 0..511 and a value within the range.
    int CursorIndex() const { return cursor_; }
    double CursorValue() const { return cursorValue_; }
    TPenPoint CursorPoint() const;
    // What Up/Down add: a fifth of the value grid's spacing, a round number.
    double CursorStep() const;
    // The anchor's sample and value while a segment is being drawn.
    std::optional<TPenPoint> Anchor() const;
    void SetCursor(int index, double value);

    QSize sizeHint() const override { return {600, 320}; }
    QSize minimumSizeHint() const override { return {240, 140}; }

  signals:
    void penPressed(Fourier::TPenPoint point);
    void penMoved(Fourier::TPenPoint point);
    void penReleased();
    void clearRequested();
    // A straight segment, ends included, as a stroke from `from` to `to` draws it.
    void segmentRequested(Fourier::TPenPoint from, Fourier::TPenPoint to);
    // The cursor or the anchor moved, or came or went with the focus.
    void cursorChanged();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void PaintBackground();
    void PaintCursor(QPainter& painter) const;
    bool DrawingKey(const QKeyEvent& key) const; // a key of the keyboard's pen
    void MoveCursor(int index);
    void DrawSegment();

    TSamples samples_{};
    QPixmap background_;
    double backgroundHalf_ = 0.0;
    double half_ = 1.5;
    bool penDown_ = false;
    int cursor_ = SampleCount / 2; // at x = 0
    double cursorValue_ = 0.0;
    std::optional<int> anchor_;
    double anchorValue_ = 0.0;
};

} // namespace Fourier
