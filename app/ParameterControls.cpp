// Choosing a waveform sets up its track bars and labels from ParamTable and analyses it;
// the user's moves of a track bar are remembered per waveform.
#include "Unit1.h"
#include "Waveforms.h"

#include <QCoreApplication>

using namespace Fourier::Toolkit;

void TForm1::ResetParameterControls() {
    TrackBar1->SetVisible(false);
    TrackBar2->SetVisible(false);
    TrackBar1->SetMax(31);
    TrackBar1->SetMin(1);
    TrackBar3->SetVisible(false);
    TrackBar3->SetMax(16);
    TrackBar3->SetPosition(8);
    TrackBar3->SetPageSize(4);
    for (TControl* control : std::initializer_list<TControl*>{Label1, Label2, Label3, CheckBox1})
        control->SetVisible(false);
}

void TForm1::ComboBox1Change(TObject*) {
    ASpeedButton->SetEnabled(true);
    SSpeedButton->SetEnabled(true);
    CheckBox3->SetEnabled(true);
    YCheckBox->SetChecked(true);
    ResetParameterControls();
    SpeedButton2->Click();

    const int index = ComboBox1->ItemIndex();
    if (const Fourier::TWaveform* waveform = Fourier::WaveformAt(index)) {
        ApplySetup(*waveform, ParamTable[index]);
        if (waveform->DisablesEmptySynthesis && !SCheckBox->Checked() &&
            LastHarmonicChoice() == Fourier::TLastHarmonic::None)
            SSpeedButton->SetEnabled(false);
    }

    if (!ComboBox1->Text().empty())
        Button1->Click();
    else
        ComboBox1->SetText(
            QCoreApplication::translate("TForm1", "Функции")
                .toStdString()); // a drop-down list takes no free text: the box stays empty
}

void TForm1::ApplySetup(const Fourier::TWaveform& waveform,
                        const Fourier::TParamEntry& remembered) {
    using Fourier::TSetupStep;
    TTrackBar* const bars[] = {TrackBar1, TrackBar2, TrackBar3};
    TLabel* const labels[] = {Label1, Label2, Label3};
    const int32_t params[] = {remembered.P1, remembered.P2, remembered.P3};
    for (const TSetupStep& step : waveform.Setup) {
        TTrackBar* bar = step.Bar >= 1 ? bars[step.Bar - 1] : nullptr;
        TLabel* label = step.Bar >= 1 ? labels[step.Bar - 1] : nullptr;
        switch (step.Kind) {
        case TSetupStep::skMax:
            bar->SetMax(step.Value);
            break;
        case TSetupStep::skMin:
            bar->SetMin(step.Value);
            break;
        case TSetupStep::skPageSize:
            bar->SetPageSize(step.Value);
            break;
        case TSetupStep::skPosition:
            bar->SetPosition(params[step.Value - 1]);
            break;
        case TSetupStep::skShowBar:
            bar->SetVisible(true);
            break;
        case TSetupStep::skCaption:
            label->SetCaption(Fourier::CaptionText(step));
            break;
        case TSetupStep::skShowLabel:
            label->SetVisible(true);
            break;
        case TSetupStep::skLastHarmonic:
            LRadioGroup->SetItemIndex(step.Value);
            break;
        }
    }
}

void TForm1::RememberTrackBar(int trackBar, int position) {
    const int index = ComboBox1->ItemIndex();
    if (index < 0 || index >= static_cast<int>(ParamTable.size())) return;
    Fourier::TParamEntry& entry = ParamTable[index];
    // Which field a track bar feeds depends on how many the entry remembers.
    int32_t* field = nullptr;
    switch (entry.Count) {
    case 1:
        field = trackBar == 1 ? &entry.P1 : nullptr;
        break;
    case 2:
        field = trackBar == 2 ? &entry.P1 : trackBar == 3 ? &entry.P2 : nullptr;
        break;
    case 3:
        field = trackBar == 1 ? &entry.P1 : trackBar == 2 ? &entry.P2 : &entry.P3;
        break;
    default:
        break;
    }
    if (field) *field = position;
}

void TForm1::TrackBarMoved(int trackBar, int position) {
    YCheckBox->SetChecked(true);
    if (CheckBox1->Checked()) Button1->Click();
    RememberTrackBar(trackBar, position);
}

void TForm1::TrackBar1Change(TObject*) {
    TrackBarMoved(1, TrackBar1->Position());
}

void TForm1::TrackBar2Change(TObject*) {
    TrackBarMoved(2, TrackBar2->Position());
}

void TForm1::TrackBar3Change(TObject*) {
    TrackBarMoved(3, TrackBar3->Position());
}

void TForm1::CheckBox1Click(TObject*) {
    YCheckBox->SetChecked(true);
}
