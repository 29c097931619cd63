#pragma once
#include "Canvas.h"

// The program's icon, drawn with the same canvas as the graphs: a square wave in red
// over its first harmonics as blue and green bars, on black.
void DrawAppIcon(Toolkit::TBitmap& icon);
