// Sampling afresh and windowed spectra, against closed forms and direct sums written here:
// where a sampled cosine's DFT peaks, the interpolant through samples of a band-limited
// signal, the windows' formulas and their side lobes' textbook levels.
#include "Sampling.h"
#include "Analysis.h"
#include "SpectralWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <random>
#include <string>
#include <vector>

using namespace Fourier;

namespace {

using Real = long double;
constexpr Real Pi = std::numbers::pi_v<Real>;

Real Time(int n, int perPeriod) {
    return -Pi + 2 * Pi * n / perPeriod;
}

// |sum_n f_n e^{−2πi mn/N}| for m = 0..N/2, in long double.
std::vector<Real> DirectDftMagnitudes(const std::vector<double>& samples) {
    const int count = static_cast<int>(samples.size());
    std::vector<Real> magnitude(count / 2 + 1);
    for (int m = 0; m <= count / 2; ++m) {
        std::complex<Real> sum = 0;
        for (int n = 0; n < count; ++n)
            sum += static_cast<Real>(samples[n]) * std::polar(Real{1}, -2 * Pi * m * n / count);
        magnitude[m] = std::abs(sum);
    }
    return magnitude;
}

TSeries Cosine(int k, double amplitude = 1.0) {
    TSeries series;
    series.A[k] = k == 0 ? 2 * amplitude : amplitude;
    return series;
}

// A cosine of harmonic k sampled at N points lands on the one DFT line its samples show, and
// that line is |k − N·round(k/N)|; the samples are those of cos kt_n.
TEST(Sampling, AHarmonicLandsWhereTheDftOfItsSamplesPeaks) {
    const struct {
        int k, n, landing;
    } rows[] = {{3, 16, 3},    {7, 16, 7},      {8, 16, 8},      {9, 16, 7},      {15, 16, 1},
                {16, 16, 0},   {17, 16, 1},     {25, 16, 7},     {7, 4, 1},       {2, 4, 2},
                {13, 10, 3},   {7, 15, 7},      {8, 15, 7},      {22, 15, 7},     {100, 64, 28},
                {255, 256, 1}, {129, 256, 127}, {255, 512, 255}, {256, 512, 256}, {256, 100, 44}};
    for (const auto& row : rows) {
        SCOPED_TRACE("k=" + std::to_string(row.k) + " N=" + std::to_string(row.n));
        const std::vector<double> samples = SampleSignal(Cosine(row.k), row.n, 1.0);
        ASSERT_EQ(samples.size(), static_cast<std::size_t>(row.n));
        for (int n = 0; n < row.n; ++n)
            ASSERT_NEAR(samples[n], static_cast<double>(std::cos(row.k * Time(n, row.n))), 1e-12);
        const std::vector<Real> dft = DirectDftMagnitudes(samples);
        const int peak = static_cast<int>(std::max_element(dft.begin(), dft.end()) - dft.begin());
        EXPECT_EQ(peak, row.landing);
        EXPECT_EQ(AliasOf(row.k, row.n), row.landing);
    }
}

// The square wave's samples (±1 on the 512-point grid) at 16 points per period: each odd
// harmonic above 8 is listed, with the amplitude of a direct DFT of the 512 samples.
TEST(Sampling, TheSquareWavesHarmonicsAboveHalfTheRateAreListedWithTheirLanding) {
    TSamples square;
    for (int j = 0; j < SampleCount; ++j)
        square[j] = j < SampleCount / 2 ? -1.0 : 1.0;
    const TSeries series = SeriesOf(AnalyseSamples(square));
    const std::vector<TAliasedHarmonic> aliased = AliasedHarmonics(series, 16);
    ASSERT_EQ(aliased.size(), (255 - 9) / 2 + 1u);
    for (std::size_t i = 0; i < aliased.size(); ++i) {
        const TAliasedHarmonic& alias = aliased[i];
        SCOPED_TRACE(alias.Harmonic);
        EXPECT_EQ(alias.Harmonic, 9 + 2 * static_cast<int>(i));
        EXPECT_LE(alias.Landing, 8);
        std::complex<Real> line = 0;
        for (int j = 0; j < SampleCount; ++j)
            line += Real{square[j]} * std::polar(Real{1}, -alias.Harmonic * Time(j, SampleCount));
        EXPECT_NEAR(alias.Amplitude, static_cast<double>(2 * std::abs(line) / SampleCount), 1e-12);
    }
    // At the full rate nothing folds; the N/2 line itself is not above N/2.
    EXPECT_TRUE(AliasedHarmonics(series, 512).empty());
    EXPECT_TRUE(AliasedHarmonics(Cosine(8), 16).empty());
    EXPECT_EQ(AliasedHarmonics(Cosine(9), 16).size(), 1u);
}

// A random series of harmonics below N/2 and, for even N, the N/2 line, sampled at N points
// and rebuilt: the same coefficients, and at any t its direct sum; of the N/2 line only the
// cosine comes back, its sine having zero samples.
TEST(Sampling, SamplesOfASignalBelowHalfTheRateRebuildIt) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> part(-1.0, 1.0);
    for (int count : {4, 5, 16, 17, 18, 64, 255, 512}) {
        SCOPED_TRACE("N=" + std::to_string(count));
        TSeries series;
        for (int k = 0; 2 * k <= count; ++k) {
            series.A[k] = part(random);
            series.B[k] = k == 0 || k == NyquistLine ? 0.0 : part(random);
        }
        const TSeries rebuilt = Interpolant(SampleSignal(series, count, 1.0));
        TSeries expected = series;
        if (count % 2 == 0) expected.B[count / 2] = 0;
        for (int k = 0; k <= NyquistLine; ++k) {
            ASSERT_NEAR(rebuilt.A[k], expected.A[k], 1e-12) << k;
            ASSERT_NEAR(rebuilt.B[k], expected.B[k], 1e-12) << k;
        }
        for (int i = 0; i < 20; ++i) {
            const double t = 4 * part(random);
            Real direct = expected.A[0] / 2.0L;
            for (int k = 1; 2 * k <= count; ++k)
                direct +=
                    expected.A[k] * std::cos(k * Real{t}) + expected.B[k] * std::sin(k * Real{t});
            EXPECT_NEAR(SignalAt(rebuilt, t), static_cast<double>(direct), 1e-11) << t;
        }
    }
    // M = round(N·P) samples, the later periods repeating the first; N and P checked.
    const std::vector<double> window = SampleSignal(Cosine(3), 10, 2.35);
    ASSERT_EQ(window.size(), 24u);
    for (int n = 0; n < 24; ++n)
        EXPECT_NEAR(window[n], static_cast<double>(std::cos(3 * Time(n, 10))), 1e-12);
    EXPECT_THROW(ExcerptLength(3, 1.0), std::invalid_argument);
    EXPECT_THROW(ExcerptLength(16, 4.05), std::invalid_argument);
}

