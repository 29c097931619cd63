#pragma once
// The translator's node records, fixed pools and constant tables. Internal to the
// module (and its tests); the rest of the program sees only Translator.h.
#include "Translator.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace Translator {

// Indexed 1 to 4 through FunctionName(); no name is a prefix of another.
inline constexpr std::array<std::string_view, 4> FunctionNames{"sin", "cos", "tg", "ln"};
// Three precedence levels of two characters, loosest first; the position of a
// character's first occurrence (1 to 5) is the operator code stored in a node.
inline constexpr std::string_view OperatorPairs = "+-*/^^";

inline constexpr std::size_t PoolSize = 128;
inline constexpr std::size_t MaxTextLength = 255;

enum TOperandKind : uint8_t { okNumber, okFunction, okOperator, okVariable };

// An operand slot is four fields: kind, value (meaningful for okNumber), and the
// function-node and operator-node indices (the one the kind names is meaningful).
struct TFunctionNode {
    uint8_t Func; // 1 to 4, into FunctionNames
    TOperandKind ArgKind;
    double ArgValue;
    uint8_t ArgFunc;
    uint8_t ArgOp;

    void Init(std::string_view text); // text is a call such as "sin(2*x)"
    double Value() const;
    void Release() const;
    bool operator==(const TFunctionNode&) const = default;
};

struct TOperatorNode {
    uint8_t Op; // 1 to 5, position in OperatorPairs
    TOperandKind LeftKind;
    double LeftValue;
    uint8_t LeftFunc;
    uint8_t LeftOp;
    TOperandKind RightKind;
    double RightValue;
    uint8_t RightFunc;
    uint8_t RightOp;

    void Init(std::string_view text); // text has an operator outside all parentheses
    double Value() const;
    void Release() const;
    bool operator==(const TOperatorNode&) const = default;
};

// The pools hold nodes 1 to 128; index 0 is never a node.
extern std::array<TFunctionNode, PoolSize> FunctionNodes;
extern std::array<TOperatorNode, PoolSize> OperatorNodes;
extern double CurrentX;

inline TFunctionNode& FunctionNode(uint8_t index) {
    return FunctionNodes[index - 1u];
}
inline TOperatorNode& OperatorNode(uint8_t index) {
    return OperatorNodes[index - 1u];
}
constexpr std::string_view FunctionName(uint8_t func) {
    return FunctionNames[func - 1u];
}

} // namespace Translator
