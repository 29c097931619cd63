// The real-signal transform: size check, packing into half-length complex points, the
// complex transform and the split into the spectrum of the real samples.
#include "FftInternal.h"

#include <cmath>
#include <cstddef>
#include <stdexcept>

namespace Fft87b41 {
namespace {

struct TTransformTables {
    uint32_t M = 0; // 0: nothing built yet
    std::array<double, Capacity> Sin{};
    std::array<double, Capacity> Cos{};
    TSplitTwiddles Split;
};

// The tables depend on M alone, so the last ones are kept: rebuilding them costs more
// than the transform itself. Per thread, so concurrent callers never share them.
const TTransformTables& TablesFor(uint32_t M) {
    thread_local TTransformTables tables;
    if (tables.M != M) {
        tables.M = 0;
        MakeTwiddles(M, tables.Sin, tables.Cos);
        MakeSplitTwiddles(M, tables.Sin, tables.Cos, tables.Split);
        tables.M = M;
    }
    return tables;
}

struct TLine {
    double Re;
    double Im;
};

// Line k from the sums and differences of the scaled points k and M-k.
TLine SplitLine(double wc, double ws, double g, double sr, double si, double dr, double di) {
    return {(wc * si + sr + ws * dr) * g, (ws * si + di - wc * dr) * g};
}

// Lines k, M-k, M+k and 2M-k for k = 1..h-1, h = M/2. Lines k and M-k share their sums,
// and their differences are exact negations; M+k and 2M-k are the mirrors, copied rather
// than recomputed so that they are exact. The four quarters of Re and Im never overlap,
// and restrict says so to let the loop vectorise: low, high, mirrorHigh and mirrorLow
// start at lines 0, h, M and 2M and are indexed by k, h-k, k and -k.
void SplitPairs(size_t h, const double* __restrict zRe, const double* __restrict zIm,
                const double* __restrict wc, const double* __restrict ws, TScaling scale, double g,
                double* __restrict lowRe, double* __restrict lowIm, double* __restrict highRe,
                double* __restrict highIm, double* __restrict mirrorHighRe,
                double* __restrict mirrorHighIm, double* __restrict mirrorLowRe,
                double* __restrict mirrorLowIm) {
    const size_t M = 2 * h;
    for (size_t k = 1; k < h; ++k) {
        const size_t m = M - k;
        const double rk = zRe[k] * scale.Re;
        const double rm = zRe[m] * scale.Re;
        const double ik = zIm[k] * scale.Im;
        const double imm = zIm[m] * scale.Im;
        const double sr = rk + rm;
        const double si = ik + imm;
        const double dr = rk - rm;
        const double di = ik - imm;
        const TLine low = SplitLine(wc[k], ws[k], g, sr, si, dr, di);
        const TLine high = SplitLine(wc[m], ws[m], g, sr, si, -dr, -di);
        const auto back = -static_cast<std::ptrdiff_t>(k);
        lowRe[k] = low.Re;
        lowIm[k] = low.Im;
        mirrorLowRe[back] = low.Re;
        mirrorLowIm[back] = -low.Im;
        highRe[h - k] = high.Re;
        highIm[h - k] = high.Im;
        mirrorHighRe[k] = high.Re;
        mirrorHighIm[k] = -high.Im;
    }
}

} // namespace

void CheckFftSize(uint32_t M, uint8_t& D, uint8_t& Status) {
    Status = fsBadSize;
    if (M < 4) Status = fsTooSmall;
    for (uint8_t i = 0; i < Pow4Sizes.size() && Status == fsBadSize; ++i) {
        if (static_cast<int64_t>(M) == Pow4Sizes[i]) {
            D = i + 1;
            Status = fsOk;
        }
    }
    if (Status == fsOk && M > MaxRealPoints) Status = fsBadSize;
}

TPointSource PackRealPairs(std::span<const double, 1024> Samples) {
    return {Samples.data(), Samples.data() + 1, 2};
}

void SplitRealSpectrum(uint32_t M, const TSplitTwiddles& Twiddles, TScaling scale,
                       const TWorkspace& z, std::span<double, 1024> Re,
                       std::span<double, 1024> Im) {
    if (M < 2 || M > MaxRealPoints || M % 2 != 0)
        throw std::invalid_argument("SplitRealSpectrum: M must be even, from 2 to 512");
    const long double root2 = std::sqrt(2.0L);
    const double g = static_cast<double>(0.5L / root2);
    const auto re = [&](size_t k) { return z.Re[k] * scale.Re; };
    const auto im = [&](size_t k) { return z.Im[k] * scale.Im; };

    const long double re0 = re(0);
    const long double im0 = im(0);
    Re[0] = static_cast<double>((re0 + im0) / root2);
    Im[0] = 0.0;
    Re[M] = static_cast<double>((re0 - im0) / root2);
    Im[M] = 0.0;

    const size_t h = M / 2;
    double* const outRe = Re.data();
    double* const outIm = Im.data();
    SplitPairs(h, z.Re.data(), z.Im.data(), Twiddles.Cos.data(), Twiddles.Sin.data(), scale, g,
               outRe, outIm, outRe + h, outIm + h, outRe + M, outIm + M, outRe + 2 * M,
               outIm + 2 * M);
    // Line h is its own partner.
    const TLine middle = SplitLine(Twiddles.Cos[h], Twiddles.Sin[h], g, re(h) + re(h),
                                   im(h) + im(h), re(h) - re(h), im(h) - im(h));
    Re[h] = Re[M + h] = middle.Re;
    Im[h] = middle.Im;
    Im[M + h] = -middle.Im;
}

void RealFft(int32_t N, uint8_t Inverse, std::span<double, 1024> Re, std::span<double, 1024> Im,
             uint8_t& Status) {
    const uint32_t M = static_cast<uint32_t>(N) >> 1;
    uint8_t D = 0;
    CheckFftSize(M, D, Status);
    if (Status != fsOk) return;

    // The spectrum of the pairs goes to scratch, as the split reads it while it writes Re, Im.
    const TTransformTables& tables = TablesFor(M);
    TWorkspace z;
    TransformPoints(D, M, Inverse, PackRealPairs(Re), z, tables.Sin, tables.Cos);
    SplitRealSpectrum(M, tables.Split, UnitaryScaling(M, Inverse), z, Re, Im);
}

} // namespace Fft87b41
