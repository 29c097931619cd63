#pragma once
// The program's icon, drawn with the same canvas as the graphs: a square wave in red, the
// sine that fits it best in yellow over it (from 32 pixels up), and the square wave's odd
// harmonics as green bars falling as 1/k beside their zero cosine parts in blue, on black. Each
// size is laid out on its own pixel grid, with strokes a whole number of pixels wide, so that no
// size is a blurred copy of another.
#include "Canvas.h"

#include <vector>

namespace Fourier {

// The sizes installed in the desktop's icon theme and given to the window.
inline constexpr int AppIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// The small sizes leave the sine out.
inline constexpr int SmallestWithSine = 32;

// A polyline drawn with a square pen Width pixels wide whose top-left pixel follows the
// points; each segment leaves out its end point, as the canvas's lines do.
struct TIconStroke {
    Toolkit::TColor Colour;
    int Width;
    std::vector<Toolkit::TPoint> Points;
};

inline constexpr Toolkit::TColor AppIconBackground = Toolkit::clBlack;

// The strokes of the icon at size x size pixels, in drawing order, over the background.
std::vector<TIconStroke> AppIconStrokes(int size);

// Sets icon to size x size pixels and draws the icon on it.
void DrawAppIcon(Toolkit::TBitmap& icon, int size);

// Gives the application's windows the icon in every size.
void SetApplicationIcon();

} // namespace Fourier
