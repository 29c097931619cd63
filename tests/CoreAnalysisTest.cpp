// The analysis core without a window: every waveform's spectrum against a direct sum over
// samples written from the waveform's definition, the spectrum's range, the plot layout
// rules and the number texts.
#include "Analysis.h"
#include "FormulaSampleMemo.h"
#include "NumberText.h"
#include "PlotLayout.h"
#include "SpectrumRange.h"
#include "WaveformOracle.h"
#include "Waveforms.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numbers>
#include <string>
#include <utility>

using namespace Fourier;
using namespace WaveformOracle;

namespace {

struct WaveformRow {
    const char* name;
    int item;
    TPositions bars;
};

// Each waveform at the ends and the middle of its parameter ranges.
const WaveformRow WaveformRows[] = {
    {"sine_1", 0, {1, 0, 0}},      {"sine_24", 0, {24, 0, 0}},    {"square", 1, {}},
    {"triangle", 2, {}},           {"trapezoid_1", 3, {1, 0, 0}}, {"trapezoid_31", 3, {31, 0, 0}},
    {"delta_1", 4, {1, 0, 0}},     {"delta_15", 4, {15, 0, 0}},   {"beats_1_1", 5, {0, 1, 1}},
    {"beats_16_4", 5, {0, 16, 4}}, {"am_8_1_1", 6, {8, 1, 1}},    {"am_24_16_8", 6, {24, 16, 8}},
    {"pulse_1", 7, {1, 0, 0}},     {"pulse_31", 7, {31, 0, 0}},
};

TEST(CoreAnalysis, EveryWaveformsSpectrumMatchesADirectSum) {
    for (const WaveformRow& row : WaveformRows) {
        SCOPED_TRACE(row.name);
        const TAnalysis analysis = AnalyseWaveform(Waveforms()[row.item], row.bars);
        const auto samples =
            CatalogueSamples(row.item, row.bars.Bar1, row.bars.Bar2, row.bars.Bar3);
        double peak = 0, scale = 1;
        for (int j = 0; j < SampleCount; ++j) {
            EXPECT_NEAR(analysis.Samples[j], samples[j], 1e-15 * (1 + std::abs(samples[j]))) << j;
            peak = std::max(peak, std::abs(samples[j]));
            scale += std::abs(samples[j]) / std::sqrt(512.0);
        }
        EXPECT_EQ(analysis.Status, 0);
        EXPECT_NEAR(analysis.Peak, peak, 1e-15 * peak);
        for (int k = 0; k <= NyquistLine; ++k) {
            long double re, im;
            DirectSpectrum(samples, k, re, im);
            EXPECT_NEAR(analysis.Re[k], static_cast<double>(re), 1e-12 * scale) << "k=" << k;
            EXPECT_NEAR(analysis.Im[k], static_cast<double>(im), 1e-12 * scale) << "k=" << k;
        }
    }
}

struct TBarRange {
    bool shown = false;
    int min = 0, max = 0, page = 0;
    bool operator==(const TBarRange&) const = default;
};

// The eight items of the waveform list and the track bars each one shows, with their
// ranges and page sizes, as the main window documents them.
struct ListRow {
    const char* name;
    TBarRange bars[3];
};
const ListRow ListRows[] = {
    {"1. Синус", {{true, 1, 24, 4}, {}, {}}},
    {"2. Прямоугольник", {{}, {}, {}}},
    {"3. Треугольник", {{}, {}, {}}},
    {"4. Трапеция", {{true, 1, 31, 4}, {}, {}}},
    {"5. Дельта-функция", {{true, 1, 15, 4}, {}, {}}},
    {"6. Биения", {{}, {true, 1, 16, 4}, {true, 1, 4, 1}}},
    {"7. Амплитудная Модуляция", {{true, 8, 24, 4}, {true, 1, 16, 4}, {true, 1, 8, 2}}},
    {"8. Прямоугольный импульс", {{true, 1, 31, 4}, {}, {}}},
};

// Each waveform's set-up applied over the reset the window does before it: every bar
// hidden, TrackBar1 at 1..31, TrackBar2 at 1..16 (never changed elsewhere), TrackBar3 at
// 1..16 with page 4.
TEST(CoreWaveforms, SetUpGivesTheDocumentedSliderRanges) {
    ASSERT_EQ(Waveforms().size(), std::size(ListRows));
    for (std::size_t item = 0; item < std::size(ListRows); ++item) {
        const ListRow& row = ListRows[item];
        SCOPED_TRACE(row.name);
        const TWaveform& waveform = Waveforms()[item];
        EXPECT_STREQ(waveform.Name, row.name);
        TBarRange bars[3] = {{false, 1, 31, 4}, {false, 1, 16, 4}, {false, 1, 16, 4}};
        for (const TSetupStep& step : waveform.Setup) {
            if (step.Kind == TSetupStep::skLastHarmonic) continue;
            ASSERT_GE(step.Bar, 1);
            ASSERT_LE(step.Bar, 3);
            TBarRange& bar = bars[step.Bar - 1];
            if (step.Kind == TSetupStep::skMax) bar.max = step.Value;
            if (step.Kind == TSetupStep::skMin) bar.min = step.Value;
            if (step.Kind == TSetupStep::skPageSize) bar.page = step.Value;
            if (step.Kind == TSetupStep::skShowBar) bar.shown = true;
        }
        for (int b = 0; b < 3; ++b) {
            if (!row.bars[b].shown) {
                EXPECT_FALSE(bars[b].shown) << "TrackBar" << b + 1;
                continue;
            }
            EXPECT_EQ(bars[b], row.bars[b]) << "TrackBar" << b + 1 << ": " << bars[b].min << ".."
                                            << bars[b].max << ", page " << bars[b].page;
        }
    }
}

TEST(CoreWaveforms, ListIndexFindsAWaveformOnlyWithinTheEightItems) {
    const std::pair<int, const char*> rows[] = {
        {-1, nullptr}, {0, "1. Синус"}, {7, "8. Прямоугольный импульс"}, {8, nullptr}};
    for (const auto& [index, name] : rows) {
        SCOPED_TRACE(index);
        const TWaveform* waveform = WaveformAt(index);
        if (name == nullptr) {
            EXPECT_EQ(waveform, nullptr);
            continue;
        }
        ASSERT_NE(waveform, nullptr);
        EXPECT_STREQ(waveform->Name, name);
    }
}

TEST(CoreAnalysis, CoefficientScaleTurnsLinesIntoFourierWeights) {
    // 3 + 2 cos 5x - 0.5 sin 7x: the lines are the weights times sqrt(512)/2 (the mean
    // times sqrt(512)).
    TSamples samples;
    for (int j = 0; j < SampleCount; ++j) {
        const double x = GridX(j);
        samples[j] = 3 + 2 * std::cos(5 * x) - 0.5 * std::sin(7 * x);
    }
    const TAnalysis analysis = AnalyseSamples(samples);
    EXPECT_NEAR(analysis.Re[0] / std::sqrt(512.0), 3, 1e-13);
    EXPECT_NEAR(analysis.Re[5] / CoefficientScale(), 2, 1e-13);
    EXPECT_NEAR(analysis.Im[7] / CoefficientScale(), -0.5, 1e-13);
    EXPECT_NEAR(analysis.Im[5], 0, 1e-11);
}

TEST(CoreAnalysis, FormulaWaveformsWriteTheirNumbersWithTheGivenSeparator) {
    const TPositions bars{16, 3, 4};
    EXPECT_EQ(Waveforms()[5].Formula(bars, ","), "cos(20*x)+0,375*cos(12*x)");
    EXPECT_EQ(Waveforms()[6].Formula(bars, "."), "cos(16*x)*(1+0.1125*cos(4*x))");
    EXPECT_EQ(Waveforms()[0].Formula(bars, ","), "sin(16*x)");
    EXPECT_EQ(Waveforms()[1].Formula, nullptr);
}

TEST(CoreAnalysis, SpectrumRangeTakesTheLargerPeak) {
    TLines re{}, im{};
    re[0] = 1;
    re[3] = -4;
    im[31] = 6;  // harmonic 31 is the last one counted
    im[32] = 50; // harmonic 32 is outside the picture
    TSpectrumRange range = SpectrumRange(re, im, 2, false);
    EXPECT_EQ(range.Top, 6);
    EXPECT_EQ(range.Bottom, -4);
    EXPECT_EQ(range.P, 6);
    EXPECT_EQ(SpectrumRange(re, im, 7.5, false).P, 7.5);
    // Waveforms that peak where their cosine parts add up take their sum: 1 - 4.
    range = SpectrumRange(re, im, -10, true);
    EXPECT_EQ(range.P, -3);
}

TEST(CoreAnalysis, PlotLayoutPlacesAxesByTheRange) {
    EXPECT_EQ(GraphAxisColumn(579, 3.14, -3.14), 290); // 289.5 rounds to even
    EXPECT_EQ(GraphAxisColumn(579, 6, 1), 25);
    EXPECT_EQ(GraphAxisColumn(579, -1, -6), 574);
    EXPECT_EQ(GraphAxisRow(231, 1, -1), 115); // 231 - round(115.5)
    EXPECT_EQ(GraphAxisRow(231, 1, 0), 216);
    EXPECT_EQ(GraphAxisRow(231, 0, -1), 5);
    EXPECT_EQ(SpectrumStep(319), 9);
    EXPECT_EQ(SpectrumBaseline(185, 1, -1), 93);     // centred: 185 - round(92.5)
    EXPECT_EQ(SpectrumBaseline(185, 1, -0.05), 165); // small negative parts stay at the bottom
    EXPECT_EQ(SpectrumBaseline(185, 0.001, -1), 30); // a baseline at the top moves down
}

// The memo gives what evaluating the formula gives, for every input changed in turn; it
// evaluates once per setting while the setting is among the last 32 asked for, and never
// keeps a formula that failed.
TEST(CoreFormulaSampleMemo, EvaluatesEachSettingOnceAndFollowsEveryInput) {
    constexpr double Pi = std::numbers::pi;
    struct Row {
        const char* name;
        std::string text;
        double a, b;
        double (*f)(double);
        std::size_t evaluations; // in all, after this row
    };
    const Row rows[] = {
        {"first", "sin(x)", -Pi, Pi, [](double x) { return std::sin(x); }, 1},
        {"same again", "sin(x)", -Pi, Pi, [](double x) { return std::sin(x); }, 1},
        {"text", "sin(2*x)", -Pi, Pi, [](double x) { return std::sin(2 * x); }, 2},
        {"lower end", "sin(x)", -Pi / 2, Pi, [](double x) { return std::sin(x); }, 3},
        {"upper end", "sin(x)", -Pi, 2 * Pi, [](double x) { return std::sin(x); }, 4},
        {"first setting, kept", "sin(x)", -Pi, Pi, [](double x) { return std::sin(x); }, 4},
        {"negative zero is a range of its own", "x", -0.0, 1, [](double x) { return x; }, 5},
        {"and zero another", "x", 0.0, 1, [](double x) { return x; }, 6},
    };
    Fourier::TFormulaSampleMemo memo;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Fourier::TSamples& values = memo.Samples(row.text, row.a, row.b);
        const double d = (row.b - row.a) / 512;
        for (int i = 0; i < 512; i += 37)
            EXPECT_NEAR(values[i], row.f(row.a + i * d), 1e-12) << "x_" << i;
        EXPECT_EQ(memo.Evaluations(), row.evaluations);
    }

