// Keeping what the program shows: the analysis as CSV read back to the last digit, files
// saved whole or not at all, and sound files read back through libsndfile.
#include "AnalysisCsv.h"
#include "FileSaving.h"
#include "Harmonic.h"
#include "SoundFile.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <complex>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <random>
#include <sndfile.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace Fourier;
namespace fs = std::filesystem;

// A fresh folder per test, removed afterwards.
class TScratchFolder {
  public:
    TScratchFolder() {
        path_ = fs::temp_directory_path() /
                ("fourier-export-" + std::to_string(::getpid()) + "-" + std::to_string(counter_++));
        fs::create_directories(path_);
    }
    ~TScratchFolder() {
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(path_);
    }
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    const fs::path& Path() const { return path_; }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(path_))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

  private:
    fs::path path_;
    static inline int counter_ = 0;
};

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(separator, start)) != std::string::npos; start = end + 1)
        parts.push_back(text.substr(start, end - start));
    parts.push_back(text.substr(start));
    return parts;
}

double Number(const std::string& field) {
    double value = NAN;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    EXPECT_TRUE(error == std::errc() && end == field.data() + field.size()) << "«" << field << "»";
    return value;
}

bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TAnalysis NoisyAnalysis(unsigned seed) {
    std::mt19937_64 random(seed);
    std::uniform_real_distribution<double> value(-1, 1);
    TSamples samples{};
    for (double& s : samples)
        s = value(random) * std::pow(10.0, value(random) * 8); // all magnitudes, all digits
    return AnalyseSamples(samples);
}

// The first two lines as a reader is told: the convention, then plain column names.
TEST(AnalysisCsv, StartsWithTheConventionAndPlainColumnNames) {
    const std::vector<std::string> lines = Split(AnalysisCsv(NoisyAnalysis(3)), '\n');
    EXPECT_TRUE(lines[0].starts_with("# f(x) = a_0/2 + sum of (a_k cos kx + b_k sin kx) = a_0/2 + "
                                     "sum of amplitude_k cos(kx - phase_rad_k); x in radians"))
        << lines[0];
    EXPECT_EQ(lines[0].find(','), std::string::npos) << "one field in a spreadsheet";
    EXPECT_EQ(lines[1], "j,x,f(x),k,a_k,b_k,amplitude,phase_rad");
}

TEST(AnalysisCsv, ReadsBackToTheLastBit) {
    const TAnalysis analysis = NoisyAnalysis(1);
    const THarmonics harmonics = HarmonicsOf(analysis);
    const std::vector<std::string> lines = Split(AnalysisCsv(analysis), '\n');
    // convention, header, rows, the empty rest after the last '\n'
    ASSERT_EQ(lines.size(), 2u + SampleCount + 1u);
    EXPECT_EQ(lines.back(), "");
    for (int j = 0; j < SampleCount; ++j) {
        const std::vector<std::string> fields = Split(lines[j + 2], ',');
        ASSERT_EQ(fields.size(), 8u) << "row " << j;
        EXPECT_EQ(Number(fields[0]), j);
        EXPECT_TRUE(SameBits(Number(fields[1]), GridX(j))) << "x, row " << j;
        EXPECT_TRUE(SameBits(Number(fields[2]), analysis.Samples[j])) << "f, row " << j;
        if (j > HighestHarmonic) {
            for (int f = 3; f < 8; ++f)
                EXPECT_EQ(fields[f], "") << "row " << j;
            continue;
        }
        EXPECT_EQ(Number(fields[3]), j);
        const THarmonic& h = harmonics[j];
        EXPECT_TRUE(SameBits(Number(fields[4]), h.Cos)) << "a_k, row " << j;
        EXPECT_TRUE(SameBits(Number(fields[5]), h.Sin)) << "b_k, row " << j;
        EXPECT_TRUE(SameBits(Number(fields[6]), h.Amplitude)) << "amplitude, row " << j;
        if (std::isnan(h.Phase))
            EXPECT_EQ(fields[7], "") << "row " << j;
        else
            EXPECT_TRUE(SameBits(Number(fields[7]), h.Phase)) << "phase, row " << j;
    }
}

