// Every file the core writes, on a full disk: /dev/full, and a file size limit that cuts the
// file off before its first byte, half-way and one byte short. The failure names the file
// and the reason, leaves a file already at the target byte for byte and no temporary file;
// a file that just fits is saved whole.
#include "FullDisk.h"
#include "AnalysisCsv.h"
#include "FileSaving.h"
#include "SavedWork.h"
#include "SoundFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

using namespace Fourier;
namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& path) {
    std::ostringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
}

TSamples Wave() {
    TSamples samples{};
    for (int j = 0; j < SampleCount; ++j)
        samples[j] = std::sin(0.37 * j) / (1 + j % 7);
    return samples;
}

struct WriterRow {
    const char* name;
    void (*save)(const std::string& path); // throws TFileSaveError
};

void PrintTo(const WriterRow& row, std::ostream* out) {
    *out << row.name;
}

const WriterRow Writers[] = {
    {"CsvText",
     [](const std::string& p) { SaveFileWhole(p, AnalysisCsv(AnalyseSamples(Wave()))); }},
    {"SavedWork", [](const std::string& p) { SaveSavedWork(p, Wave()); }},
    {"Wav", [](const std::string& p) { WriteWav(p, std::vector<float>(4801, 0.25f), SoundRate); }},
};

class SavingOnAFullDisk : public ::testing::TestWithParam<WriterRow> {
  protected:
    void SetUp() override { fs::create_directories(folder_); }
    void TearDown() override { fs::remove_all(folder_); }
    FullDisk::TOutcome SaveUnder(rlim_t limit, const std::string& path) const {
        return FullDisk::SaveUnderLimit(limit, [&] {
            try {
                GetParam().save(path);
                return std::string();
            } catch (const TFileSaveError& e) {
                return std::string(e.what());
            }
        });
    }
    const fs::path folder_ =
        fs::temp_directory_path() / ("fourier-full-" + std::to_string(::getpid()));
};

TEST_P(SavingOnAFullDisk, ReportsACutOffFileAndSavesOneThatJustFits) {
    try {
        GetParam().save("/dev/full");
        ADD_FAILURE() << "saved into /dev/full";
    } catch (const TFileSaveError& e) {
        EXPECT_STREQ(e.what(), "Не удалось сохранить файл «/dev/full»: на диске нет места");
    }
    EXPECT_TRUE(FullDisk::DevFullStaysADevice()) << "/dev/full was replaced by a file";

    const fs::path kept = folder_ / "kept", absent = folder_ / "absent";
    GetParam().save(kept); // the whole file, read back elsewhere against its oracle
    const std::string whole = ReadBytes(kept), old = "старое содержимое";
    std::ofstream(kept, std::ios::binary) << old;
    for (const rlim_t limit : {rlim_t{0}, rlim_t{whole.size() / 2}, rlim_t{whole.size() - 1}}) {
        for (const fs::path& path : {kept, absent}) {
            const FullDisk::TOutcome outcome = SaveUnder(limit, path);
            EXPECT_FALSE(outcome.Saved) << limit;
            EXPECT_EQ(outcome.Message, "Не удалось сохранить файл «" + path.string() +
                                           "»: файл превышает разрешённый размер");
        }
    }
    EXPECT_EQ(ReadBytes(kept), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), {}), 1) << "a temporary file left";

    const FullDisk::TOutcome fits = SaveUnder(whole.size(), kept);
    EXPECT_TRUE(fits.Saved) << fits.Message;
    EXPECT_TRUE(ReadBytes(kept) == whole) << "not the whole file";
}

INSTANTIATE_TEST_SUITE_P(Writers, SavingOnAFullDisk, ::testing::ValuesIn(Writers),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
