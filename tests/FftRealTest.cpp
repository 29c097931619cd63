// The real-signal transform: size check, packing, split and the whole RealFft.
#include "FftInternal.h"
#include "FftOracle.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>
#include <numbers>
#include <stdexcept>
#include <string>
#include <vector>

using namespace Fft87b41;
using FftOracle::Array;

namespace {

struct Result {
    Array re;
    Array im;
    uint8_t status = 0xEE;
};

Result Transform(int32_t N, const Array& samples, const Array& im = Array{}) {
    Result run{samples, im};
    RealFft(N, 0, run.re, run.im, run.status);
    return run;
}

Array Samples(int32_t N, const std::function<double(int)>& x) {
    Array a{};
    for (int n = 0; n < N; ++n)
        a[n] = x(n);
    return a;
}

long double TwoPiTimes(long double cycles) {
    return 2 * std::numbers::pi_v<long double> * cycles;
}

// The transform's steps done literally, with every table built afresh:
// packing into two arrays, the complex transform, and the split through scratch copies.
Result LiteralReference(uint32_t M, uint8_t D, uint8_t inverse, const Array& samples) {
    Array sinTable{}, cosTable{};
    MakeTwiddles(M, sinTable, cosTable);
    Array re{}, im{};
    for (uint32_t k = 0; k < M; ++k) {
        re[k] = samples[2 * k];
        im[k] = samples[2 * k + 1];
    }
    ComplexFft4(D, M, inverse, re, im, sinTable, cosTable);

    Result split{re, im, fsOk};
    const long double root2 = std::sqrt(2.0L);
    split.re[0] = static_cast<double>((static_cast<long double>(re[0]) + im[0]) / root2);
    split.im[0] = 0;
    split.re[M] = static_cast<double>((static_cast<long double>(re[0]) - im[0]) / root2);
    split.im[M] = 0;
    const double g = static_cast<double>(0.5L / root2);
    const double step = static_cast<double>(std::numbers::pi_v<long double> / M);
    for (uint32_t k = 1; k < M; ++k) {
        const double wc = k % 2 == 0 ? cosTable[k / 2] : std::cos(k * step);
        const double ws = k % 2 == 0 ? sinTable[k / 2] : -std::sin(k * step);
        const double sr = re[k] + re[M - k];
        const double si = im[k] + im[M - k];
        const double dr = re[k] - re[M - k];
        const double di = im[k] - im[M - k];
        split.re[k] = (wc * si + sr + ws * dr) * g;
        split.im[k] = (ws * si + di - wc * dr) * g;
        split.re[2 * M - k] = split.re[k];
        split.im[2 * M - k] = -split.im[k];
    }
    return split;
}

struct Accepted {
    int32_t N;
    uint8_t D;
};
constexpr Accepted AcceptedSizes[] = {{8, 1}, {32, 2}, {128, 3}, {512, 4}};

} // namespace

TEST(CheckFftSize, AcceptsFourToTwoHundredFiftySixPowersOfFour) {
    struct Row {
        uint32_t M;
        uint8_t status;
        uint8_t D; // checked with fsOk only
    };
    const Row rows[] = {{0, fsTooSmall, 0},
                        {3, fsTooSmall, 0},
                        {4, fsOk, 1},
                        {16, fsOk, 2},
                        {64, fsOk, 3},
                        {256, fsOk, 4},
                        {5, fsBadSize, 0},
                        {8, fsBadSize, 0},
                        {512, fsBadSize, 0},
                        {1024, fsBadSize, 0},
                        {4096, fsBadSize, 0},
                        {0x40000000, fsBadSize, 0},
                        {0x7FFFFFFF, fsBadSize, 0}};
    for (const Row& row : rows) {
        SCOPED_TRACE("M=" + std::to_string(row.M));
        uint8_t D = 0xEE, status = 0xEE;
        CheckFftSize(row.M, D, status);
        EXPECT_EQ(status, row.status);
        if (row.status == fsOk) {
            EXPECT_EQ(D, row.D);
        }
    }
}

