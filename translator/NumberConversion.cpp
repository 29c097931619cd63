#include "NumberConversion.h"

#include "TranslatorErrors.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace Translator {

namespace {

// Beyond this any non-zero mantissa of at most 255 digits leaves the range of
// long double in either direction, so larger exponents need not be told apart.
constexpr long ExponentLimit = 100000;

class TNumberReader {
  public:
    explicit TNumberReader(std::string_view text) : text_(text) {}

    bool AtEnd() const { return next_ == text_.size(); }
    bool Takes(char c) {
        if (AtEnd() || text_[next_] != c) return false;
        ++next_;
        return true;
    }
    bool AtDigit() const { return !AtEnd() && text_[next_] >= '0' && text_[next_] <= '9'; }
    int TakeDigit() { return text_[next_++] - '0'; }
    // Takes an optional sign; true when it was "-".
    bool TakesSign() {
        if (Takes('-')) return true;
        Takes('+');
        return false;
    }

  private:
    std::string_view text_;
    std::size_t next_ = 0;
};

long double PowerOfTen(long exponent) {
    return std::pow(10.0L, static_cast<long double>(exponent));
}

} // namespace

std::optional<double> ConvertNumber(std::string_view text) {
    TNumberReader reader(text);
    while (reader.Takes(' ')) {
    }
    const bool negative = reader.TakesSign();
    if (reader.AtEnd()) return std::nullopt;

    long double digits = 0;
    long scale = 0; // the power of ten the digits are to be multiplied by
    while (reader.AtDigit())
        digits = digits * 10 + reader.TakeDigit();
    if (reader.Takes('.')) {
        for (; reader.AtDigit(); --scale)
            digits = digits * 10 + reader.TakeDigit();
    }
    if (reader.Takes('E') || reader.Takes('e')) {
        const bool negativeExponent = reader.TakesSign();
        if (!reader.AtDigit()) return std::nullopt;
        long exponent = 0;
        while (reader.AtDigit())
            exponent = std::min(exponent * 10 + reader.TakeDigit(), ExponentLimit);
        scale += negativeExponent ? -exponent : exponent;
    }
    if (!reader.AtEnd()) return std::nullopt;

    // Zero is tested first so that 0 times an infinite power of ten never arises.
    long double magnitude = 0;
    if (digits != 0)
        magnitude = scale >= 0 ? digits * PowerOfTen(scale) : digits / PowerOfTen(-scale);
    const double value = static_cast<double>(negative ? -magnitude : magnitude);
    if (std::isinf(value)) throw FloatingPointError(feOverflow);
    return value;
}

} // namespace Translator
