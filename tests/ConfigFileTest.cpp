#include "ConfigFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <ostream>
#include <string>

using namespace std::string_literals;
namespace fs = std::filesystem;

namespace Fourier {
// gtest finds it by the argument's namespace.
void PrintTo(const TParamEntry& entry, std::ostream* out) {
    *out << '{' << entry.Count << ' ' << entry.P1 << ' ' << entry.P2 << ' ' << entry.P3 << '}';
}
} // namespace Fourier

using namespace Fourier;

namespace {

// Entries not listed are all 0.
TParamTable Table(std::initializer_list<TParamEntry> entries) {
    TParamTable table{};
    std::copy(entries.begin(), entries.end(), table.begin());
    return table;
}

const std::string Shipped =
    "1\r\n8\r\n0\r\n0\r\n1\r\n8\r\n1\r\n8\r\n2\r\n4 2\r\n3\r\n16 8 4\r\n1\r\n8\r\n";
const TParamTable Defaults =
    Table({{1, 8}, {0}, {0}, {1, 8}, {1, 8}, {2, 4, 2}, {3, 16, 8, 4}, {1, 8}});
const std::string NumberError = "Invalid numeric input";

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

struct TReadCase {
    std::string Name;
    std::string Bytes;
    TParamTable Expected;
    std::string Message;
};

// clang-format off
const TReadCase ReadCases[] = {
    {"FourteenLinesCrLf", Shipped, Defaults, ""},
    {"LfOnly", Replaced(Shipped, "\r\n", "\n"), Defaults, ""},
    {"CrOnly", Replaced(Shipped, "\r\n", "\r"), Defaults, ""},
    {"NoFinalLineEnd", Shipped.substr(0, Shipped.size() - 2), Defaults, ""},
    {"TextAfterNumbers", Replaced(Replaced(Shipped, "\r\n", " words 77\r\n"), "1 words", "1 sine"), Defaults, ""},
    {"BlankLinesEverywhere", "\r\n \t\r\n" + Replaced(Shipped, "\r\n", "\r\n\r\n\t\r\n"), Defaults, ""},
    {"CountAndParamOnOneLine", "1 8\r\n" + Shipped.substr(6), Table({{1, 0}, {0}, {1, 8}, {1, 8}, {2, 4, 2}, {3, 16, 8, 4}, {1, 8}, {0}}), ""},
    {"ShortParamLineContinues", "2\r\n4\r\n2 99\r\n7\r\n", Table({{2, 4, 2}, {7}}), ""},
    {"MixedLineEnds", "1\r\r8\n\r1\r\n9", Table({{1, 8}, {1, 9}}), ""},
    {"CountFourReadsNoParams", "4 5 6 7\r\n1\r\n8\r\n", Table({{4}, {1, 8}}), ""},
    {"NegativeCountReadsNoParams", "-1\r\n5\r\n", Table({{-1}, {5}}), ""},
    {"NegativeAndOversizedPositions", "1\r\n-5\r\n1\r\n1000\r\n", Table({{1, -5}, {1, 1000}}), ""},
    {"Int32Limits", "1\r\n2147483647\r\n1\r\n-2147483648\r\n", Table({{1, 2147483647}, {1, INT32_MIN}}), ""},
    {"PlusSign", "+1\r\n+08\r\n", Table({{1, 8}}), ""},
    {"MalformedParam8a", "1\r\n8\r\n1\r\n8a\r\n", Table({{1, 8}, {1, 0}}), NumberError},
    {"MalformedCount1Point5", "1\r\n8\r\n1.5\r\n8\r\n", Table({{1, 8}}), NumberError},
    {"WordAsCount", "one\r\n8\r\n", Table({}), NumberError},
    {"SignAlone", "1\r\n-\r\n", Table({{1, 0}}), NumberError},
    {"PlusThenMinus", "1\r\n+-8\r\n", Table({{1, 0}}), NumberError},
    {"DoubleMinus", "1\r\n--8\r\n", Table({{1, 0}}), NumberError},
    {"HexIsNotDecimal", "1\r\n0x10\r\n", Table({{1, 0}}), NumberError},
    {"AboveInt32", "1\r\n2147483648\r\n", Table({{1, 0}}), NumberError},
    {"BelowInt32", "2\r\n3 -2147483649\r\n", Table({{2, 3, 0}}), NumberError},
    {"Token32Characters", "1\r\n" + std::string(31, '0') + "8\r\n", Table({{1, 8}}), ""},
    {"Token33Characters", "1\r\n" + std::string(32, '0') + "8\r\n", Table({{1, 0}}), NumberError},
    {"Token10000Digits", "1\r\n" + std::string(10000, '9') + "\r\n", Table({{1, 0}}), NumberError},
    {"CtrlZEndsFile", "1\r\n8\r\n\x1a" "1\r\n8\r\n", Table({{1, 8}}), ""},
    {"CtrlZEndsNumber", "1\r\n8\x1a" "9\r\n", Table({{1, 8}}), ""},
    {"CtrlZFirst", "\x1a" + Shipped, Table({}), ""},
    {"CtrlZAfterCr", "1\r\x1a\n8", Table({{1, 0}}), ""},
    {"Empty", "", Table({}), ""},
    {"OnlySeparators", "\0\x07\x1b\x10 \t\r\n"s, Table({}), ""},
    {"BinaryJunk", "\x89PNG\r\n\x1a\n\0\0\0\rIHDR"s, Table({}), NumberError},
    {"NulSeparatesNumbers", "3\r\n1\0" "2\0" "3\0\r\n7"s, Table({{3, 1, 2, 3}, {7}}), ""},
};
// clang-format on

std::string CaseName(const testing::TestParamInfo<TReadCase>& info) {
    return info.param.Name;
}

class ReadParamConfigTest : public testing::TestWithParam<TReadCase> {};

TEST_P(ReadParamConfigTest, WholeBuffer) {
    const TConfigResult result = ReadParamConfig(GetParam().Bytes);
    EXPECT_EQ(result.Table, GetParam().Expected);
    EXPECT_EQ(ConfigErrorMessage(result.ErrorCode), GetParam().Message);
}

// Hands out one byte per chunk, so every line end and number straddles a chunk boundary.
class TTrickleSource : public TByteSource {
  public:
    explicit TTrickleSource(std::string_view bytes) : bytes_(bytes) {}
    int NextChunk(std::string_view& chunk) override {
        chunk = bytes_.substr(0, 1);
        bytes_.remove_prefix(chunk.size());
        return ceNone;
    }

