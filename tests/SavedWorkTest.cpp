// The saved-work file: bit-for-bit round trips of samples and coefficients, the layout
// of the text, and every damaged file refused with its message.
#include "SavedWork.h"
#include "FileSaving.h"
#include "Harmonic.h"

#include <gtest/gtest.h>

#include <ostream>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <numbers>
#include <random>
#include <string>

namespace {

using namespace Fourier;

bool SameBits(double a, double b) {
    return std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b);
}

// Doubles of every kind a file may have to carry, up to a million in magnitude: random bit
// patterns over the exponent range below it (NaNs, infinities and larger values left out),
// signed zeros, the bound itself, the smallest normal and subnormals.
std::vector<double> AwkwardValues(unsigned seed, std::size_t count) {
    std::vector<double> values = {0.0,
                                  -0.0,
                                  0.1,
                                  1.0 / 3,
                                  -2.5e-300,
                                  1e6,
                                  -1e6,
                                  std::nextafter(1e6, 0.0),
                                  std::numeric_limits<double>::min(),
                                  std::numeric_limits<double>::denorm_min(),
                                  -std::numeric_limits<double>::denorm_min() * 12345,
                                  std::nextafter(1.0, 2.0)};
    std::mt19937_64 engine(seed);
    while (values.size() < count) {
        const double value = std::bit_cast<double>(engine());
        if (std::fabs(value) <= 1e6) values.push_back(value);
    }
    values.resize(count);
    return values;
}

TEST(SavedWorkRoundTrip, SamplesComeBackBitForBit) {
    for (unsigned seed = 1; seed <= 5; ++seed) {
        const std::vector<double> values = AwkwardValues(seed, 512);
        TSamples samples;
        std::copy(values.begin(), values.end(), samples.begin());
        const TSavedWork back = ParseSavedWork(FormatSavedWork(samples));
        ASSERT_TRUE(std::holds_alternative<TSamples>(back));
        for (int j = 0; j < 512; ++j)
            EXPECT_TRUE(SameBits(std::get<TSamples>(back)[j], samples[j]))
                << "seed " << seed << " sample " << j << ": " << samples[j];
    }
}

TEST(SavedWorkRoundTrip, CoefficientsComeBackBitForBit) {
    const std::vector<double> values = AwkwardValues(9, 66);
    TCoefficients coefficients;
    for (int k = 0; k <= 32; ++k) {
        coefficients.Cos[k] = values[2 * k];
        coefficients.Sin[k] = k == 0 ? 0.0 : values[2 * k + 1];
    }
    const TSavedWork back = ParseSavedWork(FormatSavedWork(coefficients));
    ASSERT_TRUE(std::holds_alternative<TCoefficients>(back));
    for (int k = 0; k <= 32; ++k) {
        EXPECT_TRUE(SameBits(std::get<TCoefficients>(back).Cos[k], coefficients.Cos[k]))
            << "a_" << k;
        EXPECT_TRUE(SameBits(std::get<TCoefficients>(back).Sin[k], coefficients.Sin[k]))
            << "b_" << k;
    }
}

// A value the reader would refuse is never written: the file already there stays whole.
TEST(SavedWorkSaving, RefusesAValueItCouldNotReadBack) {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() /
        ("fourier-saved-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         "-" + std::to_string(reinterpret_cast<std::uintptr_t>(&path)) + ".fourier");
    TSamples before{};
    before[0] = 0.25;
    SaveSavedWork(path.string(), before);
    const std::string kept = FormatSavedWork(before);

    TSamples samples{};
    samples[300] = -1e6;
    SaveSavedWork(path.string(), samples); // the bound itself is saved
    ASSERT_EQ(std::get<TSamples>(ParseSavedWork(FormatSavedWork(samples)))[300], -1e6);
    SaveSavedWork(path.string(), before);

    TCoefficients coefficients;
    coefficients.Sin[17] = std::nextafter(1e6, 2e6);
    for (const TSavedWork& work : {TSavedWork(coefficients), [] {
                                       TSamples s{};
                                       s[511] = std::numeric_limits<double>::infinity();
                                       return TSavedWork(s);
                                   }()}) {
        try {
            SaveSavedWork(path.string(), work);
            ADD_FAILURE() << "saved";
        } catch (const TFileSaveError& error) {
            EXPECT_NE(std::string(error.what()).find("больше миллиона по модулю"),
                      std::string::npos)
                << error.what();
        }
        std::ifstream file(path, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), kept);
    }
    std::filesystem::remove(path);
}

