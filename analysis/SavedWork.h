#pragma once
// Saved work: a drawn or edited signal as a small text file («.fourier»).
//
//   fourier samples 1            fourier coefficients 1
//   <s_0>                        0 <a_0>
//   ...                          1 <a_1> <b_1>
//   <s_511>                      ...
//                                32 <a_32> <b_32>
//
// The first line names the kind and the format's version. Samples are in grid order
// (x_j = -pi + j*pi/256); coefficients are those of a_0/2 + sum (a_k cos kx + b_k sin kx).
// Numbers are written in the shortest form that reads back to the same double, so a file
// round-trips bit for bit. Every line ends with a line feed (a carriage return before it
// is allowed); fields are separated by one space.
//
// No value may exceed LargestSavedValue in magnitude: the lab squares and sums what it
// shows (RMS, energy), and a file of values near the end of the double range would give
// infinities there. Nothing the lab makes comes near the bound (its coefficient field
// stops at it), and a file beyond it is refused on reading and never written.
#include "Analysis.h"
#include "Coefficients.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>

namespace Fourier {

using TSavedWork = std::variant<TSamples, TCoefficients>;

inline constexpr std::string_view SavedWorkSuffix = ".fourier";
inline constexpr double LargestSavedValue = 1e6;

// A file that cannot be read; the message (UTF-8, Russian) names the line and the fault.
class TSavedWorkError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

std::string FormatSavedWork(const TSavedWork& work);

// Saves FormatSavedWork(work) as the file at path, whole or not at all (SaveFileWhole);
// throws TFileSaveError naming the file and the reason, also for a value beyond
// LargestSavedValue (nothing is written then).
void SaveSavedWork(const std::string& path, const TSavedWork& work);

// Reads the whole text or nothing: a file that is truncated, of an unknown kind or
// version, with a value that is not a finite number or beyond LargestSavedValue, with too
// few or too many values or with anything else out of place throws TSavedWorkError.
TSavedWork ParseSavedWork(std::string_view text);

} // namespace Fourier
