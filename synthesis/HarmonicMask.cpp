#include "HarmonicMask.h"

#include "InverseTransform.h"
#include "Wording.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace Fourier {
namespace {

void CheckHarmonic(int k) {
    if (k < 1 || k > THarmonicMask::Count)
        throw std::out_of_range("harmonic " + std::to_string(k) + " cannot be muted or soloed");
}

} // namespace

void THarmonicMask::SetMuted(int k, bool muted) {
    CheckHarmonic(k);
    muted_[k] = muted;
}

void THarmonicMask::SetSoloed(int k, bool soloed) {
    CheckHarmonic(k);
    soloed_[k] = soloed;
}

bool THarmonicMask::Muted(int k) const {
    CheckHarmonic(k);
    return muted_[k];
}

bool THarmonicMask::Soloed(int k) const {
    CheckHarmonic(k);
    return soloed_[k];
}

bool THarmonicMask::Audible(int k) const {
    if (k < 0 || k > NyquistLine)
        throw std::out_of_range("there is no spectral line " + std::to_string(k));
    if (k == 0) return true;
    const bool editable = k >= 1 && k <= Count;
    if (AnySolo()) return editable && soloed_[k];
    return !editable || !muted_[k];
}

std::string MaskText(const THarmonicMask& mask) {
    const bool solo = mask.AnySolo();
    if (!solo && !mask.AnyMuted()) return {};
    auto named = [&](int k) { return solo ? mask.Soloed(k) : mask.Muted(k); };
    std::string list;
    for (int k = 1; k <= THarmonicMask::Count; ++k) {
        if (!named(k)) continue;
        int last = k;
        while (last < THarmonicMask::Count && named(last + 1))
            ++last;
        if (!list.empty()) list += ", ";
        list += std::to_string(k);
        if (last - k >= 2)
            list += "–" + std::to_string(last);
        else if (last > k)
            list += ", " + std::to_string(last);
        k = last;
    }
    return Filled(solo ? Wording("HarmonicMask", "только гармоники %1 (соло)")
                       : Wording("HarmonicMask", "выключены гармоники %1"),
                  {list});
}

void ApplyMask(const THarmonicMask& mask, TLines& re, TLines& im) {
    for (int k = 1; k <= NyquistLine; ++k) {
        if (mask.Audible(k)) continue;
        re[k] = 0.0;
        im[k] = 0.0;
    }
}

TSamples MaskedPartialSum(const TLines& re, const TLines& im, int k, const THarmonicMask& mask) {
    if (k < 0 || k > NyquistLine)
        throw std::out_of_range("there is no partial sum up to harmonic " + std::to_string(k));
    TLines partRe{}, partIm{};
    std::copy_n(re.begin(), k + 1, partRe.begin());
    std::copy_n(im.begin(), k + 1, partIm.begin());
    ApplyMask(mask, partRe, partIm);
    return SamplesFromSpectrum(partRe, partIm);
}

} // namespace Fourier
