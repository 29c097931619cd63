// The lesson file: a hand-written lesson read as its layout says, round trips of every
// field, each damaged file refused with a message that names the line and the fault, and
// a refused lesson never saved over a good file.
#include "Lesson.h"
#include "FileSaving.h"
#include "SavedWork.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace Fourier;

const std::string Good = "fourier lesson 1\r\n"
                         "title Ряд прямоугольника\n"
                         "task Соберите сумму.\\nЧто у скачка? C:\\\\x\n"
                         "waveform 2\n"
                         "sliders 31 1 16\n"
                         "harmonic 5\n"
                         "sum no\n"
                         "last cos\n"
                         "redraw yes\n"
                         "synthesis yes\n"
                         "lab open\n"
                         "tab ConvergenceView\n"
                         "formula sin(x)+0.5*sin(3*x)\n"
                         "shown formula\n"
                         "muted 3 5\n"
                         "soloed\n"
                         "hidden SpinEdit1 SpectrumView\n"
                         "end\n";

// Good with the line of that key replaced, or added before «end»; an empty line removes it.
std::string With(const std::string& key, const std::string& line) {
    std::string text = Good;
    std::size_t start = std::min(text.find("\n" + key + " "), text.find("\n" + key + "\n"));
    if (start == std::string::npos)
        start = text.find("\nend\n");
    else
        text.erase(start + 1, text.find('\n', start + 1) - start);
    return text.insert(start + 1, line.empty() ? "" : line + "\n");
}

std::string Repeated(const std::string& piece, int count, const std::string& between = " ") {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += (i ? between : "") + piece;
    return text;
}

std::string Refusal(const std::string& text) {
    try {
        ParseLesson(text);
    } catch (const TLessonError& error) {
        return error.what();
    }
    return "accepted";
}

TEST(LessonText, HandWrittenLessonReadsAsItsLayoutSays) {
    TLesson expected;
    expected.Title = "Ряд прямоугольника";
    expected.Task = "Соберите сумму.\nЧто у скачка? C:\\x";
    expected.Waveform = 2;
    expected.Sliders[0] = 31;
    expected.Sliders[1] = 1;
    expected.Sliders[2] = 16;
    expected.Harmonic = 5;
    expected.Sum = false;
    expected.Last = TLessonLast::Cos;
    expected.Redraw = expected.Synthesised = expected.LabOpen = true;
    expected.Tab = "ConvergenceView";
    expected.Formula = "sin(x)+0.5*sin(3*x)";
    expected.Shown = TLessonSource::Formula;
    expected.Muted = {3, 5};
    expected.Hidden = {"SpinEdit1", "SpectrumView"};
    EXPECT_EQ(ParseLesson(Good), expected);
    EXPECT_EQ(ParseLesson("fourier lesson 1\nend"), TLesson()); // keys left out keep defaults
    EXPECT_TRUE(IsLessonText("fourier lesson 7\r\nend\n"));
    EXPECT_FALSE(IsLessonText("fourier lessons 1\n"));
    EXPECT_FALSE(IsLessonText("fourier samples 1\nfourier lesson 1\n"));
}

TEST(LessonText, EveryFieldComesBackBitForBit) {
    TLesson lesson = ParseLesson(Good);
    lesson.Title = "Заголовок с \\ и «кавычками»";
    lesson.Task = "Две\nстроки\\n";
    lesson.Soloed = {1, 32};
    lesson.Hidden = {"GamePane", "ComboBox1", "Image2"};
    lesson.Drawing.emplace();
    for (int j = 0; j < 512; ++j)
        (*lesson.Drawing)[j] = j % 4 == 0 ? 1e-300 : j % 4 == 1 ? -0.0 : j % 4 == 2 ? 1e6 : 0.1;
    lesson.Coefficients.emplace();
    for (int k = 0; k <= 32; ++k) {
        lesson.Coefficients->Cos[k] = -1e6 / (k + 1);
        lesson.Coefficients->Sin[k] = k == 0 ? 0.0 : -0.0;
    }
    lesson.Shown = TLessonSource::Coefficients;
    for (const TLesson& original : {lesson, TLesson()}) {
        const std::string text = FormatLesson(original);
        EXPECT_EQ(ParseLesson(text), original);
        EXPECT_EQ(FormatLesson(ParseLesson(text)), text);
    }
    const TLesson back = ParseLesson(FormatLesson(lesson)); // == takes -0 for 0
    EXPECT_TRUE(std::signbit((*back.Drawing)[1]) && std::signbit(back.Coefficients->Sin[32]));
}

