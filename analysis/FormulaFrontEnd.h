#pragma once
// What a student types, made into the translator's language before it gets there. The
// translator is the main window's and keeps its strict grammar; here the usual ways of
// writing a formula are taken too, and each one that needed rewriting is told back:
// - blanks (spaces, tabs) between tokens are dropped; one inside a number ("2 5") or
//   between two names or numbers ("sin x") is refused, never glued together;
// - a unary minus: at the start or after "(" it becomes "0-" ("-x^2" -> "0-x^2", which the
//   translator reads as 0-(x^2)); after an operator its operand, one factor with its
//   ^-chain, is bracketed with a zero ("2*-x^2" -> "2*(0-x^2)", "2^-x" -> "2^(0-x)");
// - a decimal comma between digits when the locale writes one ("2,5" -> "2.5"); under a
//   point a comma is refused;
// - the Cyrillic letters that look like Latin ones (х с е о а р, upper and lower case),
//   typed on a Russian keyboard, become x c e o a p;
// - a number with a signed exponent ("1e-5") is bracketed, as the translator would split
//   it at its sign; a number beyond a double is refused here, where its place is known.
// Positions are characters (code points) of the typed UTF-8 text, 0-based.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace Fourier {

enum class TFormulaChangeKind { UnaryMinus, DecimalComma, CyrillicLetter };

struct TFormulaChange {
    TFormulaChangeKind Kind;
    std::size_t Position;    // of the "-", the comma or the letter
    std::string Description; // in the program's language, for the student
};

struct TPreparedFormula {
    bool Accepted = false;
    // Accepted: the text for the translator, and the typed character each of its bytes
    // comes from, plus one more entry for its end (the typed text's length).
    std::string Text;
    std::vector<std::size_t> Origins;
    std::vector<TFormulaChange> Changes;
    // Refused: why, in the program's language, and the character it is about (the length: at the
    // end).
    std::string Refusal;
    std::size_t Position = 0;

    // The typed character of the translator's 1-based position (its length + 1: the end).
    std::size_t TypedPosition(std::size_t translatorPosition) const;
};

// decimalSeparator is the locale's: '.' or ','.
TPreparedFormula PrepareFormula(std::string_view typed, char decimalSeparator);

} // namespace Fourier
