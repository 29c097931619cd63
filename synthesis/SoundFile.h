#pragma once
// Sound files, written with libsndfile: 16-bit PCM WAV, one channel.
#include "SoundRender.h"

#include <span>
#include <string>

namespace Fourier {

inline constexpr double ShortestSoundFile = 1.0; // seconds
inline constexpr double LongestSoundFile = 30.0;

// Writes the samples (each within [-1, 1]; beyond is clipped) as a WAV file, each sample
// rounded to the nearest of the 16-bit steps -32767..32767 (full scale 1 is 32767). Saved
// whole or not at all; throws TFileSaveError.
void WriteWav(const std::string& path, std::span<const float> samples, int sampleRate);

// seconds (1..30) of the chosen tone, as RenderSound gives it, written by WriteWav.
void SaveSound(const std::string& path, const TAnalysis& analysis, const TSoundChoice& choice,
               double seconds);

} // namespace Fourier
