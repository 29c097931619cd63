#include "LabView.h"

#include <algorithm>

namespace Fourier {

int LabHarmonic(const TRunView& run) {
    return std::clamp(run.Harmonic, 0, HighestHarmonic);
}

} // namespace Fourier
