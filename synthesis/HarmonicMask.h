#pragma once
// Muting and soloing harmonics 1..32 for the partial sum, the plots and the sound.
#include "Analysis.h"
#include "Coefficients.h"

#include <bitset>
#include <string>

namespace Fourier {

// Which harmonics are heard. Without a solo every harmonic is heard except the muted ones;
// with one or more solos exactly the soloed ones are heard, muted or not (solo wins, and
// several solos add up). Harmonics above 32 cannot be muted or soloed: they are heard
// unless something is soloed. Line 0, the mean, is never affected.
class THarmonicMask {
  public:
    static constexpr int Count = EditableHarmonics;

    // k in 1..32; std::out_of_range otherwise.
    void SetMuted(int k, bool muted);
    void SetSoloed(int k, bool soloed);
    bool Muted(int k) const;
    bool Soloed(int k) const;

    bool AnySolo() const { return soloed_.any(); }
    bool AnyMuted() const { return muted_.any(); }
    // k in 0..256, a line of the spectrum; std::out_of_range otherwise.
    bool Audible(int k) const;

    bool operator==(const THarmonicMask&) const = default;

  private:
    std::bitset<Count + 1> muted_;
    std::bitset<Count + 1> soloed_;
};

// What the mask leaves out, for a heading: "" when every harmonic is heard, else
// "только гармоники 3, 5 (соло)" or "выключены гармоники 1, 3–6"; runs of three or more
// harmonics are written first–last.
std::string MaskText(const THarmonicMask& mask);

// Sets lines 1..256 of a spectrum in the analysis layout that are not audible to zero.
void ApplyMask(const THarmonicMask& mask, TLines& re, TLines& im);

// The classical partial sum S_k on the grid, in the signal's own units, of a spectrum in
// the analysis layout with only the audible harmonics:
//   S_k(x_j) = a_0/2 + sum over audible i = 1..k of (a_i cos ix_j + b_i sin ix_j),
// k in 0..256 (std::out_of_range otherwise; 256 adds the Nyquist line). Unlike the main
// window's PartialSum it keeps the mean and undoes the lines' factor sqrt(512)/2, so that
// it can be set against the samples; it is computed by the inverse transform.
TSamples MaskedPartialSum(const TLines& re, const TLines& im, int k, const THarmonicMask& mask);

} // namespace Fourier
