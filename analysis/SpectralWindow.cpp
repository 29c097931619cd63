#include "SpectralWindow.h"

#include "Decibels.h"
#include "Wording.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>
#include <stdexcept>

namespace Fourier {
namespace {

constexpr double TwoPi = 2 * std::numbers::pi;

// |sum_n v_n e^{−2πi f n}| for f = first, first + step, ... (points values; f in cycles per
// sample). Every sample keeps its own phasor, turned by e^{−2πi·step·n} from one frequency
// to the next: no sine or cosine in the loop, and the turns of all samples are independent
// of each other, so the processor overlaps them. Over a thousand turns the phasors drift by
// some 1e-13, far below what a plot shows.
std::vector<double> Magnitudes(std::span<const double> values, double first, double step,
                               int points) {
    const std::size_t count = values.size();
    std::vector<double> re(count), im(count), turnRe(count), turnIm(count);
    for (std::size_t n = 0; n < count; ++n) {
        // The angle reduced to a fraction of a turn before it is multiplied by 2π.
        const double turns = std::fmod(first * static_cast<double>(n), 1.0);
        re[n] = values[n] * std::cos(TwoPi * turns);
        im[n] = -values[n] * std::sin(TwoPi * turns);
        const double stepTurns = std::fmod(step * static_cast<double>(n), 1.0);
        turnRe[n] = std::cos(TwoPi * stepTurns);
        turnIm[n] = -std::sin(TwoPi * stepTurns);
    }
    std::vector<double> magnitudes(static_cast<std::size_t>(std::max(points, 0)));
    for (int i = 0; i < points; ++i) {
        double sumRe = 0, sumIm = 0;
        for (std::size_t n = 0; n < count; ++n) {
            sumRe += re[n];
            sumIm += im[n];
            const double r = re[n] * turnRe[n] - im[n] * turnIm[n];
            im[n] = re[n] * turnIm[n] + im[n] * turnRe[n];
            re[n] = r;
        }
        magnitudes[i] = std::hypot(sumRe, sumIm);
    }
    return magnitudes;
}

// The peak of the parabola through three neighbouring levels, the middle one the highest.
double ParabolaPeak(double left, double middle, double right) {
    const double curvature = left - 2 * middle + right;
    if (curvature >= 0) return middle;
    const double shift = 0.5 * (left - right) / curvature;
    return middle - 0.25 * (left - right) * shift;
}

} // namespace

TWindowTerms WindowTerms(TWindowKind kind) {
    switch (kind) {
    case TWindowKind::Rectangular:
        return {1.0, 0.0, 0.0};
    case TWindowKind::Hann:
        return {0.5, 0.5, 0.0};
    case TWindowKind::Hamming:
        return {0.54, 0.46, 0.0};
    case TWindowKind::Blackman:
        return {0.42, 0.5, 0.08};
    }
    throw std::invalid_argument(Wording("Sampling", "Неизвестное окно"));
}

std::vector<double> WindowShape(TWindowKind kind, int length) {
    if (length < 1)
        throw std::invalid_argument(
            Wording("Sampling", "Окно должно содержать хотя бы один отсчёт"));
    const TWindowTerms terms = WindowTerms(kind);
    std::vector<double> window(static_cast<std::size_t>(length));
    for (int n = 0; n < length; ++n) {
        const double turn = TwoPi * n / length;
        window[n] = terms.A0 - terms.A1 * std::cos(turn) + terms.A2 * std::cos(2 * turn);
    }
    return window;
}

double CoherentGain(std::span<const double> window) {
    if (window.empty()) return 0.0;
    return std::accumulate(window.begin(), window.end(), 0.0) / static_cast<double>(window.size());
}

double TFrequencyGrid::At(int i) const {
    if (Points < 2) return Low;
    return i == Points - 1 ? High : Low + (High - Low) * i / (Points - 1);
}

TFrequencyGrid ExcerptGrid(int samplesPerPeriod, int length) {
    // M/2 bins over 0..N/2.
    const int points = std::min(MostSpectrumPoints, 4 * length + 1);
    return {0.0, samplesPerPeriod / 2.0, points};
}

std::vector<double> ExcerptSpectrum(std::span<const double> excerpt, int samplesPerPeriod,
                                    TWindowKind kind, const TFrequencyGrid& grid) {
    if (excerpt.empty() || samplesPerPeriod < 1)
        throw std::invalid_argument(Wording("Sampling", "Нет отсчётов для спектра"));
    const std::vector<double> window = WindowShape(kind, static_cast<int>(excerpt.size()));
    std::vector<double> weighted(excerpt.size());
    std::transform(excerpt.begin(), excerpt.end(), window.begin(), weighted.begin(),
                   std::multiplies<>());
    const double weight = std::accumulate(window.begin(), window.end(), 0.0);
    const double step =
        grid.Points < 2 ? 0.0 : (grid.High - grid.Low) / (grid.Points - 1) / samplesPerPeriod;
    std::vector<double> amplitude =
        Magnitudes(weighted, grid.Low / samplesPerPeriod, step, grid.Points);
    const double nyquist = samplesPerPeriod / 2.0;
    for (int i = 0; i < grid.Points; ++i) {
        const double nu = grid.At(i);
        const double mirror = nu == 0 || nu == nyquist ? 1.0 : 2.0;
        amplitude[i] *= mirror / weight;
    }
    return amplitude;
}

std::vector<double> RelativeDecibels(std::span<const double> amplitudes) {
    const double largest =
        amplitudes.empty() ? 0.0 : *std::max_element(amplitudes.begin(), amplitudes.end());
    std::vector<double> levels(amplitudes.size());
    std::transform(amplitudes.begin(), amplitudes.end(), levels.begin(),
                   [largest](double a) { return Decibels(a, largest); });
    return levels;
}

TLeakage WindowLeakage(TWindowKind kind, int length) {
    const std::vector<double> window = WindowShape(kind, length);
    // The transform of a real window mirrors about M/2: nothing new lies beyond.
    const double bins = std::min(length / 2.0, LeakageBins);
    const int points = static_cast<int>(std::lround(bins * LeakagePointsPerBin)) + 1;
    const double step = bins / (points - 1);
    const std::vector<double> magnitude = Magnitudes(window, 0.0, step / length, points);
    TLeakage leakage;
    leakage.Offsets.resize(magnitude.size());
    for (int i = 0; i < points; ++i)
        leakage.Offsets[i] = i * step;
    leakage.Decibels.resize(magnitude.size());
    std::transform(magnitude.begin(), magnitude.end(), leakage.Decibels.begin(),
                   [main = magnitude.front()](double m) { return Decibels(m, main); });

    // The main lobe ends where the transform first stops falling.
    int edge = 0;
    while (edge + 1 < points && magnitude[edge + 1] < magnitude[edge])
        ++edge;
    const bool mirroredEnd = bins == length / 2.0; // the last point is a peak if it rises to it
    const auto& level = leakage.Decibels;
    for (int i = edge + 1; i < points; ++i) {
        const bool last = i == points - 1;
        if (last && !mirroredEnd) break;
        const double right = last ? level[i - 1] : level[i + 1];
        if (level[i] < level[i - 1] || level[i] < right) continue;
        const double peak = ParabolaPeak(level[i - 1], level[i], right);
        if (!leakage.HighestSideLobe || peak > *leakage.HighestSideLobe)
            leakage.HighestSideLobe = peak;
    }
    return leakage;
}

} // namespace Fourier
