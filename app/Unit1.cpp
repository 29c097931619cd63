// The main window's creation and its small handlers: range switches, keyboard, exit.
#include "Unit1.h"

#include "DesktopKeys.h"
#include "Rounding.h"

#include <stdexcept>

using namespace Toolkit;

namespace {

// Characters, not bytes: the harmonic field may hold pasted non-ASCII text.
std::size_t CharacterCount(const std::string& utf8) {
    std::size_t count = 0;
    for (unsigned char c : utf8)
        if ((c & 0xC0) != 0x80) ++count;
    return count;
}

} // namespace

TForm1::TForm1() : TForm("Form1") {
    CreateControls();
    WireEvents();
    Fourier::AddDesktopKeys(*this);
    Dispatch([this] { FormCreate(this); });
}

TForm1::~TForm1() = default;

void TForm1::FormCreate(TObject*) {
    // Taken before the window grows: the bitmap keeps the description's 579 x 231.
    GraphBitmap.SetHeight(Image1->Height());
    GraphBitmap.SetWidth(Image1->Width() - 50);

    YCheckBox->SetChecked(true);
    XCheckBox->SetChecked(true);
    YCheckBoxClick(this);
    XCheckBoxClick(this);

    SetWidth(800);
    SetHeight(600);
    ComboBox1->SetWidth(Width() / 3);
    Panel2->SetWidth(RoundHalfEven(0.4 * Width()));
    Panel7->SetWidth(RoundHalfEven(0.4 * Panel3->Width()));
    TopPanel->SetHeight(360);

    const TConfigResult config = LoadParamConfig("velmora.cfg");
    ParamTable = config.Table;
    if (config.ErrorCode != 0) throw std::runtime_error(ConfigErrorMessage(config.ErrorCode));
}

void TForm1::XCheckBoxClick(TObject*) {
    const bool fixed = XCheckBox->Checked();
    for (TEdit* edit : {HiEdit, LoEdit}) {
        edit->SetReadOnly(fixed);
        edit->SetColor(fixed ? clInactiveCaptionText : clCaptionText);
    }
}

void TForm1::YCheckBoxClick(TObject*) {
    const bool autoscale = YCheckBox->Checked();
    for (TEdit* edit : {MaxEdit, MinEdit}) {
        edit->SetReadOnly(autoscale);
        edit->SetColor(autoscale ? clInactiveCaptionText : clCaptionText);
    }
}

void TForm1::CheckBox3Click(TObject*) {
    const bool redraw = CheckBox3->Checked();
    CheckBox1->SetChecked(redraw);
    CheckBox2->SetChecked(redraw);
}

void TForm1::Button2Click(TObject*) { Close(); }

void TForm1::FormKeyPress(TObject*, char16_t& Key) {
    if (!ASpeedButton->Enabled() || !SSpeedButton->Enabled()) return;
    if (Key != u'\r') return;
    const TControl* active = ActiveControl();
    if (active == TrackBar1 || active == TrackBar2 || active == TrackBar3 || active == ComboBox1)
        Button1->Click();
    else
        SSpeedButton->Click();
}

void TForm1::FormKeyDown(TObject*, uint16_t& Key, TShiftState) {
    if (ActiveControl() != SpinEdit1) return;
    // The field is never emptied: a one-character text becomes "0" (or " 0" for Delete,
    // whose blank the key itself then removes) with the caret in front of it.
    if (Key == vkBack || Key == vkDelete) {
        if (SpinEdit1->Text() == "0") SpinEdit1->SetText("1");
        if (CharacterCount(SpinEdit1->Text()) < 2) SpinEdit1->SetText(Key == vkBack ? "0" : " 0");
    }
    if (SpinEdit1->SelLength() > 0) SpinEdit1->SetSelLength(0);
}
