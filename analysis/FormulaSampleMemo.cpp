#include "FormulaSampleMemo.h"

#include "Waveforms.h"

#include <algorithm>
#include <cstring>

namespace Fourier {

const TSamples& TFormulaSampleMemo::Samples(const std::string& text, double a, double b) {
    // Bit for bit: -0 and 0 are different ranges to the sampling's arithmetic.
    auto same = [&](const TEntry& e) {
        return e.Text == text && std::memcmp(&e.A, &a, sizeof a) == 0 &&
               std::memcmp(&e.B, &b, sizeof b) == 0;
    };
    if (auto found = std::find_if(entries_.begin(), entries_.end(), same);
        found != entries_.end()) {
        entries_.splice(entries_.begin(), entries_, found);
        return entries_.front().Values;
    }
    ++evaluations_;
    TSamples values = SampleFormula(text, a, b); // may throw: nothing is kept then
    if (entries_.size() == Capacity) entries_.pop_back();
    entries_.push_front({text, a, b, values});
    return entries_.front().Values;
}

} // namespace Fourier
