#pragma once
// An analysis as CSV text, for a spreadsheet or a script: UTF-8, "," between fields, "." as
// the decimal point whatever the desktop's locale, every number in the shortest form that
// reads back to the same double.
//
// A comment line stating the convention, a header line, then 512 rows. Row j holds the
// sample: j, x_j, f(x_j); rows j = 0..255 also hold harmonic k = j: k, a_k, b_k, amplitude,
// phase_rad (empty fields in rows 256..511). The harmonic's columns are a THarmonic
// (Harmonic.h): a_k cos kx + b_k sin kx = amplitude_k cos(kx - phase_rad_k), and for k = 0,
// a_0 is twice the mean, the amplitude is |a_0|/2 and the phase 0 or pi by the mean's sign.
// A phase that is rounding noise is an empty field.
#include "Analysis.h"

#include <string>

namespace Fourier {

std::string AnalysisCsv(const TAnalysis& analysis);

// The first two lines, without their line ends.
extern const char* const AnalysisCsvConvention;
extern const char* const AnalysisCsvHeader;

} // namespace Fourier
