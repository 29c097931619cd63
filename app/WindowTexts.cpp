// The window's texts in the program's language. Russian ones are the sources themselves, so
// with Russian every caption is the one the window has always had.
#include "Unit1.h"
#include "Waveforms.h"

#include <QCoreApplication>

using namespace Fourier::Toolkit;
using namespace Fourier;

namespace {

std::string Text(const QString& text) {
    return text.toStdString();
}

} // namespace

void TForm1::WriteTexts() {
    SetCaption(Text(tr("Анализ  и синтез Фурье")));
    WLabel->SetCaption(Text(tr("Ширина импульса")));
    ComboBox1->SetHint(Text(tr("Выберите функцию")));
    for (int i = 0; i < WaveformCount; ++i)
        ComboBox1->SetItemText(i, WaveformName(Waveforms()[static_cast<std::size_t>(i)]));
    CheckBox1->SetCaption(Text(tr("Строить автоматически")));
    Button2->SetCaption(Text(tr("Выход")));
    Button1->SetCaption(Text(tr("Построить")));
    GroupBox1->SetCaption(Text(tr("Синтез")));
    Label4->SetCaption(Text(tr("Номер гармоники")));
    SpeedButton2->SetCaption(Text(tr("&Сброс")));
    SpinEdit1->SetHint(Text(tr("Номер гармоники")));
    SCheckBox->SetCaption(Text(tr("Сумма гармоник")));
    CheckBox2->SetCaption(Text(tr("Рисовать без спросу")));
    LRadioGroup->SetCaption(Text(tr("Последняя:")));
    LRadioGroup->SetItemCaption(2, Text(tr("Не рисовать")));
    ASpeedButton->SetCaption(Text(tr("&Анализ")));
    ASpeedButton->SetHint(Text(tr("построить график и спектр")));
    SSpeedButton->SetCaption(Text(tr("&Синтез")));
    SSpeedButton->SetHint(Text(tr("Синтез он и в африке синтез")));
    Label5->SetCaption(Text(tr("Учебная программа «Фурье», 2026")));
    SpeedButton3->SetCaption(Text(tr("Выход")));
    SpeedButton3->SetHint(Text(tr("Свободу студентам!")));
    CheckBox3->SetCaption(Text(tr("Перерисовывать")));
}

void TForm1::LanguageChanged() {
    WriteTexts();
    // The track bars' captions are those of the waveform chosen.
    if (const TWaveform* waveform = WaveformAt(ComboBox1->ItemIndex())) {
        TLabel* const labels[] = {Label1, Label2, Label3};
        for (const TSetupStep& step : waveform->Setup)
            if (step.Kind == TSetupStep::skCaption)
                labels[step.Bar - 1]->SetCaption(CaptionText(step));
    }
    NameControls();
    if (runShown_) UpdateSpokenSummaries(CurrentRun(synthesisShown_));
    // The spectrum's caption is drawn into it: the spectrum is drawn again, as it was.
    if (spectrumDrawn_) {
        ClearSpectrum();
        ShowSpectrum();
    }
}
