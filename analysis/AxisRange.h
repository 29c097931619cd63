#pragma once
// Value ranges of plots that follow their data.
#include <initializer_list>
#include <span>

namespace Fourier {

struct TAxisRange {
    double Low = 0.0;
    double High = 1.0;
    bool operator==(const TAxisRange&) const = default;
};

// The smallest and largest finite value of these curves; [0, 0] when there is none.
TAxisRange Extent(std::initializer_list<std::span<const double>> curves);

enum class TAxisScale { Linear, Logarithmic };

// The range an axis showing `current` should show for values in [low, high]. It keeps
// `current` while that holds them and they fill at least half of it (half of its decades on
// a logarithmic axis), so that small changes leave the axis still. Otherwise [low, high]
// with a fifth of its span to spare on either side: linearly at least a thousandth of the
// larger magnitude (and 1e-12), so that a flat curve gets a range; logarithmically a fifth
// of its decades, at least a fifth of a decade. Values it cannot show (not finite,
// low > high, or low <= 0 on a logarithmic axis) keep `current`.
TAxisRange FollowRange(TAxisRange current, double low, double high, TAxisScale scale);

// Half the height of a range symmetric about 0 for values up to `largest` in magnitude: a
// tenth to spare, and never less than 1.
double SymmetricHalfRange(double largest);

} // namespace Fourier
