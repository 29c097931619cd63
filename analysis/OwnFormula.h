#pragma once
// The user's own function: a formula in x as a student types it, made into the translator's
// language (FormulaFrontEnd.h) and analysed exactly as the main window analyses its formula
// waveforms. The formula is translated, evaluated at the 512 points of [-pi, pi) formed as
// that run forms them, released, and the samples go through AnalyseSamples. Unlike the main
// window, a formula undefined at one of those points (a "/" by zero, which the translator
// takes as 0, too) is refused, naming the first such x.
//
// The translator keeps one formula in module state, which the main window uses too: every
// call translates, evaluates and releases within itself and leaves no nodes behind, whether
// it succeeds or fails.
#include "Analysis.h"

#include <cstddef>
#include <stdexcept>
#include <string>

namespace Fourier {

// Why a formula gives no analysis. what() is the message for the user, in the program's
// language.
class TOwnFormulaError : public std::runtime_error {
  public:
    enum TKind { oeSyntax, oeEvaluation, oeSpectrum };
    TOwnFormulaError(TKind kind, const std::string& message, std::size_t position = 0,
                     int sample = -1);
    TKind Kind() const noexcept { return kind_; }
    // oeSyntax: the 1-based position of the offending character (code point) in the typed
    // text (its length + 1 when something is missing at its end; 0 when none is known).
    std::size_t Position() const noexcept { return position_; }
    // oeEvaluation: the sample j at whose x the evaluation failed.
    int Sample() const noexcept { return sample_; }

  private:
    TKind kind_;
    std::size_t position_;
    int sample_;
};

// x_j at which the main window evaluates a formula over [-pi, pi): -pi + j*d with
// d = 2*pi/512, summed in extended precision and rounded to a double.
double FormulaGridX(int j);

// Throws TOwnFormulaError: a text refused by the front end or the translator (with its
// position in the typed text), a point x_j where the formula is undefined or too large, or
// a value beyond LargestMeasuredValue (oeSpectrum: too large to analyse). decimalSeparator is the
// locale's ('.' or ','): the front end takes a decimal comma under it, and an x in a message is
// written with it.
TAnalysis AnalyseOwnFormula(const std::string& text, char decimalSeparator = '.');

} // namespace Fourier
