#pragma once
// How the translation routines reject a text: they point at the offending character
// inside the caller's text, and Translate turns that into a position.
#include <string>
#include <string_view>
#include <utility>

namespace Translator {

struct TSyntaxFault {
    const char* At;
    std::string Problem;
};

// at starts with the offending character (or is the empty end of a text).
[[noreturn]] inline void Reject(std::string_view at, std::string problem) {
    throw TSyntaxFault{at.data(), std::move(problem)};
}

} // namespace Translator
