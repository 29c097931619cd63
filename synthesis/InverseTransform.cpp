#include "InverseTransform.h"

#include "Fft87b41.h"

#include <stdexcept>

namespace Fourier {
namespace {

constexpr int N = SampleCount;
constexpr int Half = SampleCount / 2;

// The inverse direction of RealFft packs the samples as the forward one does and splits
// with the forward twiddle e^(-i*pi*k/256), so for real input v it returns
//   V[k] = 1/sqrt(N) * sum_n v[n] * e^(+2*pi*i*p(n)*k/N),  p(2m) = 2m, p(2m+1) = 2m-1:
// the inverse DFT of v with every odd entry moved back by two places. Moving the odd
// entries forward by two first leaves the plain inverse DFT.
void UndoOddShift(const TLines& sequence, TLines& packed) {
    for (int n = 0; n < N; n += 2) {
        packed[n] = sequence[n];
        packed[n + 1] = sequence[(n + N - 1) % N];
    }
}

} // namespace

TSamples SamplesFromSpectrum(std::span<const double, BufferLength> re,
                             std::span<const double, BufferLength> im) {
    // The spectrum of the samples rotated to start at x = 0 is X[k] = Re[k] - i*Im[k],
    // X[N-k] = conj X[k], and those samples are r[n] = 1/sqrt(N) * sum_k X[k] e^(2*pi*i*nk/N).
    // For such a Hermitian X, r = Re U + Im U where U is the inverse DFT of the real
    // sequence u[k] = Re X[k] - Im X[k] (the Hartley form): the cross terms cancel by symmetry.
    TLines u{};
    u[0] = re[0];
    u[Half] = re[Half];
    for (int k = 1; k < Half; ++k) {
        u[k] = re[k] + im[k];
        u[N - k] = re[k] - im[k];
    }

    TLines lineRe{}, lineIm{};
    UndoOddShift(u, lineRe);
    uint8_t status = Fft87b41::fsTooSmall;
    Fft87b41::RealFft(N, 1, lineRe, lineIm, status);
    if (status != Fft87b41::fsOk) throw std::logic_error("RealFft refused 512 samples");

    // Back from "x = 0 first" to grid order.
    TSamples samples;
    for (int n = 0; n < N; ++n)
        samples[(n + Half) % N] = lineRe[n] + lineIm[n];
    return samples;
}

TSamples SynthesiseSamples(const TCoefficients& coefficients) {
    TLines re, im;
    WriteLines(coefficients, re, im);
    return SamplesFromSpectrum(re, im);
}

} // namespace Fourier
