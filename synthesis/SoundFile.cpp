#include "SoundFile.h"

#include "FileSaving.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <sndfile.h>
#include <vector>

namespace Fourier {
namespace {

std::string SoundFileReason(SNDFILE* file) {
    // libsndfile reports a failed system call as a system error; errno still names it.
    if (sf_error(file) == SF_ERR_SYSTEM && errno != 0) return WriteFailureReason(errno);
    return std::string("ошибка записи звука: ") + sf_strerror(file);
}

} // namespace

void WriteWav(const std::string& path, std::span<const float> samples, int sampleRate) {
    std::vector<short> steps(samples.size());
    std::transform(samples.begin(), samples.end(), steps.begin(), [](float v) {
        return static_cast<short>(std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f));
    });
    SaveFileWhole(path, [&](int fd) {
        SF_INFO info{};
        info.samplerate = sampleRate;
        info.channels = 1;
        info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
        errno = 0;
        SNDFILE* file = sf_open_fd(fd, SFM_WRITE, &info, SF_FALSE);
        if (!file) throw TFileSaveError(path, SoundFileReason(nullptr));
        const sf_count_t written =
            sf_write_short(file, steps.data(), static_cast<sf_count_t>(steps.size()));
        const std::string reason = SoundFileReason(file);
        const bool closed = sf_close(file) == 0;
        if (written != static_cast<sf_count_t>(steps.size()) || !closed)
            throw TFileSaveError(path, reason);
    });
}

void SaveSound(const std::string& path, const TAnalysis& analysis, const TSoundChoice& choice,
               double seconds) {
    const double length = std::clamp(seconds, ShortestSoundFile, LongestSoundFile);
    WriteWav(path, RenderSound(analysis, choice, length), SoundRate);
}

} // namespace Fourier
