// The complex radix-4 transform, its tables and its permutation.
#include "FftInternal.h"
#include "FftOracle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>
#include <stdexcept>
#include <string>

using namespace Fft87b41;
using FftOracle::Array;

namespace {

struct Transform {
    uint8_t D;
    uint32_t M;
};

constexpr Transform Sizes[] = {{1, 4}, {2, 16}, {3, 64}, {4, 256}};

struct Tables {
    Array Sin{};
    Array Cos{};
    explicit Tables(uint32_t M) { MakeTwiddles(M, Sin, Cos); }
};

void Forward(Transform size, Array& re, Array& im, uint8_t inverse = 0) {
    const Tables tables(size.M);
    ComplexFft4(size.D, size.M, inverse, re, im, tables.Sin, tables.Cos);
}

// Base-4 digits of i, written out and read back in reverse.
uint32_t ReversedDigits(uint32_t i, uint8_t D) {
    std::string digits;
    for (uint8_t d = 0; d < D; ++d, i /= 4)
        digits += static_cast<char>('0' + i % 4);
    uint32_t r = 0;
    for (char c : digits)
        r = 4 * r + static_cast<uint32_t>(c - '0');
    return r;
}

std::string Name(Transform size, uint8_t inverse) {
    return "M=" + std::to_string(size.M) + (inverse ? " inverse" : " forward");
}

} // namespace

TEST(ComplexFft4, MatchesDirectDftOnRandomData) {
    for (const Transform size : Sizes) {
        for (const uint8_t inverse : {uint8_t{0}, uint8_t{1}, uint8_t{255}}) {
            SCOPED_TRACE(Name(size, inverse));
            Array re = FftOracle::RandomArray(size.M);
            Array im = FftOracle::RandomArray(size.M + 1);
            const auto expected = FftOracle::DirectDft(re, im, size.M, inverse ? +1 : -1);
            Forward(size, re, im, inverse);
            EXPECT_LT(FftOracle::MaxError(re, im, expected), 1e-12 * FftOracle::Largest(expected));
        }
    }
}

TEST(ComplexFft4, ForwardThenInverseRestoresInput) {
    for (const Transform size : Sizes) {
        SCOPED_TRACE(Name(size, 0));
        const Array re0 = FftOracle::RandomArray(7 * size.M);
        const Array im0 = FftOracle::RandomArray(7 * size.M + 1);
        Array re = re0, im = im0;
        Forward(size, re, im, 0);
        Forward(size, re, im, 1);
        for (uint32_t k = 0; k < size.M; ++k) {
            EXPECT_NEAR(re[k], re0[k], 1e-12) << "k=" << k;
            EXPECT_NEAR(im[k], im0[k], 1e-12) << "k=" << k;
        }
    }
}

