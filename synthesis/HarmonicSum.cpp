#include "HarmonicSum.h"

#include <algorithm>
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
    for (int i = 1; i <= k; ++i) {
        const double* cosRow = CosRow(i);
        const double* sinRow = SinRow(i);
        for (int j = 0; j < SampleCount; ++j) {
            values[j] += re[i] * cosRow[j];
            values[j] += im[i] * sinRow[j];
        }
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