// The layout a person reads, written out by hand.
TEST(SavedWorkText, SamplesAreOnePerLineAfterTheHeader) {
    TSamples samples;
    for (int j = 0; j < 512; ++j)
        samples[j] = j < 256 ? -1.0 : 0.1;
    std::string expected = "fourier samples 1\n";
    for (int j = 0; j < 512; ++j)
        expected += j < 256 ? "-1\n" : "0.1\n";
    EXPECT_EQ(FormatSavedWork(samples), expected);
}

TEST(SavedWorkText, CoefficientsAreNumberedLines) {
    TCoefficients coefficients;
    coefficients.Cos[0] = 0.5;
    coefficients.Sin[1] = 1.25;
    coefficients.Cos[32] = -3e-20;
    std::string expected = "fourier coefficients 1\n0 0.5\n1 0 1.25\n";
    for (int k = 2; k < 32; ++k)
        expected += std::to_string(k) + " 0 0\n";
    expected += "32 -3e-20 0\n";
    EXPECT_EQ(FormatSavedWork(coefficients), expected);
}

// Files saved before amplitude and phase had one convention hold only samples and a_k, b_k,
// which that change left alone: they open to the same signal, whose harmonic 1 is then the
// square wave's A_1 = 4/pi with phi_1 = pi/2.
TEST(SavedWorkText, FilesSavedBeforeOpenUnchanged) {
    std::string samplesFile = "fourier samples 1\r\n";
    for (int j = 0; j < 512; ++j)
        samplesFile += j < 256 ? "-1\r\n" : j < 511 ? "1\r\n" : "0.5\r\n";
    const TSamples samples = std::get<TSamples>(ParseSavedWork(samplesFile));
    for (int j = 0; j < 512; ++j)
        EXPECT_EQ(samples[j], j < 256 ? -1.0 : j < 511 ? 1.0 : 0.5) << "sample " << j;

    std::string coefficientsFile = "fourier coefficients 1\n"
                                   "0 -0.5\n"
                                   "1 0 1.2732395447351628\n"
                                   "2 0.25 -0.125\n";
    for (int k = 3; k <= 32; ++k)
        coefficientsFile += std::to_string(k) + " 0 0\n";
    const TCoefficients c = std::get<TCoefficients>(ParseSavedWork(coefficientsFile));
    EXPECT_EQ(c.Cos[0], -0.5);
    EXPECT_EQ(c.Sin[1], 4 / std::numbers::pi);
    EXPECT_EQ(c.Cos[2], 0.25);
    EXPECT_EQ(c.Sin[2], -0.125);
    for (int k = 3; k <= 32; ++k)
        EXPECT_TRUE(c.Cos[k] == 0 && c.Sin[k] == 0) << "k = " << k;
    const THarmonic first = THarmonic::FromParts(1, c.Cos[1], c.Sin[1]);
    EXPECT_EQ(first.Amplitude, 4 / std::numbers::pi);
    EXPECT_EQ(first.Phase, std::numbers::pi / 2);
}

TEST(SavedWorkText, CarriageReturnsBeforeLineFeedsAreRead) {
    TSamples samples;
    for (int j = 0; j < 512; ++j)
        samples[j] = j * 0.5;
    std::string text;
    for (char c : FormatSavedWork(samples))
        text += c == '\n' ? std::string("\r\n") : std::string(1, c);
    const TSavedWork back = ParseSavedWork(text);
    ASSERT_TRUE(std::holds_alternative<TSamples>(back));
    EXPECT_EQ(std::get<TSamples>(back), samples);
}

// Damaged files, each made from a good one, with the message it must give.
std::string GoodSamples() {
    TSamples samples;
    for (int j = 0; j < 512; ++j)
        samples[j] = j < 256 ? -1.0 : 1.0;
    return FormatSavedWork(samples);
}

std::string GoodCoefficients() {
    TCoefficients coefficients;
    for (int k = 1; k <= 32; k += 2)
        coefficients.Sin[k] = 4.0 / (3.14159 * k);
    return FormatSavedWork(coefficients);
}

