#pragma once
// Drawing the 512 samples with a pen: a stroke between two pen positions overwrites the
// samples it passes over with the straight line between them.
#include "Analysis.h"

namespace Fourier {

// A pen position in the signal's own coordinates: X on the period [-pi, pi), Y the value.
struct TPenPoint {
    double X = 0.0;
    double Y = 0.0;
};

// The samples a stroke wrote, First..Last in grid order, both included.
struct TSampleRange {
    int First = 0;
    int Last = -1;
    bool operator==(const TSampleRange&) const = default;
};

// Fractional grid index of x: 0 at -pi, one per pi/256, so sample j sits at j.
double GridPosition(double x);

// Sets every sample whose grid x lies between from.X and to.X (both ends included, in
// either direction) to the value at that x of the line through the two points, so that
// consecutive strokes of one drag leave no gap. A stroke that passes no grid point (a
// press, or a move inside one grid step) sets the sample nearest to `to` to to.Y.
// The drawing shows one period, [-pi, pi): the part of a stroke beyond either end writes
// nothing and the stroke never wraps round to the other end; a stroke entirely beyond an
// end sets the sample at that end. Throws std::domain_error for a coordinate that is not
// finite.
TSampleRange DrawStroke(TSamples& samples, TPenPoint from, TPenPoint to);

} // namespace Fourier
