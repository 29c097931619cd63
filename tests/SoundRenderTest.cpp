// The sound of a spectrum, checked without a sound device: the rendered samples against a
// direct DFT and the catalogue's own coefficients, their range, and the steps at the joins.
#include "SoundRender.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <random>
#include <vector>

namespace {

using namespace Fourier;
using Complex = std::complex<long double>;

constexpr long double Pi = std::numbers::pi_v<long double>;

TAnalysis Analysed(const TSamples& samples) {
    return AnalyseSamples(samples);
}

TSamples SquareSamples() {
    TSamples s{};
    for (int j = 0; j < SampleCount; ++j)
        s[j] = j < 256 ? -1.0 : 1.0;
    return s;
}

TSamples TriangleSamples() {
    TSamples s{};
    for (int j = 0; j < SampleCount; ++j)
        s[j] = j < 128 ? -j / 128.0 : j < 384 ? (j - 256) / 128.0 : (511 - j) / 128.0;
    return s;
}

TSamples DeltaSamples() {
    TSamples s{};
    s[256] = 1;
    return s;
}

TSamples NoiseSamples() {
    std::mt19937 random(13);
    std::uniform_real_distribution<double> value(-3, 3);
    TSamples s{};
    for (double& v : s)
        v = value(random);
    return s;
}

// a_k - i*b_k of the samples, by the definition on the grid x_j = -pi + j*pi/256.
Complex DirectCoefficient(const TSamples& s, int k) {
    Complex sum = 0;
    for (int j = 0; j < SampleCount; ++j) {
        const int turn = (((j - 256) * k) % 512 + 512) % 512;
        sum += static_cast<long double>(s[j]) * std::polar(1.0L, -2 * Pi * turn / 512);
    }
    return sum * (2.0L / SampleCount);
}

// The DFT of a stretch of samples: Bin(b) = sum of y_n e^(-2 pi i b n / N), in long double.
class TDft {
  public:
    explicit TDft(std::vector<float> y) : y_(std::move(y)), roots_(y_.size()) {
        const auto N = static_cast<long double>(y_.size());
        for (std::size_t m = 0; m < y_.size(); ++m)
            roots_[m] = std::polar(1.0L, -2 * Pi * static_cast<long double>(m) / N);
    }
    Complex Bin(int b) const {
        Complex sum = 0;
        for (std::size_t n = 0; n < y_.size(); ++n)
            sum += static_cast<long double>(y_[n]) *
                   roots_[(static_cast<std::size_t>(b) * n) % y_.size()];
        return sum;
    }

  private:
    std::vector<float> y_;
    std::vector<Complex> roots_;
};

// Renders a continuous stream in uneven blocks, so that block joins fall anywhere.
class TRecording {
  public:
    explicit TRecording(TSoundRenderer& renderer) : renderer_(renderer) {}
    std::vector<float> Samples;

    std::size_t Render(std::size_t count) {
        const std::size_t start = Samples.size();
        Samples.resize(start + count);
        std::size_t done = 0;
        for (std::size_t block = 37; done < count; block = block * 7 % 509 + 1) {
            const std::size_t n = std::min(block, count - done);
            renderer_.Render(std::span<float>(Samples).subspan(start + done, n));
            done += n;
        }
        return start;
    }

    std::vector<float> Last(std::size_t count) const {
        return {Samples.end() - static_cast<std::ptrdiff_t>(count), Samples.end()};
    }

    // The largest |y[n] - y[n-1]| for from <= n < to (y[-1] = 0: the silence before).
    double LargestStep(std::size_t from, std::size_t to) const {
        double largest = 0;
        for (std::size_t n = from; n < to; ++n) {
            const double previous = n == 0 ? 0.0 : Samples[n - 1];
            largest = std::max(largest, std::abs(Samples[n] - previous));
        }
        return largest;
    }

