// What a screen reader hears: jumps found where the samples jump, and the numbers of the
// summaries against direct sums written here and the closed forms of the square wave.
#include "SpokenSummary.h"
#include "Convergence.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

using namespace Fourier;

namespace {

constexpr double Pi = std::numbers::pi;

TSamples Sampled(const std::function<double(double)>& f, double a = -Pi, double b = Pi) {
    TSamples samples{};
    for (int j = 0; j < SampleCount; ++j)
        samples[j] = f(a + j * (b - a) / SampleCount);
    return samples;
}

double Sign(double x) {
    return x > 0 ? 1.0 : x < 0 ? -1.0 : 0.0;
}

// The catalogue's square wave: −1 on x < 0, 1 from x = 0 on.
double Square(double x) {
    return x < 0 ? -1.0 : 1.0;
}

TRun RunOf(const TSamples& samples, const char* name) {
    TRun run;
    run.Analysis = AnalyseSamples(samples);
    run.WaveformName = name;
    return run;
}

// The direct DFT of the samples on the grid: a_k, b_k as (1/256) sum f cos kx, sin kx.
struct TDirect {
    double A, B;
};
TDirect DirectCoefficients(const TSamples& samples, int k) {
    long double a = 0, b = 0;
    for (int j = 0; j < SampleCount; ++j) {
        const long double x = -Pi + j * Pi / 256;
        a += samples[j] * std::cos(k * x);
        b += samples[j] * std::sin(k * x);
    }
    return {static_cast<double>(a / 256), static_cast<double>(b / 256)};
}

// sqrt(mean (f - S_k)^2) with S_k summed directly from the direct coefficients.
double DirectRmsError(const TSamples& samples, int k) {
    double mean = 0;
    for (const double v : samples)
        mean += v / SampleCount;
    double squares = 0;
    for (int j = 0; j < SampleCount; ++j) {
        const double x = -Pi + j * Pi / 256;
        double sum = mean;
        for (int i = 1; i <= k; ++i) {
            const TDirect c = DirectCoefficients(samples, i);
            sum += c.A * std::cos(i * x) + c.B * std::sin(i * x);
        }
        squares += (samples[j] - sum) * (samples[j] - sum);
    }
    return std::sqrt(squares / SampleCount);
}

// The number after `label` in `text`, read with "," as the separator.
double NumberAfter(const std::string& text, const std::string& label) {
    const std::size_t at = text.find(label);
    EXPECT_NE(at, std::string::npos) << label << " in " << text;
    if (at == std::string::npos) return NAN;
    std::string digits;
    for (std::size_t i = at + label.size(); i < text.size(); ++i) {
        const char c = text[i];
        if ((c >= '0' && c <= '9') || c == ',')
            digits += c == ',' ? '.' : c;
        else
            break;
    }
    return std::stod(digits);
}

struct JumpRow {
    const char* name;
    std::function<double(double)> f;
    double a, b;
    std::vector<double> expected; // x of the jumps, increasing
};

TEST(SpokenSummary, JumpsLieWhereTheSamplesJumpAndNowhereElse) {
    const double step = 2 * Pi / SampleCount;
    const JumpRow rows[] = {
        // Up at the first sample of 1, x = 0; down round the period's end.
        {"square", Square, -Pi, Pi, {0.0, Pi}},
        // sign x: up through the sample 0 at x = 0, which is where the jump is.
        {"sign", Sign, -Pi, Pi, {0.0, Pi}},
        {"sawtooth", [](double x) { return x / Pi; }, -Pi, Pi, {Pi}},
        {"sine", [](double x) { return std::sin(x); }, -Pi, Pi, {}},
        {"steep sine", [](double x) { return std::sin(40 * x); }, -Pi, Pi, {}},
        {"triangle", [](double x) { return 1 - 2 * std::abs(x) / Pi; }, -Pi, Pi, {}},
        {"constant", [](double) { return 0.7; }, -Pi, Pi, {}},
        // Samples 100..199 high: up at sample 100, down at sample 200.
        {"pulse",
         [step](double x) { return x >= -Pi + 99.5 * step && x < -Pi + 199.5 * step ? 2.0 : 0.0; },
         -Pi,
         Pi,
         {-Pi + 100 * step, -Pi + 200 * step}},
        {"square on [0, 10)", [](double x) { return x < 5 ? 1.0 : -1.0; }, 0, 10, {5, 10}},
    };
    for (const JumpRow& row : rows) {
        SCOPED_TRACE(row.name);
        const std::vector<double> jumps = JumpPositions(Sampled(row.f, row.a, row.b), row.a, row.b);
        ASSERT_EQ(jumps.size(), row.expected.size());
        for (std::size_t i = 0; i < jumps.size(); ++i)
            EXPECT_NEAR(jumps[i], row.expected[i], 1e-12);
    }
}

TEST(SpokenSummary, SquareWaveSynthesisedToFiveSaysItsErrorAndJumps) {
    const TSamples square = Sampled(Square);
    TRun run = RunOf(square, "2. Прямоугольник");
    run.Harmonic = 5;
    run.Synthesised = true;
    const double closedForm = std::sqrt(1 - 8 / (Pi * Pi) * (1 + 1.0 / 9 + 1.0 / 25));
    const double direct = DirectRmsError(square, 5);
    EXPECT_NEAR(direct, closedForm, 2e-3); // the grid's coefficients alias a little

    EXPECT_EQ(RunStatus(run, ","), "Синтез до гармоники 5: ошибка 0,259");
    const std::string graph = GraphSummary(run, -Pi, Pi, ",");
    EXPECT_NE(graph.find("«2. Прямоугольник»"), std::string::npos) << graph;
    EXPECT_NE(graph.find("пик 1,"), std::string::npos) << graph;
    EXPECT_NE(graph.find("скачки при x = 0 и x = 3,14"), std::string::npos) << graph;
    EXPECT_NE(graph.find("сумма гармоник 1…5"), std::string::npos) << graph;
    EXPECT_NE(graph.find("синусная"), std::string::npos) << graph;
    EXPECT_NEAR(NumberAfter(graph, "(СКО f − S₅) "), direct, 5e-4);

    run.Synthesised = false;
    EXPECT_EQ(RunStatus(run, ","), "Анализ: 2. Прямоугольник, пик 1");
    EXPECT_EQ(GraphSummary(run, -Pi, Pi, ",").find("Синтез"), std::string::npos);
}

TEST(SpokenSummary, SpectrumNamesTheStrongestHarmonicsStrongestFirst) {
    const TSamples square = Sampled(Square);
    const TAnalysis analysis = AnalyseSamples(square);
    EXPECT_EQ(StrongestHarmonics(analysis, 32), (std::vector<int>{1, 3, 5, 7, 9}));
    const std::string text = SpectrumSummary(analysis, 32, ",");
    for (const int k : {1, 3, 5, 7, 9}) {
        const TDirect c = DirectCoefficients(square, k);
        const std::string sub = k == 1 ? "₁" : k == 3 ? "₃" : k == 5 ? "₅" : k == 7 ? "₇" : "₉";
        const double amplitude = NumberAfter(text, "A" + sub + " = ");
        EXPECT_NEAR(amplitude, std::hypot(c.A, c.B), 0.005 * amplitude) << text;
        EXPECT_NEAR(NumberAfter(text, "φ" + sub + " = "), std::atan2(c.B, c.A), 0.005) << text;
    }
    EXPECT_NEAR(NumberAfter(text, "A₁ = "), 4 / Pi, 0.01);

    // Fewer than five harmonics: only they; none at all: the spectrum is empty.
    const TAnalysis two = AnalyseSamples(
        Sampled([](double x) { return 0.5 * std::cos(3 * x) + 2 * std::sin(7 * x); }));
    EXPECT_EQ(StrongestHarmonics(two, 32), (std::vector<int>{7, 3}));
    EXPECT_EQ(StrongestHarmonics(two, 7), (std::vector<int>{3})) << "harmonics 0..6 only";
    EXPECT_TRUE(StrongestHarmonics(AnalyseSamples(TSamples{}), 32).empty());
    EXPECT_EQ(SpectrumSummary(AnalyseSamples(TSamples{}), 32, ","),
              "Спектр пуст: все гармоники равны нулю");
}

TEST(SpokenSummary, SpectrumRowsHoldEachHarmonicsPartsAmplitudeAndPhase) {
    const TSamples signal =
        Sampled([](double x) { return 0.25 + std::cos(2 * x - 0.7) - 0.5 * std::sin(5 * x); });
    const std::vector<TSpectrumRow> rows = SpectrumRows(AnalyseSamples(signal), 32, ",");
    ASSERT_EQ(rows.size(), 32u);
    EXPECT_EQ(rows[0][0], "0");
    EXPECT_EQ(rows[0][3], "0,25");       // A_0, the mean
    EXPECT_EQ(rows[2][3], "1");          // A_2
    EXPECT_EQ(rows[2][4], "0,7");        // phi_2
    EXPECT_EQ(rows[5][2], "\u22120,5");  // b_5
    EXPECT_EQ(rows[5][4], "\u22121,57"); // phi_5 = -pi/2
    EXPECT_EQ(rows[4][3], "0");          // rounding noise
    EXPECT_EQ(rows[4][4], "—");          // its phase means nothing
}

TEST(SpokenSummary, ConvergenceSaysErrorShareAndOvershootOnlyForJumps) {
    const TAnalysis square = AnalyseSamples(Sampled(Square));
    const TConvergence convergence = MeasureConvergence(square);
    const std::string five = ConvergenceSummary(convergence, 5, ",");
    EXPECT_NEAR(NumberAfter(five, "(СКО f − S₅) "), DirectRmsError(Sampled(Square), 5), 5e-4);
    // Parseval: the share is 1 − error² / mean square.
    const double meanSquare = 1.0;
    const double error = DirectRmsError(Sampled(Square), 5);
    EXPECT_NEAR(NumberAfter(five, "гармониках 0…5 "), 100 * (1 - error * error / meanSquare), 0.1);
    EXPECT_NE(five.find("выброс у скачка"), std::string::npos) << five;
    EXPECT_NE(ConvergenceSummary(convergence, 0, ",").find("выброса у S₀"), std::string::npos);

    const std::string sine = ConvergenceSummary(
        MeasureConvergence(AnalyseSamples(Sampled([](double x) { return std::sin(x); }))), 1, ",");
    EXPECT_NE(sine.find("скачков нет"), std::string::npos) << sine;
    EXPECT_EQ(sine.find("выброс"), std::string::npos) << sine;
}

} // namespace
