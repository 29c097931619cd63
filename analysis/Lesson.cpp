#include "Lesson.h"

#include "DecimalText.h"
#include "FileNumbers.h"
#include "FileSaving.h"
#include "Subscript.h"
#include "Utf8.h"
#include "Waveforms.h"
#include "Wording.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <span>
#include <utility>

namespace Fourier {
namespace {

using FileText::AppendNumber;
using FileText::AtLine;
using FileText::Fields;
using FileText::Quoted;

constexpr std::string_view Signature = "fourier";
constexpr std::string_view LessonKind = "lesson";
constexpr std::string_view HeaderLine = "fourier lesson 1";
constexpr int Version = 1;
constexpr std::string_view EndLine = "end";
constexpr int CoefficientCount = 2 * EditableHarmonics + 1; // a_0, then a_k b_k
constexpr std::size_t KeyCount = 18;
constexpr int SliderHighest[3] = {31, 16, 16}; // the main window's TrackBar1..3 start at 1

[[noreturn]] void Fail(const std::string& message) {
    throw TLessonError(message);
}

// A key's value as read: its text after the key and the space, the line it came from and
// the key, for messages.
struct TValue {
    std::string_view Text;
    int Line = 0;
    std::string_view Key;
    std::string At() const { return AtLine(Line); }
    std::string QuotedKey() const { return Quoted(Key); }
};

// The value's pieces between single spaces; an empty value is an empty list.
std::vector<std::string_view> ListItems(const TValue& value) {
    if (value.Text.empty()) return {};
    std::vector<std::string_view> items = Fields(value.Text);
    if (std::find(items.begin(), items.end(), std::string_view()) != items.end())
        Fail(value.At() + Wording("Lesson", "значения разделяются ровно одним пробелом"));
    return items;
}

// Only plain digits, so that every value has one spelling: no sign, no leading zeros.
int ReadInteger(std::string_view field, const TValue& value, const std::string& what, int lowest,
                int highest) {
    const bool plain = !field.empty() && std::all_of(field.begin(), field.end(), IsDigit) &&
                       (field.size() == 1 || field.front() != '0');
    if (!plain)
        Fail(value.At() + Filled(Wording("Lesson", "%1 %2 записан неверно: нужны только цифры, "
                                                   "без знака и ведущих нулей"),
                                 {what, Quoted(field)}));
    const std::optional<int32_t> number = ReadDecimalInteger(field);
    if (!number || *number < lowest || *number > highest)
        Fail(value.At() +
             Filled(Wording("Lesson", "%1 %2 вне пределов %3..%4"),
                    {what, Quoted(field), std::to_string(lowest), std::to_string(highest)}));
    return *number;
}

template <class T>
T ReadChoice(const TValue& value, std::initializer_list<std::pair<std::string_view, T>> choices) {
    std::string expected;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        const auto& [word, meaning] = choices.begin()[i];
        if (value.Text == word) return meaning;
        if (i == 0)
            expected = Quoted(word);
        else if (i + 1 < choices.size())
            expected += ", " + Quoted(word);
        else
            expected = Filled(Wording("Lesson", "%1 или %2"), {expected, Quoted(word)});
    }
    Fail(value.At() + Filled(Wording("Lesson", "у %1 значение %2, а ожидается %3"),
                             {value.QuotedKey(), Quoted(value.Text), expected}));
}

bool ReadYesNo(const TValue& value) {
    return ReadChoice<bool>(value, {{"yes", true}, {"no", false}});
}

const char* YesNo(bool value) {
    return value ? "yes" : "no";
}

// Whether the bytes are UTF-8 as a standard decoder takes it: no broken or overlong
// sequence, no surrogate, nothing past U+10FFFF. Such text encodes back to itself.
bool IsWellFormedUtf8(std::string_view text) {
    std::string back;
    for (const char32_t code : DecodeUtf8(text)) {
        if (code == Undecodable || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
            return false;
        AppendUtf8(back, code);
    }
    return back == text;
}

struct TTextRule {
    const char* Name;    // «заголовок»
    const char* InName;  // «в заголовке»
    std::size_t Longest; // in characters
    bool LineBreaks;
};

constexpr TTextRule TitleRule{WORDING_NOOP("Lesson", "заголовок"),
                              WORDING_NOOP("Lesson", "в заголовке"), LessonTitleLength, false};
constexpr TTextRule TaskRule{WORDING_NOOP("Lesson", "задание"), WORDING_NOOP("Lesson", "в задании"),
                             LessonTaskLength, true};
constexpr TTextRule FormulaRule{WORDING_NOOP("Lesson", "формула"),
                                WORDING_NOOP("Lesson", "в формуле"), LessonFormulaLength, false};

std::string ReadText(const TValue& value, const TTextRule& rule) {
    const std::string name = Wording("Lesson", rule.Name);
    const std::string inName = Wording("Lesson", rule.InName);
    if (!IsWellFormedUtf8(value.Text))
        Fail(value.At() + Filled(Wording("Lesson", "%1 не в кодировке UTF-8"), {name}));
    std::string text;
    for (std::size_t i = 0; i < value.Text.size(); ++i) {
        const char c = value.Text[i];
        const auto code = static_cast<unsigned char>(c);
        if (code < 0x20 || code == 0x7f)
            Fail(value.At() + Filled(Wording("Lesson", "%1 управляющий символ с кодом %2: перенос "
                                                       "строки пишется как «\\n»"),
                                     {inName, std::to_string(code)}));
        if (c != '\\') {
            text += c;
            continue;
        }
        const std::string_view escape = value.Text.substr(i++, 2);
        if (escape == "\\\\") {
            text += '\\';
        } else if (escape == "\\n" && rule.LineBreaks) {
            text += '\n';
        } else if (escape == "\\n") {
            Fail(value.At() +
                 Filled(Wording("Lesson", "%1 не может быть переноса строки «\\n»"), {inName}));
        } else {
            Fail(value.At() + Filled(Wording("Lesson", "неизвестная замена %1: в тексте пишутся "
                                                       "только «\\n» (перенос строки) и «\\\\» "
                                                       "(обратная косая черта)"),
                                     {Quoted(escape)}));
        }
    }
    if (const std::size_t length = CharacterCount(text); length > rule.Longest)
        Fail(value.At() + Filled(Wording("Lesson", "%1 длиннее %2 знаков (длина %3)"),
                                 {name, std::to_string(rule.Longest), std::to_string(length)}));
    return text;
}

std::string Escaped(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        if (c == '\\')
            escaped += "\\\\";
        else if (c == '\n')
            escaped += "\\n";
        else
            escaped += c;
    }
    return escaped;
}

std::vector<double> ReadNumbers(const TValue& value, std::size_t count) {
    const std::vector<std::string_view> items = ListItems(value);
    if (items.size() != count)
        Fail(value.At() +
             Filled(Wording("Lesson", "в %1 должно быть %2 чисел через пробел, а найдено %3"),
                    {value.QuotedKey(), std::to_string(count), std::to_string(items.size())}));
    std::vector<double> numbers;
    for (const std::string_view item : items)
        numbers.push_back(FileText::ReadNumber<TLessonError>(
            item, Filled(Wording("Lesson", "Строка %1, число %2: "),
                         {std::to_string(value.Line), std::to_string(numbers.size() + 1)})));
    return numbers;
}

std::string NumberList(std::span<const double> numbers) {
    std::string text;
    for (const double number : numbers) {
        if (!text.empty()) text += ' ';
        AppendNumber(text, number);
    }
    return text;
}

std::vector<int> ReadHarmonics(const TValue& value) {
    std::vector<int> harmonics;
    for (const std::string_view item : ListItems(value)) {
        const int k =
            ReadInteger(item, value, Wording("Lesson", "номер гармоники"), 1, EditableHarmonics);
        if (!harmonics.empty() && k == harmonics.back())
            Fail(value.At() + Filled(Wording("Lesson", "гармоника %1 в %2 названа дважды"),
                                     {std::to_string(k), value.QuotedKey()}));
        if (!harmonics.empty() && k < harmonics.back())
            Fail(
                value.At() +
                Filled(Wording("Lesson", "гармоники в %1 идут по возрастанию, а %2 стоит после %3"),
                       {value.QuotedKey(), std::to_string(k), std::to_string(harmonics.back())}));
        harmonics.push_back(k);
    }
    return harmonics;
}

std::string IntegerList(const std::vector<int>& numbers) {
    std::string text;
    for (const int number : numbers)
        text += (text.empty() ? "" : " ") + std::to_string(number);
    return text;
}

bool Contains(const std::vector<std::string_view>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// One key of the file: how its value is written (nullopt: the line is left out) and read.
struct TKey {
    std::string_view Name;
    bool MayBeEmpty; // an empty value is written as the key alone
    std::optional<std::string> (*Write)(const TLesson&);
    void (*Read)(TLesson&, const TValue&);
};

// The file's keys in the order FormatLesson writes them.
const std::array<TKey, KeyCount>& Keys() {
    using TWritten = std::optional<std::string>;
    static const std::array<TKey, KeyCount> keys = {{
        {"title", true, [](const TLesson& l) -> TWritten { return Escaped(l.Title); },
         [](TLesson& l, const TValue& v) { l.Title = ReadText(v, TitleRule); }},
        {"task", true, [](const TLesson& l) -> TWritten { return Escaped(l.Task); },
         [](TLesson& l, const TValue& v) { l.Task = ReadText(v, TaskRule); }},
        {"waveform", false, [](const TLesson& l) -> TWritten { return std::to_string(l.Waveform); },
         [](TLesson& l, const TValue& v) {
             l.Waveform =
                 ReadInteger(v.Text, v, Wording("Lesson", "номер формы сигнала"), 0, WaveformCount);
         }},
        {"sliders", false,
         [](const TLesson& l) -> TWritten {
             return IntegerList({l.Sliders[0], l.Sliders[1], l.Sliders[2]});
         },
         [](TLesson& l, const TValue& v) {
             const std::vector<std::string_view> items = ListItems(v);
             if (items.size() != 3)
                 Fail(v.At() +
                      Filled(
                          Wording("Lesson", "в %1 должно быть 3 числа через пробел, а найдено %2"),
                          {v.QuotedKey(), std::to_string(items.size())}));
             for (int i = 0; i < 3; ++i)
                 l.Sliders[i] = ReadInteger(
                     items[i], v,
                     Filled(Wording("Lesson", "положение ползунка %1"), {std::to_string(i + 1)}), 1,
                     SliderHighest[i]);
         }},
        {"harmonic", false, [](const TLesson& l) -> TWritten { return std::to_string(l.Harmonic); },
         [](TLesson& l, const TValue& v) {
             l.Harmonic =
                 ReadInteger(v.Text, v, Wording("Lesson", "номер гармоники"), 0, EditableHarmonics);
         }},
        {"sum", false, [](const TLesson& l) -> TWritten { return YesNo(l.Sum); },
         [](TLesson& l, const TValue& v) { l.Sum = ReadYesNo(v); }},
        {"last", false,
         [](const TLesson& l) -> TWritten {
             return l.Last == TLessonLast::Sin   ? "sin"
                    : l.Last == TLessonLast::Cos ? "cos"
                                                 : "none";
         },
         [](TLesson& l, const TValue& v) {
             l.Last = ReadChoice<TLessonLast>(v, {{"sin", TLessonLast::Sin},
                                                  {"cos", TLessonLast::Cos},
                                                  {"none", TLessonLast::None}});
         }},
        {"redraw", false, [](const TLesson& l) -> TWritten { return YesNo(l.Redraw); },
         [](TLesson& l, const TValue& v) { l.Redraw = ReadYesNo(v); }},
        {"synthesis", false, [](const TLesson& l) -> TWritten { return YesNo(l.Synthesised); },
         [](TLesson& l, const TValue& v) { l.Synthesised = ReadYesNo(v); }},
        {"lab", false, [](const TLesson& l) -> TWritten { return l.LabOpen ? "open" : "closed"; },
         [](TLesson& l, const TValue& v) {
             l.LabOpen = ReadChoice<bool>(v, {{"open", true}, {"closed", false}});
         }},
        {"tab", false,
         [](const TLesson& l) -> TWritten {
             if (l.Tab.empty()) return std::nullopt;
             return l.Tab;
         },
         [](TLesson& l, const TValue& v) {
             if (!Contains(LessonTabs(), v.Text))
                 Fail(v.At() +
                      Filled(Wording("Lesson", "%1 — не вкладка лаборатории"), {Quoted(v.Text)}));
             l.Tab = v.Text;
         }},
        {"formula", false,
         [](const TLesson& l) -> TWritten {
             if (l.Formula.empty()) return std::nullopt;
             return Escaped(l.Formula);
         },
         [](TLesson& l, const TValue& v) { l.Formula = ReadText(v, FormulaRule); }},
        {"drawing", false,
         [](const TLesson& l) -> TWritten {
             if (!l.Drawing) return std::nullopt;
             return NumberList(*l.Drawing);
         },
         [](TLesson& l, const TValue& v) {
             const std::vector<double> numbers = ReadNumbers(v, SampleCount);
             l.Drawing.emplace();
             std::copy(numbers.begin(), numbers.end(), l.Drawing->begin());
         }},
        {"coefficients", false,
         [](const TLesson& l) -> TWritten {
             if (!l.Coefficients) return std::nullopt;
             std::vector<double> numbers = {l.Coefficients->Cos[0]};
             for (int k = 1; k <= EditableHarmonics; ++k) {
                 numbers.push_back(l.Coefficients->Cos[k]);
                 numbers.push_back(l.Coefficients->Sin[k]);
             }
             return NumberList(numbers);
         },
         [](TLesson& l, const TValue& v) {
             const std::vector<double> numbers = ReadNumbers(v, CoefficientCount);
             TCoefficients& coefficients = l.Coefficients.emplace();
             coefficients.Cos[0] = numbers[0];
             for (int k = 1; k <= EditableHarmonics; ++k) {
                 coefficients.Cos[k] = numbers[2 * k - 1];
                 coefficients.Sin[k] = numbers[2 * k];
             }
         }},
        {"shown", false,
         [](const TLesson& l) -> TWritten {
             switch (l.Shown) {
             case TLessonSource::Formula:
                 return "formula";
             case TLessonSource::Drawing:
                 return "drawing";
             case TLessonSource::Coefficients:
                 return "coefficients";
             case TLessonSource::MainWindow:
                 break;
             }
             return "main";
         },
         [](TLesson& l, const TValue& v) {
             l.Shown =
                 ReadChoice<TLessonSource>(v, {{"main", TLessonSource::MainWindow},
                                               {"formula", TLessonSource::Formula},
                                               {"drawing", TLessonSource::Drawing},
                                               {"coefficients", TLessonSource::Coefficients}});
         }},
        {"muted", true, [](const TLesson& l) -> TWritten { return IntegerList(l.Muted); },
         [](TLesson& l, const TValue& v) { l.Muted = ReadHarmonics(v); }},
        {"soloed", true, [](const TLesson& l) -> TWritten { return IntegerList(l.Soloed); },
         [](TLesson& l, const TValue& v) { l.Soloed = ReadHarmonics(v); }},
        {"hidden", true,
         [](const TLesson& l) -> TWritten {
             std::string text;
             for (const std::string& name : l.Hidden)
                 text += (text.empty() ? "" : " ") + name;
             return text;
         },
         [](TLesson& l, const TValue& v) {
             l.Hidden.clear();
             for (const std::string_view name : ListItems(v)) {
                 if (!Contains(LessonControls(), name))
                     Fail(v.At() +
                          Filled(
                              Wording("Lesson", "%1 — не элемент окна, который урок может скрыть"),
                              {Quoted(name)}));
                 if (std::find(l.Hidden.begin(), l.Hidden.end(), name) != l.Hidden.end())
                     Fail(v.At() + Filled(Wording("Lesson", "%1 назван в %2 дважды"),
                                          {Quoted(name), v.QuotedKey()}));
                 l.Hidden.emplace_back(name);
             }
         }},
    }};
    return keys;
}

std::size_t KeyIndex(std::string_view name) {
    const auto& keys = Keys();
    return static_cast<std::size_t>(
        std::find_if(keys.begin(), keys.end(), [&](const TKey& key) { return key.Name == name; }) -
        keys.begin());
}

struct TLine {
    std::string_view Text;
    bool Terminated = false;
};

// Takes the next line off the front of rest; a carriage return before the line feed is
// dropped.
TLine TakeLine(std::string_view& rest) {
    const std::size_t end = rest.find('\n');
    TLine line{rest.substr(0, end), end != std::string_view::npos};
    rest.remove_prefix(line.Terminated ? end + 1 : rest.size());
    if (line.Terminated && line.Text.ends_with('\r')) line.Text.remove_suffix(1);
    return line;
}

std::string SavedSignalMessage(std::string_view kind) {
    if (kind == "samples")
        return Wording("Lesson", "Это сохранённый рисунок сигнала, а не урок: откройте его через "
                                 "«Открыть…» на вкладке «Нарисовать» лаборатории");
    return Wording("Lesson", "Это сохранённые коэффициенты сигнала, а не урок: откройте их через "
                             "«Открыть…» на вкладке «Коэффициенты» лаборатории");
}

void ReadHeader(std::string_view& rest) {
    if (rest.empty()) Fail(Wording("Lesson", "Файл пуст"));
    const TLine header = TakeLine(rest);
    const std::vector<std::string_view> fields = Fields(header.Text);
    const std::string hint =
        Filled(Wording("Lesson", "урок начинается строкой «%1»"), {std::string(HeaderLine)});
    if (fields.front() != Signature)
        Fail(Filled(Wording("Lesson", "Это не файл урока программы «Фурье»: %1"), {hint}));
    if (fields.size() == 3 && (fields[1] == "samples" || fields[1] == "coefficients"))
        Fail(SavedSignalMessage(fields[1]));
    if (fields.size() != 3)
        Fail(
            Filled(Wording("Lesson", "Первая строка %1 неверна: %2"), {Quoted(header.Text), hint}));
    if (fields[1] != LessonKind)
        Fail(Filled(Wording("Lesson", "Неизвестный вид данных %1: %2"), {Quoted(fields[1]), hint}));
    if (fields[2] != std::to_string(Version)) {
        const bool newer = !fields[2].empty() && fields[2].front() != '0' &&
                           std::all_of(fields[2].begin(), fields[2].end(), IsDigit);
        if (newer)
            Fail(Filled(Wording("Lesson", "Версия урока %1 новее, чем знает программа (%2): "
                                          "обновите программу"),
                        {Quoted(fields[2]), std::to_string(Version)}));
        Fail(Filled(
            Wording("Lesson", "Версия урока %1 не поддерживается: программа читает версию %2"),
            {Quoted(fields[2]), std::to_string(Version)}));
    }
    if (!header.Terminated) Fail(Wording("Lesson", "Файл оборван после первой строки"));
}

// What a lesson's parts need of each other, checked once the whole file is read.
void CheckWhole(const TLesson& lesson, const std::array<int, KeyCount>& seenAt) {
    const int shownAt = seenAt[KeyIndex("shown")];
    const auto need = [&](bool present, const char* shown, const char* key) {
        if (!present)
            Fail(AtLine(shownAt) +
                 Filled(Wording("Lesson", "«shown %1», но в уроке нет строки «%2»"), {shown, key}));
    };
    if (lesson.Shown == TLessonSource::Formula) need(!lesson.Formula.empty(), "formula", "formula");
    if (lesson.Shown == TLessonSource::Drawing)
        need(lesson.Drawing.has_value(), "drawing", "drawing");
    if (lesson.Shown == TLessonSource::Coefficients)
        need(lesson.Coefficients.has_value(), "coefficients", "coefficients");
    if (lesson.Synthesised && lesson.Waveform == 0)
        Fail(AtLine(seenAt[KeyIndex("synthesis")]) +
             Filled(Wording("Lesson", "«synthesis yes», но форма сигнала не выбрана: синтезу нужна "
                                      "строка «waveform» со значением от 1 до %1"),
                    {std::to_string(WaveformCount)}));
}

} // namespace

const std::vector<std::string_view>& LessonTabs() {
    static const std::vector<std::string_view> tabs = {
        "ConvergenceView", "ResidualView", "CoefficientView", "SpectrumView",  "SoundPane",
        "FormulaPane",     "DrawPane",     "CoefficientPane", "HarmonicsPane", "OperationsPane",
        "CirclesView",     "SamplingView", "GamePane"};
    return tabs;
}

const std::vector<std::string_view>& LessonControls() {
    static const std::vector<std::string_view> controls = [] {
        std::vector<std::string_view> names = {
            "ComboBox1", "TrackBar1",   "TrackBar2",    "TrackBar3",    "SpinEdit1",
            "SCheckBox", "LRadioGroup", "SpeedButton2", "ASpeedButton", "SSpeedButton",
            "CheckBox3", "GroupBox1",   "Image1",       "Image2"};
        names.insert(names.end(), LessonTabs().begin(), LessonTabs().end());
        return names;
    }();
    return controls;
}

bool IsLessonText(std::string_view text) {
    std::string_view rest = text;
    const std::string_view first = TakeLine(rest).Text;
    const std::string kind = std::string(Signature) + " " + std::string(LessonKind);
    return first == kind || first.starts_with(kind + " ");
}

std::string FormatLesson(const TLesson& lesson) {
    std::string text(HeaderLine);
    text += '\n';
    for (const TKey& key : Keys()) {
        const std::optional<std::string> value = key.Write(lesson);
        if (!value) continue;
        text += key.Name;
        if (!value->empty()) text.append(" ").append(*value);
        text += '\n';
    }
    text.append(EndLine).append("\n");
    return text;
}

TLesson ParseLesson(std::string_view text) {
    if (text.size() > LargestLessonFile) Fail(Wording("Lesson", "Файл больше 1 МБ — это не урок"));
    std::string_view rest = text;
    ReadHeader(rest);
    TLesson lesson;
    std::array<int, KeyCount> seenAt{}; // the line of each key read so far, 0 for none
    for (int number = 2;; ++number) {
        if (rest.empty()) Fail(Wording("Lesson", "Файл оборван: нет строки «end»"));
        const TLine line = TakeLine(rest);
        if (line.Text == EndLine) {
            if (!rest.empty())
                Fail(AtLine(number + 1) + Wording("Lesson", "лишние данные после строки «end»"));
            break;
        }
        if (!line.Terminated)
            Fail(Filled(Wording("Lesson", "Файл оборван: строка %1 не закончена"),
                        {std::to_string(number)}));
        if (line.Text.empty())
            Fail(AtLine(number) + Wording("Lesson", "пустая строка, а ожидается ключ и значение"));
        const std::size_t space = line.Text.find(' ');
        const std::string_view name = line.Text.substr(0, space);
        if (name.empty())
            Fail(AtLine(number) + Wording("Lesson", "строка начинается с пробела, а не с ключа"));
        const std::size_t index = KeyIndex(name);
        if (index == Keys().size())
            Fail(AtLine(number) + Filled(Wording("Lesson", "неизвестный ключ %1"), {Quoted(name)}));
        const TKey& key = Keys()[index];
        const bool spaced = space != std::string_view::npos;
        const TValue value{spaced ? line.Text.substr(space + 1) : std::string_view(), number,
                           key.Name};
        if (seenAt[index] != 0)
            Fail(value.At() + Filled(Wording("Lesson", "ключ %1 уже был в строке %2"),
                                     {value.QuotedKey(), std::to_string(seenAt[index])}));
        seenAt[index] = number;
        if (spaced && value.Text.empty())
            Fail(value.At() + Filled(Wording("Lesson", "после ключа %1 пробел, но нет значения "
                                                       "(пустое значение пишется без пробела)"),
                                     {value.QuotedKey()}));
        if (value.Text.empty() && !key.MayBeEmpty)
            Fail(value.At() +
                 Filled(Wording("Lesson", "у ключа %1 нет значения"), {value.QuotedKey()}));
        key.Read(lesson, value);
    }
    CheckWhole(lesson, seenAt);
    return lesson;
}

void SaveLesson(const std::string& path, const TLesson& lesson) {
    const std::string text = FormatLesson(lesson);
    bool same = false;
    try {
        same = ParseLesson(text) == lesson;
    } catch (const TLessonError& error) {
        throw TFileSaveError(
            path,
            Filled(Wording("Lesson", "такой урок нельзя было бы открыть (%1)"), {error.what()}));
    }
    // What the reader cannot notice: b_0, which the file does not hold, a carriage return at
    // a line's end, which it takes for a part of the line feed, and an empty hidden name.
    if (!same && lesson.Coefficients && lesson.Coefficients->Sin[0] != 0)
        throw TFileSaveError(
            path,
            Filled(Wording("Lesson", "у коэффициентов урока b%1 не ноль, а файл его не хранит"),
                   {Subscript(0)}));
    if (!same)
        throw TFileSaveError(path, Wording("Lesson", "урок прочитался бы из файла не таким, каким "
                                                     "записан (знак возврата каретки в конце "
                                                     "текста или пустое название в «hidden»)"));
    SaveFileWhole(path, text);
}

} // namespace Fourier
