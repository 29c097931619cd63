#include "SoundRender.h"

#include "Harmonic.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <numbers>

namespace Fourier {
namespace {

constexpr double TwoPi = 2 * std::numbers::pi;

// Samples per period on which the partial sums' peaks are looked for.
constexpr int PeakGrid = 4096;

// Relative to the largest sample, harmonics below this are the transform's rounding.
constexpr double SilenceFloor = 1e-12;

// Samples evaluated together: the harmonic loop runs over a block, not per sample.
constexpr int BlockLength = 32;

bool IsFinite(const TAnalysis& analysis) {
    for (int k = 0; k <= HighestHarmonic; ++k)
        if (!std::isfinite(analysis.Re[k]) || !std::isfinite(analysis.Im[k])) return false;
    return true;
}

// Moves value toward target by at most step.
double Approach(double value, double target, double step) {
    return value < target ? std::min(value + step, target) : std::max(value - step, target);
}

} // namespace

int BandLimit(double fundamental, double sampleRate) {
    if (!(fundamental > 0)) return 0;
    const double k = std::ceil(sampleRate / (2 * fundamental)) - 1;
    return static_cast<int>(std::clamp(k, 0.0, double{HighestHarmonic}));
}

// A trigonometric polynomial T of degree n that peaks at x* has T'(x*) = 0 and, by
// Bernstein's inequality twice, |T''| <= n^2 max|T|; a grid point lies within h = pi/M of
// x*, so max|T| <= (max on the grid) / (1 - (n h)^2 / 2).
TSoundLevels::TSoundLevels(const TAnalysis& analysis) : peakUpTo_(HighestHarmonic + 1, 0.0) {
    if (!IsFinite(analysis)) return;
    std::vector<double> cosine(PeakGrid), sine(PeakGrid), sum(PeakGrid, 0.0);
    for (int m = 0; m < PeakGrid; ++m) {
        cosine[m] = std::cos(TwoPi * m / PeakGrid);
        sine[m] = std::sin(TwoPi * m / PeakGrid);
    }
    const double scale = CoefficientScale();
    for (int k = 1; k <= HighestHarmonic; ++k) {
        const double a = analysis.Re[k] / scale, b = analysis.Im[k] / scale;
        double peak = 0;
        for (int m = 0; m < PeakGrid; ++m) {
            const int turn = (k * m) & (PeakGrid - 1);
            sum[m] += a * cosine[turn] + b * sine[turn];
            peak = std::max(peak, std::abs(sum[m]));
        }
        const double nh = std::numbers::pi * k / PeakGrid;
        const double partialSumBound = peak / (1 - nh * nh / 2);
        peakUpTo_[k] =
            std::max({peakUpTo_[k - 1], partialSumBound, THarmonic::FromParts(k, a, b).Amplitude});
    }
}

double TSoundLevels::PeakBound(int bandLimit) const {
    return peakUpTo_[std::clamp(bandLimit, 0, HighestHarmonic)];
}

TVoiceWeights VoiceWeights(const TAnalysis& analysis, const TSoundLevels& levels,
                           const TSoundChoice& choice, double sampleRate) {
    TVoiceWeights voice;
    voice.CyclesPerSample = choice.Fundamental / sampleRate;
    const int band = BandLimit(choice.Fundamental, sampleRate);
    // Harmonics at the level of the transform's rounding (a constant signal) are silence.
    const double bound = levels.PeakBound(band);
    if (!(bound > SilenceFloor * analysis.Peak) || !(bound > 0) || !std::isfinite(bound))
        return voice;

    int lowest = 1, highest = band;
    if (choice.Source == TSoundSource::PartialSum) highest = std::min(band, choice.Harmonic);
    if (choice.Source == TSoundSource::Harmonic) {
        if (choice.Harmonic > band) return voice;
        lowest = highest = choice.Harmonic;
    }
    if (lowest < 1 || highest < lowest) return voice;

    // x = -pi + 2*pi*phase turns e^(ikx) into (-1)^k e^(2*pi*i*k*phase).
    const double level = SoundHeadroom / bound / CoefficientScale();
    voice.Weights.assign(highest, 0.0);
    for (int k = lowest; k <= highest; ++k) {
        const double sign = k % 2 == 0 ? 1.0 : -1.0;
        voice.Weights[k - 1] = sign * level * std::complex<double>(analysis.Re[k], -analysis.Im[k]);
    }
    return voice;
}

TSoundRenderer::TSoundRenderer(double sampleRate)
    : rate_(sampleRate),
      fadeLength_(std::max(1, static_cast<int>(std::lround(SoundFadeSeconds * sampleRate)))),
      levels_(analysis_), volumeStep_(1 / (SoundVolumeRampSeconds * sampleRate)) {
    fadeShape_.resize(fadeLength_ + 1);
    for (int i = 0; i <= fadeLength_; ++i)
        fadeShape_[i] = (1 - std::cos(std::numbers::pi * i / fadeLength_)) / 2;
    Retarget();
}

void TSoundRenderer::SetSpectrum(const TAnalysis& analysis) {
    if (std::memcmp(analysis.Re.data(), analysis_.Re.data(), sizeof analysis.Re) == 0 &&
        std::memcmp(analysis.Im.data(), analysis_.Im.data(), sizeof analysis.Im) == 0)
        return;
    analysis_ = analysis;
    levels_ = TSoundLevels(analysis_);
    Retarget();
}

void TSoundRenderer::SetChoice(const TSoundChoice& choice) {
    TSoundChoice clamped = choice;
    clamped.Fundamental = std::clamp(choice.Fundamental, LowestFundamental, HighestFundamental);
    if (clamped == choice_) return;
    choice_ = clamped;
    Retarget();
}

void TSoundRenderer::SetVolume(double volume) {
    volumeTarget_ = std::clamp(volume, 0.0, 1.0);
}

void TSoundRenderer::Start() {
    playing_ = true;
}

void TSoundRenderer::Stop() {
    playing_ = false;
}

const TVoiceWeights& TSoundRenderer::HeadingFor() const {
    return hasPending_ ? pending_ : current_.Tone;
}

void TSoundRenderer::Retarget() {
    TVoiceWeights target = VoiceWeights(analysis_, levels_, choice_, rate_);
    if (target == HeadingFor()) return;
    hasPending_ = !(target == current_.Tone);
    pending_ = std::move(target);
}

void TSoundRenderer::TakePending(bool crossfade) {
    // The new tone takes up the phase where the old one is, so both run in step.
    const double phase = current_.Cycles;
    fading_ = crossfade ? std::move(current_) : TVoice{};
    crossfadeLeft_ = crossfade ? fadeLength_ : 0;
    current_ = TVoice{std::move(pending_), phase};
    pending_ = {};
    hasPending_ = false;
    latestToneStart_ = rendered_;
}

// mix[n] += gains[n] * (sample n of the voice), n < count.
void TSoundRenderer::AddVoice(TVoice& voice, int count, const double* gains, double* mix) {
    const std::vector<std::complex<double>>& w = voice.Tone.Weights;
    const double step = voice.Tone.CyclesPerSample;
    std::array<double, BlockLength> cr{}, ci{}, zr{}, zi{};
    for (int n = 0; n < count; ++n) {
        cr[n] = std::cos(TwoPi * voice.Cycles);
        ci[n] = std::sin(TwoPi * voice.Cycles);
        voice.Cycles += step;
        if (voice.Cycles >= 1) voice.Cycles -= 1;
    }
    if (w.empty()) return;
    // Horner's rule in z = e^(2*pi*i*phase): sum of w_k z^k = z(w_1 + z(w_2 + ... + z w_K)).
    const int highest = static_cast<int>(w.size());
    zr.fill(w[highest - 1].real());
    zi.fill(w[highest - 1].imag());
    for (int k = highest - 1; k >= 1; --k) {
        const double wr = w[k - 1].real(), wi = w[k - 1].imag();
        for (int n = 0; n < BlockLength; ++n) {
            const double r = zr[n] * cr[n] - zi[n] * ci[n] + wr;
            zi[n] = zr[n] * ci[n] + zi[n] * cr[n] + wi;
            zr[n] = r;
        }
    }
    for (int n = 0; n < count; ++n)
        mix[n] += gains[n] * (zr[n] * cr[n] - zi[n] * ci[n]);
}

void TSoundRenderer::Render(std::span<float> out) {
    std::size_t done = 0;
    while (done < out.size()) {
        if (!Sounding()) {
            // Silent: a new tone simply replaces the old one, nothing to fade.
            if (hasPending_) TakePending(false);
            fading_ = {};
            crossfadeLeft_ = 0;
            std::fill(out.begin() + static_cast<std::ptrdiff_t>(done), out.end(), 0.0f);
            rendered_ += static_cast<long long>(out.size() - done);
            return;
        }
        if (hasPending_ && crossfadeLeft_ == 0) TakePending(fadePosition_ > 0);

        int count = static_cast<int>(std::min<std::size_t>(BlockLength, out.size() - done));
        if (crossfadeLeft_ > 0) count = std::min(count, crossfadeLeft_);

        // During a crossfade the leaving tone's weight falls along the fade's shape and the
        // new tone's weight is the rest, so the two always sum to 1.
        std::array<double, BlockLength> mix{}, leaving{}, arriving{};
        arriving.fill(1.0);
        if (crossfadeLeft_ > 0) {
            for (int n = 0; n < count; ++n) {
                leaving[n] = fadeShape_[crossfadeLeft_ - n];
                arriving[n] = 1 - leaving[n];
            }
            AddVoice(fading_, count, leaving.data(), mix.data());
            crossfadeLeft_ -= count;
            if (crossfadeLeft_ == 0) fading_ = {};
        }
        AddVoice(current_, count, arriving.data(), mix.data());

        for (int n = 0; n < count; ++n) {
            fadePosition_ = std::clamp(fadePosition_ + (playing_ ? 1 : -1), 0, fadeLength_);
            volume_ = Approach(volume_, volumeTarget_, volumeStep_);
            out[done + n] = static_cast<float>(mix[n] * fadeShape_[fadePosition_] * volume_);
        }
        done += static_cast<std::size_t>(count);
        rendered_ += count;
    }
}

std::vector<float> RenderSound(const TAnalysis& analysis, const TSoundChoice& choice,
                               double seconds, double sampleRate) {
    TSoundRenderer renderer(sampleRate);
    renderer.SetSpectrum(analysis);
    renderer.SetChoice(choice);
    renderer.Start();
    std::vector<float> samples(static_cast<std::size_t>(std::lround(seconds * sampleRate)));
    const std::size_t fade = std::min(
        samples.size(), static_cast<std::size_t>(std::lround(SoundFadeSeconds * sampleRate)));
    const std::span<float> all(samples);
    renderer.Render(all.first(samples.size() - fade));
    renderer.Stop();
    renderer.Render(all.last(fade));
    return samples;
}

} // namespace Fourier