// The harmonic's columns mean what the first line says: a_k, b_k against a direct DFT of the
// samples, and amplitude, phase rebuilding the harmonic; the phase of rounding noise empty.
TEST(AnalysisCsv, HarmonicColumnsFollowTheStatedConvention) {
    TSamples samples{};
    for (int j = 0; j < SampleCount; ++j) {
        const double x = GridX(j);
        samples[j] = -0.25 + 3 * std::cos(2 * x) - 2 * std::sin(2 * x) + 0.5 * std::sin(7 * x);
    }
    const std::vector<std::string> lines = Split(AnalysisCsv(AnalyseSamples(samples)), '\n');
    for (int k = 0; k <= HighestHarmonic; ++k) {
        long double a = 0, b = 0;
        for (int j = 0; j < SampleCount; ++j) {
            const int turn = (((j - 256) * k) % 512 + 512) % 512;
            const long double angle = 2 * std::numbers::pi_v<long double> * turn / 512;
            a += samples[j] * std::cos(angle) / 256;
            b += samples[j] * std::sin(angle) / 256;
        }
        const std::vector<std::string> fields = Split(lines[k + 2], ',');
        EXPECT_NEAR(Number(fields[4]), static_cast<double>(a), 1e-12) << "a_" << k;
        EXPECT_NEAR(Number(fields[5]), static_cast<double>(b), 1e-12) << "b_" << k;
        if (k != 0 && k != 2 && k != 7) {
            EXPECT_EQ(fields[7], "") << "the phase of noise, k = " << k;
            continue;
        }
        const double amplitude = Number(fields[6]), phase = Number(fields[7]);
        if (k == 0) continue;
        // amplitude cos(kx - phase) = a_k cos kx + b_k sin kx at x = 0 and x = pi/(2k).
        EXPECT_NEAR(amplitude * std::cos(phase), static_cast<double>(a), 1e-12) << k;
        EXPECT_NEAR(amplitude * std::sin(phase), static_cast<double>(b), 1e-12) << k;
    }
    const auto field = [&](int k, int column) { return Number(Split(lines[k + 2], ',')[column]); };
    EXPECT_NEAR(field(0, 6), 0.25, 1e-12);    // |a_0|/2, the mean's size
    EXPECT_EQ(field(0, 7), std::numbers::pi); // and its sign
    EXPECT_NEAR(field(2, 6), std::sqrt(13.0), 1e-12);
    EXPECT_NEAR(field(2, 7), -std::atan(2.0 / 3.0), 1e-12);
    EXPECT_NEAR(field(7, 6), 0.5, 1e-12);
    EXPECT_NEAR(field(7, 7), std::numbers::pi / 2, 1e-12);
}

TEST(SaveFileWhole, WritesTheBytesAndLeavesNothingElse) {
    TScratchFolder folder;
    const std::string path = folder.File("данные.csv");
    const std::string bytes = AnalysisCsv(NoisyAnalysis(2));
    SaveFileWhole(path, bytes);
    EXPECT_EQ(ReadFile(path), bytes);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"данные.csv"});
}

TEST(SaveFileWhole, ReplacesAFileAndKeepsItsPermissions) {
    TScratchFolder folder;
    const std::string path = folder.File("a.csv");
    SaveFileWhole(path, "old");
    ::chmod(path.c_str(), 0640);
    SaveFileWhole(path, "new");
    EXPECT_EQ(ReadFile(path), "new");
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"a.csv"});
}

// A failure half-way leaves neither a temporary file nor a changed target.
TEST(SaveFileWhole, AFailureHalfWayLeavesTheOldFileAndNoTemporary) {
    TScratchFolder folder;
    const std::string path = folder.File("a.csv");
    SaveFileWhole(path, "old");
    EXPECT_THROW(SaveFileWhole(path,
                               [&](int fd) {
                                   ASSERT_EQ(::write(fd, "new, half", 9), 9);
                                   throw TFileSaveError(path, "на диске нет места");
                               }),
                 TFileSaveError);
    EXPECT_EQ(ReadFile(path), "old");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"a.csv"});
}

struct FailureRow {
    const char* name;
    std::string (*target)(const TScratchFolder&); // the file to save
    const char* reason;
};

// A folder the program may not write into; root may write anywhere but in sysfs.
std::string UnwritableFolderFile(const TScratchFolder& folder) {
    const fs::path locked = folder.Path() / "locked";
    fs::create_directory(locked);
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
    if (::access(locked.c_str(), W_OK) == 0) return "/sys/fourier-test.csv";
    return (locked / "a.csv").string();
}

class SaveFailure : public ::testing::TestWithParam<FailureRow> {};