// The object names the windows hide by: the main window's controls, then the lab's tabs.
TEST(LessonText, ControlsAreTheWindowsNamesInTheirOrder) {
    std::string tabs, controls;
    for (const std::string_view name : LessonTabs())
        tabs.append(name).append(" ");
    for (const std::string_view name : LessonControls())
        controls.append(name).append(" ");
    EXPECT_EQ(tabs, "ConvergenceView ResidualView CoefficientView SpectrumView SoundPane "
                    "FormulaPane DrawPane CoefficientPane HarmonicsPane OperationsPane "
                    "CirclesView SamplingView GamePane ");
    EXPECT_EQ(controls, "ComboBox1 TrackBar1 TrackBar2 TrackBar3 SpinEdit1 SCheckBox LRadioGroup "
                        "SpeedButton2 ASpeedButton SSpeedButton CheckBox3 GroupBox1 Image1 "
                        "Image2 " +
                            tabs);
}

TEST(LessonText, DamagedLessonIsRefusedWithItsMessage) {
    const std::string junk(10 << 20, 'x');
    const struct {
        const char* name;
        std::string text, message; // a part of the message naming the line and the fault
    } rows[] = {
        {"CutInALine", Good.substr(0, Good.find("harmonic 5") + 8),
         "Файл оборван: строка 6 не закончена"},
        {"CutAtALineEnd", Good.substr(0, Good.find("end\n")), "Файл оборван: нет строки «end»"},
        {"UnknownKind", "fourier waveform 1\nend\n", "Неизвестный вид данных «waveform»"},
        {"SavedSignal", "fourier samples 1\n0\n", "сигнала, а не урок"},
        {"NewerVersion", "fourier lesson 2\nend\n",
         "Версия урока «2» новее, чем знает программа (1): обновите программу"},
        {"BadNumber",
         With("drawing", "drawing " + Repeated("0", 40) + " 1,5 " + Repeated("0", 471)),
         "Строка 18, число 41: «1,5» — не число"},
        {"DuplicateKey", With("lab", "harmonic 7"),
         "Строка 11: ключ «harmonic» уже был в строке 6"},
        {"UnknownKey", With("sum", "colour red"), "Строка 7: неизвестный ключ «colour»"},
        {"SignedInteger", With("harmonic", "harmonic +5"),
         "Строка 6: номер гармоники «+5» записан"},
        {"LeadingZero", With("waveform", "waveform 02"), "Строка 4: номер формы сигнала «02»"},
        {"MutedDescending", With("muted", "muted 5 3"),
         "«muted» идут по возрастанию, а 3 стоит после 5"},
        {"BadEscape", With("title", "title a\\tb"), "Строка 2: неизвестная замена «\\t»"},
        {"ControlCharacter", With("title", "title a\x1f"), "управляющий символ с кодом 31"},
        {"OverlongUtf8", With("title", "title \xC0\xAF"),
         "Строка 2: заголовок не в кодировке UTF-8"},
        {"TenMegabytesOfJunk", junk, "Файл больше 1 МБ — это не урок"},
        {"ShownFormulaMissing", With("formula", ""),
         "Строка 13: «shown formula», но в уроке нет строки «formula»"},
        {"ShownDrawingMissing", With("shown", "shown drawing"), "нет строки «drawing»"},
        {"SynthesisWithoutWaveform", With("waveform", "waveform 0"),
         "Строка 10: «synthesis yes», но форма сигнала не выбрана"},
        {"HiddenUnknown", With("hidden", "hidden SpinEdit1 Button9"),
         "Строка 17: «Button9» — не элемент окна"},
        {"TextAfterEnd", Good + "harmonic 3\n", "Строка 19: лишние данные после строки «end»"},
    };
    for (const auto& row : rows)
        EXPECT_NE(Refusal(row.text).find(row.message), std::string::npos)
            << row.name << ": " << Refusal(row.text);
}

