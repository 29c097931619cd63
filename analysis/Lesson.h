#pragma once
// A lesson: the whole state a teacher prepares and hands out, as one «.fourier» file beside
// the drawn and edited signals of SavedWork.h.
//
//   fourier lesson 1
//   title Ряд прямоугольника
//   task Соберите прямоугольник до пятой гармоники.\nЧто происходит у скачка?
//   waveform 2
//   sliders 8 8 8
//   harmonic 5
//   sum yes
//   last sin
//   redraw no
//   synthesis yes
//   lab open
//   tab ConvergenceView
//   formula sin(x)+0.5*sin(3*x)
//   drawing <512 numbers>
//   coefficients <a_0 a_1 b_1 ... a_32 b_32: 65 numbers>
//   shown main
//   muted 3 5
//   soloed
//   hidden SpinEdit1 SpectrumView
//   end
//
// After the first line every line is a key, one space and its value; a key comes at most
// once, in any order, and a key left out keeps its default (a newly started program). The
// last line is «end», so a file cut at a line's end is still seen to be cut. Texts are UTF-8
// on one line: «\n» stands for a line break and «\\» for a backslash. Numbers are written as
// SavedWork writes them (shortest form that reads back the same double, at most 10⁶ in
// magnitude). Lists are separated by single spaces and may be empty.
#include "Analysis.h"
#include "Coefficients.h"

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace Fourier {

// What the lab shows: the main window's signal, or one of its own panes' signals.
enum class TLessonSource { MainWindow, Formula, Drawing, Coefficients };

// The synthesis' last harmonic drawn alone (the main window's «Последняя:»).
enum class TLessonLast { Sin, Cos, None };

struct TLesson {
    std::string Title; // at most LessonTitleLength characters, no line break
    std::string Task;  // at most LessonTaskLength characters

    // The main window.
    int Waveform = 0;           // 0: none chosen; 1..8 the waveform list's items
    int Sliders[3] = {8, 8, 8}; // TrackBar1 (1..31), TrackBar2 (1..16), TrackBar3 (1..16)
    int Harmonic = 0;           // 0..32
    bool Sum = true;            // «Сумма гармоник»
    TLessonLast Last = TLessonLast::Sin;
    bool Redraw = false;      // «Перерисовывать»
    bool Synthesised = false; // the synthesis is drawn (needs a waveform)

    // The lab.
    bool LabOpen = false;
    std::string Tab;                           // the tab on top: a LessonTabs() name, or ""
    std::string Formula;                       // the own formula's field, at most 300 characters
    std::optional<TSamples> Drawing;           // what «Нарисовать» holds
    std::optional<TCoefficients> Coefficients; // what «Коэффициенты» holds (b_0 is 0)
    TLessonSource Shown = TLessonSource::MainWindow; // its data must be in the lesson
    std::vector<int> Muted;                          // harmonics 1..32, ascending, each once
    std::vector<int> Soloed;

    // Controls the teacher hid: LessonControls() names, each once, in the file's order.
    std::vector<std::string> Hidden;

    bool operator==(const TLesson&) const = default;
};

inline constexpr std::size_t LessonTitleLength = 200;
inline constexpr std::size_t LessonTaskLength = 4000;
inline constexpr std::size_t LessonFormulaLength = 300;
// A lesson file is a few kilobytes; anything much larger is not one and is not read.
inline constexpr std::size_t LargestLessonFile = 1 << 20;

// The lab's tabs a lesson can put on top or hide, by their widgets' object names.
const std::vector<std::string_view>& LessonTabs();
// Everything a lesson can hide: the main window's controls and the lab's tabs.
const std::vector<std::string_view>& LessonControls();

// A lesson that cannot be read; the message (UTF-8, Russian) names the line and the fault.
class TLessonError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Whether the text's first line names a lesson («fourier lesson …», any version), so that the
// program knows which reader to use.
bool IsLessonText(std::string_view text);

std::string FormatLesson(const TLesson& lesson);

// Reads the whole text or nothing. Throws TLessonError for: a text over LargestLessonFile, a
// first line other than «fourier lesson 1» (a newer version is named as such), an unknown or
// repeated key, a value out of its range or of the wrong form, a shown source whose data the
// lesson lacks, a synthesis without a waveform, and a text without its «end» line or with
// anything after it.
TLesson ParseLesson(std::string_view text);

// Saves FormatLesson(lesson) whole or not at all (SaveFileWhole); throws TFileSaveError
// naming the file and the reason, also for a lesson ParseLesson would refuse (nothing is
// written then, and the file already at the path stays as it was).
void SaveLesson(const std::string& path, const TLesson& lesson);

} // namespace Fourier
