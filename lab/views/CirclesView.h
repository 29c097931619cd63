#pragma once
// «Круги»: the partial sum S_k as a chain of rotating circles (RotatingCircles.h). On the
// left the circles and their radius vectors at time t; on the right, at the same height
// scale, the signal f and S_k over one period, the tip joined to its point at t by a
// horizontal line. Playing moves t through one period of the fundamental in PeriodSeconds;
// a slider scrubs it. The clock runs only while the view is on the screen and playing.
#include "AxisRange.h"
#include "LabView.h"
#include "RotatingCircles.h"

#include <QElapsedTimer>
#include <QImage>
#include <QPolygonF>
#include <QRectF>
#include <vector>

class QCheckBox;
class QComboBox;
class QFontMetricsF;
class QLabel;
class QPainter;
class QSlider;
class QTimer;
class QToolButton;

namespace Fourier {

// The picture of one frame, painted into any QPainter: the view on the screen, the
// benchmark into an image. What does not move with t (axes, f, S_k) is painted once per
// chain and size into an image of its own and copied under each frame.
class CirclesPicture {
  public:
    void SetChain(TRotatingCircles chain, const TSamples& signal);
    void SetOrder(TCircleOrder order);
    void ShowCircles(bool shown) { circlesShown_ = shown; }
    void ShowVectors(bool shown) { vectorsShown_ = shown; }
    // The still part holds texts: painted again in the program's language.
    void Retranslate() { still_ = QImage(); }
    const TRotatingCircles& Chain() const { return chain_; }
    // The heights f, S_k and the circles need; the picture shows at least these.
    TAxisRange Heights() const { return range_; }

    // The frame at time t over the rectangle (0, 0, size) of the painter's device.
    void Paint(QPainter& painter, QSize size, double t);

  private:
    struct TLayout {
        QRectF Chain;               // the circles' panel
        QRectF Trace;               // f and S_k against t
        double PixelsPerUnit = 1.0; // the same across and up, so that circles stay round
        double MiddleHeight = 0.0;  // the height at the panels' vertical middle
        double PixelY(double height) const;
        double TraceX(double t) const;
        double LowestHeight() const { return MiddleHeight - Chain.height() / 2 / PixelsPerUnit; }
        double HighestHeight() const { return MiddleHeight + Chain.height() / 2 / PixelsPerUnit; }
    };
    TLayout LayoutFor(QSize size, const QFontMetricsF& metrics) const;
    void PaintStill(QPainter& painter, QSize size) const;
    void PaintChain(QPainter& painter, double t);
    void FitHeights();

    TRotatingCircles chain_;
    TSamples signal_{};
    TAxisRange range_{-1.0, 1.0};
    TRotatingCircles::TExtent extent_;
    bool circlesShown_ = true;
    bool vectorsShown_ = true;
    TLayout layout_;
    QImage still_;                                        // null after a new chain
    std::vector<TJoint> joints_ = std::vector<TJoint>(1); // the chain of k = 0 until SetChain
    QPolygonF points_ = QPolygonF(1);
};

class CirclesView : public LabView {
    Q_DECLARE_TR_FUNCTIONS(CirclesView)

  public:
    explicit CirclesView(QWidget* parent = nullptr);

    static constexpr double PeriodSeconds = 4.0;

    double Time() const { return t_; } // in [-pi, pi)
    bool Playing() const { return playing_; }
    void Play();
    void Pause();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void Build(QVBoxLayout& layout) override;
    void Draw(const TRun& run) override;
    void Retranslate() override;
    void Tick();
    void ShowTime(); // on the slider, in the picture and in the numbers line
    bool PictureShown() const;
    void RunClockIfDue();
    void ShowPlayState();

    CirclesPicture picture_;
    double t_ = 0.0;
    bool playing_ = true;
    bool drawn_ = false; // a run is in the picture
    TCircleOrder order_ = TCircleOrder::ByFrequency;
    QTimer* clock_;
    QElapsedTimer sinceTick_;
    QWidget* canvas_ = nullptr;
    QLabel* caption_ = nullptr;
    QLabel* orderLabel_ = nullptr;
    QToolButton* play_ = nullptr;
    QSlider* slider_ = nullptr;
    QComboBox* orderBox_ = nullptr;
    QCheckBox* circles_ = nullptr;
    QCheckBox* vectors_ = nullptr;
    QLabel* numbers_ = nullptr;
};

} // namespace Fourier
