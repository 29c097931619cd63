#include "SignalOperations.h"

#include "Harmonic.h"
#include "InverseTransform.h"
#include "NumberText.h"
#include "Subscript.h"
#include "Utf8.h"
#include "Wording.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numeric>
#include <optional>
#include <string>

namespace Fourier {
namespace {

constexpr int Half = SampleCount / 2;
constexpr double TwoPi = 2 * std::numbers::pi;

const char* const Minus = "\u2212";

// The fractional part of k*t in [0, 1): the angle k*2*pi*t in whole turns, reduced before it
// is multiplied by 2*pi, so that a shift of t = 1000.25 turns harmonic 4 by exactly one turn.
double TurnOf(double periods, int k) {
    const double t = periods - std::floor(periods);
    const double kt = k * t;
    return kt - std::floor(kt);
}

bool IsWhole(double value) {
    return std::isfinite(value) && value == std::floor(value);
}

int WholeParameter(const TOperation& operation, int lowest, int highest, const char* what) {
    const double value = operation.Parameter;
    if (!IsWhole(value) || value < lowest || value > highest)
        throw TOperationError(Filled(
            Wording("SignalOperations", "%1 — целое число от %2 до %3"),
            {Wording("SignalOperations", what), std::to_string(lowest), std::to_string(highest)}));
    return static_cast<int>(value);
}

TSamples Shifted(const TSamples& samples, double periods) {
    if (!std::isfinite(periods))
        throw TOperationError(Wording("SignalOperations", "Сдвиг — конечное число периодов"));
    if (IsWhole(periods)) return samples;
    TAnalysis analysis = AnalyseSamples(samples);
    TLines& re = analysis.Re;
    TLines& im = analysis.Im;
    for (int k = 1; k < NyquistLine; ++k) {
        // a_k + i b_k = A_k e^(i phi_k), and phi_k grows by k*tau.
        const double angle = TwoPi * TurnOf(periods, k);
        const double c = std::cos(angle), s = std::sin(angle);
        const double a = re[k], b = im[k];
        re[k] = a * c - b * s;
        im[k] = b * c + a * s;
    }
    // The Nyquist line c cos 256x moved by tau is c cos 256tau cos 256x + c sin 256tau sin 256x,
    // and sin 256x is 0 at every grid point: the grid keeps only the first part. So a shift by
    // whole samples (cos 256tau = +-1) stays an exact rotation of the samples, and a shift by
    // half a sample loses the line.
    re[NyquistLine] *= std::cos(TwoPi * TurnOf(periods, NyquistLine));
    return SamplesFromSpectrum(re, im);
}

TSamples KeptHarmonics(const TSamples& samples, int lowest, int highest) {
    TAnalysis analysis = AnalyseSamples(samples);
    for (int k = 0; k <= NyquistLine; ++k) {
        if (k >= lowest && k <= highest) continue;
        analysis.Re[k] = 0.0;
        analysis.Im[k] = 0.0;
    }
    return SamplesFromSpectrum(analysis.Re, analysis.Im);
}

TSamples Quantised(const TSamples& samples, int levels) {
    const auto [low, high] = std::ranges::minmax(samples);
    if (low == high) return samples;
    const double step = (high - low) / (levels - 1);
    TSamples result;
    for (int j = 0; j < SampleCount; ++j) {
        const double level = std::clamp(std::round((samples[j] - low) / step), 0.0, levels - 1.0);
        // lerp gives both ends exactly: the extremes stay levels.
        result[j] = std::lerp(low, high, level / (levels - 1));
    }
    return result;
}

// Applies value(s_j, s_{j+256}) to every sample.
template <class Rule> TSamples WithHalfTurn(const TSamples& samples, Rule rule) {
    TSamples result;
    for (int j = 0; j < SampleCount; ++j)
        result[j] = rule(samples[j], samples[(j + Half) % SampleCount]);
    return result;
}

template <class Rule> TSamples EachSample(const TSamples& samples, Rule rule) {
    TSamples result;
    std::ranges::transform(samples, result.begin(), rule);
    return result;
}

TSamples Computed(const TSamples& samples, const TOperation& operation) {
    switch (operation.Kind) {
    case TOperationKind::TimeShift:
        return Shifted(samples, operation.Parameter);
    case TOperationKind::TimeReversal: {
        // -x_j = x_{512-j}, and x_512 is x_0 a period on.
        TSamples result;
        for (int j = 0; j < SampleCount; ++j)
            result[j] = samples[(SampleCount - j) % SampleCount];
        return result;
    }
    case TOperationKind::Inversion:
        return EachSample(samples, [](double s) { return -s; });
    case TOperationKind::FullWave:
        return EachSample(samples, [](double s) { return std::abs(s); });
    case TOperationKind::HalfWave:
        return EachSample(samples, [](double s) { return s > 0.0 ? s : 0.0; });
    case TOperationKind::Clipping: {
        const double level = operation.Parameter;
        if (!std::isfinite(level) || !(level > 0.0))
            throw TOperationError(
                Wording("SignalOperations", "Уровень ограничения — положительное число"));
        return EachSample(samples, [level](double s) { return std::clamp(s, -level, level); });
    }
    case TOperationKind::Quantisation:
        return Quantised(samples,
                         WholeParameter(operation, 2, MostLevels,
                                        WORDING_NOOP("SignalOperations", "Число уровней")));
    case TOperationKind::EvenHarmonics:
        return WithHalfTurn(samples, [](double s, double opposite) { return (s + opposite) / 2; });
    case TOperationKind::OddHarmonics:
        return WithHalfTurn(samples, [](double s, double opposite) { return (s - opposite) / 2; });
    case TOperationKind::LowPass: {
        const int n = WholeParameter(operation, 0, NyquistLine,
                                     WORDING_NOOP("SignalOperations", "Номер гармоники"));
        return n == NyquistLine ? samples : KeptHarmonics(samples, 0, n);
    }
    case TOperationKind::HighPass: {
        const int n = WholeParameter(operation, 0, NyquistLine,
                                     WORDING_NOOP("SignalOperations", "Номер гармоники"));
        return n == 0 ? samples : KeptHarmonics(samples, n, NyquistLine);
    }
    case TOperationKind::AddConstant: {
        const double constant = operation.Parameter;
        if (!std::isfinite(constant))
            throw TOperationError(Wording("SignalOperations", "Постоянная — конечное число"));
        return EachSample(samples, [constant](double s) { return s + constant; });
    }
    }
    throw TOperationError(Wording("SignalOperations", "Неизвестная операция"));
}

// ----- the effect on the spectrum -----

std::string Joined(const std::vector<std::string>& parts, std::string_view separator) {
    std::string text;
    for (const std::string& part : parts) {
        if (!text.empty()) text += separator;
        text += part;
    }
    return text;
}

std::complex<double> PartsOf(const THarmonic& harmonic) {
    return {harmonic.Cos, harmonic.Sin};
}

class TSpectrumChange {
  public:
    TSpectrumChange(const TSamples& before, const TSamples& after, std::string_view separator)
        : was_(HarmonicsOf(AnalyseSamples(before))), now_(HarmonicsOf(AnalyseSamples(after))),
          separator_(separator) {
        for (int k = 0; k <= HighestHarmonic; ++k)
            largest_ = std::max({largest_, was_[k].Amplitude, now_[k].Amplitude});
        noise_ = NoisePhaseShare * largest_;
    }

