#pragma once
// The partial sum S_k (Series.h, the mean included) as a chain of rotating circles.
//
// At time t (radians; one period of the fundamental is t = -pi..pi, the x of the signal) the
// chain starts at the base point (0, mean) and adds one radius vector per harmonic j = 1..k:
// length A_j, turned by the angle jt - phi_j counter-clockwise from straight up, that is
//   across: -A_j sin(jt - phi_j) = b_j cos jt - a_j sin jt,
//   up:      A_j cos(jt - phi_j) = a_j cos jt + b_j sin jt,
// with A_j and phi_j as in Harmonic.h. The heights therefore add up to the partial sum: the
// tip's height is S_k(t) = mean + sum_{j<=k} A_j cos(jt - phi_j), whatever the order of the
// vectors. Worked example, the square wave sign x: the first vector has length 4/pi and angle
// t - pi/2, so at t = pi/2 it points straight up and its height is 4/pi.
// A harmonic whose phase is rounding noise (NaN in HarmonicsOf) turns from phase 0; its
// length is at most 1e-9 of the largest, so the tip stays on S_k within that noise.
#include "Series.h"

#include <span>
#include <vector>

namespace Fourier {

enum class TCircleOrder {
    ByFrequency, // harmonics 1, 2, ..., k
    BySize,      // the largest first; equal radii by frequency
};

struct TCircle {
    int Harmonic = 0;    // j
    double Radius = 0.0; // A_j
    double Phase = 0.0;  // phi_j, 0 where the spectrum's phase is noise
};

// A point of the chain; Y is the height, in the signal's units as X.
struct TJoint {
    double X = 0.0;
    double Y = 0.0;
};

class TRotatingCircles {
  public:
    TRotatingCircles() = default; // k = 0 of a zero signal
    // k in 0..HighestHarmonic; anything else throws std::out_of_range.
    TRotatingCircles(const TSeries& series, int k, TCircleOrder order);
    TRotatingCircles(const TAnalysis& analysis, int k, TCircleOrder order);

    int Harmonic() const { return k_; }
    double Mean() const { return mean_; }
    TCircleOrder Order() const { return order_; }
    void SetOrder(TCircleOrder order);

    // The k circles in the chain's order.
    const std::vector<TCircle>& Circles() const { return circles_; }
    // The sum of the radii: no joint lies farther than this from the base point.
    double Reach() const { return reach_; }
    double LargestRadius() const { return largest_; }

    // The base point and the k joints after it at time t; joints must hold k + 1 points.
    // Costs k sines and cosines, no allocation.
    void Joints(double t, std::span<TJoint> joints) const;
    // The tip's height, S_k(t).
    double Tip(double t) const;

    // S_k(x_j) on the analysis grid: the curve the tip's height draws over one period.
    const TSamples& Trace() const { return trace_; }

    // Where the drawn chain goes over one period, measured at `times` times spread evenly
    // over it: every joint and the circle around it. It depends on the order.
    struct TExtent {
        double Across = 0.0; // the largest |X| from the base point
        double Low = 0.0;    // the lowest and highest heights
        double High = 0.0;
    };
    TExtent Extent(int times) const;

  private:
    int k_ = 0;
    double mean_ = 0.0;
    TCircleOrder order_ = TCircleOrder::ByFrequency;
    std::vector<TCircle> circles_;
    double reach_ = 0.0;
    double largest_ = 0.0;
    TSamples trace_{};
};

} // namespace Fourier
