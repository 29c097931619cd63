#pragma once
// The two kinds of error the translator raises. Neither is caught inside it.
#include "Wording.h"

#include <cstddef>
#include <cstdint>
#include <exception>
#include <stdexcept>
#include <string>

namespace Translator {

enum TFloatError : uint8_t { feInvalidOperation, feDivisionByZero, feOverflow };

// A floating-point error met while converting a number or evaluating a formula.
// what() is exactly "Invalid floating point operation", "Floating point division by
// zero" or "Floating point overflow".
class FloatingPointError : public std::exception {
  public:
    explicit FloatingPointError(TFloatError kind) noexcept : kind_(kind) {}
    TFloatError Kind() const noexcept { return kind_; }
    const char* what() const noexcept override;

  private:
    TFloatError kind_;
};

// A text outside the formula grammar. what() says in Russian what is wrong and at
// which character, e.g. "Ошибка в формуле (символ 1): неизвестное имя «Sin»", whatever the
// program's language; Shown() says the same in the program's language.
class FormulaSyntaxError : public std::runtime_error, public Fourier::TWordedError {
  public:
    FormulaSyntaxError(const std::string& problem, std::size_t position);
    // pattern: a Russian text of the catalogue's context "Translator", its %1 standing for
    // argument (a name or sign from the formula, which no language changes).
    FormulaSyntaxError(std::string pattern, std::string argument, std::size_t position);
    std::size_t Position() const noexcept { return position_; }      // 1-based
    const std::string& Problem() const noexcept { return problem_; } // in Russian
    std::string ShownProblem() const;                                // in the program's language
    std::string Shown() const override;

  private:
    std::string pattern_;
    std::string argument_;
    std::string problem_;
    std::size_t position_;
};

} // namespace Translator
