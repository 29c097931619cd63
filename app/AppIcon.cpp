#include "AppIcon.h"

#include "Form.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <numbers>

namespace Fourier {
namespace {

using Toolkit::TPoint;

int Round(double v) {
    return static_cast<int>(std::lround(v));
}

// The layout of one size, in whole pixels.
struct TIconGrid {
    explicit TIconGrid(int size)
        : Size(size), Pen(std::max(1, (size + 16) / 32)), Margin(std::max(1, Round(size / 16.0))),
          Left(Margin), Right(size - Margin - Pen), Axis(Round(0.375 * size)),
          Square(Round(0.16 * size)), BarFoot(size - Margin), TallestBar(Round(0.28 * size)) {}

    // Pen position that centres the pen on a row or column.
    int Centred(int line) const { return line - Pen / 2; }

    int Size, Pen, Margin;
    int Left, Right; // first and last pen position of the curves
    int Axis;        // row of the graph's x axis
    int Square;      // half the height of the square wave, in rows
    int BarFoot;     // first row below the bars
    int TallestBar;  // height of the first harmonic's bar
};

TIconStroke AxisLine(const TIconGrid& g) {
    const int width = std::max(1, g.Pen / 2);
    const int y = g.Axis - width / 2;
    return {Toolkit::clGray, width, {{0, y}, {g.Size, y}}};
}

// Low on the left half, high on the right (rows grow downwards), like "2. Прямоугольник".
TIconStroke SquareWave(const TIconGrid& g) {
    const int middle = (g.Size - g.Pen) / 2;
    const int low = g.Centred(g.Axis + g.Square);
    const int high = g.Centred(g.Axis - g.Square);
    return {
        Toolkit::clRed, g.Pen, {{g.Left, low}, {middle, low}, {middle, high}, {g.Right + 1, high}}};
}

// The square wave's first harmonic, (4/pi) sin x over one period, one point per column,
// thinner than the square wave so that both stay visible where they overlap.
TIconStroke Fundamental(const TIconGrid& g) {
    const double amplitude = 4.0 / std::numbers::pi * g.Square;
    const int pen = std::max(1, g.Pen / 2);
    TIconStroke sine{Toolkit::clYellow, pen, {}};
    for (int x = g.Left; x <= g.Right + 1; ++x) {
        const double phase = 2.0 * std::numbers::pi * (x - g.Left) / (g.Right + 1 - g.Left);
        sine.Points.push_back({x, g.Axis + Round(amplitude * std::sin(phase)) - pen / 2});
    }
    return sine;
}

// Bars of the odd harmonics 1, 3, 5 (and 7 where there is room): green sine parts of
// height 1/k, each with its cosine part, zero, as a blue dot on its left.
void Harmonics(const TIconGrid& g, std::vector<TIconStroke>& strokes) {
    const int last = g.Size < 32 ? 5 : 7;
    const double spacing = static_cast<double>(g.Right - g.Left - 2 * g.Pen) / (last + 1);
    for (int k = 1; k <= last; k += 2) {
        const int x = g.Left + 2 * g.Pen + Round(k * spacing);
        const int height = std::max(g.Pen, Round(static_cast<double>(g.TallestBar) / k));
        strokes.push_back(
            {Toolkit::clGreen, g.Pen, {{x, g.BarFoot - g.Pen}, {x, g.BarFoot - height - 1}}});
        strokes.push_back({Toolkit::clBlue,
                           g.Pen,
                           {{x - g.Pen, g.BarFoot - g.Pen}, {x - g.Pen, g.BarFoot - g.Pen - 1}}});
    }
}

} // namespace

std::vector<TIconStroke> AppIconStrokes(int size) {
    const TIconGrid grid(size);
    std::vector<TIconStroke> strokes{AxisLine(grid), SquareWave(grid)};
    // Below 32 pixels the sine would only blur the square wave's corners into a blob.
    if (size >= SmallestWithSine) strokes.push_back(Fundamental(grid));
    Harmonics(grid, strokes);
    return strokes;
}

void DrawAppIcon(Toolkit::TBitmap& icon, int size) {
    icon.SetWidth(size);
    icon.SetHeight(size);
    Toolkit::TCanvas& canvas = icon.Canvas();
    canvas.SetBrushColor(AppIconBackground);
    canvas.FloodFill(0, 0, Toolkit::clAqua);
    for (const TIconStroke& stroke : AppIconStrokes(size)) {
        canvas.SetPenColor(stroke.Colour);
        // The square pen is the union of the one-pixel line moved over the pen's width and height.
        for (int dy = 0; dy < stroke.Width; ++dy)
            for (int dx = 0; dx < stroke.Width; ++dx) {
                canvas.MoveTo(stroke.Points.front().X + dx, stroke.Points.front().Y + dy);
                for (const TPoint& p : stroke.Points)
                    canvas.LineTo(p.X + dx, p.Y + dy);
            }
    }
}

void SetApplicationIcon() {
    std::array<Toolkit::TBitmap, std::size(AppIconSizes)> icons;
    for (std::size_t i = 0; i < icons.size(); ++i)
        DrawAppIcon(icons[i], AppIconSizes[i]);
    Toolkit::Application::SetIcon(icons);
}

} // namespace Fourier
