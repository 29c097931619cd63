#pragma once
// The main window's part of a lesson: read from its controls, and put back by driving them
// as the student would (choosing the waveform, moving the track bars, setting the harmonic),
// so that every handler runs as it does for a student.
#include "Lesson.h"

#include <string>
#include <vector>

class TForm1;

namespace Fourier {

void CaptureMainWindow(const TForm1& form, TLesson& lesson);
void ApplyToMainWindow(TForm1& form, const TLesson& lesson);

// Withholds the named controls of the main window (LessonControls() names; others are left
// to the lab) and gives back those withheld before.
void WithholdMainControls(TForm1& form, const std::vector<std::string>& hidden);

} // namespace Fourier
