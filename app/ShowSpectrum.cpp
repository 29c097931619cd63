// The spectrum: harmonics 0 to 31 as blue (cos) and green (sin) bars in Image2, and the
// y range the synthesis plots with, written into MaxEdit and MinEdit.
#include "DesktopLocale.h"
#include "NumberText.h"
#include "PlotLayout.h"
#include "Rounding.h"
#include "SpectrumRange.h"
#include "Unit1.h"
#include "Waveforms.h"

#include <QCoreApplication>
#include <string>

using namespace Fourier::Toolkit;
using namespace Fourier;

void TForm1::ShowSpectrum() {
    const TWaveform* waveform = WaveformAt(ComboBox1->ItemIndex());
    const TSpectrumRange range =
        SpectrumRange(ReBuf, ImBuf, SignalPeak, waveform && waveform->PeakIsCosineSum);

    TCanvas& canvas = Image2->Canvas();
    const int x0 = SpectrumAxisColumn;
    const int step = SpectrumStep(Image2->Width());
    const int b = SpectrumBaseline(Image2->Height(), range.Top, range.Bottom);

    const std::string separator = DesktopDecimalSeparator();
    MaxEdit->SetText(RangeText(range.P, separator));
    MinEdit->SetText(RangeText(-range.P, separator));
    MaxEdit->SetText(WithDecimalPoint(MaxEdit->Text()));
    MinEdit->SetText(WithDecimalPoint(MinEdit->Text()));

    canvas.MoveTo(0, b);
    canvas.LineTo(Image1->Width(), b);
    canvas.MoveTo(x0, 0);
    canvas.LineTo(x0, Image1->Height());

    // An all-zero spectrum has no scale: it keeps its axes, ticks and caption but no bars.
    if (range.Top != range.Bottom) {
        const double scale = SpectrumPixelsPerUnit(Image2->Height(), range.Top, range.Bottom);
        for (int i = 0; i < SpectrumHarmonics; ++i) {
            canvas.SetPenColor(clBlue);
            canvas.MoveTo(x0 - 1 + i * step, b);
            canvas.LineTo(x0 - 1 + i * step, RoundHalfEven(b - ReBuf[i] * scale));
            canvas.SetPenColor(clGreen);
            canvas.MoveTo(x0 + 1 + i * step, b);
            canvas.LineTo(x0 + 1 + i * step, RoundHalfEven(b - ImBuf[i] * scale));
        }
    }

    canvas.TextOut(x0 - 2 * step, b - 5, "0");
    canvas.SetPenColor(clGray);
    for (int j = 1; j <= 16; ++j) {
        canvas.MoveTo(x0 + 2 * j * step, b);
        canvas.LineTo(x0 + 2 * j * step, b + step / 2);
    }
    for (int j = 1; j <= 4; ++j) {
        canvas.MoveTo(x0 + 8 * j * step, b);
        canvas.LineTo(x0 + 8 * j * step, b + step);
        canvas.TextOut(x0 + 8 * j * step - 5, b + step, std::to_string(8 * j));
    }

    canvas.TextOut(50, 5,
                   QCoreApplication::translate("TForm1", "Гармоники спектра: ").toStdString());
    canvas.SetFontColor(clBlue);
    canvas.TextOut(canvas.PenPos().X, canvas.PenPos().Y, "cos, ");
    canvas.SetFontColor(clGreen);
    canvas.TextOut(canvas.PenPos().X, canvas.PenPos().Y, "sin.");
    canvas.SetFontColor(clBlack);
    spectrumDrawn_ = true;
}
