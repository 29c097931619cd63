#pragma once
// The samples of the formulas evaluated last, so that a setting met again (a slider moved
// back, the second run of a slider step) is not evaluated again. Keyed by everything the
// samples depend on: the formula's text and the x range, bit for bit.
#include "Analysis.h"

#include <cstddef>
#include <list>
#include <string>

namespace Fourier {

class TFormulaSampleMemo {
  public:
    static constexpr std::size_t Capacity = 32; // a slider's whole travel, about

    // SampleFormula(text, a, b), from memory when it was asked for lately. A formula that
    // fails to evaluate is not remembered: asked again, it fails again.
    const TSamples& Samples(const std::string& text, double a, double b);
    std::size_t Evaluations() const { return evaluations_; }

  private:
    struct TEntry {
        std::string Text;
        double A, B;
        TSamples Values;
    };
    std::list<TEntry> entries_; // the most recently used first
    std::size_t evaluations_ = 0;
};

} // namespace Fourier