    // 32 other settings push the oldest out; the newest stay.
    for (int k = 1; k <= 32; ++k)
        memo.Samples("x*" + std::to_string(k), -Pi, Pi);
    const std::size_t filled = memo.Evaluations();
    memo.Samples("x*32", -Pi, Pi);
    memo.Samples("x*1", -Pi, Pi);
    EXPECT_EQ(memo.Evaluations(), filled) << "the last 32 are remembered";
    memo.Samples("x", 0.0, 1); // the last of the rows above, now the 33rd last
    EXPECT_EQ(memo.Evaluations(), filled + 1) << "the 33rd last is evaluated again";

    for (int attempt = 1; attempt <= 2; ++attempt) {
        EXPECT_THROW(memo.Samples("ln(x)", -Pi, Pi), std::exception) << "attempt " << attempt;
        EXPECT_EQ(memo.Evaluations(), filled + 1 + attempt);
    }
}

TEST(CoreNumberText, GeneralFormatUsesTheGivenSeparatorAndWideExponents) {
    struct Row {
        double value;
        int precision;
        const char* separator;
        const char* text;
    } rows[] = {
        {11.313708498984761, 12, ",", "11,313708499"},
        {-0.1125, 8, ".", "-0.1125"},
        {1.5e20, 12, ",", "1,5E+020"},
        {2.5e-7, 12, ".", "2.5E-007"},
        {1e100, 5, ".", "1E+100"},
        {-0.0, 12, ",", "0"},
        {24, 5, ",", "24"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(FormatGeneral(row.value, row.precision, row.separator), row.text) << row.text;
}

TEST(CoreNumberText, UnreadableTextsFallBackToTheirDigits) {
    struct Row {
        const char* text;
        double value;
    } rows[] = {{"6.28", 6.28}, {"-1.5", -1.5}, {"6.28 ", 628}, {"1,5", 1},    {"x", 0},
                {"E5", 0},      {".", 0},       {"1e-400", 0},  {"5.E3", 5000}};
    for (const Row& row : rows)
        EXPECT_EQ(ReadEditNumber(row.text), row.value) << row.text;
}

} // namespace
