#include "Arithmetic.h"

#include "QuarterTurns.h"
#include "Translator.h"
#include "TranslatorErrors.h"

#include <cmath>
#include <cstdint>

namespace Translator {

uint32_t ZeroDivisorsMet = 0;
std::string_view FailedOperation;

namespace {

// Sine and cosine give 0 from here on, as the tangent does.
constexpr long double TrigonometryLimit = 0x1p63L;
constexpr double LargestIntegerExponent = 2147483647.0;

[[noreturn]] void Raise(TFloatError error, TOperation operation) {
    FailedOperation = OperationNames[operation];
    throw FloatingPointError(error);
}

// No squaring after the highest bit, so no overflow the result itself does not have.
long double IntegerPower(long double base, uint32_t exponent) {
    long double result = 1;
    while (true) {
        if (exponent & 1u) result *= base;
        exponent >>= 1;
        if (exponent == 0) return result;
        base *= base;
    }
}

long double Power(double a, double b) {
    if (b == 0) return 1;
    if (a == 0 && b > 0) return 0;
    if (std::trunc(b) == b && std::fabs(b) <= LargestIntegerExponent) {
        const auto n = static_cast<int64_t>(b);
        const long double power = IntegerPower(a, static_cast<uint32_t>(n < 0 ? -n : n));
        if (n > 0) return power;
        if (a == 0) Raise(feDivisionByZero, opPower);
        // a power that underflowed long double inverts to far beyond a double
        if (power == 0) Raise(feOverflow, opPower);
        return 1 / power;
    }
    if (a < 0) Raise(feInvalidOperation, opPower);
    if (a == 0) Raise(feDivisionByZero, opPower);
    return std::exp(b * std::log(static_cast<long double>(a)));
}

bool BeyondTrigonometry(long double a) {
    return std::fabs(a) >= TrigonometryLimit;
}

double StoredAsDouble(long double result, TOperation operation) {
    const auto value = static_cast<double>(result);
    if (std::isnan(value)) Raise(feInvalidOperation, operation);
    if (std::isinf(value)) Raise(feOverflow, operation);
    return value;
}

} // namespace

double ApplyOperation(TOperation operation, double a, double b) {
    const long double wide = a;
    long double result = 0;
    switch (operation) {
    case opSin:
        if (const std::optional<double> fast = FastSine(a)) return *fast;
        result = BeyondTrigonometry(wide) ? 0 : std::sin(wide);
        break;
    case opCos:
        if (const std::optional<double> fast = FastCosine(a)) return *fast;
        result = BeyondTrigonometry(wide) ? 0 : std::cos(wide);
        break;
    case opTg:
        result = BeyondTrigonometry(wide) ? 0 : std::tan(wide);
        break;
    case opLn:
        if (a < 0) Raise(feInvalidOperation, opLn);
        if (a == 0) Raise(feDivisionByZero, opLn);
        result = std::log(wide);
        break;
    case opPower:
        result = Power(a, b);
        break;
    case opAdd:
        result = wide + b;
        break;
    case opSubtract:
        result = wide - b;
        break;
    case opMultiply:
        result = wide * b;
        break;
    case opDivide:
        if (b == 0) {
            ++ZeroDivisorsMet;
            return 0;
        }
        result = wide / b;
        break;
    }
    return StoredAsDouble(result, operation);
}

} // namespace Translator
