#pragma once
// The user's own function: a formula in x in the translator's language, analysed exactly as
// the main window analyses its formula waveforms. The formula is translated, evaluated at
// the 512 points of [-pi, pi) formed as that run forms them, released, and the samples go
// through AnalyseSamples.
//
// The translator keeps one formula in module state, which the main window uses too: every
// call translates, evaluates and releases within itself and leaves no nodes behind, whether
// it succeeds or fails.
#include "Analysis.h"

#include <cstddef>
#include <stdexcept>
#include <string>

namespace Fourier {

// Why a formula gives no analysis. what() is the message for the user, in Russian.
class TOwnFormulaError : public std::runtime_error {
  public:
    enum TKind { oeSyntax, oeEvaluation, oeSpectrum };
    TOwnFormulaError(TKind kind, const std::string& message, std::size_t position = 0,
                     int sample = -1);
    TKind Kind() const noexcept { return kind_; }
    // oeSyntax: the translator's 1-based position of the offending byte in the text (the
    // text's length + 1 when something is missing at its end; 0 for a number beyond a
    // double, for which the translator names no position).
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

// Throws TOwnFormulaError: a syntax error (the translator's message and position), a
// floating-point error at some x_j, or a spectrum beyond the range of doubles.
TAnalysis AnalyseOwnFormula(const std::string& text);

} // namespace Fourier
