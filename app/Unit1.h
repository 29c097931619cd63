#pragma once
// The main window: its controls, the shared analysis state, and every handler.
#include "ConfigFile.h"
#include "Form.h"
#include "RunMemo.h"
#include "RunView.h"
#include "Waveforms.h"

#include <cstdint>
#include <span>
#include <string>

class TForm1 : public Toolkit::TForm {
  public:
    using TObject = Toolkit::TObject;
    using TColor = Toolkit::TColor;

    TForm1(); // creates the controls, wires their events and runs FormCreate
    ~TForm1() override;

    // Controls, by parent in creation order.
    Toolkit::TPanel* Panel1 = nullptr;
    Toolkit::TPanel* TopPanel = nullptr;
    Toolkit::TPanel* Panel5 = nullptr;
    Toolkit::TImage* Image1 = nullptr;
    Toolkit::TLabel* WLabel = nullptr;
    Toolkit::TEdit* FEdit = nullptr;
    Toolkit::TEdit* LoEdit = nullptr;
    Toolkit::TEdit* HiEdit = nullptr;
    Toolkit::TPanel* Panel2 = nullptr;
    Toolkit::TEdit* MinEdit = nullptr;
    Toolkit::TEdit* MaxEdit = nullptr;
    Toolkit::TCheckBox* XCheckBox = nullptr;
    Toolkit::TCheckBox* YCheckBox = nullptr;
    Toolkit::TPanel* Panel3 = nullptr;
    Toolkit::TImage* Image2 = nullptr;
    Toolkit::TLabel* Label3 = nullptr;
    Toolkit::TLabel* Label2 = nullptr;
    Toolkit::TLabel* Label1 = nullptr;
    Toolkit::TComboBox* ComboBox1 = nullptr;
    Toolkit::TTrackBar* TrackBar1 = nullptr;
    Toolkit::TTrackBar* TrackBar3 = nullptr;
    Toolkit::TTrackBar* TrackBar2 = nullptr;
    Toolkit::TPanel* Panel4 = nullptr;
    Toolkit::TCheckBox* CheckBox1 = nullptr;
    Toolkit::TPanel* Panel7 = nullptr;
    Toolkit::TButton* Button2 = nullptr;
    Toolkit::TButton* Button1 = nullptr;
    Toolkit::TGroupBox* GroupBox1 = nullptr;
    Toolkit::TLabel* Label4 = nullptr;
    Toolkit::TSpeedButton* SpeedButton2 = nullptr;
    Toolkit::TSpinEdit* SpinEdit1 = nullptr;
    Toolkit::TCheckBox* SCheckBox = nullptr;
    Toolkit::TCheckBox* CheckBox2 = nullptr;
    Toolkit::TRadioGroup* LRadioGroup = nullptr;
    Toolkit::TSpeedButton* ASpeedButton = nullptr;
    Toolkit::TSpeedButton* SSpeedButton = nullptr;
    Toolkit::TLabel* Label5 = nullptr;
    Toolkit::TSpeedButton* SpeedButton3 = nullptr;
    Toolkit::TCheckBox* CheckBox3 = nullptr;

    // Analysis state: samples, then the spectrum (ReBuf[k] weighs cos kx, ImBuf[k] sin kx).
    double ReBuf[1024] = {};
    double ImBuf[1024] = {};
    uint8_t FftStatus = 0;
    double SignalPeak = 0.0;
    // Remembered track-bar positions per waveform, from velmora.cfg and the user's moves.
    Fourier::TParamTable ParamTable{};
    // The graph is drawn here at its own size, then stretched into Image1.
    Toolkit::TBitmap GraphBitmap;

    // Window
    void FormCreate(TObject* Sender);
    void FormKeyDown(TObject* Sender, uint16_t& Key, Toolkit::TShiftState Shift);
    void FormKeyPress(TObject* Sender, char16_t& Key);
    void XCheckBoxClick(TObject* Sender);
    void YCheckBoxClick(TObject* Sender);
    void CheckBox3Click(TObject* Sender);
    void Button2Click(TObject* Sender);

    // Waveform choice and parameters
    void ComboBox1Change(TObject* Sender);
    void TrackBar1Change(TObject* Sender);
    void TrackBar2Change(TObject* Sender);
    void TrackBar3Change(TObject* Sender);
    void CheckBox1Click(TObject* Sender);
    void ResetParameterControls();

    // Analysis
    void Button1Click(TObject* Sender);
    void ClearDrawings();
    void PlotGraph(std::span<const double, 512> Data, int Mode, double XMax, double XMin,
                   double YMax, double YMin, TColor Colour);
    void ShowSpectrum();

    // Synthesis
    void SSpeedButtonClick(TObject* Sender);
    void SpeedButton2Click(TObject* Sender);
    void SpinEdit1Change(TObject* Sender);
    void GroupBox1Click(TObject* Sender);

    // Who follows the main window's runs (the lab); null for nobody. Not owned.
    void SetRunListener(Fourier::TRunListener* listener);
    // The last run as the listener sees it.
    Fourier::TRunView CurrentRunView(bool synthesised) const;

  private:
    // The samples of the last formula waveform. Every slider step runs the analysis twice
    // (the step and the end of the key press) on the same formula and range; the second
    // run takes the samples from here instead of evaluating the formula again.
    struct TFormulaSamples {
        std::string Text;
        double A = 0, B = 0;
        Fourier::TSamples Values{};
        bool Valid = false;
    };
    TFormulaSamples lastFormula_;
    TRunMemo lastRun_;

    Fourier::TRunListener* runListener_ = nullptr;
    Fourier::TSamples lastSamples_{}; // the last analysis run's samples, in grid order
    void NotifyRunListener(bool synthesised);

    void ApplySetup(const Fourier::TWaveform& waveform, const Fourier::TParamEntry& remembered);
    void CreateControls();
    void WireEvents();
    // What every track bar's change does: autoscale, maybe analyse, remember the position.
    void TrackBarMoved(int trackBar, int position);
    void RememberTrackBar(int trackBar, int position);
    // The formula's values at the 512 grid points of [a, b), kept for the next run.
    const Fourier::TSamples& FormulaSamples(const std::string& text, double a, double b);
};