    std::string Describe(const TOperation& operation) const {
        if (largest_ == 0.0)
            return Wording("SignalOperations", "спектр не изменился: сигнал равен нулю");
        std::vector<std::string> parts;
        const bool amplitudesKept = std::ranges::all_of(Harmonics(), [this](int k) {
            return std::abs(now_[k].Amplitude - was_[k].Amplitude) <= noise_;
        });
        if (amplitudesKept) {
            if (const std::string phases = PhaseChange(operation); !phases.empty())
                parts.push_back(
                    Filled(Wording("SignalOperations", "Aₖ без изменений, %1"), {phases}));
        } else {
            AmplitudeChanges(parts);
        }
        const double meanWas = was_[0].Cos / 2, meanNow = now_[0].Cos / 2;
        const bool meanMoved = std::abs(meanNow - meanWas) > noise_;
        if (meanMoved)
            parts.push_back(Filled(Wording("SignalOperations", "среднее %1 → %2"),
                                   {Number(meanWas), Number(meanNow)}));
        if (parts.empty()) return Wording("SignalOperations", "спектр не изменился");
        if (amplitudesKept && parts.size() == 1 && meanMoved)
            parts.insert(parts.begin(), Wording("SignalOperations", "Aₖ и φₖ без изменений"));
        return Joined(parts, "; ");
    }

