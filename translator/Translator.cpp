#include "Translator.h"

#include "FormulaNodes.h"
#include "FormulaText.h"
#include "NumberConversion.h"
#include "SyntaxFault.h"

namespace Translator {

uint8_t FunctionNodeCount = 0;
uint8_t OperatorNodeCount = 0;
bool FormulaIsConstant = false;
bool FormulaIsX = false;
bool RootIsOperator = false;
double ConstantValue = 0;
double CurrentX = 0;
std::array<TFunctionNode, PoolSize> FunctionNodes{};
std::array<TOperatorNode, PoolSize> OperatorNodes{};

namespace {

// Everything a translation writes, so that a text that fails leaves the previous
// formula whole rather than a half-built tree.
struct TSavedFormula {
    std::array<TFunctionNode, PoolSize> FunctionNodes;
    std::array<TOperatorNode, PoolSize> OperatorNodes;
    uint8_t FunctionNodeCount, OperatorNodeCount;
    bool FormulaIsConstant, FormulaIsX, RootIsOperator;
    double ConstantValue;
};

TSavedFormula SaveFormula() {
    return {FunctionNodes,     OperatorNodes, FunctionNodeCount, OperatorNodeCount,
            FormulaIsConstant, FormulaIsX,    RootIsOperator,    ConstantValue};
}

void RestoreFormula(const TSavedFormula& saved) {
    FunctionNodes = saved.FunctionNodes;
    OperatorNodes = saved.OperatorNodes;
    FunctionNodeCount = saved.FunctionNodeCount;
    OperatorNodeCount = saved.OperatorNodeCount;
    FormulaIsConstant = saved.FormulaIsConstant;
    FormulaIsX = saved.FormulaIsX;
    RootIsOperator = saved.RootIsOperator;
    ConstantValue = saved.ConstantValue;
}

void TranslateText(std::string_view text) {
    if (text.size() > MaxTextLength)
        Reject(text.substr(MaxTextLength),
               WORDING_NOOP("Translator", "формула длиннее 255 символов"));
    if (text.empty()) Reject(text, WORDING_NOOP("Translator", "формула пуста"));
    CheckParentheses(text);

    const auto number = ConvertNumber(text);
    ConstantValue = number.value_or(0.0);
    FormulaIsConstant = false;
    FormulaIsX = false;
    if (number) {
        FormulaIsConstant = true;
        return;
    }
    if (text == "x") {
        FormulaIsX = true;
        return;
    }
    // The whole text is never unwrapped: "(x+1)" alone is refused by the function node.
    RootIsOperator = HasTopLevelOperator(text);
    OperatorNodeCount = 0;
    FunctionNodeCount = 0;
    if (RootIsOperator) {
        OperatorNodeCount = 1;
        OperatorNode(1).Init(text);
    } else {
        FunctionNodeCount = 1;
        FunctionNode(1).Init(text);
    }
}

} // namespace

void Translate(const std::string& text) {
    const TSavedFormula saved = SaveFormula();
    try {
        TranslateText(text);
    } catch (const TSyntaxFault& fault) {
        RestoreFormula(saved);
        throw FormulaSyntaxError(fault.Pattern, fault.Argument,
                                 static_cast<std::size_t>(fault.At - text.data()) + 1);
    } catch (...) {
        RestoreFormula(saved);
        throw;
    }
}

double Evaluate(double x) {
    CurrentX = x;
    if (FormulaIsConstant) return ConstantValue;
    if (FormulaIsX) return x;
    if (RootIsOperator) return OperatorNode(1).Value();
    // Before the first translation function node 1 has never been filled.
    if (FunctionNode(1).Func == 0) return 0;
    return FunctionNode(1).Value();
}

void ReleaseFormula() {
    if (FormulaIsConstant || FormulaIsX) {
        // Such a formula owns no node; whatever an earlier tree left is dropped.
        FunctionNodeCount = 0;
        OperatorNodeCount = 0;
    } else if (RootIsOperator) {
        // An empty root pool means the tree is already released: again would wrap the counts.
        if (OperatorNodeCount > 0) OperatorNode(1).Release();
    } else if (FunctionNodeCount > 0) {
        FunctionNode(1).Release();
    }
}

} // namespace Translator
