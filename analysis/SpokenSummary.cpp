#include "SpokenSummary.h"

#include "Harmonic.h"
#include "NumberText.h"
#include "Series.h"
#include "Subscript.h"

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
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) text += i + 1 == parts.size() ? " и " : ", ";
        text += parts[i];
    }
    return text;
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
    if (run.WaveformName.empty()) return "Сигнал не выбран";
    std::string text =
        "Сигнал «" + run.WaveformName + "»: пик " + Number(run.Analysis.Peak, separator);
    const std::vector<double> jumps = JumpPositions(run.Analysis.Samples, a, b);
    if (jumps.empty()) return text + ", без скачков";
    const double scale = std::max(std::abs(a), std::abs(b));
    std::vector<std::string> where;
    for (const double x : jumps)
        where.push_back("x = " + Number(x, separator, scale));
    return text + (jumps.size() == 1 ? ", скачок при " : ", скачки при ") + JoinedWithAnd(where);
}

std::string SynthesisSummary(const TRun& run, std::string_view separator) {
    const int k = SpokenK(run.Harmonic);
    std::vector<std::string> drawn;
    if (run.SumShown)
        drawn.push_back(k == 0 ? "пустая сумма гармоник (нулевая линия)"
                               : "сумма гармоник 1…" + std::to_string(k) + " (красная)");
    if (k >= 1 && run.LastHarmonic != TLastHarmonic::None)
        drawn.push_back("гармоника " + std::to_string(k) + " отдельно, её " +
                        (run.LastHarmonic == TLastHarmonic::Sine ? "синусная" : "косинусная") +
                        " часть (жёлтая)");
    const double error = ResidualRms(run.Analysis)[k];
    return "Синтез до гармоники " + std::to_string(k) + ": " +
           (drawn.empty() ? std::string("ничего не нарисовано")
                          : "нарисована " + JoinedWithAnd(drawn)) +
           "; ошибка (СКО f − " + Sum(k) + ") " +
           Number(error, separator, std::sqrt(MeanSquare(run.Analysis.Samples)));
}

std::string GraphSummary(const TRun& run, double a, double b, std::string_view separator) {
    std::string text = "График. " + SignalSummary(run, a, b, separator) + ".";
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
    if (strongest.empty()) return "Спектр пуст: все гармоники равны нулю";
    const THarmonics all = HarmonicsOf(analysis);
    std::string text = strongest.size() == 1 ? "Сильнейшая гармоника: " : "Сильнейшие гармоники: ";
    for (std::size_t i = 0; i < strongest.size(); ++i) {
        const int k = strongest[i];
        const THarmonic& h = all[k];
        if (i > 0) text += "; ";
        text += "A" + Subscript(k) + " = " + Number(h.Amplitude, separator) + ", φ" + Subscript(k) +
                (std::isnan(h.Phase) ? std::string(" не определена")
                                     : " = " + Number(h.Phase, separator, std::numbers::pi));
    }
    return text + " (φ в радианах)";
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
    std::string text = "Сходимость при k = " + std::to_string(k) + ": ошибка (СКО f − " + Sum(k) +
                       ") " + Number(convergence.RmsError[k], separator, largest) +
                       ", доля энергии в гармониках 0…" + std::to_string(k) + " " +
                       Number(convergence.EnergyShare[k], separator, 100) + " %";
    if (!convergence.HasJump) return text + "; скачков нет";
    if (k == 0) return text + "; выброса у S₀ (среднего) нет";
    return text + ", выброс у скачка " + Number(convergence.OvershootPercent[k], separator, 100) +
           " % скачка";
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
    return "Остаток f − " + Sum(k) + ": СКО " + Number(rms, separator, scale) +
           ", наибольший по модулю " + Number(largest, separator, scale);
}

