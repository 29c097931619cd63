// Radix-4 decimation-in-time complex FFT over two parallel arrays.
#include "FftInternal.h"

#include <cmath>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <utility>

namespace Fft87b41 {
namespace {

struct TPoint {
    double Re;
    double Im;
};

TPoint operator+(TPoint a, TPoint b) {
    return {a.Re + b.Re, a.Im + b.Im};
}
TPoint operator-(TPoint a, TPoint b) {
    return {a.Re - b.Re, a.Im - b.Im};
}

// a * w for a table factor w = c + i*s.
TPoint Rotate(TPoint a, TPoint w) {
    return {a.Re * w.Re - a.Im * w.Im, a.Re * w.Im + a.Im * w.Re};
}

TPoint TimesMinusI(TPoint a) {
    return {a.Im, -a.Re};
}

// e^(-i*pi/4) and e^(-3i*pi/4), exact forms with the fifteen-digit constant.
TPoint EighthTurn(TPoint a) {
    return {(a.Re + a.Im) * K, (a.Im - a.Re) * K};
}
TPoint ThreeEighthTurn(TPoint a) {
    return {(a.Re - a.Im) * NegK, (a.Re + a.Im) * NegK};
}

struct TTwiddled {
    TPoint B1, B2, B3;
};

struct TQuad {
    TPoint P0, P1, P2, P3;
};

// The radix-4 sums of b0 and the three twiddled points.
TQuad Butterfly(TPoint b0, TTwiddled b) {
    const TPoint t0 = b0 + b.B2;
    const TPoint t1 = b.B1 + b.B3;
    const TPoint t2 = b0 - b.B2;
    const TPoint t3 = b.B1 - b.B3;
    return {t0 + t1, t2 + TimesMinusI(t3), t0 - t1, t2 - TimesMinusI(t3)};
}

// Reversed base-4 digits of every index below 1024 (five digits), made at compile time.
constexpr std::array<uint16_t, Capacity> ReversedFiveDigits = [] {
    std::array<uint16_t, Capacity> reversed{};
    for (uint32_t i = 0; i < Capacity; ++i) {
        uint32_t r = 0;
        for (uint32_t v = i, d = 0; d < 5; ++d, v /= 4)
            r = 4 * r + v % 4;
        reversed[i] = static_cast<uint16_t>(r);
    }
    return reversed;
}();

// i's D digits reversed: the leading zero digits of its five-digit form become trailing ones.
size_t ReversedDigits(size_t i, uint8_t D) {
    return ReversedFiveDigits[i] >> (2 * (5 - D));
}

struct TTables {
    const double* Cos;
    const double* Sin;
};

// count butterflies; the n-th takes the points at index n*stride of the four legs (leg d
// is reD[k] + i*imD[k]) and twiddles them by twiddle(n, table, a1, a2, a3), where
// table(k) is T[k]. The legs are disjoint stretches of the workspace and the tables are
// only read: restrict says so, and that is what lets the compiler vectorise these loops.
template <class Twiddle>
void Butterflies(size_t count, size_t stride, double* __restrict re0, double* __restrict re1,
                 double* __restrict re2, double* __restrict re3, double* __restrict im0,
                 double* __restrict im1, double* __restrict im2, double* __restrict im3,
                 const double* __restrict cosTable, const double* __restrict sinTable,
                 Twiddle twiddle) {
    const auto table = [&](size_t k) { return TPoint{cosTable[k], sinTable[k]}; };
    for (size_t n = 0; n < count; ++n) {
        const size_t k = n * stride;
        const TQuad out =
            Butterfly({re0[k], im0[k]}, twiddle(n, table, TPoint{re1[k], im1[k]},
                                                TPoint{re2[k], im2[k]}, TPoint{re3[k], im3[k]}));
        re0[k] = out.P0.Re;
        im0[k] = out.P0.Im;
        re1[k] = out.P1.Re;
        im1[k] = out.P1.Im;
        re2[k] = out.P2.Re;
        im2[k] = out.P2.Im;
        re3[k] = out.P3.Re;
        im3[k] = out.P3.Im;
    }
}

// The butterflies whose first point is z[first + n*stride], with legs q apart.
template <class Twiddle>
void Butterflies(TWorkspace& z, size_t first, size_t q, size_t count, size_t stride, TTables T,
                 Twiddle twiddle) {
    double* re = z.Re.data() + first;
    double* im = z.Im.data() + first;
    Butterflies(count, stride, re, re + q, re + 2 * q, re + 3 * q, im, im + q, im + 2 * q,
                im + 3 * q, T.Cos, T.Sin, twiddle);
}

void Put(TWorkspace& z, size_t k, TPoint p) {
    z.Re[k] = p.Re;
    z.Im[k] = p.Im;
}

// Stage 1 (q = 1, class 0 only) reads its points straight from their digit-reversed
// places in the source: point 4g + d comes from rev(4g) + d*M/4.
template <bool Conjugate> void FirstStage(TWorkspace& z, uint8_t D, size_t M, TPointSource source) {
    const size_t quarter = M / 4 * source.Stride;
    for (size_t i = 0; i < M; i += 4) {
        const size_t from = ReversedDigits(i, D) * source.Stride;
        const auto read = [&](size_t d) {
            const size_t k = from + d * quarter;
            return TPoint{source.Re[k], Conjugate ? -source.Im[k] : source.Im[k]};
        };
        const TQuad out = Butterfly(read(0), {read(1), read(2), read(3)});
        Put(z, i, out.P0);
        Put(z, i + 1, out.P1);
        Put(z, i + 2, out.P2);
        Put(z, i + 3, out.P3);
    }
}

// A stage from the second on, where q is a multiple of 4 and the eighth-turn classes
// exist. A single class runs across the groups; a range of table classes runs along j
// within each group.
void Stage(TWorkspace& z, size_t M, size_t q, size_t t, TTables T) {
    const size_t groups = M / (4 * q);
    const auto tableClasses = [&](size_t first, size_t last) {
        for (size_t group = 0; group < M; group += 4 * q)
            Butterflies(z, group + first, q, last - first, 1, T,
                        [first, t](size_t n, auto table, TPoint a1, TPoint a2, TPoint a3) {
                            const size_t j = first + n;
                            return TTwiddled{Rotate(a1, table(j * t)), Rotate(a2, table(2 * j * t)),
                                             Rotate(a3, table(3 * j * t))};
                        });
    };
    const auto singleClass = [&](size_t j, auto twiddle) {
        Butterflies(z, j, q, groups, 4 * q, T,
                    [twiddle](size_t, auto, TPoint a1, TPoint a2, TPoint a3) {
                        return twiddle(a1, a2, a3);
                    });
    };
    const size_t q4 = q / 4;
    const TPoint w1{T.Cos[q4 * t], T.Sin[q4 * t]};
    const TPoint w3{T.Cos[3 * q4 * t], T.Sin[3 * q4 * t]};

    singleClass(0, [](TPoint a1, TPoint a2, TPoint a3) { return TTwiddled{a1, a2, a3}; });
    tableClasses(1, q4);
    singleClass(q4, [w1](TPoint a1, TPoint a2, TPoint a3) {
        return TTwiddled{Rotate(a1, w1), EighthTurn(a2), Rotate(a3, {-w1.Im, -w1.Re})};
    });
    tableClasses(q4 + 1, 2 * q4);
    singleClass(2 * q4, [](TPoint a1, TPoint a2, TPoint a3) {
        return TTwiddled{EighthTurn(a1), TimesMinusI(a2), ThreeEighthTurn(a3)};
    });
    tableClasses(2 * q4 + 1, 3 * q4);
    singleClass(3 * q4, [w3](TPoint a1, TPoint a2, TPoint a3) {
        return TTwiddled{Rotate(a1, w3), ThreeEighthTurn(a2), Rotate(a3, {w3.Im, w3.Re})};
    });
    tableClasses(3 * q4 + 1, q);
}

void RequireTransformSize(uint8_t D, uint32_t M, const char* routine) {
    if (!IsTransformSize(D, M))
        throw std::invalid_argument(std::string(routine) + ": M must be 4^D with D from 1 to 5");
}

} // namespace

void DigitReverse4(uint8_t D, uint32_t M, std::span<double, 1024> Re, std::span<double, 1024> Im) {
    RequireTransformSize(D, M, "DigitReverse4");
    for (size_t i = 1; i < M; ++i) {
        const size_t r = ReversedDigits(i, D);
        if (r > i) {
            std::swap(Re[i], Re[r]);
            std::swap(Im[i], Im[r]);
        }
    }
}

TScaling UnitaryScaling(uint32_t M, uint8_t Inverse) {
    const double scale = static_cast<double>(1.0L / std::sqrt(static_cast<long double>(M)));
    return {scale, Inverse != 0 ? -scale : scale};
}

void TransformPoints(uint8_t D, uint32_t M, uint8_t Inverse, TPointSource source, TWorkspace& z,
                     std::span<const double, 1024> SinTable,
                     std::span<const double, 1024> CosTable) {
    RequireTransformSize(D, M, "TransformPoints");
    if (Inverse != 0)
        FirstStage<true>(z, D, M, source);
    else
        FirstStage<false>(z, D, M, source);
    const TTables T{CosTable.data(), SinTable.data()};
    for (size_t q = 4, t = M / 16; q < M; q *= 4, t /= 4)
        Stage(z, M, q, t, T);
}

// The digit reversal and the conjugation happen as the first stage reads the points, the
// scaling as they are written back: every point sees the arithmetic of separate passes.
void ComplexFft4(uint8_t D, uint32_t M, uint8_t Inverse, std::span<double, 1024> Re,
                 std::span<double, 1024> Im, std::span<const double, 1024> SinTable,
                 std::span<const double, 1024> CosTable) {
    RequireTransformSize(D, M, "ComplexFft4");
    TWorkspace z;
    TransformPoints(D, M, Inverse, {Re.data(), Im.data(), 1}, z, SinTable, CosTable);
    const TScaling scale = UnitaryScaling(M, Inverse);
    for (size_t k = 0; k < M; ++k) {
        Re[k] = z.Re[k] * scale.Re;
        Im[k] = z.Im[k] * scale.Im;
    }
}

} // namespace Fft87b41
