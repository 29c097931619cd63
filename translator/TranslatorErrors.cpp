#include "TranslatorErrors.h"

#include <array>

namespace Translator {

const char* FloatingPointError::what() const noexcept {
    static constexpr std::array<const char*, 3> Messages{"Invalid floating point operation",
                                                         "Floating point division by zero",
                                                         "Floating point overflow"};
    return Messages[kind_];
}

FormulaSyntaxError::FormulaSyntaxError(const std::string& problem, std::size_t position)
    : std::runtime_error("Ошибка в формуле (символ " + std::to_string(position) + "): " + problem),
      problem_(problem), position_(position) {}

} // namespace Translator