// The text with line `number` (1-based) replaced; an empty replacement with `remove`
// deletes the line.
std::string WithLine(std::string text, int number, const std::string& replacement,
                     bool remove = false) {
    std::size_t start = 0;
    for (int line = 1; line < number; ++line)
        start = text.find('\n', start) + 1;
    const std::size_t end = text.find('\n', start);
    if (remove) return text.erase(start, end - start + 1);
    return text.replace(start, end - start, replacement);
}

std::string FirstLines(const std::string& text, int count) {
    std::size_t end = 0;
    for (int line = 0; line < count; ++line)
        end = text.find('\n', end) + 1;
    return text.substr(0, end);
}

// The number of the line that byte `offset` lies in.
int LineAt(const std::string& text, std::size_t offset) {
    return 1 + static_cast<int>(std::count(text.begin(), text.begin() + offset, '\n'));
}

struct DamageRow {
    const char* name;
    std::function<std::string()> text;
    std::string message;
};

void PrintTo(const DamageRow& row, std::ostream* out) {
    *out << row.name;
}

class DamagedFile : public ::testing::TestWithParam<DamageRow> {};

TEST_P(DamagedFile, IsRefusedWithItsMessage) {
    const DamageRow& row = GetParam();
    try {
        ParseSavedWork(row.text());
        ADD_FAILURE() << "accepted";
    } catch (const TSavedWorkError& error) {
        EXPECT_EQ(std::string(error.what()), row.message);
    }
}

const std::string HeaderHint = "первая строка должна быть «fourier samples 1» (отсчёты) или "
                               "«fourier coefficients 1» (коэффициенты)";

const std::string BeyondAMillion = "больше миллиона по модулю: с такими значениями программа не "
                                   "может сосчитать энергию и среднеквадратичную ошибку";