std::string CoefficientSummary(const TAnalysis& analysis, int k, bool sine,
                               std::string_view separator) {
    k = std::clamp(k, 0, HighestHarmonic);
    const TSeries series = SeriesOf(analysis);
    const double value = sine ? series.B[k] : series.A[k];
    return std::string("Коэффициент ") + (sine ? "b" : "a") + Subscript(k) +
           " — интеграл (1/π)∫ f(x)·" + (sine ? "sin " : "cos ") + std::to_string(k) +
           "x dx по периоду: " + Number(value, separator, 2 * analysis.Peak);
}

std::string CirclesSummary(const TAnalysis& analysis, int k, std::string_view separator) {
    k = std::clamp(k, 0, HighestHarmonic);
    if (k == 0) return "Окружностей нет: k = 0, точка стоит на среднем значении";
    const THarmonics all = HarmonicsOf(analysis);
    int largest = 1;
    for (int i = 2; i <= k; ++i)
        if (all[i].Amplitude > all[largest].Amplitude) largest = i;
    return "Вращающиеся окружности гармоник 1…" + std::to_string(k) +
           ", радиусы — амплитуды A; самая большая A" + Subscript(largest) + " = " +
           Number(all[largest].Amplitude, separator);
}

std::string SamplingSummary(const TAnalysis& analysis, int perPeriod, std::string_view separator) {
    const int kept = std::max(0, (perPeriod - 1) / 2);
    return std::to_string(perPeriod) + " отсчётов на период: без наложения различимы " +
           "гармоники 0…" + std::to_string(kept) + "; пик сигнала " +
           Number(analysis.Peak, separator);
}

std::string DrawingSummary(const TSamples& samples, double halfRange, std::string_view separator) {
    const auto [low, high] = std::minmax_element(samples.begin(), samples.end());
    const std::string range =
        "от " + Number(-halfRange, separator) + " до " + Number(halfRange, separator);
    if (*low == *high && *low == 0.0)
        return "Рисунок пуст: нулевая линия; значения показаны " + range;
    return "Нарисован сигнал от " + Number(*low, separator, halfRange) + " до " +
           Number(*high, separator, halfRange) + " на периоде от −π до π; значения показаны " +
           range;
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
    if (nonZero == 0) return "Все столбики гармоник 1…32 на нуле";
    const THarmonic h =
        THarmonic::FromParts(strongest, coefficients.Cos[strongest], coefficients.Sin[strongest]);
    return "Столбики гармоник 1…32: не равны нулю " + std::to_string(nonZero) + "; сильнейшая A" +
           Subscript(strongest) + " = " + Number(h.Amplitude, separator) + " (a" +
           Subscript(strongest) + " = " + Number(h.Cos, separator, largest) + ", b" +
           Subscript(strongest) + " = " + Number(h.Sin, separator, largest) + ")";
}

std::string GameSummary(const TSamples& mine, const std::optional<TSamples>& target,
                        std::string_view separator) {
    const auto [low, high] = std::minmax_element(mine.begin(), mine.end());
    std::string text =
        "Ваш сигнал от " + Number(*low, separator) + " до " + Number(*high, separator);
    if (!target) return text + "; цель скрыта, её надо узнать на слух";
    double squares = 0.0;
    for (int j = 0; j < SampleCount; ++j)
        squares += ((*target)[j] - mine[j]) * ((*target)[j] - mine[j]);
    return text + "; СКО отличия от цели " + Number(std::sqrt(squares / SampleCount), separator);
}

std::string RunStatus(const TRun& run, std::string_view separator) {
    if (run.Synthesised) {
        const int k = SpokenK(run.Harmonic);
        return "Синтез до гармоники " + std::to_string(k) + ": ошибка " +
               Number(ResidualRms(run.Analysis)[k], separator,
                      std::sqrt(MeanSquare(run.Analysis.Samples)));
    }
    if (run.WaveformName.empty()) return "Анализ: функция не выбрана";
    return "Анализ: " + run.WaveformName + ", пик " + Number(run.Analysis.Peak, separator);
}

} // namespace Fourier
