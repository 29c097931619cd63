#include "AppIcon.h"

#include <cmath>
#include <numbers>

using namespace Toolkit;

void DrawAppIcon(TBitmap& icon) {
    constexpr int size = 32;
    icon.SetWidth(size);
    icon.SetHeight(size);
    TCanvas& canvas = icon.Canvas();
    canvas.SetBrushColor(clBlack);
    canvas.FloodFill(0, 0, clAqua);

    canvas.SetPenColor(clGray);
    canvas.MoveTo(0, 12);
    canvas.LineTo(size, 12);

    // A square wave (low, then high; rows grow downwards) and the sine that fits it best.
    canvas.SetPenColor(clRed);
    canvas.MoveTo(2, 17);
    canvas.LineTo(16, 17);
    canvas.LineTo(16, 7);
    canvas.LineTo(30, 7);
    canvas.SetPenColor(clYellow);
    for (int x = 2; x < 30; ++x) {
        const double phase = 2.0 * std::numbers::pi * (x - 2) / 28.0;
        const int y = 12 + static_cast<int>(std::lround(6.0 * std::sin(phase)));
        if (x == 2) canvas.MoveTo(x, y);
        canvas.LineTo(x + 1, y);
    }

    // Its odd harmonics fall off as 1/k.
    for (int k = 1; k <= 7; k += 2) {
        const int x = 4 + 3 * k;
        canvas.SetPenColor(clGreen);
        canvas.MoveTo(x, 30);
        canvas.LineTo(x, 30 - 8 / k - 1);
        canvas.SetPenColor(clBlue);
        canvas.MoveTo(x - 1, 30);
        canvas.LineTo(x - 1, 29);
    }
}