struct TWindowRow {
    const char* name;
    TWindowKind kind;
    double (*formula)(int n, int length);
    double gain;          // the mean of w over its period
    double sideLobeLevel; // dB, the textbook level of the continuous window
};

const TWindowRow Windows[] = {
    {"rectangular", TWindowKind::Rectangular, [](int, int) { return 1.0; }, 1.0, -13.26},
    {"Hann", TWindowKind::Hann,
     [](int n, int m) { return std::pow(std::sin(std::numbers::pi * n / m), 2); }, 0.5, -31.47},
    {"Hamming", TWindowKind::Hamming,
     [](int n, int m) { return 0.54 - 0.46 * std::cos(2 * std::numbers::pi * n / m); }, 0.54,
     -42.68},
    {"Blackman", TWindowKind::Blackman,
     [](int n, int m) {
         const double x = 2 * std::numbers::pi * n / m;
         return 0.42 - 0.5 * std::cos(x) + 0.08 * std::cos(2 * x);
     },
     0.42, -58.11},
};

TEST(SpectralWindow, ShapesAreTheirFormulasAndTheGainIsTheirMean) {
    for (const TWindowRow& row : Windows)
        for (int length : {4, 7, 64, 2048}) {
            SCOPED_TRACE(std::string(row.name) + " M=" + std::to_string(length));
            const std::vector<double> window = WindowShape(row.kind, length);
            ASSERT_EQ(window.size(), static_cast<std::size_t>(length));
            for (int n = 0; n < length; ++n)
                ASSERT_NEAR(window[n], row.formula(n, length), 1e-15) << n;
            EXPECT_NEAR(CoherentGain(window), row.gain, 1e-15);
        }
}

