#pragma once
// How the translation routines reject a text: they point at the offending character
// inside the caller's text, and Translate turns that into a position. The problem is a
// pattern marked for the catalogue (context "Translator") with at most one argument, %1.
#include "Wording.h"

#include <string>
#include <string_view>
#include <utility>

namespace Translator {

struct TSyntaxFault {
    const char* At;
    const char* Pattern;
    std::string Argument;
};

// at starts with the offending character (or is the empty end of a text).
[[noreturn]] inline void Reject(std::string_view at, const char* pattern,
                                std::string argument = {}) {
    throw TSyntaxFault{at.data(), pattern, std::move(argument)};
}

} // namespace Translator