  private:
    static std::vector<int> Harmonics() {
        std::vector<int> k(HighestHarmonic);
        std::iota(k.begin(), k.end(), 1);
        return k;
    }

    bool Present(const THarmonic& harmonic) const { return harmonic.Amplitude > noise_; }

    std::string Number(double value) const {
        return ReadableNumber(value, 3, separator_, largest_);
    }

    // Whether every harmonic k >= 1 went from c_k to expected(k, c_k), within the noise.
    template <class Rule> bool EveryHarmonic(Rule expected) const {
        return std::ranges::all_of(Harmonics(), [&](int k) {
            return std::abs(PartsOf(now_[k]) - expected(k, PartsOf(was_[k]))) <= noise_;
        });
    }

    // With the amplitudes kept, how the phases moved; "" when they did not.
    std::string PhaseChange(const TOperation& operation) const {
        if (EveryHarmonic([](int, std::complex<double> c) { return c; })) return {};
        if (operation.Kind == TOperationKind::TimeShift) {
            if (const auto shift = MeasuredShift(operation.Parameter))
                return Filled(Wording("SignalOperations", "φₖ повёрнута на kτ (τ = %1 периода)"),
                              {ReadableNumber(*shift, 4, separator_)});
        }
        if (EveryHarmonic([](int, std::complex<double> c) { return std::conj(c); }))
            return "φₖ → −φₖ";
        if (EveryHarmonic([](int, std::complex<double> c) { return -c; }))
            return Wording("SignalOperations", "φₖ повёрнута на π");
        return Wording("SignalOperations", "φₖ изменились");
    }

    // The shift t, in periods, that turns the strongest harmonic k as it turned, if it turns
    // every other harmonic as it turned too. The strongest harmonic's turn fixes k*t up to
    // whole turns; of the shifts it allows, the one nearest `near` is taken.
    std::optional<double> MeasuredShift(double near) const {
        int strongest = 1;
        for (int k : Harmonics())
            if (was_[k].Amplitude > was_[strongest].Amplitude) strongest = k;
        if (!Present(was_[strongest])) return std::nullopt;
        const double turn = std::arg(PartsOf(now_[strongest]) / PartsOf(was_[strongest])) / TwoPi;
        const double wholeTurns = std::round(near * strongest - turn);
        const double shift = (turn + wholeTurns) / strongest;
        const bool fits = EveryHarmonic([shift](int k, std::complex<double> c) {
            return c * std::polar(1.0, TwoPi * TurnOf(shift, k));
        });
        if (!fits) return std::nullopt;
        return shift;
    }

    std::string Amplitude(int k, const THarmonics& harmonics) const {
        return "A" + Subscript(k) + " = " + Number(harmonics[k].Amplitude);
    }

    std::string Change(int k) const {
        return "A" + Subscript(k) + " " + Number(was_[k].Amplitude) + " → " +
               Number(now_[k].Amplitude);
    }

