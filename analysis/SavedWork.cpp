#include "SavedWork.h"

#include "FileNumbers.h"
#include "FileSaving.h"
#include "Lesson.h"
#include "Wording.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace Fourier {
namespace {

using FileText::AppendNumber;
using FileText::AtLine;
using FileText::BeyondTheBound;
using FileText::Fields;
using FileText::Quoted;

constexpr std::string_view Signature = "fourier";
constexpr std::string_view SamplesKind = "samples";
constexpr std::string_view CoefficientsKind = "coefficients";
constexpr std::string_view Version = "1";
constexpr int CoefficientLines = EditableHarmonics + 1;

[[noreturn]] void Fail(const std::string& message) {
    throw TSavedWorkError(message);
}

struct TLine {
    std::string_view Text;
    int Number = 0;
    bool Terminated = false;
};

class TLineReader {
  public:
    explicit TLineReader(std::string_view text) : rest_(text) {}
    bool AtEnd() const { return rest_.empty(); }

    TLine Next() {
        const std::size_t end = rest_.find('\n');
        TLine line{rest_.substr(0, end), ++count_, end != std::string_view::npos};
        rest_.remove_prefix(line.Terminated ? end + 1 : rest_.size());
        if (line.Text.ends_with('\r')) line.Text.remove_suffix(1);
        return line;
    }

    // The next line of the body, which must end with a line feed; not at the end.
    TLine NextComplete() {
        const TLine line = Next();
        if (!line.Terminated)
            Fail(Filled(Wording("SavedWork", "Файл оборван: строка %1 не закончена"),
                        {std::to_string(line.Number)}));
        return line;
    }

    // problem: what is wrong with more lines, e.g. «лишние данные после 512 отсчётов».
    void ExpectEnd(const std::string& problem) {
        if (AtEnd()) return;
        Fail(AtLine(count_ + 1) + problem);
    }

