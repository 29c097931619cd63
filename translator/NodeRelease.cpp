#include "FormulaNodes.h"

namespace Translator {

namespace {

void ReleaseOperand(TOperandKind kind, uint8_t func, uint8_t op) {
    if (kind == okFunction)
        FunctionNode(func).Release();
    else if (kind == okOperator)
        OperatorNode(op).Release();
}

} // namespace

// Only the counts change: the nodes keep their contents.
void TFunctionNode::Release() const {
    ReleaseOperand(ArgKind, ArgFunc, ArgOp);
    --FunctionNodeCount;
}

void TOperatorNode::Release() const {
    ReleaseOperand(LeftKind, LeftFunc, LeftOp);
    ReleaseOperand(RightKind, RightFunc, RightOp);
    --OperatorNodeCount;
}

} // namespace Translator