  private:
    std::string_view bytes_;
};

TEST_P(ReadParamConfigTest, OneBytePerChunk) {
    TTrickleSource source(GetParam().Bytes);
    const TConfigResult result = ReadParamConfig(source);
    EXPECT_EQ(result.Table, GetParam().Expected);
    EXPECT_EQ(ConfigErrorMessage(result.ErrorCode), GetParam().Message);
}

INSTANTIATE_TEST_SUITE_P(Bytes, ReadParamConfigTest, testing::ValuesIn(ReadCases), CaseName);

// Gives its bytes in one chunk, then fails every later pull.
class TFailingSource : public TByteSource {
  public:
    TFailingSource(std::string_view bytes, int code) : bytes_(bytes), code_(code) {}
    int NextChunk(std::string_view& chunk) override {
        if (bytes_.empty()) return code_;
        chunk = bytes_;
        bytes_ = {};
        return ceNone;
    }

  private:
    std::string_view bytes_;
    int code_;
};

struct TFailureCase {
    std::string Name;
    std::string Bytes;
    TParamTable Expected;
    std::string Message;
};

// clang-format off
const TFailureCase FailureCases[] = {
    {"AtOnce", "", Table({}), "I/O error 100"},
    {"AfterACount", "1\r\n8\r\n2\r\n", Table({{1, 8}, {2}}), "I/O error 100"},
    {"InsideANumberKeepsFieldZero", "1\r\n8\r\n1\r\n12", Table({{1, 8}, {1, 0}}), "I/O error 100"},
    {"WhileSkippingALine", "1 and some text", Table({{1}}), "I/O error 100"},
    {"NotPulledAfterTheLastEntry", Shipped, Defaults, ""},
    {"PeeksForLfAfterTheLastCr", Shipped.substr(0, Shipped.size() - 1), Defaults, "I/O error 100"},
};
// clang-format on

std::string FailureName(const testing::TestParamInfo<TFailureCase>& info) {
    return info.param.Name;
}

class SourceFailureTest : public testing::TestWithParam<TFailureCase> {};

TEST_P(SourceFailureTest, StopsWithEntriesReadSoFar) {
    TFailingSource source(GetParam().Bytes, ceReadFailure);
    const TConfigResult result = ReadParamConfig(source);
    EXPECT_EQ(result.Table, GetParam().Expected);
    EXPECT_EQ(ConfigErrorMessage(result.ErrorCode), GetParam().Message);
}

INSTANTIATE_TEST_SUITE_P(Pulls, SourceFailureTest, testing::ValuesIn(FailureCases), FailureName);

// Files on disk.

void WriteFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

void WriteBlanksThen(const fs::path& path, std::size_t blanks, const std::string& tail) {
    std::ofstream out(path, std::ios::binary);
    const std::string block(1 << 20, ' ');
    for (; blanks >= block.size(); blanks -= block.size())
        out << block;
    out << std::string(blanks, ' ') << tail;
}

struct TLoadCase {
    std::string Name;
    std::string (*Prepare)(const fs::path& dir);
    TParamTable Expected;
    std::string Message;
    bool NeedsUnprivileged = false;
};

// clang-format off
const TLoadCase LoadCases[] = {
    {"ShippedDefaults", [](const fs::path&) { return std::string(FOURIER_SOURCE_DIR "/velmora.cfg"); }, Defaults, ""},
    {"RegularFile", [](const fs::path& dir) { WriteFile(dir / "velmora.cfg", Shipped); return (dir / "velmora.cfg").string(); }, Defaults, ""},
    {"EmptyFile", [](const fs::path& dir) { WriteFile(dir / "velmora.cfg", ""); return (dir / "velmora.cfg").string(); }, Table({}), ""},
    {"MalformedFile", [](const fs::path& dir) { WriteFile(dir / "velmora.cfg", "1\r\n8a\r\n"); return (dir / "velmora.cfg").string(); }, Table({{1, 0}}), NumberError},
    {"HundredMegabytesOfBlanks", [](const fs::path& dir) { WriteBlanksThen(dir / "velmora.cfg", 100u << 20, "1\r\n8\r\n"); return (dir / "velmora.cfg").string(); }, Table({{1, 8}}), ""},
    {"LongLineSkippedAcrossChunks", [](const fs::path& dir) { WriteBlanksThen(dir / "velmora.cfg", 1, "1 " + std::string(300000, 'x') + "\r\n8\r\n3"); return (dir / "velmora.cfg").string(); }, Table({{1, 8}, {3}}), ""},
    {"MissingFile", [](const fs::path& dir) { return (dir / "velmora.cfg").string(); }, Table({}), "File not found"},
    {"MissingFolder", [](const fs::path& dir) { return (dir / "absent" / "velmora.cfg").string(); }, Table({}), "File not found"},
    {"FolderNamedLikeTheFile", [](const fs::path& dir) { fs::create_directory(dir / "velmora.cfg"); return (dir / "velmora.cfg").string(); }, Table({}), "File access denied"},
    {"FifoDoesNotBlock", [](const fs::path& dir) { ::mkfifo((dir / "velmora.cfg").c_str(), 0600); return (dir / "velmora.cfg").string(); }, Table({}), "File access denied"},
    {"CharacterDevice", [](const fs::path&) { return std::string("/dev/zero"); }, Table({}), "File access denied"},
    {"UnreadableFile", [](const fs::path& dir) { WriteFile(dir / "velmora.cfg", Shipped); fs::permissions(dir / "velmora.cfg", fs::perms::none); return (dir / "velmora.cfg").string(); }, Table({}), "File access denied", true},
    {"FileUsedAsFolder", [](const fs::path& dir) { WriteFile(dir / "plain", Shipped); return (dir / "plain" / "velmora.cfg").string(); }, Table({}), "Invalid filename"},
    {"NameTooLong", [](const fs::path& dir) { return (dir / std::string(5000, 'n')).string(); }, Table({}), "Invalid filename"},
    {"SymlinkLoop", [](const fs::path& dir) { fs::create_symlink("velmora.cfg", dir / "velmora.cfg"); return (dir / "velmora.cfg").string(); }, Table({}), "Invalid filename"},
    {"NulInName", [](const fs::path& dir) { WriteFile(dir / "velmora.cfg", Shipped); return (dir / "velmora.cfg").string() + "\0.txt"s; }, Table({}), "Invalid filename"},
};
// clang-format on

std::string LoadName(const testing::TestParamInfo<TLoadCase>& info) {
    return info.param.Name;
}

class LoadParamConfigTest : public testing::TestWithParam<TLoadCase> {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "fourier-config-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }
    fs::path dir_;
};

TEST_P(LoadParamConfigTest, TableAndMessage) {
    // Root reads files whatever their permissions say.
    if (GetParam().NeedsUnprivileged && ::geteuid() == 0) GTEST_SKIP() << "running as root";
    const TConfigResult result = LoadParamConfig(GetParam().Prepare(dir_));
    EXPECT_EQ(result.Table, GetParam().Expected);
    EXPECT_EQ(ConfigErrorMessage(result.ErrorCode), GetParam().Message);
}

INSTANTIATE_TEST_SUITE_P(Files, LoadParamConfigTest, testing::ValuesIn(LoadCases), LoadName);

TEST(ShippedConfig, HasFourteenCrLfLines) {
    std::ifstream in(FOURIER_SOURCE_DIR "/velmora.cfg", std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    EXPECT_EQ(bytes, Shipped);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 14);
    EXPECT_EQ(Replaced(bytes, "\r\n", "").find_first_of("\r\n"), std::string::npos);
}

struct TErrnoCase {
    const char* Name;
    int Errno;
    int Code;
};

const TErrnoCase ErrnoCases[] = {
    {"ENOENT", ENOENT, ceFileNotFound},
    {"ENAMETOOLONG", ENAMETOOLONG, ceInvalidFilename},
    {"EINVAL", EINVAL, ceInvalidFilename},
    {"ELOOP", ELOOP, ceInvalidFilename},
    {"ENOTDIR", ENOTDIR, ceInvalidFilename},
    {"EMFILE", EMFILE, ceTooManyOpenFiles},
    {"ENFILE", ENFILE, ceTooManyOpenFiles},
    {"EACCES", EACCES, ceAccessDenied},
    {"EPERM", EPERM, ceAccessDenied},
    {"EROFS", EROFS, ceAccessDenied},
    {"EISDIR", EISDIR, ceAccessDenied},
    {"ENXIO", ENXIO, ceAccessDenied},
    {"EBUSY", EBUSY, ceSharingViolation},
    {"ETXTBSY", ETXTBSY, ceSharingViolation},
    {"EIO", EIO, ceReadFailure},
    {"ENOMEM", ENOMEM, ceReadFailure},
};

TEST(ConfigErrorFromErrno, MapsEachErrno) {
    for (const TErrnoCase& row : ErrnoCases)
        EXPECT_EQ(ConfigErrorFromErrno(row.Errno), row.Code) << row.Name;
}

struct TMessageCase {
    int Code;
    const char* Message;
};

const TMessageCase MessageCases[] = {
    {ceNone, ""},
    {ceFileNotFound, "File not found"},
    {ceInvalidFilename, "Invalid filename"},
    {ceTooManyOpenFiles, "Too many open files"},
    {ceAccessDenied, "File access denied"},
    {ceInvalidNumericInput, "Invalid numeric input"},
    {ceSharingViolation, "I/O error 32"},
    {ceReadFailure, "I/O error 100"},
    {1, "I/O error 1"},
    {-7, "I/O error -7"},
};

TEST(ConfigErrorMessage, MatchesMessageTable) {
    for (const TMessageCase& row : MessageCases)
        EXPECT_EQ(ConfigErrorMessage(row.Code), row.Message) << "code " << row.Code;
}

} // namespace
