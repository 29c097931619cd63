#include "FormulaFrontEnd.h"

#include "NumberConversion.h"
#include "TranslatorErrors.h"
#include "Utf8.h"
#include "Wording.h"

#include <algorithm>
#include <array>
#include <optional>

namespace Fourier {
namespace {

// One character of the typed text: its code point and, once read, the ASCII character the
// translator gets for it ('\0' when it has none).
struct TCharacter {
    char32_t Code;
    char Ascii;
};

// The Russian letters a Russian keyboard puts where the Latin ones of a formula are.
struct TLookAlike {
    char32_t Cyrillic;
    char Latin;
};
constexpr std::array<TLookAlike, 12> LookAlikes{{{U'х', 'x'},
                                                 {U'с', 'c'},
                                                 {U'е', 'e'},
                                                 {U'о', 'o'},
                                                 {U'а', 'a'},
                                                 {U'р', 'p'},
                                                 {U'Х', 'x'},
                                                 {U'С', 'c'},
                                                 {U'Е', 'e'},
                                                 {U'О', 'o'},
                                                 {U'А', 'a'},
                                                 {U'Р', 'p'}}};

constexpr std::array<std::string_view, 4> FunctionNames{"sin", "cos", "tg", "ln"};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsFunctionName(std::string_view name) {
    return std::ranges::find(FunctionNames, name) != FunctionNames.end();
}

enum class TTokenKind { Number, Name, Operator, Open, Close };

struct TToken {
    TTokenKind Kind;
    std::string Text;
    std::vector<std::size_t> Origins; // the typed character of each of Text's characters
    std::size_t End;                  // the typed character after the token
    std::string Prefix, Suffix;       // what the rewriting puts around it
    bool IsWord() const { return Kind == TTokenKind::Number || Kind == TTokenKind::Name; }
    bool Is(char c) const { return Kind == TTokenKind::Operator && Text[0] == c; }
};

struct TRefusal {
    std::string Problem;
    std::size_t Position;
};

class TReader {
  public:
    TReader(std::string_view typed, char separator)
        : codes_(DecodeUtf8(typed)), separator_(separator) {
        for (std::size_t i = 0; i < codes_.size(); ++i)
            characters_.push_back({codes_[i], Ascii(i)});
    }

    std::vector<TToken> Tokens;
    std::vector<TFormulaChange> Changes;
    std::size_t Length() const { return codes_.size(); }

    // The typed text from character `from` to character `to`, as typed.
    std::string Typed(std::size_t from, std::size_t to) const {
        std::string text;
        for (std::size_t i = from; i < to; ++i)
            AppendUtf8(text, codes_[i]);
        return text;
    }

    std::optional<TRefusal> Read() {
        constexpr std::size_t None = std::string_view::npos;
        std::size_t blank = None; // the first blank since the last token
        std::size_t i = 0;
        while (i < characters_.size()) {
            const char c = characters_[i].Ascii;
            if (IsBlank(c)) {
                if (blank == None) blank = i;
                ++i;
                continue;
            }
            TToken token{TTokenKind::Operator, {}, {}, i, {}, {}};
            std::optional<TRefusal> refusal;
            if (IsDigit(c) || c == '.') {
                refusal = ReadNumber(i, token);
            } else if (IsLetter(c)) {
                token.Kind = TTokenKind::Name;
                while (i < characters_.size() && IsLetter(characters_[i].Ascii))
                    Take(i, token);
            } else if (c != '\0' && std::string_view("+-*/^()").find(c) != std::string_view::npos) {
                token.Kind = c == '('   ? TTokenKind::Open
                             : c == ')' ? TTokenKind::Close
                                        : TTokenKind::Operator;
                Take(i, token);
            } else {
                return Misfit(i);
            }
            if (refusal) return refusal;
            if (blank != None && !Tokens.empty() && Tokens.back().IsWord() && token.IsWord())
                return BlankBetweenWords(Tokens.back(), token, blank);
            blank = None;
            Tokens.push_back(std::move(token));
        }
        return std::nullopt;
    }

  private:
    char Ascii(std::size_t i) {
        const char32_t code = codes_[i];
        if (code < 0x80) return static_cast<char>(code);
        for (const TLookAlike& letter : LookAlikes)
            if (letter.Cyrillic == code) {
                Changes.push_back(
                    {TFormulaChangeKind::CyrillicLetter, i,
                     Filled(Wording("FormulaFrontEnd", "русская буква «%1» заменена латинской %2"),
                            {Typed(i, i + 1), std::string(1, letter.Latin)})});
                return letter.Latin;
            }
        return '\0';
    }

    void Take(std::size_t& i, TToken& token) {
        token.Text += characters_[i].Ascii;
        token.Origins.push_back(i);
        token.End = ++i;
    }

    bool DigitAt(std::size_t i) const {
        return i < characters_.size() && IsDigit(characters_[i].Ascii);
    }

