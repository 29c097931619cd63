// Arbitrary texts as the user's own formula: whatever happens, the answer is an analysis with
// finite numbers or an error that points inside the text or at a grid point, and the
// translator is left with no nodes of the formula.
#include "OwnFormula.h"
#include "Translator.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 300) return 0;
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        const Fourier::TAnalysis analysis = Fourier::AnalyseOwnFormula(text);
        if (size > 255) __builtin_trap();
        for (double s : analysis.Samples)
            if (!std::isfinite(s)) __builtin_trap();
        for (int k = 0; k <= Fourier::NyquistLine; ++k)
            if (!std::isfinite(analysis.Re[k]) || !std::isfinite(analysis.Im[k])) __builtin_trap();
    } catch (const Fourier::TOwnFormulaError& e) {
        switch (e.Kind()) {
        case Fourier::TOwnFormulaError::oeSyntax:
            if (e.Position() > size + 1) __builtin_trap();
            break;
        case Fourier::TOwnFormulaError::oeEvaluation:
            if (e.Sample() < 0 || e.Sample() >= Fourier::SampleCount) __builtin_trap();
            break;
        case Fourier::TOwnFormulaError::oeSpectrum:
            break;
        }
        if (std::string(e.what()).empty()) __builtin_trap();
    }
    if (Translator::FunctionNodeCount != 0 || Translator::OperatorNodeCount != 0) __builtin_trap();
    return 0;
}