TEST(PackRealPairs, EvenSamplesAreRealPartsOddOnesImaginary) {
    const Array samples = FftOracle::RandomArray(5);
    const TPointSource z = PackRealPairs(samples);
    for (size_t k = 0; k < 512; ++k) {
        EXPECT_EQ(z.Re[k * z.Stride], samples[2 * k]) << "k=" << k;
        EXPECT_EQ(z.Im[k * z.Stride], samples[2 * k + 1]) << "k=" << k;
    }
}

TEST(SplitTwiddles, EvenFromTablesOddFromCosAndSineOfTheRoundedAngle) {
    for (const uint32_t M : {4u, 16u, 64u, 256u}) {
        SCOPED_TRACE("M=" + std::to_string(M));
        Array sinTable{}, cosTable{};
        MakeTwiddles(M, sinTable, cosTable);
        TSplitTwiddles split;
        MakeSplitTwiddles(M, sinTable, cosTable, split);
        for (uint32_t k = 1; k < M; ++k) {
            if (k % 2 == 0) {
                EXPECT_EQ(split.Cos[k], cosTable[k / 2]) << "k=" << k;
                EXPECT_EQ(split.Sin[k], sinTable[k / 2]) << "k=" << k;
            } else {
                const long double angle = std::numbers::pi_v<long double> * k / M;
                EXPECT_NEAR(split.Cos[k], std::cos(angle), 1e-15) << "k=" << k;
                EXPECT_NEAR(split.Sin[k], -std::sin(angle), 1e-15) << "k=" << k;
            }
        }
    }
}

// The split step's table holds 512 entries: 1..512 points fit, 0 and 513 are refused and
// leave the table as it was.
TEST(SplitTwiddles, AcceptOneTo512PointsOnly) {
    struct Row {
        const char* name;
        uint32_t M;
        bool accepted;
    };
    const Row rows[] = {{"none", 0, false},
                        {"one", 1, true},
                        {"all", 512, true},
                        {"one more than fits", 513, false},
                        {"largest", UINT32_MAX, false}};
    const Array tables{};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TSplitTwiddles split;
        split.Cos.fill(7.0);
        if (!row.accepted) {
            EXPECT_THROW(MakeSplitTwiddles(row.M, tables, tables, split), std::invalid_argument);
            EXPECT_EQ(split.Cos[1], 7.0);
            continue;
        }
        EXPECT_NO_THROW(MakeSplitTwiddles(row.M, tables, tables, split));
        // The last entry, odd for 512 points, is cos(pi * 511 / 512) computed directly.
        if (row.M > 1) {
            EXPECT_NEAR(split.Cos[row.M - 1], std::cos(std::numbers::pi * (row.M - 1) / row.M),
                        1e-15);
        }
    }
}

TEST(RealFft, MatchesDirectRealDft) {
    for (const Accepted size : AcceptedSizes) {
        SCOPED_TRACE("N=" + std::to_string(size.N));
        const Array samples = FftOracle::RandomArray(100 + size.N);
        const auto expected = FftOracle::DirectDft(samples, Array{}, size.N, -1);
        const Result run = Transform(size.N, samples);
        ASSERT_EQ(run.status, fsOk);
        EXPECT_LT(FftOracle::MaxError(run.re, run.im, expected),
                  1e-12 * FftOracle::Largest(expected));
    }
}

TEST(RealFft, MirrorHalfIsExact) {
    for (const Accepted size : AcceptedSizes) {
        SCOPED_TRACE("N=" + std::to_string(size.N));
        const Result run = Transform(size.N, FftOracle::RandomArray(200 + size.N));
        const int32_t M = size.N / 2;
        EXPECT_EQ(run.im[0], 0.0);
        EXPECT_EQ(run.im[M], 0.0);
        for (int32_t k = 1; k < M; ++k) {
            EXPECT_EQ(run.re[size.N - k], run.re[k]) << "k=" << k;
            EXPECT_EQ(run.im[size.N - k], -run.im[k]) << "k=" << k;
        }
    }
}

