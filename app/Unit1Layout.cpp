// The window's controls: every control under its parent, in creation order,
// with its first geometry and initial state, then its texts (WindowTexts.cpp); then the
// event wiring.
#include "Unit1.h"

#include "DesktopLocale.h"
#include "Waveforms.h"

using namespace Fourier::Toolkit;

namespace {

template <class T> T* Place(T* control, int left, int top, int width, int height) {
    control->SetBounds(left, top, width, height);
    return control;
}

template <class T> T* Hidden(T* control) {
    control->SetVisible(false);
    return control;
}

} // namespace

void TForm1::CreateControls() {
    SetClientSize(631, 453);
    SetColor(clBtnFace);

    Panel1 = Place(Add<TPanel>(this, "Panel1"), 0, 233, 631, 189);
    Panel1->SetAlign(TAlign::alClient);
    TopPanel = Place(Add<TPanel>(this, "TopPanel"), 0, 0, 631, 233);
    TopPanel->SetAlign(TAlign::alTop);
    TopPanel->SetColor(clBlack);
    Panel5 = Place(Add<TPanel>(this, "Panel5"), 0, 422, 631, 31);
    Panel5->SetAlign(TAlign::alBottom);

    Image1 = Place(Add<TImage>(TopPanel, "Image1"), 1, 1, 629, 231);
    Image1->SetAlign(TAlign::alClient);

    WLabel = Hidden(Place(Add<TLabel>(Panel1, "WLabel"), 132, 60, 91, 13));
    FEdit = Hidden(Place(Add<TEdit>(Panel1, "FEdit"), 40, 160, 241, 21));
    LoEdit = Hidden(Place(Add<TEdit>(Panel1, "LoEdit"), 40, 160, 73, 21));
    LoEdit->SetText("-6.28");
    HiEdit = Hidden(Place(Add<TEdit>(Panel1, "HiEdit"), 16, 162, 81, 21));
    HiEdit->SetText("6.28");
    Panel2 = Place(Add<TPanel>(Panel1, "Panel2"), 359, 1, 271, 187);
    Panel2->SetAlign(TAlign::alRight);
    Panel2->SetBevelOuter(TBevel::bvLowered);
    Panel2->SetColor(clWhite);
    MinEdit = Hidden(Place(Add<TEdit>(Panel1, "MinEdit"), 24, 160, 73, 21));
    MinEdit->SetText("-1.5");
    MinEdit->SetColor(clCaptionText);
    MaxEdit = Hidden(Place(Add<TEdit>(Panel1, "MaxEdit"), 32, 160, 81, 21));
    MaxEdit->SetText("1.5");
    XCheckBox = Hidden(Place(Add<TCheckBox>(Panel1, "XCheckBox"), 8, 160, 41, 17));
    XCheckBox->SetCaption("X");
    YCheckBox = Hidden(Place(Add<TCheckBox>(Panel1, "YCheckBox"), 8, 160, 41, 17));
    YCheckBox->SetCaption("Y");
    Panel3 = Place(Add<TPanel>(Panel1, "Panel3"), 1, 1, 358, 187);
    Panel3->SetAlign(TAlign::alClient);

    Image2 = Place(Add<TImage>(Panel2, "Image2"), 1, 1, 269, 185);
    Image2->SetAlign(TAlign::alClient);

    Label3 = Hidden(Place(Add<TLabel>(Panel3, "Label3"), 136, 79, 9, 13));
    Label3->SetCaption("to");
    Label2 = Hidden(Place(Add<TLabel>(Panel3, "Label2"), 24, 79, 30, 13));
    Label2->SetCaption("X from");
    Label1 = Hidden(Place(Add<TLabel>(Panel3, "Label1"), 56, 30, 20, 13));
    Label1->SetCaption("f(x)=");
    ComboBox1 = Place(Add<TComboBox>(Panel3, "ComboBox1"), 10, 5, 200, 19);
    ComboBox1->SetItems(std::vector<std::string>(Fourier::WaveformCount));
    auto trackBar = [this](const char* name, int left, int top, int width, int max) {
        auto* bar = Hidden(Place(Add<TTrackBar>(Panel3, name), left, top, width, 35));
        bar->SetMax(max);
        bar->SetMin(1);
        bar->SetPosition(8);
        bar->SetPageSize(4);
        return bar;
    };
    TrackBar1 = trackBar("TrackBar1", 9, 46, 210, 31);
    TrackBar3 = trackBar("TrackBar3", 114, 94, 105, 16);
    TrackBar2 = trackBar("TrackBar2", 9, 94, 105, 16);
    Panel4 = Hidden(Place(Add<TPanel>(Panel3, "Panel4"), 88, 144, 25, 30));
    Panel4->SetBevelOuter(TBevel::bvNone);
    CheckBox1 = Hidden(Place(Add<TCheckBox>(Panel3, "CheckBox1"), 56, 128, 161, 17));
    Panel7 = Place(Add<TPanel>(Panel3, "Panel7"), 217, 1, 140, 185);
    Panel7->SetAlign(TAlign::alRight);
    Panel7->SetBevelOuter(TBevel::bvNone);
    Button2 = Hidden(Place(Add<TButton>(Panel3, "Button2"), 120, 142, 17, 27));
    Button2->SetFontColor(clRed);
    Button2->SetTabStop(false);

    Button1 = Hidden(Place(Add<TButton>(Panel4, "Button1"), 8, 0, 16, 25));
    Button1->SetDefault(true);
    Button1->SetTabStop(false);

    GroupBox1 = Place(Add<TGroupBox>(Panel7, "GroupBox1"), 0, 0, 140, 185);
    GroupBox1->SetAlign(TAlign::alClient);

    Label4 = Place(Add<TLabel>(GroupBox1, "Label4"), 8, 16, 92, 13);
    SpeedButton2 = Place(Add<TSpeedButton>(GroupBox1, "SpeedButton2"), 5, 152, 57, 25);
    SpinEdit1 = Place(Add<TSpinEdit>(GroupBox1, "SpinEdit1"), 8, 32, 121, 22);
    SpinEdit1->SetMinValue(0);
    SpinEdit1->SetMaxValue(Fourier::HarmonicLimit);
    SpinEdit1->SetText("0");
    SCheckBox = Place(Add<TCheckBox>(GroupBox1, "SCheckBox"), 8, 60, 121, 17);
    SCheckBox->SetChecked(true);
    CheckBox2 = Hidden(Place(Add<TCheckBox>(GroupBox1, "CheckBox2"), 8, 128, 129, 17));
    LRadioGroup = Place(Add<TRadioGroup>(GroupBox1, "LRadioGroup"), 8, 80, 105, 65);
    LRadioGroup->SetItems({"sin", "cos", ""});
    LRadioGroup->SetItemIndex(0);

    ASpeedButton = Place(Add<TSpeedButton>(Panel5, "ASpeedButton"), 184, 3, 65, 25);
    ASpeedButton->SetEnabled(false);
    SSpeedButton = Place(Add<TSpeedButton>(Panel5, "SSpeedButton"), 248, 3, 73, 25);
    SSpeedButton->SetEnabled(false);
    Label5 = Place(Add<TLabel>(Panel5, "Label5"), 392, 8, 229, 13);
    SpeedButton3 = Place(Add<TSpeedButton>(Panel5, "SpeedButton3"), 320, 3, 49, 25);
    CheckBox3 = Place(Add<TCheckBox>(Panel5, "CheckBox3"), 8, 8, 169, 17);
    CheckBox3->SetEnabled(false);
    WriteTexts();
}

