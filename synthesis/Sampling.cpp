#include "Sampling.h"

#include "Harmonic.h"
#include "Wording.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>

namespace Fourier {
namespace {

void CheckSamplesPerPeriod(int samplesPerPeriod) {
    if (samplesPerPeriod < LeastSamplesPerPeriod || samplesPerPeriod > MostSamplesPerPeriod)
        throw std::invalid_argument(
            Filled(Wording("Sampling", "Отсчётов на период должно быть от 4 до 512, а не %1"),
                   {std::to_string(samplesPerPeriod)}));
}

// The last harmonic below the Nyquist line with a part other than 0: an interpolant through
// few samples needs only its first terms summed.
int HighestPresent(const TSeries& series) {
    int k = HighestHarmonic;
    while (k > 0 && series.A[k] == 0 && series.B[k] == 0)
        --k;
    return k;
}

double SignalAt(const TSeries& series, int highest, double t) {
    const double nyquist =
        series.A[NyquistLine] == 0 ? 0.0 : series.A[NyquistLine] * std::cos(NyquistLine * t);
    return EvaluatePartialSum(series, highest, t).Value + nyquist;
}

} // namespace

int ExcerptLength(int samplesPerPeriod, double periods) {
    CheckSamplesPerPeriod(samplesPerPeriod);
    if (!(periods >= LeastPeriods && periods <= MostPeriods))
        throw std::invalid_argument(
            Wording("Sampling", "Окно должно быть длиной от 1 до 4 периодов"));
    return static_cast<int>(std::lround(samplesPerPeriod * periods));
}

double SampleTime(int n, int samplesPerPeriod) {
    return -std::numbers::pi + 2 * std::numbers::pi * n / samplesPerPeriod;
}

double SignalAt(const TSeries& series, double t) {
    return SignalAt(series, HighestPresent(series), t);
}

std::vector<double> SampleSignal(const TSeries& series, int samplesPerPeriod, double periods) {
    const int length = ExcerptLength(samplesPerPeriod, periods);
    const int highest = HighestPresent(series);
    std::vector<double> samples(static_cast<std::size_t>(length));
    // One period is evaluated, the rest repeats it: the same values wherever the window's
    // periods start, which rounding of t_n would not give.
    for (int n = 0; n < length; ++n)
        samples[n] = n < samplesPerPeriod
                         ? SignalAt(series, highest, SampleTime(n, samplesPerPeriod))
                         : samples[n - samplesPerPeriod];
    return samples;
}

TSeries Interpolant(std::span<const double> onePeriod) {
    const int count = static_cast<int>(onePeriod.size());
    CheckSamplesPerPeriod(count);
    // m t_n = −mπ + 2π(mn mod N)/N: the angle reduced to whole turns, so that no rounding
    // of a large angle enters, and a table of one turn instead of a cosine per term.
    std::vector<double> cosTurn(onePeriod.size()), sinTurn(onePeriod.size());
    for (int r = 0; r < count; ++r) {
        cosTurn[r] = std::cos(2 * std::numbers::pi * r / count);
        sinTurn[r] = std::sin(2 * std::numbers::pi * r / count);
    }
    TSeries series;
    const int half = count / 2;
    for (int m = 0; m <= half; ++m) {
        double cosSum = 0, sinSum = 0;
        for (int n = 0; n < count; ++n) {
            const int r = static_cast<int>(static_cast<long>(m) * n % count);
            cosSum += onePeriod[n] * cosTurn[r];
            sinSum += onePeriod[n] * sinTurn[r];
        }
        const double sign = m % 2 == 0 ? 1.0 : -1.0;
        if (m == 0) {
            series.A[0] = 2 * cosSum / count;
        } else if (2 * m == count) {
            // The samples see only cos(N/2 · t) of this line, with weight (1/N) sum f_n cos.
            series.A[m] = sign * cosSum / count;
        } else {
            series.A[m] = sign * 2 * cosSum / count;
            series.B[m] = sign * 2 * sinSum / count;
        }
    }
    return series;
}

std::vector<double> SeriesCurve(const TSeries& series, double periods, int pointsPerPeriod) {
    if (pointsPerPeriod < 1)
        throw std::invalid_argument(Wording("Sampling", "Нужна хотя бы одна точка на период"));
    const int last = static_cast<int>(std::lround(periods * pointsPerPeriod));
    const int highest = HighestPresent(series);
    std::vector<double> values(static_cast<std::size_t>(std::max(last, 0) + 1));
    for (int i = 0; i <= last; ++i)
        values[i] = i < pointsPerPeriod ? SignalAt(series, highest, SampleTime(i, pointsPerPeriod))
                                        : values[i - pointsPerPeriod];
    return values;
}

int AliasOf(int harmonic, int samplesPerPeriod) {
    const int rest = harmonic % samplesPerPeriod;
    return std::min(rest, samplesPerPeriod - rest);
}

std::array<double, NyquistLine + 1> LineAmplitudes(const TSeries& series) {
    std::array<double, NyquistLine + 1> amplitude{};
    for (int k = 0; k <= NyquistLine; ++k)
        amplitude[k] = THarmonic::FromParts(k, series.A[k], series.B[k]).Amplitude;
    return amplitude;
}

std::vector<TAliasedHarmonic> AliasedHarmonics(const TSeries& series, int samplesPerPeriod) {
    CheckSamplesPerPeriod(samplesPerPeriod);
    const std::array<double, NyquistLine + 1> amplitude = LineAmplitudes(series);
    const double largest = *std::max_element(amplitude.begin(), amplitude.end());
    std::vector<TAliasedHarmonic> aliased;
    for (int k = samplesPerPeriod / 2 + 1; k <= NyquistLine; ++k)
        if (amplitude[k] > NegligibleAliasShare * largest)
            aliased.push_back({k, AliasOf(k, samplesPerPeriod), amplitude[k]});
    return aliased;
}

std::vector<TAliasedHarmonic> LoudestLandings(std::span<const TAliasedHarmonic> aliased, int most) {
    std::vector<TAliasedHarmonic> loudest;
    for (const TAliasedHarmonic& alias : aliased) {
        const auto same = std::find_if(loudest.begin(), loudest.end(), [&](const auto& other) {
            return other.Landing == alias.Landing;
        });
        if (same == loudest.end())
            loudest.push_back(alias);
        else if (alias.Amplitude > same->Amplitude)
            *same = alias;
    }
    std::stable_sort(loudest.begin(), loudest.end(),
                     [](const auto& a, const auto& b) { return a.Amplitude > b.Amplitude; });
    if (static_cast<int>(loudest.size()) > most)
        loudest.resize(static_cast<std::size_t>(std::max(most, 0)));
    return loudest;
}

} // namespace Fourier
