#include "MainWindowLesson.h"

#include "Unit1.h"
#include "Waveforms.h"

#include <algorithm>

namespace Fourier {
namespace {

TLessonLast LastOf(int item) {
    switch (item) {
    case 1:
        return TLessonLast::Cos;
    case 2:
        return TLessonLast::None;
    default:
        return TLessonLast::Sin;
    }
}

int ItemOf(TLessonLast last) {
    switch (last) {
    case TLessonLast::Cos:
        return 1;
    case TLessonLast::None:
        return 2;
    default:
        return 0;
    }
}

} // namespace

void CaptureMainWindow(const TForm1& form, TLesson& lesson) {
    lesson.Waveform = form.ComboBox1->ItemIndex() + 1;
    lesson.Sliders[0] = form.TrackBar1->Position();
    lesson.Sliders[1] = form.TrackBar2->Position();
    lesson.Sliders[2] = form.TrackBar3->Position();
    lesson.Harmonic = std::clamp(form.SpinEdit1->Value(), 0, 32);
    lesson.Sum = form.SCheckBox->Checked();
    lesson.Last = LastOf(form.LRadioGroup->ItemIndex());
    lesson.Redraw = form.CheckBox3->Checked();
    lesson.Synthesised = lesson.Waveform > 0 && form.SynthesisShown();
}

void ApplyToMainWindow(TForm1& form, const TLesson& lesson) {
    // Automatic redrawing waits until everything is set, so each step draws nothing twice.
    form.CheckBox3->SetChecked(false);
    if (const TWaveform* waveform = WaveformAt(lesson.Waveform - 1)) {
        form.ComboBox1->SetText(waveform->Name);
        form.ComboBox1Change(form.ComboBox1);
        // The waveform's own track bars, moved as by the student (which remembers them).
        const auto move = [&form](Toolkit::TTrackBar* bar, int position,
                                  void (TForm1::*changed)(Toolkit::TObject*)) {
            if (!bar->Visible() || bar->Position() == position) return;
            bar->SetPosition(position);
            (form.*changed)(bar);
        };
        move(form.TrackBar1, lesson.Sliders[0], &TForm1::TrackBar1Change);
        move(form.TrackBar2, lesson.Sliders[1], &TForm1::TrackBar2Change);
        move(form.TrackBar3, lesson.Sliders[2], &TForm1::TrackBar3Change);
        form.Button1->Click();
    }
    form.SCheckBox->SetChecked(lesson.Sum);
    form.LRadioGroup->SetItemIndex(ItemOf(lesson.Last));
    form.GroupBox1Click(form.LRadioGroup);
    form.SpinEdit1->SetValue(lesson.Harmonic);
    if (lesson.Synthesised && form.SSpeedButton->Enabled()) form.SSpeedButton->Click();
    form.CheckBox3->SetChecked(lesson.Redraw);
}

void WithholdMainControls(TForm1& form, const std::vector<std::string>& hidden) {
    for (Toolkit::TControl* control : form.Controls()) {
        const std::string name = control->Widget()->objectName().toStdString();
        const bool listed = std::find(LessonControls().begin(), LessonControls().end(), name) !=
                            LessonControls().end();
        if (!listed) continue;
        control->SetWithheld(std::find(hidden.begin(), hidden.end(), name) != hidden.end());
    }
}

} // namespace Fourier
