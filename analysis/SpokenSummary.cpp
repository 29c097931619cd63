#include "SpokenSummary.h"

#include "Harmonic.h"
#include "NumberText.h"
#include "Series.h"
#include "Subscript.h"
#include "Wording.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>

namespace Fourier {
namespace {

std::string Number(double value, std::string_view separator, double scale = 0.0) {
    return ReadableNumber(value, SpokenDigits, separator, scale);
}

// «a», «a и b», «a, b и c».
std::string JoinedWithAnd(const std::vector<std::string>& parts) {
    if (parts.empty()) return {};
    std::string text = parts.front();
    for (std::size_t i = 1; i + 1 < parts.size(); ++i)
        text += ", " + parts[i];
    if (parts.size() == 1) return text;
    return Filled(Wording("SpokenSummary", "%1 и %2"), {text, parts.back()});
}

double LargestAmplitude(const THarmonics& harmonics, int count) {
    double largest = 0.0;
    for (int k = 0; k < count; ++k)
        largest = std::max(largest, harmonics[k].Amplitude);
    return largest;
}

int SpokenK(int k) {
    return std::clamp(k, 0, HighestHarmonic);
}

std::string Sum(int k) {
    return "S" + Subscript(k);
}

} // namespace

std::vector<double> JumpPositions(std::span<const double, SampleCount> samples, double a,
                                  double b) {
    const auto [low, high] = std::minmax_element(samples.begin(), samples.end());
    const double range = *high - *low;
    if (!(range > 0) || !std::isfinite(range)) return {};
    auto step = [&samples](int j) {
        const int at = (j % SampleCount + SampleCount) % SampleCount;
        return samples[(at + 1) % SampleCount] - samples[at];
    };
    std::vector<bool> jumps(SampleCount);
    for (int j = 0; j < SampleCount; ++j) {
        const double size = std::abs(step(j));
        const double around = std::max(std::abs(step(j - 2)), std::abs(step(j + 2)));
        jumps[j] = size >= JumpShare * range && size > JumpContrast * around;
    }
    // A run of steps of one sign may go round the period's end: start after a non-jump.
    int start = 0;
    while (start < SampleCount && jumps[start])
        ++start;
    if (start == SampleCount) return {};
    const double h = (b - a) / SampleCount;
    std::vector<double> positions;
    for (int i = 1; i <= SampleCount; ++i) {
        const int first = (start + i) % SampleCount;
        if (!jumps[first]) continue;
        int count = 1;
        while (count < SampleCount && jumps[(first + count) % SampleCount] &&
               std::signbit(step(first + count)) == std::signbit(step(first)))
            ++count;
        i += count - 1;
        // At the first sample of the new level, or at the middle one of those part way up;
        // a run round the period's end counts from the next period's start.
        double at = count == 1 ? first + 1 : first + count / 2.0;
        if (at > SampleCount) at -= SampleCount;
        positions.push_back(at == SampleCount ? b : a + at * h);
    }
    std::sort(positions.begin(), positions.end());
    return positions;
}

std::string SignalSummary(const TRun& run, double a, double b, std::string_view separator) {
    if (run.WaveformName.empty()) return Wording("SpokenSummary", "Сигнал не выбран");
    const std::string text = Filled(Wording("SpokenSummary", "Сигнал «%1»: пик %2"),
                                    {run.WaveformName, Number(run.Analysis.Peak, separator)});
    const std::vector<double> jumps = JumpPositions(run.Analysis.Samples, a, b);
    if (jumps.empty()) return Filled(Wording("SpokenSummary", "%1, без скачков"), {text});
    const double scale = std::max(std::abs(a), std::abs(b));
    std::vector<std::string> where;
    for (const double x : jumps)
        where.push_back("x = " + Number(x, separator, scale));
    return Filled(jumps.size() == 1 ? Wording("SpokenSummary", "%1, скачок при %2")
                                    : Wording("SpokenSummary", "%1, скачки при %2"),
                  {text, JoinedWithAnd(where)});
}

std::string SynthesisSummary(const TRun& run, std::string_view separator) {
    const int k = SpokenK(run.Harmonic);
    const std::string number = std::to_string(k);
    std::vector<std::string> drawn;
    if (run.SumShown)
        drawn.push_back(
            k == 0 ? Wording("SpokenSummary", "пустая сумма гармоник (нулевая линия)")
                   : Filled(Wording("SpokenSummary", "сумма гармоник 1…%1 (красная)"), {number}));
    if (k >= 1 && run.LastHarmonic != TLastHarmonic::None)
        drawn.push_back(Filled(
            run.LastHarmonic == TLastHarmonic::Sine
                ? Wording("SpokenSummary", "гармоника %1 отдельно, её синусная часть (жёлтая)")
                : Wording("SpokenSummary", "гармоника %1 отдельно, её косинусная часть (жёлтая)"),
            {number}));
    const double error = ResidualRms(run.Analysis)[k];
    return Filled(Wording("SpokenSummary", "Синтез до гармоники %1: %2; ошибка (СКО f − %3) %4"),
                  {number,
                   drawn.empty()
                       ? Wording("SpokenSummary", "ничего не нарисовано")
                       : Filled(Wording("SpokenSummary", "нарисована %1"), {JoinedWithAnd(drawn)}),
                   Sum(k), Number(error, separator, std::sqrt(MeanSquare(run.Analysis.Samples)))});
}

std::string GraphSummary(const TRun& run, double a, double b, std::string_view separator) {
    std::string text =
        Filled(Wording("SpokenSummary", "График. %1."), {SignalSummary(run, a, b, separator)});
    if (run.Synthesised) text += " " + SynthesisSummary(run, separator) + ".";
    return text;
}

std::vector<int> StrongestHarmonics(const TAnalysis& analysis, int harmonics) {
    const THarmonics all = HarmonicsOf(analysis);
    const int count = std::clamp(harmonics, 0, HighestHarmonic + 1);
    const double largest = LargestAmplitude(all, count);
    std::vector<int> order;
    for (int k = 0; k < count; ++k)
        if (all[k].Amplitude > largest * RoundingShare) order.push_back(k);
    std::stable_sort(order.begin(), order.end(),
                     [&all](int i, int j) { return all[i].Amplitude > all[j].Amplitude; });
    if (order.size() > SpokenHarmonics) order.resize(SpokenHarmonics);
    return order;
}

std::string SpectrumSummary(const TAnalysis& analysis, int harmonics, std::string_view separator) {
    const std::vector<int> strongest = StrongestHarmonics(analysis, harmonics);
    if (strongest.empty()) return Wording("SpokenSummary", "Спектр пуст: все гармоники равны нулю");
    const THarmonics all = HarmonicsOf(analysis);
    std::string list;
    for (std::size_t i = 0; i < strongest.size(); ++i) {
        const int k = strongest[i];
        const THarmonic& h = all[k];
        if (i > 0) list += "; ";
        list += "A" + Subscript(k) + " = " + Number(h.Amplitude, separator) + ", " +
                (std::isnan(h.Phase)
                     ? Filled(Wording("SpokenSummary", "φ%1 не определена"), {Subscript(k)})
                     : "φ" + Subscript(k) + " = " + Number(h.Phase, separator, std::numbers::pi));
    }
    return Filled(strongest.size() == 1
                      ? Wording("SpokenSummary", "Сильнейшая гармоника: %1 (φ в радианах)")
                      : Wording("SpokenSummary", "Сильнейшие гармоники: %1 (φ в радианах)"),
                  {list});
}

std::vector<TSpectrumRow> SpectrumRows(const TAnalysis& analysis, int harmonics,
                                       std::string_view separator) {
    const THarmonics all = HarmonicsOf(analysis);
    const int count = std::clamp(harmonics, 0, HighestHarmonic + 1);
    const double scale = LargestAmplitude(all, count);
    std::vector<TSpectrumRow> rows;
    for (int k = 0; k < count; ++k) {
        const THarmonic& h = all[k];
        rows.push_back({std::to_string(k), Number(h.Cos, separator, scale),
                        Number(h.Sin, separator, scale), Number(h.Amplitude, separator, scale),
                        Number(h.Phase, separator, std::numbers::pi)});
    }
    return rows;
}

std::string ConvergenceSummary(const TConvergence& convergence, int k, std::string_view separator) {
    k = SpokenK(k);
    const double largest =
        *std::max_element(convergence.RmsError.begin(), convergence.RmsError.end());
    const std::string text = Filled(
        Wording("SpokenSummary", "Сходимость при k = %1: ошибка (СКО f − %2) %3, доля энергии в "
                                 "гармониках 0…%1 %4 %"),
        {std::to_string(k), Sum(k), Number(convergence.RmsError[k], separator, largest),
         Number(convergence.EnergyShare[k], separator, 100)});
    if (!convergence.HasJump) return Filled(Wording("SpokenSummary", "%1; скачков нет"), {text});
    if (k == 0) return Filled(Wording("SpokenSummary", "%1; выброса у S₀ (среднего) нет"), {text});
    return Filled(Wording("SpokenSummary", "%1, выброс у скачка %2 % скачка"),
                  {text, Number(convergence.OvershootPercent[k], separator, 100)});
}

std::string ResidualSummary(const TAnalysis& analysis, int k, std::string_view separator) {
    k = SpokenK(k);
    const double rms = ResidualRms(analysis)[k];
    const TSeries series = SeriesOf(analysis);
    double largest = 0.0;
    for (int j = 0; j < SampleCount; ++j)
        largest = std::max(
            largest, std::abs(analysis.Samples[j] - EvaluatePartialSum(series, k, GridX(j)).Value));
    const double scale = analysis.Peak;
    return Filled(Wording("SpokenSummary", "Остаток f − %1: СКО %2, наибольший по модулю %3"),
                  {Sum(k), Number(rms, separator, scale), Number(largest, separator, scale)});
}

std::string CoefficientSummary(const TAnalysis& analysis, int k, bool sine,
                               std::string_view separator) {
    k = std::clamp(k, 0, HighestHarmonic);
    const TSeries series = SeriesOf(analysis);
    const double value = sine ? series.B[k] : series.A[k];
    return Filled(
        Wording("SpokenSummary", "Коэффициент %1 — интеграл (1/π)∫ f(x)·%2 %3x dx по периоду: %4"),
        {(sine ? "b" : "a") + Subscript(k), sine ? "sin" : "cos", std::to_string(k),
         Number(value, separator, 2 * analysis.Peak)});
}

std::string CirclesSummary(const TAnalysis& analysis, int k, std::string_view separator) {
    k = std::clamp(k, 0, HighestHarmonic);
    if (k == 0)
        return Wording("SpokenSummary", "Окружностей нет: k = 0, точка стоит на среднем значении");
    const THarmonics all = HarmonicsOf(analysis);
    int largest = 1;
    for (int i = 2; i <= k; ++i)
        if (all[i].Amplitude > all[largest].Amplitude) largest = i;
    return Filled(
        Wording("SpokenSummary", "Вращающиеся окружности гармоник 1…%1, радиусы — "
                                 "амплитуды A; самая большая A%2 = %3"),
        {std::to_string(k), Subscript(largest), Number(all[largest].Amplitude, separator)});
}

std::string SamplingSummary(const TAnalysis& analysis, int perPeriod, std::string_view separator) {
    const int kept = std::max(0, (perPeriod - 1) / 2);
    return Filled(
        Wording("SpokenSummary", "%1 отсчётов на период: без наложения различимы "
                                 "гармоники 0…%2; пик сигнала %3"),
        {std::to_string(perPeriod), std::to_string(kept), Number(analysis.Peak, separator)});
}

std::string DrawingSummary(const TSamples& samples, double halfRange, std::string_view separator) {
    const auto [low, high] = std::minmax_element(samples.begin(), samples.end());
    const std::string range = Filled(Wording("SpokenSummary", "от %1 до %2"),
                                     {Number(-halfRange, separator), Number(halfRange, separator)});
    if (*low == *high && *low == 0.0)
        return Filled(Wording("SpokenSummary", "Рисунок пуст: нулевая линия; значения показаны %1"),
                      {range});
    return Filled(Wording("SpokenSummary", "Нарисован сигнал от %1 до %2 на периоде от −π до π; "
                                           "значения показаны %3"),
                  {Number(*low, separator, halfRange), Number(*high, separator, halfRange), range});
}

std::string BarsSummary(const TCoefficients& coefficients, std::string_view separator) {
    double largest = 0.0;
    int strongest = 0;
    int nonZero = 0;
    for (int k = 1; k <= EditableHarmonics; ++k) {
        const double amplitude = std::hypot(coefficients.Cos[k], coefficients.Sin[k]);
        if (amplitude > 0) ++nonZero;
        if (amplitude > largest) {
            largest = amplitude;
            strongest = k;
        }
    }
    if (nonZero == 0) return Wording("SpokenSummary", "Все столбики гармоник 1…32 на нуле");
    const THarmonic h =
        THarmonic::FromParts(strongest, coefficients.Cos[strongest], coefficients.Sin[strongest]);
    return Filled(Wording("SpokenSummary", "Столбики гармоник 1…32: не равны нулю %1; сильнейшая "
                                           "A%2 = %3 (a%2 = %4, b%2 = %5)"),
                  {std::to_string(nonZero), Subscript(strongest), Number(h.Amplitude, separator),
                   Number(h.Cos, separator, largest), Number(h.Sin, separator, largest)});
}

std::string GameSummary(const TSamples& mine, const std::optional<TSamples>& target,
                        std::string_view separator) {
    const auto [low, high] = std::minmax_element(mine.begin(), mine.end());
    const std::string text = Filled(Wording("SpokenSummary", "Ваш сигнал от %1 до %2"),
                                    {Number(*low, separator), Number(*high, separator)});
    if (!target)
        return Filled(Wording("SpokenSummary", "%1; цель скрыта, её надо узнать на слух"), {text});
    double squares = 0.0;
    for (int j = 0; j < SampleCount; ++j)
        squares += ((*target)[j] - mine[j]) * ((*target)[j] - mine[j]);
    return Filled(Wording("SpokenSummary", "%1; СКО отличия от цели %2"),
                  {text, Number(std::sqrt(squares / SampleCount), separator)});
}

std::string RunStatus(const TRun& run, std::string_view separator) {
    if (run.Synthesised) {
        const int k = SpokenK(run.Harmonic);
        return Filled(Wording("SpokenSummary", "Синтез до гармоники %1: ошибка %2"),
                      {std::to_string(k), Number(ResidualRms(run.Analysis)[k], separator,
                                                 std::sqrt(MeanSquare(run.Analysis.Samples)))});
    }
    if (run.WaveformName.empty()) return Wording("SpokenSummary", "Анализ: функция не выбрана");
    return Filled(Wording("SpokenSummary", "Анализ: %1, пик %2"),
                  {run.WaveformName, Number(run.Analysis.Peak, separator)});
}

} // namespace Fourier
