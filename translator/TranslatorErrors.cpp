#include "TranslatorErrors.h"

#include <array>
#include <utility>

namespace Translator {

const char* FloatingPointError::what() const noexcept {
    static constexpr std::array<const char*, 3> Messages{"Invalid floating point operation",
                                                         "Floating point division by zero",
                                                         "Floating point overflow"};
    return Messages[kind_];
}

FormulaSyntaxError::FormulaSyntaxError(const std::string& problem, std::size_t position)
    : FormulaSyntaxError(problem, std::string(), position) {}

FormulaSyntaxError::FormulaSyntaxError(std::string pattern, std::string argument,
                                       std::size_t position)
    : std::runtime_error("Ошибка в формуле (символ " + std::to_string(position) +
                         "): " + Fourier::Filled(pattern, {argument})),
      pattern_(std::move(pattern)), argument_(std::move(argument)),
      problem_(Fourier::Filled(pattern_, {argument_})), position_(position) {}

std::string FormulaSyntaxError::ShownProblem() const {
    return Fourier::Filled(Fourier::Wording("Translator", pattern_.c_str()), {argument_});
}

std::string FormulaSyntaxError::Shown() const {
    return Fourier::Filled(Fourier::Wording("Translator", "Ошибка в формуле (символ %1): %2"),
                           {std::to_string(position_), ShownProblem()});
}

} // namespace Translator