    // Digits, a fraction after "." (or the locale's comma between digits), and an exponent
    // only where a digit follows its mark, so "2e" stays the number 2 and the name e.
    std::optional<TRefusal> ReadNumber(std::size_t& i, TToken& token) {
        token.Kind = TTokenKind::Number;
        const std::size_t start = i;
        std::optional<std::size_t> comma;
        while (DigitAt(i))
            Take(i, token);
        if (i < characters_.size() && characters_[i].Ascii == '.') {
            Take(i, token);
        } else if (separator_ == ',' && i > start && i < characters_.size() &&
                   characters_[i].Ascii == ',' && DigitAt(i + 1)) {
            comma = i;
            characters_[i].Ascii = '.';
            Take(i, token);
        }
        while (DigitAt(i))
            Take(i, token);
        if (i < characters_.size() &&
            (characters_[i].Ascii == 'e' || characters_[i].Ascii == 'E')) {
            const bool sign = i + 1 < characters_.size() &&
                              (characters_[i + 1].Ascii == '+' || characters_[i + 1].Ascii == '-');
            if (DigitAt(i + (sign ? 2 : 1))) {
                Take(i, token);
                if (sign) Take(i, token);
                while (DigitAt(i))
                    Take(i, token);
            }
        }
        if (comma)
            Changes.push_back(
                {TFormulaChangeKind::DecimalComma, *comma,
                 Filled(Wording("FormulaFrontEnd", "десятичная запятая: «%1» понято как «%2»"),
                        {Typed(start, i), token.Text})});
        // Refused here rather than by the translator, which cannot say which number it was
        // (nor that it is too large when it is also longer than it reads).
        try {
            Translator::ConvertNumber(token.Text);
        } catch (const Translator::FloatingPointError&) {
            return TRefusal{Filled(Wording("FormulaFrontEnd", "число «%1» слишком велико: больше "
                                                              "10³⁰⁸ компьютер не считает"),
                                   {Typed(start, i)}),
                            start};
        }
        return std::nullopt;
    }

    TRefusal Misfit(std::size_t i) const {
        const char32_t code = codes_[i];
        if (code == ',')
            return {separator_ == ','
                        ? Wording("FormulaFrontEnd", "запятая не на месте: она отделяет дробную "
                                                     "часть и стоит между цифрами, например 2,5")
                        : Wording("FormulaFrontEnd",
                                  "дробную часть отделяют точкой: пишите 2.5, а не 2,5"),
                    i};
        if (code >= 0x400 && code <= 0x4FF)
            return {Filled(Wording("FormulaFrontEnd", "русская буква «%1»: в формуле пишут "
                                                      "латинскими буквами (x, sin, cos, tg, ln)"),
                           {Typed(i, i + 1)}),
                    i};
        if (code == Undecodable || code < 0x20 || code == 0x7F)
            return {Wording("FormulaFrontEnd", "недопустимый невидимый символ"), i};
        return {Filled(Wording("FormulaFrontEnd", "недопустимый символ «%1»"), {Typed(i, i + 1)}),
                i};
    }

    static TRefusal BlankBetweenWords(const TToken& before, const TToken& after,
                                      std::size_t blank) {
        if (before.Kind == TTokenKind::Number && after.Kind == TTokenKind::Number)
            return {Wording("FormulaFrontEnd", "пробел внутри числа"), blank};
        if (before.Kind == TTokenKind::Name && after.Kind == TTokenKind::Name &&
            IsFunctionName(before.Text + after.Text))
            return {Filled(Wording("FormulaFrontEnd", "пробел внутри имени «%1»"),
                           {before.Text + after.Text}),
                    blank};
        if (IsFunctionName(before.Text))
            return {Filled(Wording("FormulaFrontEnd", "после «%1» нужна «(»"), {before.Text}),
                    blank};
        return {Filled(Wording("FormulaFrontEnd", "между «%1» и «%2» пропущен знак операции"),
                       {before.Text, after.Text}),
                blank};
    }

    std::vector<char32_t> codes_;
    std::vector<TCharacter> characters_;
    char separator_;
};

// Where each unary minus's operand ends: one factor (number, name, call, group, or another
// unary minus) with the "^" and factors that follow it.
class TOperands {
  public:
    explicit TOperands(const std::vector<TToken>& tokens) : tokens_(tokens) {
        std::vector<std::size_t> open;
        closing_.assign(tokens.size(), std::nullopt);
        for (std::size_t i = 0; i < tokens.size(); ++i) {
            if (tokens[i].Kind == TTokenKind::Open) {
                open.push_back(i);
            } else if (tokens[i].Kind == TTokenKind::Close && !open.empty()) {
                closing_[open.back()] = i;
                open.pop_back();
            }
        }
    }

    // The token after the chain of factors that begins at i; none without a factor there.
    std::optional<std::size_t> ChainEnd(std::size_t i) const {
        std::optional<std::size_t> end = FactorEnd(i);
        while (end && *end < tokens_.size() && tokens_[*end].Is('^')) {
            const std::optional<std::size_t> next = FactorEnd(*end + 1);
            if (!next) break;
            end = next;
        }
        return end;
    }

