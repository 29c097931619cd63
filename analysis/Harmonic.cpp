#include "Harmonic.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Fourier {

THarmonic THarmonic::FromParts(int k, double a, double b) {
    THarmonic harmonic;
    harmonic.Cos = a;
    harmonic.Sin = k == 0 ? 0.0 : b;
    const double cosine = k == 0 ? a / 2 : a;
    harmonic.Amplitude = std::hypot(cosine, harmonic.Sin);
    // + 0.0 turns -0 into +0: a sine part of -0 with a negative cosine part gives pi, not -pi,
    // and two zero parts give 0 whatever their signs.
    harmonic.Phase = std::atan2(harmonic.Sin + 0.0, cosine + 0.0);
    return harmonic;
}

THarmonic THarmonic::FromPolar(double amplitude, double phase) {
    return {amplitude * std::cos(phase), amplitude * std::sin(phase), amplitude, phase};
}

THarmonics HarmonicsOf(const TSeries& series) {
    THarmonics harmonics;
    double largest = 0.0;
    for (int k = 0; k <= HighestHarmonic; ++k) {
        harmonics[k] = THarmonic::FromParts(k, series.A[k], series.B[k]);
        largest = std::max(largest, harmonics[k].Amplitude);
    }
    // A part within rounding of zero next to the largest amplitude is taken as 0 for the
    // angle: a cosine's phase is then exactly 0 or pi, not 3e-12 or -pi by the noise's sign.
    const double noise = PartNoiseShare * largest;
    for (int k = 0; k <= HighestHarmonic; ++k) {
        THarmonic& harmonic = harmonics[k];
        if (!(harmonic.Amplitude > NoisePhaseShare * largest)) {
            harmonic.Phase = std::numeric_limits<double>::quiet_NaN();
            continue;
        }
        const auto clean = [noise](double part) { return std::abs(part) <= noise ? 0.0 : part; };
        harmonic.Phase = THarmonic::FromParts(k, clean(harmonic.Cos), clean(harmonic.Sin)).Phase;
    }
    return harmonics;
}

THarmonics HarmonicsOf(const TAnalysis& analysis) {
    return HarmonicsOf(SeriesOf(analysis));
}

} // namespace Fourier
