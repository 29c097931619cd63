// Operations on the signal against closed forms and direct sums in long double: a shift turns
// phi_k by k*tau, time reversal mirrors the phases, the rectified sine has its textbook series,
// only-odd and only-even split a sawtooth's series, and parameters hold at their boundaries.
#include "SignalOperations.h"

#include "SeriesOracle.h"
#include "Utf8.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <limits>
#include <random>
#include <set>

namespace {

using namespace Fourier;
using K = TOperationKind;
using SeriesOracle::DirectSeries;
using SeriesOracle::Pi;
using SeriesOracle::Real;

template <class Value> TSamples Sampled(Value value) {
    TSamples s;
    for (int j = 0; j < 512; ++j)
        s[j] = value(j);
    return s;
}
const TSamples Square = SeriesOracle::Waveform(1, 0);
const TSamples Sine = Sampled([](int j) { return std::sin(SeriesOracle::GridX(j)); });
const TSamples Saw = Sampled([](int j) { return j / 256.0 - 1; }); // x_j / pi
// Every line of the spectrum present, the Nyquist line included.
const TSamples Noise = [] {
    std::mt19937 generator(2024);
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    return Sampled([&](int) { return value(generator); });
}();

TSamples Apply(const TSamples& s, K kind, double parameter = 0.0) {
    return ApplyOperation(s, {kind, parameter});
}

// f(x - tau), tau = 2 pi t: a_k + i b_k turns by k tau, the mean stays, and the Nyquist line
// keeps what the grid holds of cos 256(x - tau), its cos 256tau part; all to the transform's
// round trip.
TEST(TimeShift, KeepsEveryAmplitudeAndTurnsPhiKByKTau) {
    const std::pair<TSamples, double> rows[] = {{Square, 0.25},
                                                {Square, -1.0 / 3},
                                                {SeriesOracle::Waveform(2, 0), 0.123456},
                                                {SeriesOracle::Waveform(7, 5), 2.75},
                                                {Noise, 1.0 / 1024},
                                                {Noise, -0.4}};
    for (const auto& [samples, periods] : rows) {
        const auto was = DirectSeries(samples);
        const auto now = DirectSeries(Apply(samples, K::TimeShift, periods));
        EXPECT_NEAR(now.A[0], was.A[0], 1e-12L) << periods;
        for (int k = 1; k < 256; ++k) {
            const std::complex<Real> turned =
                std::complex<Real>(was.A[k], was.B[k]) *
                std::polar(1.0L, 2 * Pi * std::fmod(k * periods, 1.0L));
            EXPECT_NEAR(now.A[k], turned.real(), 1e-12L) << periods << " a_" << k;
            EXPECT_NEAR(now.B[k], turned.imag(), 1e-12L) << periods << " b_" << k;
        }
        EXPECT_NEAR(now.A[256], was.A[256] * std::cos(2 * Pi * 256 * periods), 1e-12L);
    }
}

// Moved by m grid steps (t = m/512) the samples only rotate, to the transform's round trip
// (some 3e-13 here); by whole periods they stay bit for bit.
TEST(TimeShift, OnTheGridRotatesTheSamples) {
    for (const int m : {1, -1, 32, 256, 511, 700}) {
        const TSamples moved = Apply(Noise, K::TimeShift, m / 512.0);
        for (int j = 0; j < 512; ++j)
            ASSERT_NEAR(moved[j], Noise[((j - m) % 512 + 512) % 512], 1e-12) << m << ", " << j;
    }
    for (const double periods : {0.0, 1.0, -3.0})
        EXPECT_EQ(Apply(Noise, K::TimeShift, periods), Noise) << periods;
}

TEST(TimeReversal, MirrorsTheSamplesAndTurnsPhiKToMinusPhiK) {
    const TSamples reversed = Apply(Noise, K::TimeReversal);
    for (int j = 0; j < 512; ++j)
        ASSERT_EQ(reversed[j], Noise[(512 - j) % 512]) << j;
    const auto was = DirectSeries(Noise), now = DirectSeries(reversed);
    for (int k = 0; k <= 256; ++k) {
        EXPECT_NEAR(now.A[k], was.A[k], 1e-14L) << k;
        EXPECT_NEAR(now.B[k], -was.B[k], 1e-14L) << k;
    }
}

// |sin x| = 2/pi - (4/pi) sum cos 2kx/(4k^2 - 1), and max(sin x, 0) = (sin x + |sin x|)/2. The
// 512 samples fold line 512 - n onto line n: |a_{512-n}| = (4/pi)/((512 - n)^2 - 1) is 5e-6 for
// n <= 32, and all the folded lines together stay below 2e-5; hence 2.5e-5 for k <= 16.
TEST(Rectification, SineHasTheTextbookSeries) {
    const auto full = DirectSeries(Apply(Sine, K::FullWave));
    const auto half = DirectSeries(Apply(Sine, K::HalfWave));
    EXPECT_NEAR(full.A[0] / 2, 2 / Pi, 2.5e-5L);
    EXPECT_NEAR(half.A[0] / 2, 1 / Pi, 2.5e-5L);
    for (int n = 1; n <= 32; ++n) {
        const Real cosine = n % 2 ? 0 : -4 / Pi / (Real(n) * n - 1);
        EXPECT_NEAR(full.A[n], cosine, 2.5e-5L) << n;
        EXPECT_NEAR(half.A[n], cosine / 2, 2.5e-5L) << n;
        EXPECT_NEAR(full.B[n], 0.0L, 1e-14L) << n;
        EXPECT_NEAR(half.B[n], n == 1 ? 0.5L : 0.0L, 1e-14L) << n;
    }
}

// Only-odd and only-even of a sawtooth are its odd and even harmonics summed directly.
TEST(HarmonicParity, SplitsTheSawtoothsSeries) {
    const auto series = DirectSeries(Saw);
    const TSamples odd = Apply(Saw, K::OddHarmonics), even = Apply(Saw, K::EvenHarmonics);
    for (int j = 0; j < 512; ++j) {
        Real oddSum = 0, evenSum = series.A[0] / 2 + series.A[256] * SeriesOracle::GridCos(256, j);
        for (int k = 1; k < 256; ++k)
            (k % 2 ? oddSum : evenSum) += series.A[k] * SeriesOracle::GridCos(k, j) +
                                          series.B[k] * SeriesOracle::GridSin(k, j);
        ASSERT_NEAR(odd[j], oddSum, 1e-12L) << j;
        ASSERT_NEAR(even[j], evenSum, 1e-12L) << j;
    }
}

// Low-pass n keeps lines 0..n, high-pass n keeps n..256: the kept ones unchanged, the rest 0.
TEST(Filters, KeepTheirHarmonicsAndZeroTheOthers) {
    const auto was = DirectSeries(Noise);
    for (const int n : {0, 1, 17, 255, 256}) {
        const auto low = DirectSeries(Apply(Noise, K::LowPass, n));
        const auto high = DirectSeries(Apply(Noise, K::HighPass, n));
        for (int k = 0; k <= 256; ++k) {
            EXPECT_NEAR(low.A[k], k <= n ? was.A[k] : 0, 1e-13L) << n << " a_" << k;
            EXPECT_NEAR(low.B[k], k <= n ? was.B[k] : 0, 1e-13L) << n << " b_" << k;
            EXPECT_NEAR(high.A[k], k >= n ? was.A[k] : 0, 1e-13L) << n << " a_" << k;
            EXPECT_NEAR(high.B[k], k >= n ? was.B[k] : 0, 1e-13L) << n << " b_" << k;
        }
    }
}

TEST(SampleByValue, ClippingInversionAndConstantOnBothSidesOfTheirBounds) {
    const double c = 0.5, below = std::nextafter(c, 0.0), above = std::nextafter(c, 1.0);
    const std::vector<double> in = {below, c, above, -below, -c, -above, 7.0, 0.0};
    const std::vector<double> clipped = {below, c, c, -below, -c, -c, c, 0.0};
    TSamples s{};
    std::ranges::copy(in, s.begin());
    const TSamples out = Apply(s, K::Clipping, c);
    for (std::size_t i = 0; i < in.size(); ++i)
        EXPECT_EQ(out[i], clipped[i]) << in[i];

    s[9] = LargestMeasuredValue;
    EXPECT_EQ(Apply(s, K::Inversion)[9], -LargestMeasuredValue);
    EXPECT_EQ(Apply(s, K::Inversion)[2], -above);
    EXPECT_EQ(Apply(Apply(s, K::Inversion), K::Inversion), s);
    EXPECT_EQ(Apply(Sine, K::AddConstant, -0.5)[100], Sine[100] - 0.5);
    EXPECT_EQ(Apply(TSamples{}, K::AddConstant, -LargestMeasuredValue)[0], -LargestMeasuredValue);
    EXPECT_THROW(Apply(s, K::AddConstant, 1e135), TOperationError) << "beyond 1e150";
}

TEST(Quantisation, GivesNEvenlySpacedLevelsFromMinimumToMaximum) {
    const TSamples ramp = Sampled([](int j) { return -3 + 5.0 * j / 511; });
    for (const int n : {2, 3, 5, 600}) {
        const TSamples q = Apply(ramp, K::Quantisation, n);
        const std::set<double> levels(q.begin(), q.end());
        EXPECT_EQ(levels.size(), std::size_t(std::min(n, 512))) << n;
        EXPECT_EQ(*levels.begin(), -3.0);
        EXPECT_EQ(*levels.rbegin(), 2.0);
        const double step = 5.0 / (n - 1);
        for (int j = 0; j < 512; ++j) {
            ASSERT_LE(std::abs(q[j] - ramp[j]), step / 2 + 1e-12) << n << ", " << j;
            ASSERT_NEAR((q[j] + 3) / step, std::round((q[j] + 3) / step), 1e-9) << n << ", " << j;
        }
    }
    const TSamples constant = Sampled([](int) { return 1.25; });
    EXPECT_EQ(Apply(constant, K::Quantisation, 7), constant);
}

TEST(Parameters, AreCheckedAtTheirBoundaries) {
    constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
    const TOperation accepted[] = {{K::Clipping, 1e-300},
                                   {K::Quantisation, 2},
                                   {K::Quantisation, MostLevels},
                                   {K::LowPass, 0},
                                   {K::LowPass, 256}};
    const TOperation refused[] = {{K::Clipping, 0.0},
                                  {K::Clipping, NaN},
                                  {K::Quantisation, 1},
                                  {K::Quantisation, 2.5},
                                  {K::Quantisation, MostLevels + 1.0},
                                  {K::LowPass, -1},
                                  {K::LowPass, 257},
                                  {K::HighPass, 3.5},
                                  {K::AddConstant, NaN},
                                  {K::TimeShift, 1 / 0.0}};
    for (const TOperation& operation : accepted)
        EXPECT_NO_THROW(ApplyOperation(Sine, operation)) << operation.Parameter;
    for (const TOperation& operation : refused)
        EXPECT_THROW(ApplyOperation(Sine, operation), TOperationError) << operation.Parameter;
}

// The numbers are the closed forms rounded: 4/(3 pi) = 0.4244, 4/(15 pi) = 0.08488, 2/pi =
// 0.6366, 4/pi = 1.273.
TEST(Effect, SaysInNumbersWhatChanged) {
    const TSamples squarePlusHalf = Apply(Square, K::AddConstant, 0.5);
    const struct {
        TSamples samples;
        TOperation operation;
        std::string effect;
    } rows[] = {
        {Square, {K::TimeShift, 0.25}, "Aₖ без изменений, φₖ повёрнута на kτ (τ = 0,25 периода)"},
        {Noise,
         {K::TimeShift, -1.125},
         "Aₖ без изменений, φₖ повёрнута на kτ (τ = −1,125 периода)"},
        {Sine,
         {K::FullWave, 0},
         "A₁ 1 → 0; появились чётные гармоники: A₂ = 0,424, A₄ = 0,0849, …; среднее 0 → 0,637"},
        {Square, {K::TimeReversal, 0}, "Aₖ без изменений, φₖ → −φₖ"},
        {squarePlusHalf,
         {K::Inversion, 0},
         "Aₖ без изменений, φₖ повёрнута на π; среднее 0,5 → −0,5"},
        {Square, {K::AddConstant, 0.5}, "Aₖ и φₖ без изменений; среднее 0 → 0,5"},
        {Square, {K::LowPass, 6}, "гармоники выше 5 убраны"},
        {squarePlusHalf, {K::HighPass, 3}, "A₁ 1,27 → 0; среднее 0,5 → 0"},
        {Saw, {K::EvenHarmonics, 0}, "нечётные гармоники убраны"}};
    for (const auto& row : rows) {
        const TSamples after = ApplyOperation(row.samples, row.operation);
        EXPECT_EQ(OperationEffect(row.samples, after, row.operation), row.effect);
    }
}

TEST(Captions, NameTheSourceAndTheLatestOperations) {
    EXPECT_EQ(ChainCaption("2. Прямоугольник", {"сдвиг", "выпрямление"}),
              "2. Прямоугольник → сдвиг, выпрямление");
    std::vector<std::string> chain(30, "инверсия");
    chain.push_back("обращение времени");
    const std::string caption = ChainCaption("2. Прямоугольник", chain);
    EXPECT_TRUE(caption.starts_with("2. Прямоугольник → …, инверсия, ")) << caption;
    EXPECT_TRUE(caption.ends_with(", обращение времени")) << caption;
    const std::string cut = ChainCaption("f(x) = " + std::string(100, 'x'), {"сдвиг"});
    EXPECT_TRUE(cut.starts_with("f(x) = xxx") && cut.ends_with("x… → сдвиг")) << cut;
    for (const std::string& text : {caption, cut})
        EXPECT_LE(CharacterCount(text), std::size_t{CaptionLength}) << text;
    EXPECT_EQ(FractionText(16, 64) + " " + FractionText(-3, 64) + " " + FractionText(0, 64) + " " +
                  FractionText(-64, 64),
              "1/4 −3/64 0 −1");
}

} // namespace