TEST_P(SaveFailure, SaysWhichFileAndWhyAndLeavesNoFile) {
    TScratchFolder folder;
    const std::string path = GetParam().target(folder);
    const std::vector<std::string> before = folder.Names();
    try {
        SaveFileWhole(path, "data");
        FAIL() << "saved " << path;
    } catch (const TFileSaveError& e) {
        const std::string message = e.what();
        EXPECT_NE(message.find("«" + path + "»"), std::string::npos) << message;
        EXPECT_NE(message.find(GetParam().reason), std::string::npos) << message;
    }
    EXPECT_EQ(folder.Names(), before);
    EXPECT_FALSE(fs::is_regular_file(path));
    if (fs::exists(fs::path(path).parent_path()) &&
        fs::is_directory(fs::path(path).parent_path())) {
        for (const auto& entry : fs::directory_iterator(fs::path(path).parent_path()))
            EXPECT_EQ(entry.path().filename().string().find(".part"), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SaveFailure,
    ::testing::Values(
        FailureRow{"UnwritableFolder", UnwritableFolderFile, "нет прав на запись"},
        FailureRow{"MissingFolder", [](const TScratchFolder& f) { return f.File("нет/a.csv"); },
                   "такой папки нет"},
        FailureRow{"FileForAFolder",
                   [](const TScratchFolder& f) {
                       SaveFileWhole(f.File("plain"), "x");
                       return f.File("plain/a.csv");
                   },
                   "стоит файл"},
        FailureRow{"FolderForAFile",
                   [](const TScratchFolder& f) {
                       fs::create_directory(f.Path() / "taken");
                       return f.File("taken");
                   },
                   "есть папка"},
        // No file name (an empty path, or a folder's with its slash): nothing is created.
        FailureRow{"EmptyPath", [](const TScratchFolder&) { return std::string(); }, "есть папка"},
        FailureRow{"EndsInASlash", [](const TScratchFolder& f) { return f.File("новая/"); },
                   "есть папка"}),
    [](const auto& info) { return std::string(info.param.name); });

// Reads a 16-bit mono WAV back through libsndfile.
std::vector<short> ReadWav(const std::string& path, SF_INFO& info) {
    info = {};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    EXPECT_NE(file, nullptr) << sf_strerror(nullptr);
    if (!file) return {};
    std::vector<short> steps(static_cast<std::size_t>(info.frames));
    EXPECT_EQ(sf_read_short(file, steps.data(), info.frames), info.frames);
    sf_close(file);
    return steps;
}

TEST(SoundFile, WavReadsBackAsTheSamplesToHalfAStep) {
    TScratchFolder folder;
    std::mt19937 random(3);
    std::uniform_real_distribution<float> value(-1.2f, 1.2f);
    std::vector<float> samples(12345);
    for (float& v : samples)
        v = value(random);
    samples[0] = 1;
    samples[1] = -1;
    const std::string path = folder.File("звук.wav");
    WriteWav(path, samples, SoundRate);

    SF_INFO info;
    const std::vector<short> steps = ReadWav(path, info);
    EXPECT_EQ(info.samplerate, SoundRate);
    EXPECT_EQ(info.channels, 1);
    EXPECT_EQ(info.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
    ASSERT_EQ(steps.size(), samples.size());
    for (std::size_t n = 0; n < samples.size(); ++n) {
        const double exact = std::clamp(static_cast<double>(samples[n]), -1.0, 1.0) * 32767;
        ASSERT_LE(std::abs(steps[n] - exact), 0.5) << n; // the nearest step, even beside a half
    }
    EXPECT_EQ(steps[0], 32767);
    EXPECT_EQ(steps[1], -32767);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"звук.wav"});
}

// What «Сохранить звук…» writes: the length asked for, faded at both ends, and the tone.
TEST(SoundFile, SavedSoundHasItsLengthFadesAndTone) {
    TScratchFolder folder;
    TSamples square{};
    for (int j = 0; j < SampleCount; ++j)
        square[j] = j < 256 ? -1 : 1;
    const TAnalysis analysis = AnalyseSamples(square);
    struct Row {
        double asked, expected;
    };
    for (const Row row : {Row{2, 2}, Row{0.2, ShortestSoundFile}, Row{99, LongestSoundFile}}) {
        const std::string path = folder.File("s.wav");
        SaveSound(path, analysis, {TSoundSource::PartialSum, 5, 220}, row.asked);
        SF_INFO info;
        const std::vector<short> steps = ReadWav(path, info);
        ASSERT_EQ(info.frames, static_cast<sf_count_t>(row.expected * SoundRate)) << row.asked;
        EXPECT_LE(std::abs(steps.front()), 400);
        EXPECT_EQ(steps.back(), 0);
        // 2400 samples from the middle: harmonics 1, 3, 5 on bins 11, 33, 55.
        const std::size_t middle = steps.size() / 2;
        std::vector<double> magnitude(1201);
        for (int b = 0; b <= 1200; ++b) {
            std::complex<double> sum = 0;
            for (int n = 0; n < 2400; ++n)
                sum += static_cast<double>(steps[middle + n]) *
                       std::polar(1.0, -2 * std::numbers::pi * (b * n % 2400) / 2400);
            magnitude[b] = std::abs(sum);
        }
        EXPECT_NEAR(magnitude[33] / magnitude[11], 1.0 / 3, 1e-3);
        EXPECT_NEAR(magnitude[55] / magnitude[11], 1.0 / 5, 1e-3);
        for (int b = 0; b <= 1200; ++b) {
            if (b == 11 || b == 33 || b == 55) continue;
            EXPECT_LT(magnitude[b], 1e-4 * magnitude[11]) << b;
        }
    }
}

TEST(SoundFile, AnUnwritableFolderGivesTheMessageAndNoFile) {
    TScratchFolder folder;
    const std::string path = UnwritableFolderFile(folder);
    EXPECT_THROW(WriteWav(path, std::vector<float>(100, 0.5f), SoundRate), TFileSaveError);
    EXPECT_FALSE(fs::exists(path));
}

} // namespace
