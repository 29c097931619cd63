#pragma once
// An analysis as CSV text, for a spreadsheet or a script: UTF-8, "," between fields, "." as
// the decimal point whatever the desktop's locale, every number in the shortest form that
// reads back to the same double.
//
// One header line, then 512 rows. Row j holds the sample: j, x_j, f(x_j); rows j = 0..255
// also hold harmonic k = j: k, a_k, b_k, |c_k|, phi_k, ReBuf[k], ImBuf[k] (empty fields in
// rows 256..511). With f ~ a_0/2 + sum of (a_k cos kx + b_k sin kx) = sum of |c_k| cos(kx - phi_k):
// a_k = ReBuf[k]/s, b_k = ImBuf[k]/s with s = sqrt(512)/2; |c_k| = sqrt(a_k^2 + b_k^2) and
// phi_k = atan2(b_k, a_k) in radians, and for k = 0 |c_0| = |a_0|/2 (the mean's size).
#include "Analysis.h"

#include <string>

namespace Fourier {

std::string AnalysisCsv(const TAnalysis& analysis);

// The header line, without its line end.
extern const char* const AnalysisCsvHeader;

} // namespace Fourier