  private:
    TSoundRenderer& renderer_;
};

constexpr int FadeSamples = static_cast<int>(SoundFadeSeconds * SoundRate);
const double Minus90dB = std::pow(10.0, -90.0 / 20);

TEST(SoundBandLimit, LastHarmonicBelowHalfTheRate) {
    struct Row {
        double fundamental;
        int expected;
    };
    for (const Row row : {Row{220, 109},   // 109*220 = 23980
                          Row{1760, 13},   // 13*1760 = 22880, 14*1760 = 24640
                          Row{240, 99},    // 100*240 is 24000 exactly: not below
                          Row{55, 255},    // 255*55 = 14025: all of them
                          Row{96, 249}}) { // 249*96 = 23904, 250*96 = 24000
        EXPECT_EQ(BandLimit(row.fundamental), row.expected) << row.fundamental;
        EXPECT_LT(row.expected * row.fundamental, SoundRate / 2.0);
    }
}

// The sound of the samples' spectrum: 0.1 s for the start to settle, then 2400 samples
// more, whose transform is kept.
struct TSettledTone {
    std::vector<float> Samples; // all of them
    TDft Dft;
};
TSettledTone SettledTone(const TSamples& samples, const TSoundChoice& choice) {
    TSoundRenderer renderer;
    renderer.SetSpectrum(Analysed(samples));
    renderer.SetChoice(choice);
    renderer.Start();
    TRecording recording(renderer);
    recording.Render(4800);
    recording.Render(2400);
    return {recording.Samples, TDft(recording.Last(2400))};
}

// S_5 of the square at 220 Hz holds harmonics 1, 3 and 5 with the
// weights and phases of the square's coefficients, and nothing else above -90 dB.
TEST(SoundSpectrum, SquarePartialSumHoldsItsThreeHarmonicsAndNothingElse) {
    const TSamples square = SquareSamples();
    // 2400 samples are 11 periods of 220 Hz: harmonic k falls on bin 11k.
    const TSettledTone tone = SettledTone(square, {TSoundSource::PartialSum, 5, 220});
    const TDft& dft = tone.Dft;

    // Bin 11k = (N/2) * g * (a_k - i b_k) * e^(ik phi): g and e^(i phi) from k = 1.
    const Complex unit = dft.Bin(11) / (1200.0L * DirectCoefficient(square, 1));
    const Complex turn = unit / std::abs(unit);
    for (int k : {3, 5}) {
        const Complex expected =
            1200.0L * std::abs(unit) * std::pow(turn, k) * DirectCoefficient(square, k);
        EXPECT_LT(std::abs(dft.Bin(11 * k) - expected), 1e-6L * std::abs(expected)) << k;
    }
    // Odd harmonics of a square: weights 1 : 1/3 : 1/5 up to the sampling of the square.
    EXPECT_NEAR(std::abs(dft.Bin(33) / dft.Bin(11)), 1.0L / 3, 2e-4);
    EXPECT_NEAR(std::abs(dft.Bin(55) / dft.Bin(11)), 1.0L / 5, 2e-4);

    const long double fundamental = std::abs(dft.Bin(11));
    for (int b = 0; b <= 1200; ++b) {
        if (b == 11 || b == 33 || b == 55) continue;
        EXPECT_LT(std::abs(dft.Bin(b)), Minus90dB * fundamental) << "bin " << b;
    }
    for (float v : tone.Samples)
        ASSERT_LE(std::abs(v), 1.0f);
}

// At 1760 Hz the square's signal keeps harmonics up to 13; harmonic 15 (26.4 kHz) would
// fold back to 21.6 kHz, bin 135 of 300 samples.
TEST(SoundSpectrum, HarmonicsAboveNyquistAreLeftOutNotFolded) {
    TSoundRenderer renderer;
    renderer.SetSpectrum(Analysed(SquareSamples()));
    renderer.SetChoice({TSoundSource::Signal, 1, 1760});
    renderer.Start();
    TRecording recording(renderer);
    recording.Render(3000);
    recording.Render(300); // 11 periods: harmonic k on bin 11k
    const TDft dft(recording.Last(300));
    const long double fundamental = std::abs(dft.Bin(11));
    for (int b = 0; b <= 150; ++b) {
        const bool oddHarmonic = b % 11 == 0 && (b / 11) % 2 == 1;
        if (oddHarmonic) {
            EXPECT_GT(std::abs(dft.Bin(b)), 0.05L * fundamental) << "harmonic " << b / 11;
        } else {
            EXPECT_LT(std::abs(dft.Bin(b)), Minus90dB * fundamental) << "bin " << b;
        }
    }
}

struct LevelRow {
    const char* name;
    TSamples (*samples)();
};

class SoundLevels : public ::testing::TestWithParam<LevelRow> {};

TEST_P(SoundLevels, NoChoiceClips) {
    const TAnalysis analysis = Analysed(GetParam().samples());
    for (double f : {55.0, 220.0, 1760.0}) {
        std::vector<TSoundChoice> choices{{TSoundSource::Signal, 0, f}};
        for (int k : {1, 2, 3, 5, 13, 31, 64, 109, 255})
            choices.push_back({TSoundSource::PartialSum, k, f});
        for (int k : {1, 3, 13})
            choices.push_back({TSoundSource::Harmonic, k, f});
        for (const TSoundChoice& choice : choices) {
            TSoundRenderer renderer;
            renderer.SetSpectrum(analysis);
            renderer.SetChoice(choice);
            renderer.Start();
            TRecording recording(renderer);
            recording.Render(2 * SoundRate / 55);
            const float loudest =
                *std::max_element(recording.Samples.begin(), recording.Samples.end(),
                                  [](float a, float b) { return std::abs(a) < std::abs(b); });
            ASSERT_LE(std::abs(loudest), SoundHeadroom + 1e-6) << f << " Hz, k " << choice.Harmonic;
        }
    }
}

// The bound of the peak over everything playable up to K holds and is tight: the peaks,
// found here on a fine grid straight from the samples' coefficients, lie just below it.
TEST_P(SoundLevels, PeakBoundHoldsAndIsTight) {
    const TSamples samples = GetParam().samples();
    const TSoundLevels levels(Analysed(samples));
    constexpr int FinePoints = 3 * 4096 + 1;
    std::vector<long double> sum(FinePoints, 0.0L), cosine(FinePoints), sine(FinePoints);
    for (int m = 0; m < FinePoints; ++m) {
        cosine[m] = std::cos(2 * Pi * m / FinePoints);
        sine[m] = std::sin(2 * Pi * m / FinePoints);
    }
    long double peak = 0;
    for (int k = 1; k <= HighestHarmonic; ++k) {
        const Complex c = DirectCoefficient(samples, k); // a_k - i b_k
        peak = std::max(peak, std::abs(c));
        for (int m = 0; m < FinePoints; ++m) {
            const int turn = static_cast<int>(static_cast<long long>(k) * m % FinePoints);
            sum[m] += c.real() * cosine[turn] - c.imag() * sine[turn];
            peak = std::max(peak, std::abs(sum[m]));
        }
        if (k == 1 || k == 13 || k == 109 || k == HighestHarmonic) {
            EXPECT_GE(levels.PeakBound(k), peak * (1 - 1e-9)) << "K = " << k;
            EXPECT_LE(levels.PeakBound(k), peak * 1.025) << "K = " << k;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Waveforms, SoundLevels,
                         ::testing::Values(LevelRow{"square", SquareSamples},
                                           LevelRow{"triangle", TriangleSamples},
                                           LevelRow{"delta", DeltaSamples},
                                           LevelRow{"noise", NoiseSamples}),
                         [](const auto& info) { return std::string(info.param.name); });

// The square's loudest choice is its fundamental alone (4/pi against the signal's 1.18):
// it plays at the headroom, so the others are not made quiet for nothing.
TEST(SoundLevel, TheLoudestChoicePlaysAtTheHeadroom) {
    TSoundRenderer renderer;
    renderer.SetSpectrum(Analysed(SquareSamples()));
    renderer.SetChoice({TSoundSource::PartialSum, 1, 220});
    renderer.Start();
    TRecording recording(renderer);
    recording.Render(SoundRate / 10);
    float loudest = 0;
    for (float v : recording.Samples)
        loudest = std::max(loudest, std::abs(v));
    EXPECT_GT(loudest, 0.999 * SoundHeadroom);
    EXPECT_LE(loudest, SoundHeadroom);
}

// A ripple of 1e-4 on a constant is quiet beside the signal's peak but no rounding: it is
// all there is to hear, so it plays at the headroom, less at most the 2.5 % by which the
// peak's bound may exceed the peak (see PeakBoundHoldsAndIsTight). Bin 11 of 11 periods
// holds N/2 times the amplitude of a pure tone.
TEST(SoundLevel, AQuietRippleOnAConstantPlaysAtTheHeadroom) {
    TSamples samples{};
    for (int j = 0; j < SampleCount; ++j)
        samples[j] = static_cast<double>(1 + 1e-4L * std::sin(-Pi + j * Pi / 256));
    const TDft dft = SettledTone(samples, {TSoundSource::Signal, 0, 220}).Dft;
    const double amplitude = static_cast<double>(std::abs(dft.Bin(11))) / 1200;
    EXPECT_LE(amplitude, SoundHeadroom * (1 + 1e-6));
    EXPECT_GE(amplitude, SoundHeadroom / 1.025);
}

// One period of the tone runs over x = -pi..pi as the picture does. At 375 Hz a period is
// 128 samples, so sample n is the series at x = -pi + 2*pi*(n mod 128)/128 times one positive
// level. The first periods fade in; the fifth, from sample 512, is the steady tone. Odd
// harmonics change sign under a shift by pi, so a tone that started at x = 0 fails here.
TEST(SoundPhase, EachPeriodIsTheSeriesFromMinusPiToPi) {
    const auto series = [](long double x) {
        return std::sin(x) + 0.5L * std::cos(2 * x) - 0.3L * std::sin(3 * x) +
               0.2L * std::cos(3 * x);
    };
    TSamples samples{};
    for (int j = 0; j < SampleCount; ++j)
        samples[j] = static_cast<double>(series(-Pi + j * Pi / 256));
    TSoundRenderer renderer;
    renderer.SetSpectrum(Analysed(samples));
    renderer.SetChoice({TSoundSource::Signal, 0, 375});
    renderer.Start();
    TRecording recording(renderer);
    recording.Render(1024);

    constexpr int Period = 128, First = 4 * Period;
    long double along = 0, norm = 0;
    for (int n = 0; n < Period; ++n) {
        const long double s = series(-Pi + 2 * Pi * n / Period);
        along += recording.Samples[First + n] * s;
        norm += s * s;
    }
    const long double level = along / norm;
    ASSERT_GT(level, 0.1L);
    for (int n = 0; n < Period; ++n) {
        const long double expected = level * series(-Pi + 2 * Pi * n / Period);
        EXPECT_NEAR(recording.Samples[First + n], static_cast<double>(expected), 1e-6)
            << "sample " << n << " of the period";
    }
}

struct SwitchRow {
    const char* name;
    TSoundChoice from, to;
};

class SoundJoins : public ::testing::TestWithParam<SwitchRow> {};

// Start, switch and stop: the largest step at each join stays below the largest step
// inside the steady tones on either side.
TEST_P(SoundJoins, StartSwitchAndStopStepNoFurtherThanTheSteadyTone) {
    const SwitchRow& row = GetParam();
    TSoundRenderer renderer;
    renderer.SetSpectrum(Analysed(SquareSamples()));
    renderer.SetChoice(row.from);
    renderer.Start();
    TRecording recording(renderer);
    const std::size_t start = recording.Render(2 * FadeSamples);
    const std::size_t steadyFrom = recording.Render(SoundRate / 20);
    renderer.SetChoice(row.to);
    const std::size_t switched = recording.Render(2 * FadeSamples);
    const std::size_t steadyTo = recording.Render(SoundRate / 20);
    renderer.Stop();
    const std::size_t stopped = recording.Render(2 * FadeSamples);

    const double steadyBefore = recording.LargestStep(steadyFrom + 1, switched);
    const double steadyAfter = recording.LargestStep(steadyTo + 1, stopped);
    ASSERT_GT(steadyBefore, 0.0);
    ASSERT_GT(steadyAfter, 0.0);
    EXPECT_LT(recording.LargestStep(start, start + FadeSamples + 1), steadyBefore);
    EXPECT_LE(recording.LargestStep(switched, switched + FadeSamples + 1),
              std::max(steadyBefore, steadyAfter));
    EXPECT_LT(recording.LargestStep(stopped, recording.Samples.size()), steadyAfter);
    for (float v : recording.Samples)
        ASSERT_LE(std::abs(v), 1.0f);
    // Faded out: silence, and the renderer says so.
    EXPECT_FALSE(renderer.Sounding());
    EXPECT_EQ(recording.Samples.back(), 0.0f);
}

INSTANTIATE_TEST_SUITE_P(
    Square, SoundJoins,
    ::testing::Values(
        SwitchRow{"S5ToSignal", {TSoundSource::PartialSum, 5, 220}, {TSoundSource::Signal, 5, 220}},
        SwitchRow{"SignalToS5", {TSoundSource::Signal, 5, 220}, {TSoundSource::PartialSum, 5, 220}},
        SwitchRow{
            "S5ToHarmonic5", {TSoundSource::PartialSum, 5, 220}, {TSoundSource::Harmonic, 5, 220}},
        SwitchRow{"S3ToS7", {TSoundSource::PartialSum, 3, 220}, {TSoundSource::PartialSum, 7, 220}},
        SwitchRow{"S5At110To440",
                  {TSoundSource::PartialSum, 5, 110},
                  {TSoundSource::PartialSum, 5, 440}}),
    [](const auto& info) { return std::string(info.param.name); });

// Many changes while a crossfade runs: only the last is played, and it is played in full.
TEST(SoundChanges, OfRapidChangesTheLastOneSounds) {
    TSoundRenderer renderer;
    renderer.SetSpectrum(Analysed(SquareSamples()));
    renderer.SetChoice({TSoundSource::PartialSum, 1, 220});
    renderer.Start();
    TRecording recording(renderer);
    recording.Render(SoundRate / 10);
    for (int k = 1; k <= 31; ++k) {
        renderer.SetChoice({TSoundSource::PartialSum, k, 220});
        recording.Render(100);
    }
    renderer.SetChoice({TSoundSource::Harmonic, 3, 220});
    recording.Render(3 * FadeSamples);
    recording.Render(2400);
    const TDft dft(recording.Last(2400));
    const long double third = std::abs(dft.Bin(33));
    for (int b = 0; b <= 1200; ++b) {
        if (b == 33) continue;
        EXPECT_LT(std::abs(dft.Bin(b)), Minus90dB * third) << "bin " << b;
    }
    for (float v : recording.Samples)
        ASSERT_LE(std::abs(v), SoundHeadroom + 1e-6);
}

TEST(SoundChanges, VolumeScalesTheToneAndRampsWithoutAStep) {
    TSoundRenderer renderer;
    renderer.SetSpectrum(Analysed(TriangleSamples()));
    renderer.SetChoice({TSoundSource::Signal, 1, 220});
    renderer.Start();
    TRecording recording(renderer);
    recording.Render(4800);
    const std::size_t loud = recording.Render(2400);
    const TDft before(recording.Last(2400));
    const double steady = recording.LargestStep(loud + 1, loud + 2400);
    renderer.SetVolume(0.25);
    const std::size_t ramp = recording.Render(4800);
    recording.Render(2400);
    const TDft after(recording.Last(2400));
    EXPECT_NEAR(static_cast<double>(std::abs(after.Bin(11) / before.Bin(11))), 0.25, 1e-6);
    EXPECT_LE(recording.LargestStep(ramp, ramp + 4800), steady);
}

struct SilenceRow {
    const char* name;
    TSamples (*samples)();
    TSoundChoice choice;
};

class SoundSilence : public ::testing::TestWithParam<SilenceRow> {};

TEST_P(SoundSilence, PlaysNothing) {
    TSoundRenderer renderer;
    renderer.SetSpectrum(Analysed(GetParam().samples()));
    renderer.SetChoice(GetParam().choice);
    renderer.Start();
    TRecording recording(renderer);
    recording.Render(4800);
    for (float v : recording.Samples)
        ASSERT_EQ(v, 0.0f);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SoundSilence,
    ::testing::Values(
        SilenceRow{"S0", SquareSamples, {TSoundSource::PartialSum, 0, 220}},
        SilenceRow{"HarmonicAboveNyquist", SquareSamples, {TSoundSource::Harmonic, 15, 1760}},
        SilenceRow{"ZeroSignal", [] { return TSamples{}; }, {TSoundSource::Signal, 0, 220}},
        SilenceRow{"ConstantSignal",
                   [] {
                       TSamples s{};
                       s.fill(0.7);
                       return s;
                   },
                   {TSoundSource::Signal, 0, 220}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SoundNonFinite, ASpectrumBeyondDoublesIsNotPlayed) {
    TAnalysis analysis = Analysed(SquareSamples());
    analysis.Re[7] = INFINITY;
    TSoundRenderer renderer;
    renderer.SetSpectrum(analysis);
    renderer.Start();
    std::vector<float> out(2000);
    renderer.Render(out);
    EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](float v) { return v == 0.0f; }));
}

} // namespace
