#include "HarmonicSum.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <numbers>

namespace Fourier {
namespace {

struct TGridTable {
    // Row i - 1 holds harmonic i at the 512 grid points.
    std::unique_ptr<double[]> Cos, Sin;
    TGridTable()
        : Cos(std::make_unique<double[]>(HighestHarmonic * SampleCount)),
          Sin(std::make_unique<double[]>(HighestHarmonic * SampleCount)) {
        for (int i = 1; i <= HighestHarmonic; ++i) {
            for (int j = 0; j < SampleCount; ++j) {
                const double argument = (j * GridStep - std::numbers::pi) * i;
                Cos[(i - 1) * SampleCount + j] = std::cos(argument);
                Sin[(i - 1) * SampleCount + j] = std::sin(argument);
            }
        }
    }
};

const TGridTable& Table() {
    static const TGridTable table;
    return table;
}

const double* CosRow(int i) {
    return &Table().Cos[(i - 1) * SampleCount];
}
const double* SinRow(int i) {
    return &Table().Sin[(i - 1) * SampleCount];
}

} // namespace

double GridCos(int i, int j) {
    return CosRow(i)[j];
}
double GridSin(int i, int j) {
    return SinRow(i)[j];
}

void PartialSum(std::span<const double, BufferLength> re, std::span<const double, BufferLength> im,
                int k, std::span<double, SampleCount> values) {
    std::fill(values.begin(), values.end(), 0.0);
    if (k < 1 || k > HighestHarmonic) return;
    // A few points at a time, summed in registers over the harmonics: stores into values
    // between the reads of the table's rows, which lie a page apart, would stall each read.
    constexpr int Block = 8;
    for (int j0 = 0; j0 < SampleCount; j0 += Block) {
        std::array<double, Block> sum{};
        for (int i = 1; i <= k; ++i) {
            const double a = re[i], b = im[i];
            const double* cosRow = CosRow(i) + j0;
            const double* sinRow = SinRow(i) + j0;
            for (int j = 0; j < Block; ++j)
                sum[j] = (sum[j] + a * cosRow[j]) + b * sinRow[j];
        }
        std::copy(sum.begin(), sum.end(), values.begin() + j0);
    }
}

void SingleHarmonic(std::span<const double, BufferLength> re,
                    std::span<const double, BufferLength> im, int k, bool sinePart,
                    std::span<double, SampleCount> values) {
    const double* row = sinePart ? SinRow(k) : CosRow(k);
    const double weight = sinePart ? im[k] : re[k];
    for (int j = 0; j < SampleCount; ++j)
        values[j] = weight * row[j];
}

} // namespace Fourier
