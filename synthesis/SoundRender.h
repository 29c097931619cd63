#pragma once
// The sound of a spectrum: the signal, its partial sum S_k or harmonic k alone, played as a
// continuous periodic tone built from the harmonics (never by replaying the 512 samples).
//
// Band limit: at a fundamental f only harmonics k = 1..K sound, K the largest k <= 255 with
// k*f below half the sample rate; nothing aliases. The constant term and the Nyquist line
// never sound: a constant is inaudible and would only push the speaker off centre.
//
// Level: one scale per spectrum and band limit, set so that the loudest thing that can be
// played from that spectrum (the signal, any S_k, any harmonic alone) peaks at SoundHeadroom.
// The choices keep their true levels against each other, and none of them clips.
//
// Phase: one period of the tone runs over x = -pi..pi as the picture does, left to right:
// sample n of a voice is sum over k of (a_k cos kx_n + b_k sin kx_n) * level, with
// x_n = -pi + 2*pi*(phase in cycles).
//
// Clicks: starting and stopping fade over SoundFadeSeconds, and a new choice or spectrum
// crossfades from the old tone over the same time, both along a raised cosine (its slope is
// 0 where it joins the steady tone); the crossfade's two weights sum to 1, so the mixture
// never exceeds the louder tone. The volume moves linearly over SoundVolumeRampSeconds.
#include "Analysis.h"

#include <complex>
#include <span>
#include <vector>

namespace Fourier {

inline constexpr int SoundRate = 48000;
inline constexpr double LowestFundamental = 55.0;
inline constexpr double HighestFundamental = 1760.0;
inline constexpr double DefaultFundamental = 220.0;
inline constexpr double SoundHeadroom = 0.9; // the loudest choice's peak, full scale = 1
inline constexpr double SoundFadeSeconds = 0.010;
inline constexpr double SoundVolumeRampSeconds = 0.020;

enum class TSoundSource { Signal, PartialSum, Harmonic };

struct TSoundChoice {
    TSoundSource Source = TSoundSource::Signal;
    int Harmonic = 1; // k of S_k and of the harmonic alone; 0 or less is silence
    double Fundamental = DefaultFundamental; // Hz, kept within 55..1760
    friend bool operator==(const TSoundChoice&, const TSoundChoice&) = default;
};

// K: the highest harmonic that sounds at this fundamental and sample rate (0..255).
int BandLimit(double fundamental, double sampleRate = SoundRate);

// An upper bound of the peak of everything that sounds from a spectrum with the band
// limited to harmonics 1..K: the signal, each S_j and each harmonic j alone, j <= K.
class TSoundLevels {
  public:
    explicit TSoundLevels(const TAnalysis& analysis);
    double PeakBound(int bandLimit) const; // 0 for a silent spectrum or K = 0

  private:
    std::vector<double> peakUpTo_; // index K
};

// One choice's harmonic weights, ready to play: Weights[k-1] is the complex weight w_k of
// e^(2*pi*i*k*phase), so that a sample is Re(sum over k of w_k e^(2*pi*i*k*phase)).
struct TVoiceWeights {
    std::vector<std::complex<double>> Weights; // empty: silence
    double CyclesPerSample = 0;
    friend bool operator==(const TVoiceWeights&, const TVoiceWeights&) = default;
};

TVoiceWeights VoiceWeights(const TAnalysis& analysis, const TSoundLevels& levels,
                           const TSoundChoice& choice, double sampleRate = SoundRate);

// The continuous tone: set what to play, then pull blocks of samples. Not thread-safe:
// every call belongs to one thread (the one that feeds the audio output).
// A new tone waits while a crossfade runs (at most SoundFadeSeconds); of several
// that arrive meanwhile only the last is played.
class TSoundRenderer {
  public:
    explicit TSoundRenderer(double sampleRate = SoundRate);

    void SetSpectrum(const TAnalysis& analysis);
    void SetChoice(const TSoundChoice& choice);
    void SetVolume(double volume); // linear gain 0..1
    void Start();                  // fades in
    void Stop();                   // fades out
    bool Playing() const { return playing_; }
    bool Sounding() const { return playing_ || fadePosition_ > 0; } // false once faded out

    // The next samples of the tone, each within [-1, 1].
    void Render(std::span<float> out);

    const TSoundChoice& Choice() const { return choice_; }
    // Samples rendered so far, and the sample at which the latest tone began to sound
    // (its crossfade's first sample).
    long long SamplesRendered() const { return rendered_; }
    long long LatestToneStart() const { return latestToneStart_; }

  private:
    struct TVoice {
        TVoiceWeights Tone;
        double Cycles = 0; // phase, 0 <= Cycles < 1
    };
    void Retarget();
    const TVoiceWeights& HeadingFor() const;
    void TakePending(bool crossfade);
    void AddVoice(TVoice& voice, int count, const double* gains, double* mix);

    double rate_;
    std::vector<double> fadeShape_; // raised cosine from 0 to 1 over the fade's samples
    int fadeLength_;
    TAnalysis analysis_{};
    TSoundLevels levels_;
    TSoundChoice choice_{};
    TVoice current_{};
    TVoice fading_{};       // the tone being left during a crossfade
    int crossfadeLeft_ = 0; // samples until fading_ is gone
    TVoiceWeights pending_{};
    bool hasPending_ = false;
    bool playing_ = false;
    int fadePosition_ = 0; // 0 silent .. fadeLength_ full
    double volume_ = 1, volumeTarget_ = 1, volumeStep_;
    long long rendered_ = 0, latestToneStart_ = 0;
};

// A stretch of the tone as a file holds it: seconds long, fading in at the start and out
// at the end, at full volume.
std::vector<float> RenderSound(const TAnalysis& analysis, const TSoundChoice& choice,
                               double seconds, double sampleRate = SoundRate);

} // namespace Fourier