TEST(ComplexFft4, NamedPoints) {
    struct Row {
        const char* name;
        Transform size;
        uint8_t inverse;
        uint32_t impulseAt;
        std::vector<std::pair<double, double>> expected; // the first outputs, exactly
    };
    const double r4 = 0.25;
    const Row rows[] = {
        {"M=4 impulse at 0", {1, 4}, 0, 0, {{0.5, 0}, {0.5, 0}, {0.5, 0}, {0.5, 0}}},
        {"M=4 impulse at 1", {1, 4}, 0, 1, {{0.5, 0}, {0, -0.5}, {-0.5, 0}, {0, 0.5}}},
        {"M=4 impulse at 1 inverse", {1, 4}, 1, 1, {{0.5, 0}, {0, 0.5}, {-0.5, 0}, {0, -0.5}}},
        // Outputs 1 to 3 come straight from the exact eighth-turn forms and their
        // fifteen-digit constant, which is not 1/sqrt(2).
        {"M=16 impulse at 2",
         {2, 16},
         0,
         2,
         {{r4, 0}, {K * r4, -K * r4}, {0, -r4}, {-K * r4, -K * r4}, {-r4, 0}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Array re{}, im{};
        re[row.impulseAt] = 1.0;
        Forward(row.size, re, im, row.inverse);
        for (size_t k = 0; k < row.expected.size(); ++k) {
            EXPECT_EQ(re[k], row.expected[k].first) << "k=" << k;
            EXPECT_EQ(im[k], row.expected[k].second) << "k=" << k;
        }
    }
    EXPECT_NE(K, std::numbers::sqrt2 / 2);
}

TEST(ComplexFft4, ImpulseAtZeroIsFlatAndReal) {
    for (const Transform size : Sizes) {
        for (const uint8_t inverse : {uint8_t{0}, uint8_t{1}}) {
            SCOPED_TRACE(Name(size, inverse));
            Array re{}, im{};
            re[0] = 1.0;
            Forward(size, re, im, inverse);
            const double flat = 1.0 / std::sqrt(static_cast<double>(size.M));
            for (uint32_t k = 0; k < size.M; ++k) {
                EXPECT_EQ(re[k], flat) << "k=" << k;
                EXPECT_EQ(im[k], 0.0) << "k=" << k;
            }
        }
    }
}

TEST(ComplexFft4, ComplexExponentialPeaksAtItsFrequency) {
    struct Row {
        Transform size;
        uint32_t m;
    };
    const Row rows[] = {{{4, 256}, 5}, {{4, 256}, 0}, {{4, 256}, 255}, {{3, 64}, 17}, {{2, 16}, 3}};
    for (const Row& row : rows) {
        for (const uint8_t inverse : {uint8_t{0}, uint8_t{1}}) {
            SCOPED_TRACE(Name(row.size, inverse) + " m=" + std::to_string(row.m));
            const uint32_t M = row.size.M;
            Array re{}, im{};
            for (uint32_t n = 0; n < M; ++n) {
                const long double angle =
                    2 * std::numbers::pi_v<long double> * ((uint64_t{row.m} * n) % M) / M;
                re[n] = static_cast<double>(std::cos(angle));
                im[n] = static_cast<double>(std::sin(angle));
            }
            Forward(row.size, re, im, inverse);
            const uint32_t peak = inverse ? (M - row.m) % M : row.m;
            const double height = std::sqrt(static_cast<double>(M));
            for (uint32_t k = 0; k < M; ++k) {
                EXPECT_NEAR(re[k], k == peak ? height : 0.0, 1e-12 * height) << "k=" << k;
                EXPECT_NEAR(im[k], 0.0, 1e-12 * height) << "k=" << k;
            }
        }
    }
}

TEST(ComplexFft4, LeavesEntriesFromMOnUntouched) {
    for (const Transform size : {Transform{1, 4}, Transform{2, 16}, Transform{3, 64},
                                 Transform{4, 256}, Transform{5, 1024}}) {
        SCOPED_TRACE(Name(size, 0));
        const Array sentinel = FftOracle::Sentinel();
        Array re = sentinel, im = sentinel;
        for (uint32_t k = 0; k < size.M; ++k)
            re[k] = im[k] = 1.0 / (k + 1);
        Forward(size, re, im);
        EXPECT_TRUE(FftOracle::SameBits(re, sentinel, size.M));
        EXPECT_TRUE(FftOracle::SameBits(im, sentinel, size.M));
    }
}

TEST(ComplexFft4, RejectsSizesOutsideThePowersOfFourThatFit) {
    struct Row {
        const char* name;
        uint8_t D;
        uint32_t M;
    };
    const Row rows[] = {{"D=0 M=1", 0, 1},       {"D=1 M=8", 1, 8}, {"D=2 M=4", 2, 4},
                        {"D=6 M=4096", 6, 4096}, {"D=5 M=0", 5, 0}, {"D=16 M=0", 16, 0},
                        {"D=255 M=4", 255, 4}};
    const Array sentinel = FftOracle::Sentinel();
    const Tables tables(4);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Array re = sentinel, im = sentinel;
        EXPECT_THROW(ComplexFft4(row.D, row.M, 0, re, im, tables.Sin, tables.Cos),
                     std::invalid_argument);
        EXPECT_THROW(DigitReverse4(row.D, row.M, re, im), std::invalid_argument);
        EXPECT_TRUE(FftOracle::SameBits(re, sentinel));
        EXPECT_TRUE(FftOracle::SameBits(im, sentinel));
    }
}

TEST(DigitReverse4, PermutesIntoReversedBaseFourDigits) {
    for (const Transform size : {Transform{1, 4}, Transform{2, 16}, Transform{3, 64},
                                 Transform{4, 256}, Transform{5, 1024}}) {
        SCOPED_TRACE(Name(size, 0));
        const Array sentinel = FftOracle::Sentinel();
        Array re = sentinel, im = sentinel;
        for (uint32_t k = 0; k < size.M; ++k) {
            re[k] = k;
            im[k] = -static_cast<double>(k);
        }
        DigitReverse4(size.D, size.M, re, im);
        for (uint32_t k = 0; k < size.M; ++k) {
            const double from = ReversedDigits(k, size.D);
            EXPECT_EQ(re[k], from) << "k=" << k;
            EXPECT_EQ(im[k], -from) << "k=" << k;
        }
        EXPECT_TRUE(FftOracle::SameBits(re, sentinel, size.M));
        DigitReverse4(size.D, size.M, re, im);
        for (uint32_t k = 0; k < size.M; ++k)
            EXPECT_EQ(re[k], k) << "twice, k=" << k;
    }
}

// The step T[1] takes its sine from the rounded cosine, which magnifies that rounding by
// cot(2pi/M); every later entry carries k times the step's error. So the recurrence is
// held tightly to the powers of T[1], and the whole table loosely to the exact values.
TEST(MakeTwiddles, FillsThreeQuartersWithThePowersOfOneStep) {
    struct Row {
        uint32_t M;
        double tolerance; // against e^(-2 pi i k/M): k times the step's own error
    };
    const Row rows[] = {{4, 1e-16}, {16, 2e-15}, {64, 5e-14}, {256, 5e-13}, {1024, 1e-11}};
    const Array sentinel = FftOracle::Sentinel();
    for (const Row& row : rows) {
        SCOPED_TRACE("M=" + std::to_string(row.M));
        Array sinTable = sentinel, cosTable = sentinel;
        MakeTwiddles(row.M, sinTable, cosTable);
        const uint32_t filled = 3 * row.M / 4;
        EXPECT_EQ(cosTable[0], 1.0);
        EXPECT_EQ(sinTable[0], 0.0);
        const long double c = cosTable[1];
        EXPECT_NEAR(cosTable[1], std::cos(2 * std::numbers::pi_v<long double> / row.M), 1.2e-16);
        EXPECT_EQ(sinTable[1], -static_cast<double>(std::sqrt(1.0L - c * c)));

        const std::complex<long double> step(cosTable[1], sinTable[1]);
        std::complex<long double> power = 1;
        for (uint32_t k = 0; k < filled; ++k, power *= step) {
            const std::complex<long double> entry(cosTable[k], sinTable[k]);
            EXPECT_LE(std::abs(entry - power), 1e-16L * (k + 1)) << "k=" << k;
            const auto exact = std::polar(1.0L, -2 * std::numbers::pi_v<long double> * k / row.M);
            EXPECT_LE(std::abs(entry - exact), row.tolerance) << "k=" << k;
        }
        EXPECT_TRUE(FftOracle::SameBits(cosTable, sentinel, filled));
        EXPECT_TRUE(FftOracle::SameBits(sinTable, sentinel, filled));
    }
}

TEST(MakeTwiddles, RejectsSizesThatAreNotPowersOfFourUpTo1024) {
    for (const uint32_t M : {0u, 1u, 2u, 8u, 32u, 100u, 4096u, 0x80000000u, 0xFFFFFFFFu}) {
        SCOPED_TRACE("M=" + std::to_string(M));
        const Array sentinel = FftOracle::Sentinel();
        Array sinTable = sentinel, cosTable = sentinel;
        EXPECT_THROW(MakeTwiddles(M, sinTable, cosTable), std::invalid_argument);
        EXPECT_TRUE(FftOracle::SameBits(sinTable, sentinel));
        EXPECT_TRUE(FftOracle::SameBits(cosTable, sentinel));
    }
}