    void AmplitudeChanges(std::vector<std::string>& parts) const {
        std::vector<int> changed, removed, appeared, left;
        for (int k : Harmonics()) {
            const bool was = Present(was_[k]), now = Present(now_[k]);
            if (now) left.push_back(k);
            if (was && now && std::abs(now_[k].Amplitude - was_[k].Amplitude) > noise_)
                changed.push_back(k);
            else if (was && !now)
                removed.push_back(k);
            else if (!was && now)
                appeared.push_back(k);
        }
        // One harmonic gone reads best as its change to 0.
        if (removed.size() == 1) {
            changed.insert(std::ranges::upper_bound(changed, removed[0]), removed[0]);
            removed.clear();
        }
        constexpr std::size_t Listed = 2;
        if (!changed.empty()) {
            std::vector<std::string> items;
            for (std::size_t i = 0; i < std::min(Listed, changed.size()); ++i)
                items.push_back(Change(changed[i]));
            std::string text = Joined(items, ", ");
            if (changed.size() > Listed)
                text = Filled(Wording("SignalOperations", "%1, … (всего %2)"),
                              {text, std::to_string(changed.size())});
            parts.push_back(text);
        }
        if (!removed.empty()) parts.push_back(Removed(removed, left));
        if (!appeared.empty()) {
            std::vector<std::string> items;
            for (std::size_t i = 0; i < std::min(Listed, appeared.size()); ++i)
                items.push_back(Amplitude(appeared[i], now_));
            if (appeared.size() > Listed) items.push_back("…");
            if (appeared.size() == 1) {
                parts.push_back(
                    Filled(Wording("SignalOperations", "появилась гармоника %1"), {items[0]}));
            } else {
                const TParity parity = ParityOf(appeared);
                parts.push_back(
                    Filled(parity == TParity::Even
                               ? Wording("SignalOperations", "появились чётные гармоники: %1")
                           : parity == TParity::Odd
                               ? Wording("SignalOperations", "появились нечётные гармоники: %1")
                               : Wording("SignalOperations", "появились гармоники: %1"),
                           {Joined(items, ", ")}));
            }
        }
    }

    enum class TParity { Even, Odd, Mixed };

    static TParity ParityOf(const std::vector<int>& harmonics) {
        if (std::ranges::all_of(harmonics, [](int k) { return k % 2 == 0; })) return TParity::Even;
        if (std::ranges::all_of(harmonics, [](int k) { return k % 2 == 1; })) return TParity::Odd;
        return TParity::Mixed;
    }

    std::string Removed(const std::vector<int>& removed, const std::vector<int>& left) const {
        if (left.empty()) return Wording("SignalOperations", "все гармоники убраны");
        if (removed.front() > left.back())
            return Filled(Wording("SignalOperations", "гармоники выше %1 убраны"),
                          {std::to_string(left.back())});
        if (removed.back() < left.front())
            return Filled(Wording("SignalOperations", "гармоники ниже %1 убраны"),
                          {std::to_string(left.front())});
        const TParity parity = ParityOf(removed);
        const bool noneOfThemLeft =
            std::ranges::none_of(left, [&removed](int k) { return k % 2 == removed.front() % 2; });
        if (parity == TParity::Even && noneOfThemLeft)
            return Wording("SignalOperations", "чётные гармоники убраны");
        if (parity == TParity::Odd && noneOfThemLeft)
            return Wording("SignalOperations", "нечётные гармоники убраны");
        std::vector<std::string> items;
        for (std::size_t i = 0; i < std::min<std::size_t>(3, removed.size()); ++i)
            items.push_back("A" + Subscript(removed[i]));
        if (removed.size() > 3) items.push_back("…");
        return Filled(Wording("SignalOperations", "убраны %1"), {Joined(items, ", ")});
    }

    THarmonics was_;
    THarmonics now_;
    std::string_view separator_;
    double largest_ = 0.0;
    double noise_ = 0.0;
};

// The first `length` characters of the text, with «…» in place of the rest.
std::string Cut(std::string_view text, std::size_t length) {
    const std::vector<std::size_t> starts = CharacterStarts(text);
    if (starts.size() - 1 <= length) return std::string(text);
    return std::string(text.substr(0, starts[length - 1])) + "…";
}

// «квантование на 5 уровней»: one level has a text of its own, since English says "1 level"
// but "21 levels", where Russian uses the same form for both.
std::string QuantisationName(long long n) {
    const std::string count = std::to_string(n);
    if (n == 1) return Wording("SignalOperations", "квантование на 1 уровень");
    const long long last = n % 10, lastTwo = n % 100;
    if (last == 1 && lastTwo != 11)
        return Filled(Wording("SignalOperations", "квантование на %1 уровень"), {count});
    if (last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14))
        return Filled(Wording("SignalOperations", "квантование на %1 уровня"), {count});
    return Filled(Wording("SignalOperations", "квантование на %1 уровней"), {count});
}

} // namespace

