// Arbitrary texts into Translate; whatever it decides, Evaluate and ReleaseFormula
// must stay safe and the pools must come back empty.
#include "Translator.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

// The same x twice gives the same value or the same error.
void EvaluateTwice(double x) {
    double first = 0, second = 0;
    const char* firstError = nullptr;
    const char* secondError = nullptr;
    try {
        first = Translator::Evaluate(x);
    } catch (const Translator::FloatingPointError& e) {
        firstError = e.what();
    }
    try {
        second = Translator::Evaluate(x);
    } catch (const Translator::FloatingPointError& e) {
        secondError = e.what();
    }
    if (firstError != secondError || std::memcmp(&first, &second, sizeof first) != 0)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 300) return 0;
    const std::string text(reinterpret_cast<const char*>(data), size);
    bool accepted = true;
    try {
        Translator::Translate(text);
    } catch (const Translator::FormulaSyntaxError& e) {
        accepted = false;
        if (e.Position() < 1 || e.Position() > size + 1) __builtin_trap();
    } catch (const Translator::FloatingPointError&) {
        accepted = false;
    }
    if (accepted && size > 255) __builtin_trap();
    for (double x : {-3.14159, 0.0, 0.5, 1e19})
        EvaluateTwice(x);
    Translator::ReleaseFormula();
    if (Translator::FunctionNodeCount != 0 || Translator::OperatorNodeCount != 0) __builtin_trap();
    return 0;
}