// A tone half-way between two bins (2048 samples, bins a quarter harmonic apart), its
// spectrum on a fine grid around it: the largest peak beyond the main lobe's first minima,
// below the main lobe's top, is the window's textbook side lobe level.
TEST(SpectralWindow, ATonesHighestSideLobeIsTheWindowsKnownLevel) {
    const int perPeriod = 512;
    const double periods = 4, tone = 100.125, bin = 1 / periods;
    std::vector<double> samples(static_cast<std::size_t>(perPeriod * periods));
    for (std::size_t n = 0; n < samples.size(); ++n)
        samples[n] =
            0.8 * static_cast<double>(std::cos(tone * Time(static_cast<int>(n), perPeriod) + 0.3L));
    const int pointsPerBin = 64;
    const TFrequencyGrid grid{tone - 12 * bin, tone + 12 * bin, 24 * pointsPerBin + 1};
    for (const TWindowRow& row : Windows) {
        SCOPED_TRACE(row.name);
        const std::vector<double> amplitude = ExcerptSpectrum(samples, perPeriod, row.kind, grid);
        const int top = 12 * pointsPerBin;
        ASSERT_EQ(std::max_element(amplitude.begin(), amplitude.end()) - amplitude.begin(), top);
        int left = top, right = top;
        while (amplitude[left - 1] < amplitude[left])
            --left;
        while (amplitude[right + 1] < amplitude[right])
            ++right;
        const double sideLobe =
            std::max(*std::max_element(amplitude.begin(), amplitude.begin() + left),
                     *std::max_element(amplitude.begin() + right, amplitude.end()));
        EXPECT_NEAR(20 * std::log10(sideLobe / amplitude[top]), row.sideLobeLevel, 0.5);
        const TLeakage leakage = WindowLeakage(row.kind, 2048);
        ASSERT_TRUE(leakage.HighestSideLobe.has_value());
        EXPECT_NEAR(*leakage.HighestSideLobe, row.sideLobeLevel, 0.5);
        EXPECT_EQ(leakage.Decibels.front(), 0.0);
    }
}

// A cos(kt − φ) at whole k over a window of whole bins reads A at nu = k with every window:
// periodic windows leak nothing onto other whole bins beyond their first two, and the mirror
// image at −k lies farther. A constant reads itself at 0, the N/2 line's cosine at N/2.
TEST(SpectralWindow, AToneAtAWholeHarmonicReadsItsAmplitudeWithEveryWindow) {
    const struct {
        int perPeriod;
        double periods;
        int k;
    } rows[] = {{16, 1.0, 3}, {16, 1.0, 5},  {16, 2.0, 1},    {16, 2.0, 6},
                {20, 2.5, 2}, {64, 3.0, 17}, {512, 4.0, 200}, {512, 1.0, 253}};
    for (const TWindowRow& window : Windows)
        for (const auto& row : rows) {
            SCOPED_TRACE(std::string(window.name) + " N=" + std::to_string(row.perPeriod) +
                         " P=" + std::to_string(row.periods) + " k=" + std::to_string(row.k));
            TSeries series;
            series.A[row.k] = 1.7 * std::cos(0.4);
            series.B[row.k] = 1.7 * std::sin(0.4);
            const std::vector<double> excerpt = SampleSignal(series, row.perPeriod, row.periods);
            const TFrequencyGrid at{double(row.k), double(row.k), 1};
            EXPECT_NEAR(ExcerptSpectrum(excerpt, row.perPeriod, window.kind, at)[0], 1.7, 1e-11);
        }
    for (const TWindowRow& window : Windows) {
        TSeries edges; // −0.6 + 0.9 cos 8t
        edges.A[0] = 2 * -0.6;
        edges.A[8] = 0.9;
        const std::vector<double> spectrum =
            ExcerptSpectrum(SampleSignal(edges, 16, 3.0), 16, window.kind, ExcerptGrid(16, 48));
        EXPECT_NEAR(spectrum.front(), 0.6, 1e-12) << window.name;
        EXPECT_NEAR(spectrum.back(), 0.9, 1e-12) << window.name;
    }
}

} // namespace
