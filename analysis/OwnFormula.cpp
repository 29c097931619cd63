#include "OwnFormula.h"

#include "FormulaFrontEnd.h"
#include "NumberText.h"
#include "Translator.h"
#include "Wording.h"

#include <cmath>
#include <numbers>

namespace Fourier {
namespace {

// x as the program shows numbers: six significant digits, the locale's separator, a true
// minus sign, and -0 as 0.
std::string ShownX(double x, char decimalSeparator) {
    std::string text = FormatGeneral(x, 6, std::string_view(&decimalSeparator, 1));
    if (text.starts_with('-')) text.replace(0, 1, "−");
    return text;
}

std::string EvaluationProblem(Translator::TFloatError kind, std::string_view operation,
                              const std::string& x) {
    const bool logarithm = operation == "ln";
    switch (kind) {
    case Translator::feInvalidOperation:
        return Filled(
            logarithm
                ? Wording("OwnFormula", "f не определена при x = %1: логарифм отрицательного числа")
                : Wording("OwnFormula", "f не определена при x = %1: дробная степень "
                                        "отрицательного числа"),
            {x});
    case Translator::feDivisionByZero:
        return Filled(logarithm
                          ? Wording("OwnFormula", "f не определена при x = %1: логарифм нуля")
                          : Wording("OwnFormula", "f не определена при x = %1: деление на ноль "
                                                  "(ноль в отрицательной степени)"),
                      {x});
    case Translator::feOverflow:
        break;
    }
    return Filled(Wording("OwnFormula", "Значение f при x = %1 слишком велико: больше 10³⁰⁸ "
                                        "компьютер не считает"),
                  {x});
}

// Releases the translated formula however the evaluation ends.
class TFormulaRelease {
  public:
    TFormulaRelease() = default;
    ~TFormulaRelease() { Translator::ReleaseFormula(); }
    TFormulaRelease(const TFormulaRelease&) = delete;
    TFormulaRelease& operator=(const TFormulaRelease&) = delete;
};

} // namespace

TOwnFormulaError::TOwnFormulaError(TKind kind, const std::string& message, std::size_t position,
                                   int sample)
    : std::runtime_error(message), kind_(kind), position_(position), sample_(sample) {}

double FormulaGridX(int j) {
    const double a = -std::numbers::pi, b = std::numbers::pi;
    const double d = (b - a) / SampleCount;
    return static_cast<double>(static_cast<long double>(a) + j * static_cast<long double>(d));
}

TAnalysis AnalyseOwnFormula(const std::string& text, char decimalSeparator) {
    const TPreparedFormula prepared = PrepareFormula(text, decimalSeparator);
    const auto syntaxError = [](const std::string& problem, std::size_t position) {
        return TOwnFormulaError(TOwnFormulaError::oeSyntax,
                                Filled(Wording("OwnFormula", "Ошибка в формуле (символ %1): %2"),
                                       {std::to_string(position), problem}),
                                position);
    };
    if (!prepared.Accepted) throw syntaxError(prepared.Refusal, prepared.Position + 1);
    try {
        Translator::Translate(prepared.Text);
    } catch (const Translator::FormulaSyntaxError& e) {
        throw syntaxError(e.ShownProblem(), prepared.TypedPosition(e.Position()) + 1);
    } catch (const Translator::FloatingPointError&) {
        // The front end refuses such numbers first; this is for the rare one it reads as
        // just within range and the translator just beyond.
        throw TOwnFormulaError(TOwnFormulaError::oeSyntax,
                               Wording("OwnFormula", "Ошибка в формуле: число слишком велико: "
                                                     "больше 10³⁰⁸ компьютер не считает"));
    }

    TSamples samples{};
    {
        const TFormulaRelease release;
        Translator::ZeroDivisorsMet = 0;
        for (int j = 0; j < SampleCount; ++j) {
            const double x = FormulaGridX(j);
            try {
                samples[j] = Translator::Evaluate(x);
            } catch (const Translator::FloatingPointError& e) {
                throw TOwnFormulaError(TOwnFormulaError::oeEvaluation,
                                       EvaluationProblem(e.Kind(), Translator::FailedOperation,
                                                         ShownX(x, decimalSeparator)),
                                       0, j);
            }
            if (Translator::ZeroDivisorsMet != 0)
                throw TOwnFormulaError(
                    TOwnFormulaError::oeEvaluation,
                    Filled(Wording("OwnFormula", "f не определена при x = %1: деление на ноль"),
                           {ShownX(x, decimalSeparator)}),
                    0, j);
        }
    }

    // The lab squares and sums the samples (energy, RMS error): beyond LargestMeasuredValue
    // that would pass the largest double, and the views would show infinities.
    TAnalysis analysis = AnalyseSamples(samples);
    if (!IsMeasurable(analysis))
        throw TOwnFormulaError(TOwnFormulaError::oeSpectrum,
                               Wording("OwnFormula", "Значения f слишком велики: больше 10¹⁵⁰ по "
                                                     "модулю программа не может сосчитать энергию "
                                                     "и ошибку приближения"));
    return analysis;
}

} // namespace Fourier
