#include "FormulaText.h"

#include "FormulaNodes.h"
#include "SyntaxFault.h"

namespace Translator {

namespace {

constexpr int DepthChange(char c) {
    return c == '(' ? 1 : c == ')' ? -1 : 0;
}

} // namespace

void CheckParentheses(std::string_view text) {
    int depth = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        depth += DepthChange(text[i]);
        if (depth < 0) Reject(text.substr(i), WORDING_NOOP("Translator", "нет пары для «)»"));
    }
    if (depth == 0) return;
    // From the right, the first "(" with no ")" left over for it is the last one open.
    int closings = 0;
    for (std::size_t i = text.size(); i-- > 0;) {
        if (text[i] == ')')
            ++closings;
        else if (text[i] == '(' && closings-- == 0)
            Reject(text.substr(i), WORDING_NOOP("Translator", "нет пары для «(»"));
    }
}

bool HasTopLevelOperator(std::string_view text) {
    int depth = 0;
    for (char c : text) {
        depth += DepthChange(c);
        if (depth == 0 && OperatorPairs.find(c) != std::string_view::npos) return true;
    }
    return false;
}

TSplitOperator FindSplitOperator(std::string_view text) {
    for (std::size_t level = 0; level < OperatorPairs.size() / 2; ++level) {
        const std::string_view pair = OperatorPairs.substr(2 * level, 2);
        TSplitOperator found{'\0', 0};
        int depth = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            depth += DepthChange(text[i]);
            if (depth == 0 && pair.find(text[i]) != std::string_view::npos)
                found = {text[i], i + 1};
        }
        if (found.Position != 0) return found;
    }
    return {'\0', 0};
}

std::string_view StripEnclosingParens(std::string_view text) {
    if (ClosingParen(text, 0) + 1 < text.size()) return text;
    return text.substr(1, text.size() - 2);
}

std::size_t ClosingParen(std::string_view text, std::size_t open) {
    int depth = 0;
    for (std::size_t i = open; i < text.size(); ++i) {
        depth += DepthChange(text[i]);
        if (depth == 0) return i;
    }
    return text.size();
}

std::size_t FirstTopLevelBlank(std::string_view text) {
    int depth = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        depth += DepthChange(text[i]);
        if (depth == 0 && text[i] == ' ') return i;
    }
    return std::string_view::npos;
}

} // namespace Translator