  private:
    std::string_view rest_;
    int count_ = 0;
};

// The first value of the work beyond the bound, if any.
std::optional<double> ValueBeyondTheBound(const TSavedWork& work) {
    const auto beyond = [](double v) { return !(std::fabs(v) <= LargestSavedValue); };
    if (const auto* samples = std::get_if<TSamples>(&work)) {
        const auto found = std::find_if(samples->begin(), samples->end(), beyond);
        if (found != samples->end()) return *found;
        return std::nullopt;
    }
    const auto& coefficients = std::get<TCoefficients>(work);
    for (int k = 0; k < CoefficientLines; ++k) {
        if (beyond(coefficients.Cos[k])) return coefficients.Cos[k];
        if (k > 0 && beyond(coefficients.Sin[k])) return coefficients.Sin[k];
    }
    return std::nullopt;
}

double ReadNumber(std::string_view field, int lineNumber) {
    return FileText::ReadNumber<TSavedWorkError>(field, AtLine(lineNumber));
}

std::string HeaderHint() {
    return Wording("SavedWork", "первая строка должна быть «fourier samples 1» (отсчёты) или "
                                "«fourier coefficients 1» (коэффициенты)");
}

// The kind named by the first line.
std::string_view ReadHeader(TLineReader& reader) {
    if (reader.AtEnd()) Fail(Wording("SavedWork", "Файл пуст"));
    const TLine header = reader.Next();
    const std::vector<std::string_view> fields = Fields(header.Text);
    if (fields.front() != Signature)
        Fail(Filled(Wording("SavedWork", "Это не файл сигнала программы «Фурье»: %1"),
                    {HeaderHint()}));
    if (fields.size() != 3)
        Fail(Filled(Wording("SavedWork", "Первая строка %1 неполна: %2"),
                    {Quoted(header.Text), HeaderHint()}));
    if (fields[1] != SamplesKind && fields[1] != CoefficientsKind)
        Fail(Filled(Wording("SavedWork", "Неизвестный вид данных %1: ожидается «samples» (отсчёты) "
                                         "или «coefficients» (коэффициенты)"),
                    {Quoted(fields[1])}));
    if (fields[2] != Version)
        Fail(Filled(
            Wording("SavedWork", "Версия файла %1 не поддерживается: программа читает версию 1"),
            {Quoted(fields[2])}));
    if (!header.Terminated) Fail(Wording("SavedWork", "Файл оборван после первой строки"));
    return fields[1];
}

TSamples ReadSamples(TLineReader& reader) {
    TSamples samples;
    for (int j = 0; j < SampleCount; ++j) {
        if (reader.AtEnd())
            Fail(Filled(Wording("SavedWork", "В файле отсчётов: %1, а должно быть 512"),
                        {std::to_string(j)}));
        const TLine line = reader.NextComplete();
        samples[j] = ReadNumber(line.Text, line.Number);
    }
    reader.ExpectEnd(Wording("SavedWork", "лишние данные после 512 отсчётов"));
    return samples;
}

TCoefficients ReadCoefficients(TLineReader& reader) {
    TCoefficients coefficients;
    for (int k = 0; k < CoefficientLines; ++k) {
        if (reader.AtEnd())
            Fail(k == 0 ? Wording("SavedWork", "В файле нет ни одного коэффициента")
                        : Filled(Wording("SavedWork", "В файле коэффициенты только гармоник "
                                                      "0..%1, а должны быть 0..32"),
                                 {std::to_string(k - 1)}));
        const TLine line = reader.NextComplete();
        const std::vector<std::string_view> fields = Fields(line.Text);
        const std::size_t expected = k == 0 ? 2 : 3;
        const std::string number = std::to_string(k);
        if (fields.size() != expected || fields[0] != number)
            Fail(AtLine(line.Number) +
                 (k == 0 ? Wording("SavedWork", "ожидается «0 a_0»: номер 0 и одно число")
                         : Filled(Wording("SavedWork", "ожидается «%1 a_%1 b_%1»: номер %1 и два "
                                                       "числа через пробел"),
                                  {number})));
        coefficients.Cos[k] = ReadNumber(fields[1], line.Number);
        if (k > 0) coefficients.Sin[k] = ReadNumber(fields[2], line.Number);
    }
    reader.ExpectEnd(Wording("SavedWork", "лишние данные после гармоники 32"));
    return coefficients;
}

std::string HeaderLine(std::string_view kind) {
    std::string line(Signature);
    line.append(" ").append(kind).append(" ").append(Version).append("\n");
    return line;
}

std::string Format(const TSamples& samples) {
    std::string text = HeaderLine(SamplesKind);
    for (const double value : samples) {
        AppendNumber(text, value);
        text += '\n';
    }
    return text;
}

std::string Format(const TCoefficients& coefficients) {
    std::string text = HeaderLine(CoefficientsKind);
    for (int k = 0; k < CoefficientLines; ++k) {
        text += std::to_string(k);
        text += ' ';
        AppendNumber(text, coefficients.Cos[k]);
        if (k > 0) {
            text += ' ';
            AppendNumber(text, coefficients.Sin[k]);
        }
        text += '\n';
    }
    return text;
}

} // namespace

std::string FormatSavedWork(const TSavedWork& work) {
    return std::visit([](const auto& content) { return Format(content); }, work);
}

void SaveSavedWork(const std::string& path, const TSavedWork& work) {
    if (const std::optional<double> value = ValueBeyondTheBound(work)) {
        std::string text;
        AppendNumber(text, *value);
        throw TFileSaveError(
            path,
            Filled(Wording("SavedWork", "значение %1 %2, и такой файл нельзя было бы открыть"),
                   {text, BeyondTheBound()}));
    }
    SaveFileWhole(path, FormatSavedWork(work));
}

TSavedWork ParseSavedWork(std::string_view text) {
    if (IsLessonText(text))
        Fail(Wording("SavedWork", "Это урок, а не сигнал: откройте его через «Открыть урок…»"));
    TLineReader reader(text);
    if (ReadHeader(reader) == SamplesKind) return ReadSamples(reader);
    return ReadCoefficients(reader);
}

} // namespace Fourier
