// The synthesis curves against the Fourier series of the square, triangle and pulse waves:
// coefficients from their closed forms, partial sums at chosen points written out by hand.
#include "HarmonicSum.h"
#include "RowName.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>
#include <ostream>

using namespace Fourier;

namespace {

constexpr double Pi = std::numbers::pi;
constexpr double Root2 = std::numbers::sqrt2;
// The analysis leaves cos kx and sin kx weighted by sqrt(512)/2 times a_k and b_k.
const double Scale = std::sqrt(512.0) / 2;

enum class Wave { Square, Triangle, Pulse };

// The square wave is -1 left of 0 and +1 right of it; the triangle rises from -1 at -pi/2
// to +1 at pi/2; the pulse is 1 for |x| < pi/4 and 0 elsewhere.
struct Coefficients {
    std::array<double, 1024> re{}, im{};
    explicit Coefficients(Wave wave) {
        for (int k = 1; k < 1024; ++k) {
            const bool odd = k % 2 == 1;
            switch (wave) {
            case Wave::Square:
                im[k] = odd ? 4 / (Pi * k) : 0;
                break;
            case Wave::Triangle:
                im[k] = odd ? 8 / (Pi * Pi * k * k) * (k % 4 == 1 ? 1 : -1) : 0;
                break;
            case Wave::Pulse:
                re[k] = 2 * std::sin(k * Pi / 4) / (Pi * k);
                break;
            }
            re[k] *= Scale;
            im[k] *= Scale;
        }
        re[0] = wave == Wave::Pulse ? 0.5 * Scale : 0; // never part of a partial sum
    }
};

// Grid points: x_j = j pi/256 - pi.
constexpr int At0 = 256, AtQuarter = 320, AtHalf = 384, AtMinusHalf = 128;

struct SumRow {
    const char* name;
    Wave wave;
    int k;
    int j;
    double value; // the partial sum of the series, before the scale
};

void PrintTo(const SumRow& row, std::ostream* out) {
    *out << row.name;
}

const SumRow Sums[] = {
    {"square S1(pi/2)", Wave::Square, 1, AtHalf, 4 / Pi},
    {"square S3(pi/2)", Wave::Square, 3, AtHalf, 4 / Pi*(1 - 1.0 / 3)},
    {"square S5(pi/2)", Wave::Square, 5, AtHalf, 4 / Pi*(1 - 1.0 / 3 + 1.0 / 5)},
    {"square S1(-pi/2)", Wave::Square, 1, AtMinusHalf, -4 / Pi},
    {"square S3(-pi/2)", Wave::Square, 3, AtMinusHalf, -4 / Pi*(1 - 1.0 / 3)},
    {"square S5(-pi/2)", Wave::Square, 5, AtMinusHalf, -4 / Pi*(1 - 1.0 / 3 + 1.0 / 5)},
    {"square S1(pi/4)", Wave::Square, 1, AtQuarter, 4 / Pi* Root2 / 2},
    {"square S3(pi/4)", Wave::Square, 3, AtQuarter, 4 / Pi* Root2 / 2 * (1 + 1.0 / 3)},
    {"square S5(pi/4)", Wave::Square, 5, AtQuarter, 4 / Pi* Root2 / 2 * (1 + 1.0 / 3 - 1.0 / 5)},
    {"square S5(0)", Wave::Square, 5, At0, 0},
    {"triangle S1(pi/2)", Wave::Triangle, 1, AtHalf, 8 / (Pi * Pi)},
    {"triangle S3(pi/2)", Wave::Triangle, 3, AtHalf, 8 / (Pi * Pi) * (1 + 1.0 / 9)},
    {"triangle S5(pi/2)", Wave::Triangle, 5, AtHalf, 8 / (Pi * Pi) * (1 + 1.0 / 9 + 1.0 / 25)},
    {"triangle S5(-pi/2)", Wave::Triangle, 5, AtMinusHalf,
     -8 / (Pi * Pi) * (1 + 1.0 / 9 + 1.0 / 25)},
    {"triangle S1(pi/4)", Wave::Triangle, 1, AtQuarter, 8 / (Pi * Pi) * Root2 / 2},
    {"triangle S3(pi/4)", Wave::Triangle, 3, AtQuarter, 8 / (Pi * Pi) * Root2 / 2 * (1 - 1.0 / 9)},
    {"triangle S5(pi/4)", Wave::Triangle, 5, AtQuarter,
     8 / (Pi * Pi) * Root2 / 2 * (1 - 1.0 / 9 - 1.0 / 25)},
    // Pulse: a_1 = sqrt2/pi, a_2 = 1/pi, a_3 = sqrt2/(3 pi), a_4 = 0, a_5 = -sqrt2/(5 pi).
    {"pulse S1(0)", Wave::Pulse, 1, At0, Root2 / Pi},
    {"pulse S3(0)", Wave::Pulse, 3, At0, Root2 / Pi + 1 / Pi + Root2 / (3 * Pi)},
    {"pulse S5(0)", Wave::Pulse, 5, At0, Root2 / Pi + 1 / Pi + Root2 / (3 * Pi) - Root2 / (5 * Pi)},
    {"pulse S1(pi/2)", Wave::Pulse, 1, AtHalf, 0},
    {"pulse S3(pi/2)", Wave::Pulse, 3, AtHalf, -1 / Pi},
    {"pulse S5(pi/2)", Wave::Pulse, 5, AtHalf, -1 / Pi},
    {"pulse S3(pi/4)", Wave::Pulse, 3, AtQuarter,
     Root2 / Pi* Root2 / 2 + Root2 / (3 * Pi) * -Root2 / 2},
};

class PartialSumSeries : public ::testing::TestWithParam<SumRow> {};

TEST_P(PartialSumSeries, MatchesTheSeriesWrittenOut) {
    const SumRow& row = GetParam();
    const Coefficients c(row.wave);
    std::array<double, 512> values;
    PartialSum(c.re, c.im, row.k, values);
    EXPECT_NEAR(values[row.j], row.value * Scale, 1e-12 * Scale);
}

INSTANTIATE_TEST_SUITE_P(Waves, PartialSumSeries, ::testing::ValuesIn(Sums), RowName<SumRow>);

struct HarmonicRow {
    const char* name;
    Wave wave;
    int k;
    bool sinePart;
    int j;
    double value;
};

void PrintTo(const HarmonicRow& row, std::ostream* out) {
    *out << row.name;
}

const HarmonicRow Harmonics[] = {
    {"square sin 1 at pi/2", Wave::Square, 1, true, AtHalf, 4 / Pi},
    {"square sin 3 at pi/2", Wave::Square, 3, true, AtHalf, -4 / (3 * Pi)},
    {"square sin 5 at pi/2", Wave::Square, 5, true, AtHalf, 4 / (5 * Pi)},
    {"square sin 3 at pi/4", Wave::Square, 3, true, AtQuarter, 4 / (3 * Pi) * Root2 / 2},
    {"square cos 3 at 0: no cosine part", Wave::Square, 3, false, At0, 0},
    {"triangle sin 3 at -pi/2", Wave::Triangle, 3, true, AtMinusHalf, -8 / (9 * Pi * Pi)},
    {"pulse cos 1 at 0", Wave::Pulse, 1, false, At0, Root2 / Pi},
    {"pulse cos 3 at pi/4", Wave::Pulse, 3, false, AtQuarter, Root2 / (3 * Pi) * -Root2 / 2},
    {"pulse cos 2 at pi/2", Wave::Pulse, 2, false, AtHalf, -1 / Pi},
    {"pulse sin 1 at pi/4: no sine part", Wave::Pulse, 1, true, AtQuarter, 0},
};

class SingleHarmonicSeries : public ::testing::TestWithParam<HarmonicRow> {};

TEST_P(SingleHarmonicSeries, IsThatTermOfTheSeries) {
    const HarmonicRow& row = GetParam();
    const Coefficients c(row.wave);
    std::array<double, 512> values;
    SingleHarmonic(c.re, c.im, row.k, row.sinePart, values);
    EXPECT_NEAR(values[row.j], row.value * Scale, 1e-12 * Scale);
}

INSTANTIATE_TEST_SUITE_P(Waves, SingleHarmonicSeries, ::testing::ValuesIn(Harmonics),
                         RowName<HarmonicRow>);

// Over the whole grid the square wave's partial sums keep its sign on each side of 0 away
// from the jumps, and k = 0 or beyond 255 sums nothing.
TEST(PartialSumSeries, SquareWaveKeepsItsSignOnEachHalf) {
    const Coefficients c(Wave::Square);
    std::array<double, 512> values;
    for (const int k : {1, 3, 5, 31}) {
        PartialSum(c.re, c.im, k, values);
        for (int j = 32; j < 224; ++j)
            EXPECT_LT(values[j], 0) << "k " << k << " j " << j;
        for (int j = 288; j < 480; ++j)
            EXPECT_GT(values[j], 0) << "k " << k << " j " << j;
    }
    for (const int k : {0, -1, 256}) {
        PartialSum(c.re, c.im, k, values);
        for (double v : values)
            EXPECT_EQ(v, 0.0) << "k " << k;
    }
}

} // namespace
