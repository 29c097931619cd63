#include "SoundFile.h"

#include "FileSaving.h"
#include "Wording.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <sndfile.h>
#include <vector>

namespace Fourier {
namespace {

// libsndfile writes into memory, where nothing can fail short; the bytes then reach the disk
// through SaveFileWhole, the one writer that checks every write, fsync, close and rename.
class TMemoryFile {
  public:
    std::string Bytes;

    static SF_VIRTUAL_IO Io() { return {&Length, &Seek, &Read, &Write, &Tell}; }

  private:
    sf_count_t position_ = 0;

    static TMemoryFile& Of(void* file) { return *static_cast<TMemoryFile*>(file); }
    static sf_count_t Length(void* file) { return static_cast<sf_count_t>(Of(file).Bytes.size()); }
    static sf_count_t Tell(void* file) { return Of(file).position_; }
    static sf_count_t Seek(sf_count_t offset, int whence, void* file) {
        TMemoryFile& memory = Of(file);
        const sf_count_t base = whence == SEEK_CUR   ? memory.position_
                                : whence == SEEK_END ? Length(file)
                                                     : 0;
        if (base + offset < 0) return -1;
        return memory.position_ = base + offset;
    }
    static sf_count_t Read(void* destination, sf_count_t count, void* file) {
        TMemoryFile& memory = Of(file);
        const sf_count_t available = std::max<sf_count_t>(0, Length(file) - memory.position_);
        const sf_count_t read = std::min(count, available);
        if (read > 0)
            std::memcpy(destination, memory.Bytes.data() + memory.position_,
                        static_cast<std::size_t>(read));
        memory.position_ += read;
        return read;
    }
    static sf_count_t Write(const void* source, sf_count_t count, void* file) {
        TMemoryFile& memory = Of(file);
        const auto end = static_cast<std::size_t>(memory.position_ + count);
        if (memory.Bytes.size() < end) memory.Bytes.resize(end);
        std::memcpy(memory.Bytes.data() + memory.position_, source,
                    static_cast<std::size_t>(count));
        memory.position_ += count;
        return count;
    }
};

std::string WavBytes(const std::string& path, std::span<const float> samples, int sampleRate) {
    std::vector<short> steps(samples.size());
    // In double the product is exact, so the step is the nearest one even next to a half.
    std::transform(samples.begin(), samples.end(), steps.begin(), [](float v) {
        return static_cast<short>(
            std::lround(std::clamp(static_cast<double>(v), -1.0, 1.0) * 32767.0));
    });
    SF_INFO info{};
    info.samplerate = sampleRate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    TMemoryFile memory;
    SF_VIRTUAL_IO io = TMemoryFile::Io();
    SNDFILE* file = sf_open_virtual(&io, SFM_WRITE, &info, &memory);
    if (!file)
        throw TFileSaveError(
            path, Filled(Wording("FileSaving", "ошибка записи звука: %1"), {sf_strerror(nullptr)}));
    const sf_count_t written =
        sf_write_short(file, steps.data(), static_cast<sf_count_t>(steps.size()));
    const std::string reason =
        Filled(Wording("FileSaving", "ошибка записи звука: %1"), {sf_strerror(file)});
    if (sf_close(file) != 0 || written != static_cast<sf_count_t>(steps.size()))
        throw TFileSaveError(path, reason);
    return std::move(memory.Bytes);
}

} // namespace

void WriteWav(const std::string& path, std::span<const float> samples, int sampleRate) {
    SaveFileWhole(path, WavBytes(path, samples, sampleRate));
}

void SaveSound(const std::string& path, const TAnalysis& analysis, const TSoundChoice& choice,
               double seconds) {
    const double length = std::clamp(seconds, ShortestSoundFile, LongestSoundFile);
    WriteWav(path, RenderSound(analysis, choice, length), SoundRate);
}

} // namespace Fourier