TSamples ApplyOperation(const TSamples& samples, const TOperation& operation) {
    TSamples result = Computed(samples, operation);
    if (!std::ranges::all_of(result, [](double s) { return std::abs(s) <= LargestMeasuredValue; }))
        throw TOperationError(Wording("SignalOperations",
                                      "Результат больше 10¹⁵⁰ по модулю: "
                                      "программа не может сосчитать его энергию"));
    return result;
}

std::string OperationName(const TOperation& operation, std::string_view decimalSeparator) {
    const auto number = [decimalSeparator](double value) {
        return ReadableNumber(value, 4, decimalSeparator);
    };
    const auto whole = [&operation] {
        return std::to_string(static_cast<long long>(operation.Parameter));
    };
    switch (operation.Kind) {
    case TOperationKind::TimeShift:
        return Wording("SignalOperations", "сдвиг");
    case TOperationKind::TimeReversal:
        return Wording("SignalOperations", "обращение времени");
    case TOperationKind::Inversion:
        return Wording("SignalOperations", "инверсия");
    case TOperationKind::FullWave:
        return Wording("SignalOperations", "выпрямление");
    case TOperationKind::HalfWave:
        return Wording("SignalOperations", "однополупериодное выпрямление");
    case TOperationKind::Clipping:
        return Filled(Wording("SignalOperations", "ограничение ±%1"),
                      {number(operation.Parameter)});
    case TOperationKind::Quantisation:
        return QuantisationName(static_cast<long long>(operation.Parameter));
    case TOperationKind::EvenHarmonics:
        return Wording("SignalOperations", "только чётные гармоники");
    case TOperationKind::OddHarmonics:
        return Wording("SignalOperations", "только нечётные гармоники");
    case TOperationKind::LowPass:
        return operation.Parameter == 0
                   ? Wording("SignalOperations", "только среднее")
                   : Filled(Wording("SignalOperations", "гармоники 0–%1"), {whole()});
    case TOperationKind::HighPass:
        return operation.Parameter == NyquistLine
                   ? Filled(Wording("SignalOperations", "только гармоника %1"), {whole()})
                   : Filled(Wording("SignalOperations", "гармоники %1–%2"),
                            {whole(), std::to_string(NyquistLine)});
    case TOperationKind::AddConstant:
        return operation.Parameter < 0 ? std::string(Minus) + " " + number(-operation.Parameter)
                                       : "+ " + number(operation.Parameter);
    }
    return {};
}

std::string OperationEffect(const TSamples& before, const TSamples& after,
                            const TOperation& operation, std::string_view decimalSeparator) {
    return TSpectrumChange(before, after, decimalSeparator).Describe(operation);
}

std::string ChainCaption(std::string_view source, const std::vector<std::string>& operations) {
    std::string head = Cut(source, CaptionLength / 2);
    if (operations.empty()) return head;
    head += " → ";
    const std::size_t room = CaptionLength;
    const std::string more = "…, ";
    std::string tail = operations.back();
    std::size_t first = operations.size() - 1; // operations[first..] are in the tail
    while (first > 0) {
        const std::string& earlier = operations[first - 1];
        const std::size_t length = CharacterCount(head) + CharacterCount(earlier) + 2 +
                                   CharacterCount(tail) + (first > 1 ? CharacterCount(more) : 0);
        if (length > room) break;
        tail = earlier + ", " + tail;
        --first;
    }
    return head + (first > 0 ? more : "") + tail;
}

std::string FractionText(int numerator, int denominator) {
    if (denominator == 0)
        throw TOperationError(Wording("SignalOperations", "Дробь со знаменателем 0"));
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    const int divisor = std::gcd(numerator, denominator);
    numerator /= divisor;
    denominator /= divisor;
    std::string text = numerator < 0 ? Minus : "";
    text += std::to_string(std::abs(numerator));
    if (denominator != 1) text += "/" + std::to_string(denominator);
    return text;
}

} // namespace Fourier
