#include "Arithmetic.h"
#include "FormulaNodes.h"

namespace Translator {

namespace {

// The names are resolved once, here, rather than compared at every node and every x.
constexpr auto FunctionOperations = [] {
    std::array<TOperation, FunctionNames.size()> operations{};
    for (std::size_t i = 0; i < operations.size(); ++i)
        operations[i] = OperationByName(FunctionNames[i]).value();
    return operations;
}();

constexpr auto OperatorOperations = [] {
    std::array<TOperation, OperatorPairs.size()> operations{};
    for (std::size_t i = 0; i < operations.size(); ++i)
        operations[i] = OperationByName(OperatorPairs.substr(i, 1)).value();
    return operations;
}();

double OperandValue(TOperandKind kind, double value, uint8_t func, uint8_t op) {
    switch (kind) {
    case okNumber:
        break;
    case okVariable:
        return CurrentX;
    case okFunction:
        return FunctionNode(func).Value();
    case okOperator:
        return OperatorNode(op).Value();
    }
    return value;
}

} // namespace

double TFunctionNode::Value() const {
    const double argument = OperandValue(ArgKind, ArgValue, ArgFunc, ArgOp);
    return ApplyOperation(FunctionOperations[Func - 1u], argument, 0);
}

double TOperatorNode::Value() const {
    const double left = OperandValue(LeftKind, LeftValue, LeftFunc, LeftOp);
    const double right = OperandValue(RightKind, RightValue, RightFunc, RightOp);
    return ApplyOperation(OperatorOperations[Op - 1u], left, right);
}

} // namespace Translator
