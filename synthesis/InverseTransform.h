#pragma once
// From a spectrum back to the 512 samples, through the project's own transform: the exact
// inverse of AnalyseSamples.
#include "Analysis.h"
#include "Coefficients.h"

#include <span>

namespace Fourier {

// The samples whose analysis is the given spectrum, read in the analysis layout from
// lines 0..256 (Im[0], Im[256] and lines 257..1023 are not read):
//   s_j = Re[0]/sqrt(512) + sum_{k=1..255} (Re[k] cos kx_j + Im[k] sin kx_j)/(sqrt(512)/2)
//         + Re[256]/sqrt(512) * cos 256x_j.
// AnalyseSamples of the result gives the lines back up to rounding (about 1e-15 of the
// largest line).
TSamples SamplesFromSpectrum(std::span<const double, BufferLength> re,
                             std::span<const double, BufferLength> im);

// The samples of a_0/2 + sum_{k=1..32} (a_k cos kx + b_k sin kx).
TSamples SynthesiseSamples(const TCoefficients& coefficients);

} // namespace Fourier
