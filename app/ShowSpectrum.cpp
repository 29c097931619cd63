// The spectrum: harmonics 0 to 31 as blue (cos) and green (sin) bars in Image2, and the
// y range the synthesis plots with, written into MaxEdit and MinEdit.
#include "NumberText.h"
#include "Rounding.h"
#include "Unit1.h"

#include <cmath>
#include <string>

using namespace Toolkit;

void TForm1::ShowSpectrum() {
    double top = ReBuf[0], bottom = ReBuf[0], peak = std::abs(ReBuf[0]);
    for (int i = 0; i < 32; ++i) {
        for (double v : {ReBuf[i], ImBuf[i]}) {
            if (v > top) top = v;
            if (v < bottom) bottom = v;
            if (std::abs(v) > peak) peak = std::abs(v);
        }
    }

    TCanvas& canvas = Image2->Canvas();
    const int W2 = Image2->Width();
    const int H2 = Image2->Height();
    constexpr int x0 = 25;
    const int step = RoundHalfEven((W2 - 40) / 32.0);

    int b;
    if (top * bottom < 0 && -bottom / top >= 0.1)
        b = H2 - RoundHalfEven(H2 * ((-bottom) / (top - bottom)));
    else
        b = H2 - 20;
    if (b < 20) b = 30;

    // The pulse-like waveforms peak where their cosine parts add up.
    const int index = ComboBox1->ItemIndex();
    if (index == 5 || index == 6 || index == 7) {
        peak = 0;
        for (int i = 0; i < 32; ++i) peak += ReBuf[i];
    }
    const double P = SignalPeak > peak ? SignalPeak : peak;
    MaxEdit->SetText(FormatGeneral(P, 12));
    MinEdit->SetText(FormatGeneral(-P, 12));
    MaxEdit->SetText(WithDecimalPoint(MaxEdit->Text()));
    MinEdit->SetText(WithDecimalPoint(MinEdit->Text()));

    canvas.MoveTo(0, b);
    canvas.LineTo(Image1->Width(), b);
    canvas.MoveTo(x0, 0);
    canvas.LineTo(x0, Image1->Height());

    // An all-zero spectrum has no scale: it keeps its axes, ticks and caption but no bars.
    if (top != bottom) {
        const double scale = (H2 - 35) / (top - bottom);
        for (int i = 0; i < 32; ++i) {
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

    canvas.TextOut(50, 5, "Гармоники спектра: ");
    canvas.SetFontColor(clBlue);
    canvas.TextOut(canvas.PenPos().X, canvas.PenPos().Y, "cos, ");
    canvas.SetFontColor(clGreen);
    canvas.TextOut(canvas.PenPos().X, canvas.PenPos().Y, "sin.");
    canvas.SetFontColor(clBlack);
}
