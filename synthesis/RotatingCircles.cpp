#include "RotatingCircles.h"

#include "Harmonic.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>

namespace Fourier {

TRotatingCircles::TRotatingCircles(const TSeries& series, int k, TCircleOrder order)
    : k_(k), mean_(series.A[0] / 2) {
    if (k < 0 || k > HighestHarmonic)
        throw std::out_of_range("harmonic number " + std::to_string(k) + " outside 0..255");
    const THarmonics harmonics = HarmonicsOf(series);
    circles_.reserve(k);
    for (int j = 1; j <= k; ++j) {
        const THarmonic& harmonic = harmonics[j];
        const double phase = std::isnan(harmonic.Phase) ? 0.0 : harmonic.Phase;
        circles_.push_back({j, harmonic.Amplitude, phase});
        reach_ += harmonic.Amplitude;
        largest_ = std::max(largest_, harmonic.Amplitude);
    }
    SetOrder(order);
    for (int j = 0; j < SampleCount; ++j)
        trace_[j] = EvaluatePartialSum(series, k, GridX(j)).Value;
}

TRotatingCircles::TRotatingCircles(const TAnalysis& analysis, int k, TCircleOrder order)
    : TRotatingCircles(SeriesOf(analysis), k, order) {}

void TRotatingCircles::SetOrder(TCircleOrder order) {
    order_ = order;
    // Sorting by frequency first makes the frequency the tie-break of the stable sort by size.
    std::sort(circles_.begin(), circles_.end(),
              [](const TCircle& a, const TCircle& b) { return a.Harmonic < b.Harmonic; });
    if (order == TCircleOrder::BySize)
        std::stable_sort(circles_.begin(), circles_.end(),
                         [](const TCircle& a, const TCircle& b) { return a.Radius > b.Radius; });
}

void TRotatingCircles::Joints(double t, std::span<TJoint> joints) const {
    if (joints.size() < circles_.size() + 1)
        throw std::length_error("too few joints for the chain of circles");
    TJoint joint{0.0, mean_};
    joints[0] = joint;
    for (std::size_t i = 0; i < circles_.size(); ++i) {
        const TCircle& circle = circles_[i];
        const double angle = circle.Harmonic * t - circle.Phase;
        joint.X -= circle.Radius * std::sin(angle);
        joint.Y += circle.Radius * std::cos(angle);
        joints[i + 1] = joint;
    }
}

TRotatingCircles::TExtent TRotatingCircles::Extent(int times) const {
    TExtent extent{0.0, mean_, mean_};
    std::vector<TJoint> joints(circles_.size() + 1);
    for (int i = 0; i < times; ++i) {
        Joints(-std::numbers::pi + 2 * std::numbers::pi * i / times, joints);
        for (std::size_t j = 0; j < circles_.size(); ++j) {
            // The circle of vector j is drawn around the joint it starts from.
            const double radius = circles_[j].Radius;
            extent.Across = std::max(extent.Across, std::abs(joints[j].X) + radius);
            extent.Low = std::min(extent.Low, joints[j].Y - radius);
            extent.High = std::max(extent.High, joints[j].Y + radius);
        }
    }
    return extent;
}

double TRotatingCircles::Tip(double t) const {
    double height = mean_;
    for (const TCircle& circle : circles_)
        height += circle.Radius * std::cos(circle.Harmonic * t - circle.Phase);
    return height;
}

} // namespace Fourier
