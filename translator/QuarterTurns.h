#pragma once
// Sine and cosine of a double, taken in long double and rounded to a double, as
// std::sin and std::cos of the long double give them, in a fraction of their time.
//
// The library reduces every argument beyond pi/4 by a general method that costs more than
// the rest of a formula's evaluation together. For the arguments a formula meets (|a| below
// 2^20) the reduction here is by quarter turns, pi/2 held in three parts; the sine or cosine
// of the remainder is the library's own, without its reduction. The result is then within a
// few long double units of the library's; when that could round to another double (it lies
// that close to halfway between two doubles) the library's function decides.
#include <optional>

namespace Translator {

std::optional<double> FastSine(double a);   // nullopt: call the library
std::optional<double> FastCosine(double a); // nullopt: call the library

} // namespace Translator