TEST(RealFft, NamedSignals) {
    const double root512 = std::sqrt(512.0);
    const double loose = 1e-12 * root512; // as the oracle test: against the largest line
    const double half = root512 / 2;      // a unit cosine's weight in its two lines
    struct Line {
        int k;
        double re, im;
    };
    struct Row {
        const char* name;
        int32_t N;
        std::function<double(int)> x;
        std::vector<Line> peaks; // every other line of 0..N-1 is zero
        double tolerance;
    };
    const Row rows[] = {
        {"constant 1", 512, [](int) { return 1.0; }, {{0, root512, 0}}, loose},
        {"cos(2pi 3n/512)",
         512,
         [](int n) { return static_cast<double>(std::cos(TwoPiTimes(3.0L * n / 512))); },
         {{3, half, 0}, {509, half, 0}},
         loose},
        {"sin(2pi 3n/512)",
         512,
         [](int n) { return static_cast<double>(std::sin(TwoPiTimes(3.0L * n / 512))); },
         {{3, 0, -half}, {509, 0, half}},
         loose},
        {"(-1)^n", 512, [](int n) { return n % 2 ? -1.0 : 1.0; }, {{256, root512, 0}}, loose},
        {"N=8 impulse",
         8,
         [](int n) { return n == 0 ? 1.0 : 0.0; },
         {{0, 1 / std::sqrt(8.0), 0},
          {1, 1 / std::sqrt(8.0), 0},
          {2, 1 / std::sqrt(8.0), 0},
          {3, 1 / std::sqrt(8.0), 0},
          {4, 1 / std::sqrt(8.0), 0},
          {5, 1 / std::sqrt(8.0), 0},
          {6, 1 / std::sqrt(8.0), 0},
          {7, 1 / std::sqrt(8.0), 0}},
         1e-15},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Result run = Transform(row.N, Samples(row.N, row.x));
        ASSERT_EQ(run.status, fsOk);
        std::vector<Line> expected;
        for (int k = 0; k < row.N; ++k)
            expected.push_back({k, 0, 0});
        for (const Line& peak : row.peaks)
            expected[peak.k] = peak;
        for (const Line& line : expected) {
            EXPECT_NEAR(run.re[line.k], line.re, row.tolerance) << "k=" << line.k;
            EXPECT_NEAR(run.im[line.k], line.im, row.tolerance) << "k=" << line.k;
        }
        EXPECT_EQ(run.im[row.N / 2], 0.0);
    }
}

TEST(RealFft, OddCountDropsItsLastSample) {
    for (const Accepted size : AcceptedSizes) {
        SCOPED_TRACE("N=" + std::to_string(size.N + 1));
        Array samples = FftOracle::RandomArray(300 + size.N);
        const Result even = Transform(size.N, samples);
        samples[size.N] = 1e6;
        const Result odd = Transform(size.N + 1, samples);
        EXPECT_EQ(odd.status, fsOk);
        EXPECT_TRUE(FftOracle::SameBits(odd.re, even.re, 0, size.N));
        EXPECT_TRUE(FftOracle::SameBits(odd.im, even.im, 0, size.N));
    }
}

TEST(RealFft, RefusedSizesLeaveEverythingUntouched) {
    struct Row {
        int32_t N;
        uint8_t status;
    };
    const Row rows[] = {
        {0, fsTooSmall},        {1, fsTooSmall},
        {2, fsTooSmall},        {3, fsTooSmall},
        {4, fsTooSmall},        {5, fsTooSmall},
        {6, fsTooSmall},        {7, fsTooSmall},
        {16, fsBadSize},        {64, fsBadSize},
        {256, fsBadSize},       {1000, fsBadSize},
        {1024, fsBadSize},      {2048, fsBadSize},
        {2049, fsBadSize},      {8192, fsBadSize},
        {-1, fsBadSize},        {-2, fsBadSize},
        {-8, fsBadSize},        {-512, fsBadSize},
        {INT32_MIN, fsBadSize}, {INT32_MIN + 1, fsBadSize},
        {INT32_MAX, fsBadSize},
    };
    const Array sentinel = FftOracle::Sentinel();
    for (const Row& row : rows) {
        SCOPED_TRACE("N=" + std::to_string(row.N));
        const Result run = Transform(row.N, sentinel, sentinel);
        EXPECT_EQ(run.status, row.status);
        EXPECT_TRUE(FftOracle::SameBits(run.re, sentinel));
        EXPECT_TRUE(FftOracle::SameBits(run.im, sentinel));
    }
}

