#pragma once
// The core writes what it tells the student in Russian, the program's source language. A
// window showing another language installs a lookup (Qt's catalogue) with SetWordingLookup;
// every text passes through Wording(context, source), which lupdate collects into the
// translation files like a call of QCoreApplication::translate. Texts kept in tables are
// marked with WORDING_NOOP, which lupdate also collects, and looked up where they are used.
//
// The lookup is a plain pointer in this header: the program and the lab's plugin each link
// the core and each install it (the windows do so when they are made).
#include <atomic>
#include <exception>
#include <initializer_list>
#include <string>
#include <string_view>

// A text for the catalogue, left as it is here and looked up where it is shown.
#define WORDING_NOOP(context, source) source

namespace Fourier {

using TWordingLookup = std::string (*)(const char* context, const char* source);

inline std::atomic<TWordingLookup> WordingLookup{nullptr};

inline void SetWordingLookup(TWordingLookup lookup) {
    WordingLookup.store(lookup);
}

// source in the program's language: itself until a lookup is installed, and whenever the
// catalogue has nothing for it.
inline std::string Wording(const char* context, const char* source) {
    const TWordingLookup lookup = WordingLookup.load(std::memory_order_relaxed);
    return lookup ? lookup(context, source) : std::string(source);
}

// pattern with %1 … %9 replaced by the arguments in order, as QString::arg does, so that a
// translation may put them in another order. A % before anything else stays as it is, and
// so do %10 and longer numbers (QString::arg would read them as one placeholder), and a
// placeholder without an argument.
inline std::string Filled(std::string_view pattern,
                          std::initializer_list<std::string_view> arguments) {
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const char after = i + 2 < pattern.size() ? pattern[i + 2] : '\0';
        const std::size_t index = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && !(after >= '0' && after <= '9') &&
            index < arguments.size()) {
            text += *(arguments.begin() + index);
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

// An error whose what() stays in the source language, because callers compare it, and which
// can also say itself in the program's language.
class TWordedError {
  public:
    virtual ~TWordedError() = default;
    virtual std::string Shown() const = 0;
};

// What the student reads of an error: its own wording when it has one, else what().
inline std::string ShownMessage(const std::exception& error) {
    if (const auto* worded = dynamic_cast<const TWordedError*>(&error)) return worded->Shown();
    return error.what();
}

} // namespace Fourier
