// The main window's creation and its small handlers: range switches, keyboard, exit.
#include "Unit1.h"

#include "DesktopKeys.h"
#include "PlotLayout.h"
#include "Rounding.h"
#include "Utf8.h"

#include <stdexcept>

using namespace Fourier::Toolkit;

namespace {

// Whether Backspace or Delete would leave the field empty: a text of fewer than two
// characters, a selection of all of it, or Ctrl's word deletion reaching from the caret
// to the far end of a text that is one run of digits.
bool DeletionEmptiesField(const TSpinEdit& field, uint16_t key, TShiftState shift) {
    // Characters, not bytes: the field may hold pasted non-ASCII text.
    const int length = static_cast<int>(Fourier::CharacterCount(field.Text()));
    if (length < 2 || field.SelLength() == length) return true;
    if (field.SelLength() > 0 || !(shift & ssCtrl)) return false;
    return key == vkBack ? field.SelStart() == length : field.SelStart() == 0;
}

bool IsDigitKey(uint16_t key, TShiftState shift) {
    return key >= '0' && key <= '9' && (shift & (ssShift | ssAlt | ssCtrl)) == 0;
}

// Ctrl+X, Ctrl+V and Shift+Insert: the keys that hand a selection to the clipboard or
// replace it with the clipboard's text, which may be empty.
bool CutsOrPastes(uint16_t key, TShiftState shift) {
    if (shift & ssCtrl) return key == 'X' || key == 'V';
    return key == vkInsert && (shift & ssShift);
}

} // namespace

TForm1::TForm1() : TForm("Form1") {
    CreateControls();
    WireEvents();
    Fourier::AddDesktopKeys(*this);
    Dispatch([this] { FormCreate(this); });
    SetUpAccessibility();
}

TForm1::~TForm1() = default;

void TForm1::FormCreate(TObject*) {
    // Taken before the window grows, so the bitmap keeps the picture's first size.
    GraphBitmap.SetHeight(Image1->Height());
    GraphBitmap.SetWidth(Image1->Width() - Fourier::GraphBitmapMargin);

    YCheckBox->SetChecked(true);
    XCheckBox->SetChecked(true);
    YCheckBoxClick(this);
    XCheckBoxClick(this);

    SetWidth(800);
    SetHeight(600);
    ComboBox1->SetWidth(Width() / 3);
    Panel2->SetWidth(Fourier::RoundHalfEven(0.4 * Width()));
    Panel7->SetWidth(Fourier::RoundHalfEven(0.4 * Panel3->Width()));
    TopPanel->SetHeight(360);

    const Fourier::TConfigResult config = Fourier::LoadParamConfig("velmora.cfg");
    ParamTable = config.Table;
    if (config.ErrorCode != 0)
        throw std::runtime_error(Fourier::ConfigErrorMessage(config.ErrorCode));
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

void TForm1::Button2Click(TObject*) {
    Close();
}

void TForm1::FormKeyPress(TObject*, char16_t& Key) {
    if (!ASpeedButton->Enabled() || !SSpeedButton->Enabled()) return;
    if (Key != u'\r') return;
    const TControl* active = ActiveControl();
    if (active == TrackBar1 || active == TrackBar2 || active == TrackBar3 || active == ComboBox1)
        Button1->Click();
    else
        SSpeedButton->Click();
}

void TForm1::FormKeyDown(TObject*, uint16_t& Key, TShiftState Shift) {
    if (ActiveControl() != SpinEdit1) return;
    // The field is never emptied: a deletion that would leave nothing leaves "0" instead
    // and is spent.
    if (Key == vkBack || Key == vkDelete) {
        if (DeletionEmptiesField(*SpinEdit1, Key, Shift)) {
            SpinEdit1->SetText("0");
            Key = 0;
        }
        return;
    }
    // Typed digits become the number in the order typed: a typed character replaces a
    // selection, and "0" is a placeholder that the first digit replaces wherever the caret is.
    if (IsDigitKey(Key, Shift) && SpinEdit1->Text() == "0") SpinEdit1->SelectAll();
    // Cutting or pasting works at the selection's start, so the clipboard cannot empty the field.
    if (CutsOrPastes(Key, Shift) && SpinEdit1->SelLength() > 0) SpinEdit1->SetSelLength(0);
}
