#pragma once
// The main window: its controls, the shared analysis state, and every handler.
#include "Analysis.h"
#include "ConfigFile.h"
#include "Form.h"
#include "FormulaSampleMemo.h"
#include "Run.h"
#include "RunMemo.h"
#include "Waveforms.h"

#include <QCoreApplication>

#include <cstdint>
#include <span>
#include <string>

class TForm1 : public Fourier::Toolkit::TForm {
    Q_DECLARE_TR_FUNCTIONS(TForm1)

  public:
    using TObject = Fourier::Toolkit::TObject;
    using TColor = Fourier::Toolkit::TColor;

    TForm1(); // creates the controls, wires their events and runs FormCreate
    ~TForm1() override;

    // Controls, by parent in creation order.
    Fourier::Toolkit::TPanel* Panel1 = nullptr;
    Fourier::Toolkit::TPanel* TopPanel = nullptr;
    Fourier::Toolkit::TPanel* Panel5 = nullptr;
    Fourier::Toolkit::TImage* Image1 = nullptr;
    Fourier::Toolkit::TLabel* WLabel = nullptr;
    Fourier::Toolkit::TEdit* FEdit = nullptr;
    Fourier::Toolkit::TEdit* LoEdit = nullptr;
    Fourier::Toolkit::TEdit* HiEdit = nullptr;
    Fourier::Toolkit::TPanel* Panel2 = nullptr;
    Fourier::Toolkit::TEdit* MinEdit = nullptr;
    Fourier::Toolkit::TEdit* MaxEdit = nullptr;
    Fourier::Toolkit::TCheckBox* XCheckBox = nullptr;
    Fourier::Toolkit::TCheckBox* YCheckBox = nullptr;
    Fourier::Toolkit::TPanel* Panel3 = nullptr;
    Fourier::Toolkit::TImage* Image2 = nullptr;
    Fourier::Toolkit::TLabel* Label3 = nullptr;
    Fourier::Toolkit::TLabel* Label2 = nullptr;
    Fourier::Toolkit::TLabel* Label1 = nullptr;
    Fourier::Toolkit::TComboBox* ComboBox1 = nullptr;
    Fourier::Toolkit::TTrackBar* TrackBar1 = nullptr;
    Fourier::Toolkit::TTrackBar* TrackBar3 = nullptr;
    Fourier::Toolkit::TTrackBar* TrackBar2 = nullptr;
    Fourier::Toolkit::TPanel* Panel4 = nullptr;
    Fourier::Toolkit::TCheckBox* CheckBox1 = nullptr;
    Fourier::Toolkit::TPanel* Panel7 = nullptr;
    Fourier::Toolkit::TButton* Button2 = nullptr;
    Fourier::Toolkit::TButton* Button1 = nullptr;
    Fourier::Toolkit::TGroupBox* GroupBox1 = nullptr;
    Fourier::Toolkit::TLabel* Label4 = nullptr;
    Fourier::Toolkit::TSpeedButton* SpeedButton2 = nullptr;
    Fourier::Toolkit::TSpinEdit* SpinEdit1 = nullptr;
    Fourier::Toolkit::TCheckBox* SCheckBox = nullptr;
    Fourier::Toolkit::TCheckBox* CheckBox2 = nullptr;
    Fourier::Toolkit::TRadioGroup* LRadioGroup = nullptr;
    Fourier::Toolkit::TSpeedButton* ASpeedButton = nullptr;
    Fourier::Toolkit::TSpeedButton* SSpeedButton = nullptr;
    Fourier::Toolkit::TLabel* Label5 = nullptr;
    Fourier::Toolkit::TSpeedButton* SpeedButton3 = nullptr;
    Fourier::Toolkit::TCheckBox* CheckBox3 = nullptr;

    // Analysis state: samples, then the spectrum (ReBuf[k] weighs cos kx, ImBuf[k] sin kx).
    double ReBuf[Fourier::BufferLength] = {};
    double ImBuf[Fourier::BufferLength] = {};
    uint8_t FftStatus = 0;
    double SignalPeak = 0.0;
    // Remembered track-bar positions per waveform, from velmora.cfg and the user's moves.
    Fourier::TParamTable ParamTable{};
    // The graph is drawn here at its own size, then stretched into Image1.
    Fourier::Toolkit::TBitmap GraphBitmap;

    // Window
    void FormCreate(TObject* Sender);
    void FormKeyDown(TObject* Sender, uint16_t& Key, Fourier::Toolkit::TShiftState Shift);
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
    // How PlotGraph draws the values: each as a vertical stem from the x axis, or
    // consecutive values joined by line segments.
    enum class TPlotMode { Stems = 0, Line = 1 };
    void PlotGraph(std::span<const double, Fourier::SampleCount> Data, TPlotMode Mode, double XMax,
                   double XMin, double YMax, double YMin, TColor Colour);
    void ShowSpectrum();

    // Synthesis
    void SSpeedButtonClick(TObject* Sender);
    void SpeedButton2Click(TObject* Sender);
    void SpinEdit1Change(TObject* Sender);
    void GroupBox1Click(TObject* Sender);

    // Who follows the main window's runs (the lab); null for nobody. Not owned.
    void SetRunListener(Fourier::TRunListener* listener);
    // The last run as the listener sees it.
    Fourier::TRun CurrentRun(bool synthesised) const;
    // Whether the graph shows a synthesis (the last run was one) rather than an analysis.
    bool SynthesisShown() const { return synthesisShown_; }

  private:
    // The samples of the formula waveforms evaluated last. Every slider step runs the
    // analysis twice on the same formula and range, and a slider moved back meets settings
    // again; those take their samples from here.
    Fourier::TFormulaSampleMemo formulaSamples_;
    Fourier::TRunMemo lastRun_;

    Fourier::TRunListener* runListener_ = nullptr;
    bool synthesisShown_ = false;
    Fourier::TSamples lastSamples_{}; // the last analysis run's samples, in grid order
    void NotifyRunListener(bool synthesised);
    // Names and descriptions for assistive technology (Accessibility.cpp), set once, and the
    // summaries of the graph, the spectrum and the status after each run.
    void SetUpAccessibility();
    void UpdateSpokenSummaries(const Fourier::TRun& run);
    // LRadioGroup's item: which part of harmonic k the synthesis draws alone.
    Fourier::TLastHarmonic LastHarmonicChoice() const;

    // The window's texts in the program's language (WindowTexts.cpp): written once after the
    // controls are made, and with the pictures' words again whenever the language changes.
    void WriteTexts();
    void LanguageChanged();
    void NameControls();
    bool runShown_ = false;      // a run has drawn the pictures
    bool spectrumDrawn_ = false; // Image2 shows ShowSpectrum's drawing
    void ClearSpectrum();

    void ApplySetup(const Fourier::TWaveform& waveform, const Fourier::TParamEntry& remembered);
    void CreateControls();
    void WireEvents();
    // What every track bar's change does: autoscale, maybe analyse, remember the position.
    void TrackBarMoved(int trackBar, int position);
    void RememberTrackBar(int trackBar, int position);
};