// Each bound is read, and the value one step past it is refused with its message.
TEST(LessonText, BoundIsReadAndOneStepPastIsRefused) {
    const struct {
        const char* name;
        std::string key, atBound, pastBound, message;
    } rows[] = {
        {"WaveformHigh", "waveform", "8", "9", "номер формы сигнала «9» вне пределов 0..8"},
        {"Slider1Low", "sliders", "1 8 8", "0 8 8", "«0» вне пределов 1..31"},
        {"Slider1High", "sliders", "31 8 8", "32 8 8", "«32» вне пределов 1..31"},
        {"HarmonicHigh", "harmonic", "32", "33",
         "Строка 6: номер гармоники «33» вне пределов 0..32"},
        {"MutedLow", "muted", "1 2", "0 2", "«0» вне пределов 1..32"},
        {"TitleInCharacters", "title", Repeated("я", 200, ""), Repeated("я", 201, ""),
         "заголовок длиннее 200 знаков (длина 201)"},
        {"Formula", "formula", std::string(300, 'x'), std::string(301, 'x'),
         "формула длиннее 300 знаков"},
        {"DrawingMagnitude", "drawing", "-1e6 " + Repeated("0", 511),
         "-1000000.0000000001 " + Repeated("0", 511),
         "Строка 18, число 1: число «-1000000.0000000001» больше миллиона по модулю"},
        {"CoefficientCount", "coefficients", Repeated("0.5", 65), Repeated("0.5", 66),
         "в «coefficients» должно быть 65 чисел через пробел, а найдено 66"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Refusal(With(row.key, row.key + " " + row.atBound)), "accepted") << row.name;
        const std::string refusal = Refusal(With(row.key, row.key + " " + row.pastBound));
        EXPECT_NE(refusal.find(row.message), std::string::npos) << row.name << ": " << refusal;
    }
    EXPECT_EQ(Refusal(std::string(LargestLessonFile, 'x')).find("1 МБ"), std::string::npos);
    EXPECT_EQ(Refusal(std::string(LargestLessonFile + 1, 'x')), "Файл больше 1 МБ — это не урок");
}

TEST(LessonFile, SavedWorkReaderSendsALessonToItsOwnReader) {
    try {
        ParseSavedWork(Good);
        ADD_FAILURE() << "read as a signal";
    } catch (const TSavedWorkError& error) {
        EXPECT_STREQ(error.what(), "Это урок, а не сигнал: откройте его через «Открыть урок…»");
    }
}

// A lesson the reader would refuse or read otherwise is never written: the file already
// there stays whole.
TEST(LessonFile, InvalidLessonIsNotSavedOverAGoodFile) {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() /
        ("fourier-lesson-" + std::to_string(reinterpret_cast<std::uintptr_t>(&path)) + "-" +
         std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + ".fourier");
    const TLesson good = ParseLesson(Good);
    SaveLesson(path.string(), good);
    const auto saved = [&] {
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    };
    EXPECT_EQ(ParseLesson(saved()), good);
    const std::string kept = saved();

    TLesson tooHigh = good, sineOfTheMean = good;
    tooHigh.Harmonic = 33;
    sineOfTheMean.Coefficients.emplace().Sin[0] = 0.5; // the file has no place for it
    for (const auto& [lesson, reason] :
         {std::pair(tooHigh, "номер гармоники «33» вне пределов 0..32"),
          std::pair(sineOfTheMean, "b₀")}) {
        try {
            SaveLesson(path.string(), lesson);
            ADD_FAILURE() << "saved: " << reason;
        } catch (const TFileSaveError& error) {
            EXPECT_NE(error.Reason().find(reason), std::string::npos) << error.what();
        }
        EXPECT_EQ(saved(), kept);
    }
    std::filesystem::remove(path);
}

} // namespace
