// Choosing a waveform sets up its track bars and labels from ParamTable and analyses it;
// the user's moves of a track bar are remembered per waveform.
#include "Unit1.h"

using namespace Toolkit;

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
    const TParamEntry p = (index >= 0 && index < 8) ? ParamTable[index] : TParamEntry{};
    auto showLabel = [](TLabel* label, const char* caption) {
        label->SetCaption(caption);
        label->SetVisible(true);
    };
    switch (index) {
    case 0: // sine
        TrackBar1->SetMax(24);
        TrackBar1->SetMin(1);
        TrackBar1->SetPosition(p.P1);
        TrackBar1->SetVisible(true);
        showLabel(Label1, "Частота");
        LRadioGroup->SetItemIndex(0);
        break;
    case 1: // square
    case 2: // triangle
        LRadioGroup->SetItemIndex(0);
        break;
    case 3: // trapezoid
        TrackBar1->SetMax(31);
        TrackBar1->SetPosition(p.P1);
        TrackBar1->SetVisible(true);
        showLabel(Label1, "Ширина верхнего основания");
        LRadioGroup->SetItemIndex(0);
        break;
    case 4: // delta: the last-harmonic mode stays the user's
        TrackBar1->SetMax(15);
        TrackBar1->SetPosition(p.P1);
        Label1->SetCaption("Сдвиг от начала координат");
        TrackBar1->SetVisible(true);
        Label1->SetVisible(true);
        if (!SCheckBox->Checked() && LRadioGroup->ItemIndex() == 2) SSpeedButton->SetEnabled(false);
        break;
    case 5: // beats
        LRadioGroup->SetItemIndex(1);
        TrackBar2->SetMax(16);
        TrackBar2->SetPosition(p.P1);
        TrackBar2->SetVisible(true);
        TrackBar3->SetVisible(true);
        TrackBar3->SetMax(4);
        TrackBar3->SetPosition(p.P2);
        TrackBar3->SetPageSize(1);
        Label2->SetCaption("Отношение амплитуд");
        Label3->SetCaption("Разность частот");
        Label2->SetVisible(true);
        Label3->SetVisible(true);
        break;
    case 6: // amplitude modulation
        LRadioGroup->SetItemIndex(1);
        TrackBar1->SetMax(24);
        TrackBar1->SetMin(8);
        TrackBar3->SetMax(8);
        TrackBar1->SetPosition(p.P1);
        TrackBar2->SetPosition(p.P2);
        TrackBar3->SetPosition(p.P3);
        TrackBar3->SetPageSize(2);
        TrackBar1->SetVisible(true);
        TrackBar2->SetVisible(true);
        TrackBar3->SetVisible(true);
        Label1->SetCaption("Несущая частота");
        Label2->SetCaption("Глубина модуляции");
        Label3->SetCaption("Частота модуляции");
        Label1->SetVisible(true);
        Label2->SetVisible(true);
        Label3->SetVisible(true);
        break;
    case 7: // rectangular pulse
        LRadioGroup->SetItemIndex(1);
        showLabel(Label1, "Ширина импульса");
        TrackBar1->SetPosition(p.P1);
        TrackBar1->SetMax(31);
        TrackBar1->SetMin(1);
        TrackBar1->SetVisible(true);
        break;
    default:
        break;
    }

    if (!ComboBox1->Text().empty())
        Button1->Click();
    else
        ComboBox1->SetText("Функции"); // a drop-down list takes no free text: the box stays empty
}

void TForm1::RememberTrackBar(int trackBar, int position) {
    const int index = ComboBox1->ItemIndex();
    if (index < 0 || index >= static_cast<int>(ParamTable.size())) return;
    TParamEntry& entry = ParamTable[index];
    // Which field a track bar feeds depends on how many the entry remembers.
    int32_t* field = nullptr;
    switch (entry.Count) {
    case 1: field = trackBar == 1 ? &entry.P1 : nullptr; break;
    case 2: field = trackBar == 2 ? &entry.P1 : trackBar == 3 ? &entry.P2 : nullptr; break;
    case 3: field = trackBar == 1 ? &entry.P1 : trackBar == 2 ? &entry.P2 : &entry.P3; break;
    default: break;
    }
    if (field) *field = position;
}

void TForm1::TrackBarMoved(int trackBar, int position) {
    YCheckBox->SetChecked(true);
    if (CheckBox1->Checked()) Button1->Click();
    RememberTrackBar(trackBar, position);
}

void TForm1::TrackBar1Change(TObject*) { TrackBarMoved(1, TrackBar1->Position()); }

void TForm1::TrackBar2Change(TObject*) { TrackBarMoved(2, TrackBar2->Position()); }

void TForm1::TrackBar3Change(TObject*) { TrackBarMoved(3, TrackBar3->Position()); }

void TForm1::CheckBox1Click(TObject*) { YCheckBox->SetChecked(true); }
