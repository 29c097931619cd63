#pragma once
// The game's picture: the target and the student's signal over one period -pi..pi, in two
// colours with a legend. On the level played by ear the target is left out until its answer
// is shown.
#include "Analysis.h"
#include "PlotFrame.h"

#include <QColor>
#include <QWidget>

#include <optional>

namespace Fourier {

class GamePlot : public QWidget {
    Q_OBJECT

  public:
    static const QColor TargetColor;
    static const QColor MineColor;

    explicit GamePlot(QWidget* parent = nullptr);

    // The target's samples, or none when it is not to be seen.
    void SetTarget(const std::optional<TSamples>& target);
    void SetMine(const TSamples& mine);
    bool ShowsTarget() const { return target_.has_value(); }
    const std::optional<TSamples>& Target() const { return target_; }
    const TSamples& Mine() const { return mine_; }

    // Values from -HalfRange() to +HalfRange(): room for both curves, never less than ±1.
    double HalfRange() const;
    TPlotFrame Frame() const;

    QSize sizeHint() const override { return {600, 220}; }
    QSize minimumSizeHint() const override { return {240, 100}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void DrawLegend(QPainter& painter, const TPlotFrame& frame) const;

    std::optional<TSamples> target_;
    TSamples mine_{};
};

} // namespace Fourier