// Every N from -3000 to 3000 and near the ends of the range: only the accepted ones
// write, and then nothing from N on.
TEST(RealFft, NoSizeWritesOutsideItsLines) {
    std::vector<int32_t> sizes;
    for (int32_t N = -3000; N <= 3000; ++N)
        sizes.push_back(N);
    for (int32_t d = 0; d < 64; ++d) {
        sizes.push_back(INT32_MIN + d);
        sizes.push_back(INT32_MAX - d);
    }
    const Array sentinel = FftOracle::Sentinel();
    for (const int32_t N : sizes) {
        const bool accepted =
            N == 8 || N == 9 || N == 32 || N == 33 || N == 128 || N == 129 || N == 512 || N == 513;
        const Result run = Transform(N, sentinel, sentinel);
        const size_t written = accepted ? static_cast<size_t>(N & ~1) : 0;
        ASSERT_EQ(run.status == fsOk, accepted) << "N=" << N;
        ASSERT_TRUE(FftOracle::SameBits(run.re, sentinel, written)) << "N=" << N;
        ASSERT_TRUE(FftOracle::SameBits(run.im, sentinel, written)) << "N=" << N;
    }
}

TEST(RealFft, ImOnEntryDoesNotMatter) {
    const Array samples = FftOracle::RandomArray(512);
    const Result zeros = Transform(512, samples, Array{});
    for (const Array& im : {FftOracle::RandomArray(9), FftOracle::Sentinel()}) {
        const Result other = Transform(512, samples, im);
        EXPECT_TRUE(FftOracle::SameBits(other.re, zeros.re, 0, 512));
        EXPECT_TRUE(FftOracle::SameBits(other.im, zeros.im, 0, 512));
    }
}

// The tables kept between calls, and the passes merged for speed, must give what the
// literal steps with tables built for each call give, however the sizes alternate and
// whatever refused calls come between.
TEST(RealFft, KeptTablesAndMergedPassesGiveTheLiteralResultBitForBit) {
    struct Call {
        int32_t N;
        uint8_t inverse;
    };
    const Call sequence[] = {{512, 0}, {8, 0},   {512, 1},  {512, 0}, {2048, 0}, {128, 0},
                             {32, 1},  {16, 0},  {512, 0},  {9, 0},   {8, 1},    {129, 0},
                             {0, 0},   {512, 0}, {-512, 0}, {512, 1}};
    int round = 0;
    for (const Call call : sequence) {
        SCOPED_TRACE("round " + std::to_string(round) + " N=" + std::to_string(call.N) +
                     (call.inverse ? " inverse" : ""));
        const Array samples = FftOracle::RandomArray(1000 + round++);
        Result run{samples, FftOracle::RandomArray(round)};
        RealFft(call.N, call.inverse, run.re, run.im, run.status);
        uint8_t D = 0, status = 0;
        CheckFftSize(static_cast<uint32_t>(call.N) >> 1, D, status);
        ASSERT_EQ(run.status, status);
        if (status != fsOk) continue;
        const uint32_t M = static_cast<uint32_t>(call.N) >> 1;
        const Result reference = LiteralReference(M, D, call.inverse, samples);
        EXPECT_TRUE(FftOracle::SameBits(run.re, reference.re, 0, 2 * M));
        EXPECT_TRUE(FftOracle::SameBits(run.im, reference.im, 0, 2 * M));
    }
}
