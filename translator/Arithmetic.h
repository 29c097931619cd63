#pragma once
// The one place where a formula's arithmetic happens.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace Translator {

// The operations in the order their names are compared.
enum TOperation : uint8_t {
    opSin,
    opCos,
    opTg,
    opLn,
    opPower,
    opAdd,
    opSubtract,
    opMultiply,
    opDivide
};
inline constexpr std::array<std::string_view, 9> OperationNames{"sin", "cos", "tg", "ln", "^",
                                                                "+",   "-",   "*",  "/"};

// Exact, case-sensitive match of a function or operator name.
constexpr std::optional<TOperation> OperationByName(std::string_view name) {
    for (std::size_t i = 0; i < OperationNames.size(); ++i)
        if (OperationNames[i] == name) return static_cast<TOperation>(i);
    return std::nullopt;
}

// Computes in long double and rounds the result to a double. For a function b is unused.
// - sin, cos, tg: radians; 0 when |a| >= 2^63.
// - ln: FloatingPointError invalid operation for a < 0, division by zero for a = 0.
// - "/": 0 when b is zero of either sign.
// - "^", tried in order: b = 0 gives 1; a = 0 and b > 0 gives 0; integral b with
//   |b| <= 2147483647 by exponentiation by squaring, inverted for negative b (division
//   by zero for a = 0); otherwise exp(b ln a) (invalid operation for a < 0, division by
//   zero for a = 0).
// Any result beyond the range of a double raises overflow; underflow is silent.
double ApplyOperation(TOperation operation, double a, double b);

} // namespace Translator