INSTANTIATE_TEST_SUITE_P(
    Rows, DamagedFile,
    ::testing::Values(
        DamageRow{"Empty", [] { return std::string(); }, "Файл пуст"},
        DamageRow{"NotOurs", [] { return std::string("x,y\n1,2\n"); },
                  "Это не файл сигнала программы «Фурье»: " + HeaderHint},
        DamageRow{"Binary",
                  [] {
                      return std::string("\x7f"
                                         "ELF\0\x01\x02",
                                         7);
                  },
                  "Это не файл сигнала программы «Фурье»: " + HeaderHint},
        DamageRow{"HeaderWithoutVersion",
                  [] { return WithLine(GoodSamples(), 1, "fourier samples"); },
                  "Первая строка «fourier samples» неполна: " + HeaderHint},
        DamageRow{"HeaderWithTwoSpaces",
                  [] { return WithLine(GoodSamples(), 1, "fourier  samples 1"); },
                  "Первая строка «fourier  samples 1» неполна: " + HeaderHint},
        DamageRow{"WrongKind", [] { return WithLine(GoodSamples(), 1, "fourier waveform 1"); },
                  "Неизвестный вид данных «waveform»: ожидается «samples» (отсчёты) или "
                  "«coefficients» (коэффициенты)"},
        DamageRow{"CoefficientsHeaderOverSamples",
                  [] { return WithLine(GoodSamples(), 1, "fourier coefficients 1"); },
                  "Строка 2: ожидается «0 a_0»: номер 0 и одно число"},
        DamageRow{"SamplesHeaderOverCoefficients",
                  [] { return WithLine(GoodCoefficients(), 1, "fourier samples 1"); },
                  "Строка 2: «0 0» — не число"},
        DamageRow{"NewerVersion", [] { return WithLine(GoodSamples(), 1, "fourier samples 2"); },
                  "Версия файла «2» не поддерживается: программа читает версию 1"},
        DamageRow{"HeaderOnlyUnfinished", [] { return std::string("fourier samples 1"); },
                  "Файл оборван после первой строки"},
        DamageRow{"HeaderOnly", [] { return std::string("fourier samples 1\n"); },
                  "В файле отсчётов: 0, а должно быть 512"},
        DamageRow{"TruncatedInsideANumber",
                  [] { return GoodSamples().substr(0, GoodSamples().size() - 1) + "0"; },
                  "Файл оборван: строка 513 не закончена"},
        DamageRow{"TruncatedInTheMiddle", [] { return GoodSamples().substr(0, 1001); },
                  "Файл оборван: строка " + std::to_string(LineAt(GoodSamples(), 1001)) +
                      " не закончена"},
        DamageRow{"TruncatedAtALineEnd", [] { return FirstLines(GoodSamples(), 301); },
                  "В файле отсчётов: 300, а должно быть 512"},
        DamageRow{"Only511Values", [] { return WithLine(GoodSamples(), 200, "", true); },
                  "В файле отсчётов: 511, а должно быть 512"},
        DamageRow{"ExtraValue", [] { return GoodSamples() + "0.5\n"; },
                  "Строка 514: лишние данные после 512 отсчётов"},
        DamageRow{"TrailingBlankLine", [] { return GoodSamples() + "\n"; },
                  "Строка 514: лишние данные после 512 отсчётов"},
        DamageRow{"NaN", [] { return WithLine(GoodSamples(), 7, "nan"); },
                  "Строка 7: «nan» — не конечное число"},
        DamageRow{"Infinity", [] { return WithLine(GoodSamples(), 8, "-inf"); },
                  "Строка 8: «-inf» — не конечное число"},
        DamageRow{"TooLarge", [] { return WithLine(GoodSamples(), 9, "1e999"); },
                  "Строка 9: число «1e999» не помещается в double"},
        DamageRow{"JustOverAMillion",
                  [] { return WithLine(GoodSamples(), 3, "-1000000.0000000001"); },
                  "Строка 3: число «-1000000.0000000001» " + BeyondAMillion},
        DamageRow{"NearTheEndOfDoubles", [] { return WithLine(GoodSamples(), 512, "1e300"); },
                  "Строка 512: число «1e300» " + BeyondAMillion},
        DamageRow{"CoefficientOverAMillion",
                  [] { return WithLine(GoodCoefficients(), 34, "32 0 2e6"); },
                  "Строка 34: число «2e6» " + BeyondAMillion},
        DamageRow{"Junk", [] { return WithLine(GoodSamples(), 10, "abc"); },
                  "Строка 10: «abc» — не число"},
        DamageRow{"JunkAfterANumber", [] { return WithLine(GoodSamples(), 11, "1.5x"); },
                  "Строка 11: «1.5x» — не число"},
        DamageRow{"DecimalComma", [] { return WithLine(GoodSamples(), 12, "1,5"); },
                  "Строка 12: «1,5» — не число"},
        DamageRow{"LeadingBlank", [] { return WithLine(GoodSamples(), 13, " 1"); },
                  "Строка 13: « 1» — не число"},
        DamageRow{"PlusSign", [] { return WithLine(GoodSamples(), 14, "+1"); },
                  "Строка 14: «+1» — не число"},
        DamageRow{"BlankLine", [] { return WithLine(GoodSamples(), 15, ""); },
                  "Строка 15: пусто там, где должно быть число"},
        DamageRow{"ControlBytesAreNotQuoted",
                  [] { return WithLine(GoodSamples(), 16, std::string("1\0\x1b[2J", 6)); },
                  "Строка 16: «1??[2J» — не число"},
        DamageRow{"LongJunkIsCut",
                  [] { return WithLine(GoodSamples(), 17, std::string(100, 'z')); },
                  "Строка 17: «" + std::string(24, 'z') + "…» — не число"},
        DamageRow{"CoefficientOutOfOrder", [] { return WithLine(GoodCoefficients(), 5, "4 0 0"); },
                  "Строка 5: ожидается «3 a_3 b_3»: номер 3 и два числа через пробел"},
        DamageRow{"CoefficientWithoutSine", [] { return WithLine(GoodCoefficients(), 6, "4 0"); },
                  "Строка 6: ожидается «4 a_4 b_4»: номер 4 и два числа через пробел"},
        DamageRow{"MeanWithASine", [] { return WithLine(GoodCoefficients(), 2, "0 0 0"); },
                  "Строка 2: ожидается «0 a_0»: номер 0 и одно число"},
        DamageRow{"CoefficientNaN", [] { return WithLine(GoodCoefficients(), 4, "2 0 nan"); },
                  "Строка 4: «nan» — не конечное число"},
        DamageRow{"CoefficientsMissing", [] { return FirstLines(GoodCoefficients(), 21); },
                  "В файле коэффициенты только гармоник 0..19, а должны быть 0..32"},
        DamageRow{"NoCoefficients", [] { return std::string("fourier coefficients 1\n"); },
                  "В файле нет ни одного коэффициента"},
        DamageRow{"ExtraHarmonic", [] { return GoodCoefficients() + "33 0 0\n"; },
                  "Строка 35: лишние данные после гармоники 32"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
