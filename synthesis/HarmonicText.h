#pragma once
// Cleaning the text of the harmonic-number field, one step at a time: the field's change
// handler writes the result back, which runs it again until nothing changes.
#include <string>

namespace Fourier {

// An optionally signed decimal integer within 32 bits, leading blanks allowed.
bool IsIntegerText(const std::string& text);

// One cleaning step (text in UTF-8, edited by characters): a leading "0" of a longer text
// is dropped; in a text that is not an integer the first character that spoils it is
// deleted ("0" if nothing is left); a leading sign is dropped.
std::string CleanHarmonicText(std::string text);

} // namespace Fourier
