#include "OwnFormula.h"

#include "Translator.h"

#include <charconv>
#include <cmath>
#include <numbers>

namespace Fourier {
namespace {

std::string EvaluationProblem(Translator::TFloatError kind) {
    switch (kind) {
    case Translator::feInvalidOperation:
        return "недопустимая операция (логарифм отрицательного числа или дробная степень "
               "отрицательного)";
    case Translator::feDivisionByZero:
        return "деление на ноль (логарифм нуля или нуль в отрицательной степени)";
    case Translator::feOverflow:
        return "переполнение: значение больше, чем вмещает double";
    }
    return "ошибка вычисления";
}

std::string ShortNumber(double value) {
    char digits[32];
    const auto end =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::general, 6).ptr;
    return std::string(digits, end);
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

TAnalysis AnalyseOwnFormula(const std::string& text) {
    try {
        Translator::Translate(text);
    } catch (const Translator::FormulaSyntaxError& e) {
        throw TOwnFormulaError(TOwnFormulaError::oeSyntax, e.what(), e.Position());
    } catch (const Translator::FloatingPointError& e) {
        // Only a number beyond a double fails this way; the translator names no position.
        throw TOwnFormulaError(TOwnFormulaError::oeSyntax,
                               "Ошибка в формуле: число больше, чем вмещает double");
    }

    TSamples samples{};
    {
        const TFormulaRelease release;
        for (int j = 0; j < SampleCount; ++j) {
            const double x = FormulaGridX(j);
            try {
                samples[j] = Translator::Evaluate(x);
            } catch (const Translator::FloatingPointError& e) {
                throw TOwnFormulaError(TOwnFormulaError::oeEvaluation,
                                       "При x = " + ShortNumber(x) + " (отсчёт " +
                                           std::to_string(j) + "): " + EvaluationProblem(e.Kind()),
                                       0, j);
            }
        }
    }

    TAnalysis analysis = AnalyseSamples(samples);
    for (int k = 0; k <= NyquistLine; ++k) {
        if (!std::isfinite(analysis.Re[k]) || !std::isfinite(analysis.Im[k]))
            throw TOwnFormulaError(TOwnFormulaError::oeSpectrum,
                                   "Значения формулы так велики, что её спектр не вмещается в "
                                   "double");
    }
    return analysis;
}

} // namespace Fourier