void TForm1::WireEvents() {
    auto notify = [this](void (TForm1::*handler)(TObject*)) {
        return [this, handler](TObject* sender) { (this->*handler)(sender); };
    };
    OnKeyDown = [this](TObject* s, uint16_t& key, TShiftState shift) {
        FormKeyDown(s, key, shift);
    };
    OnKeyPress = [this](TObject* s, char16_t& key) { FormKeyPress(s, key); };
    OnLanguageChange = [this](TObject*) { LanguageChanged(); };
    ComboBox1->OnChange = notify(&TForm1::ComboBox1Change);
    TrackBar1->OnChange = notify(&TForm1::TrackBar1Change);
    TrackBar2->OnChange = notify(&TForm1::TrackBar2Change);
    TrackBar3->OnChange = notify(&TForm1::TrackBar3Change);
    // While a bar is dragged, what its position sets in the chosen waveform.
    int bar = 1;
    for (TTrackBar* trackBar : {TrackBar1, TrackBar2, TrackBar3}) {
        trackBar->DragHint = [this, bar](int position) {
            const Fourier::TWaveform* waveform = Fourier::WaveformAt(ComboBox1->ItemIndex());
            return waveform ? Fourier::BarValueText(*waveform, bar, position,
                                                    Fourier::DesktopDecimalSeparator())
                            : std::string();
        };
        ++bar;
    }
    CheckBox1->OnClick = notify(&TForm1::CheckBox1Click);
    Button1->OnClick = notify(&TForm1::Button1Click);
    ASpeedButton->OnClick = notify(&TForm1::Button1Click);
    XCheckBox->OnClick = notify(&TForm1::XCheckBoxClick);
    YCheckBox->OnClick = notify(&TForm1::YCheckBoxClick);
    SSpeedButton->OnClick = notify(&TForm1::SSpeedButtonClick);
    SpeedButton2->OnClick = notify(&TForm1::SpeedButton2Click);
    SpinEdit1->OnChange = notify(&TForm1::SpinEdit1Change);
    GroupBox1->OnClick = notify(&TForm1::GroupBox1Click);
    SCheckBox->OnClick = notify(&TForm1::GroupBox1Click);
    CheckBox3->OnClick = notify(&TForm1::CheckBox3Click);
    SpeedButton3->OnClick = notify(&TForm1::Button2Click);
    Button2->OnClick = notify(&TForm1::Button2Click);
}