  private:
    std::optional<std::size_t> FactorEnd(std::size_t i) const {
        if (i >= tokens_.size()) return std::nullopt;
        const TToken& token = tokens_[i];
        switch (token.Kind) {
        case TTokenKind::Number:
            return i + 1;
        case TTokenKind::Name:
            if (i + 1 < tokens_.size() && tokens_[i + 1].Kind == TTokenKind::Open)
                return GroupEnd(i + 1);
            return i + 1;
        case TTokenKind::Open:
            return GroupEnd(i);
        case TTokenKind::Operator:
            if (token.Is('-')) return ChainEnd(i + 1);
            return std::nullopt;
        case TTokenKind::Close:
            break;
        }
        return std::nullopt;
    }

    std::optional<std::size_t> GroupEnd(std::size_t open) const {
        if (!closing_[open]) return std::nullopt;
        return *closing_[open] + 1;
    }

    const std::vector<TToken>& tokens_;
    std::vector<std::optional<std::size_t>> closing_;
};

// The translator splits a number at its exponent's sign as at an operator, unless the
// number is all there is between two parentheses or in the whole text.
bool NeedsBrackets(const std::vector<TToken>& tokens, std::size_t i) {
    const std::string& text = tokens[i].Text;
    if (tokens[i].Kind != TTokenKind::Number || text.find_first_of("+-") == std::string::npos)
        return false;
    if (tokens.size() == 1) return false;
    return !(i > 0 && tokens[i - 1].Kind == TTokenKind::Open && i + 1 < tokens.size() &&
             tokens[i + 1].Kind == TTokenKind::Close);
}

struct TUnaryMinus {
    std::size_t Minus, Last;  // its token and its operand's last token
    std::size_t SuffixLength; // of the last token's suffix, up to its own ")"
    std::size_t ChangeIndex;
};

} // namespace

std::size_t TPreparedFormula::TypedPosition(std::size_t translatorPosition) const {
    if (Origins.empty()) return 0;
    const std::size_t index = translatorPosition > 0 ? translatorPosition - 1 : 0;
    return index < Origins.size() ? Origins[index] : Origins.back();
}

TPreparedFormula PrepareFormula(std::string_view typed, char decimalSeparator) {
    TPreparedFormula prepared;
    TReader reader(typed, decimalSeparator);
    if (const std::optional<TRefusal> refusal = reader.Read()) {
        prepared.Refusal = refusal->Problem;
        prepared.Position = refusal->Position;
        return prepared;
    }
    std::vector<TToken>& tokens = reader.Tokens;
    prepared.Changes = std::move(reader.Changes);

    for (std::size_t i = 0; i < tokens.size(); ++i)
        if (NeedsBrackets(tokens, i)) {
            tokens[i].Prefix = "(";
            tokens[i].Suffix = ")";
        }

    // From the right, so that an inner minus closes its bracket before an outer one does.
    const TOperands operands(tokens);
    std::vector<TUnaryMinus> minuses;
    for (std::size_t i = tokens.size(); i-- > 0;) {
        if (!tokens[i].Is('-')) continue;
        const bool leading = i == 0 || tokens[i - 1].Kind == TTokenKind::Open;
        const bool afterOperator = i > 0 && tokens[i - 1].Kind == TTokenKind::Operator;
        if (!leading && !afterOperator) continue;
        // Without an operand it stays, for the translator to say what is missing.
        const std::optional<std::size_t> end = operands.ChainEnd(i + 1);
        if (!end) continue;
        TToken& last = tokens[*end - 1];
        if (leading) {
            tokens[i].Prefix = "0";
        } else {
            tokens[i].Prefix = "(0";
            last.Suffix += ")";
        }
        minuses.push_back({i, *end - 1, last.Suffix.size(), prepared.Changes.size()});
        prepared.Changes.push_back({TFormulaChangeKind::UnaryMinus, tokens[i].Origins[0], {}});
    }

    std::vector<std::size_t> starts(tokens.size()), ends(tokens.size());
    std::string& text = prepared.Text;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const TToken& token = tokens[i];
        starts[i] = text.size();
        text += token.Prefix;
        prepared.Origins.insert(prepared.Origins.end(), token.Prefix.size(), token.Origins[0]);
        text += token.Text;
        prepared.Origins.insert(prepared.Origins.end(), token.Origins.begin(), token.Origins.end());
        ends[i] = text.size();
        text += token.Suffix;
        prepared.Origins.insert(prepared.Origins.end(), token.Suffix.size(), token.End);
    }
    prepared.Origins.push_back(reader.Length());

    for (const TUnaryMinus& minus : minuses) {
        const std::size_t from = starts[minus.Minus], to = ends[minus.Last] + minus.SuffixLength;
        prepared.Changes[minus.ChangeIndex].Description =
            Filled(Wording("FormulaFrontEnd", "минус: «%1» понято как «%2»"),
                   {reader.Typed(tokens[minus.Minus].Origins[0], tokens[minus.Last].End),
                    text.substr(from, to - from)});
    }
    std::ranges::sort(prepared.Changes, {}, &TFormulaChange::Position);
    prepared.Accepted = true;
    return prepared;
}

} // namespace Fourier
