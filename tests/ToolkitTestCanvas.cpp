// Pixel-exact drawing: lines against a brute-force reference, flood fill against a
// breadth-first reference, text boxes against font metrics, nearest-neighbour stretching.
#include "Canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <deque>
#include <functional>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

using namespace Fourier::Toolkit;

namespace {

__extension__ typedef __int128 Wide;
using Pixels = std::set<std::pair<int, int>>;

TBitmap& Sized(TBitmap& b, int w, int h) {
    b.SetWidth(w);
    b.SetHeight(h);
    return b;
}

Pixels PixelsOf(const TCanvas& c, TColor colour) {
    Pixels found;
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x)
            if (c.Pixel(x, y) == colour) found.insert({x, y});
    return found;
}

// For every column (x-major) or row (y-major) of the surface that the line crosses, the
// minor coordinate whose distance to the exact line is smallest, the nearer-to-start one on a tie.
Pixels ReferenceLine(TPoint from, TPoint to, int width, int height) {
    Pixels out;
    const int64_t dx = int64_t{to.X} - from.X, dy = int64_t{to.Y} - from.Y;
    const bool xMajor = (dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy);
    const int64_t major = xMajor ? dx : dy, minor = xMajor ? dy : dx;
    const int64_t n = major < 0 ? -major : major, m = minor < 0 ? -minor : minor;
    const int64_t majorStart = xMajor ? from.X : from.Y, minorStart = xMajor ? from.Y : from.X;
    const int extent = xMajor ? width : height;
    for (int a = 0; a < extent; ++a) {
        const int64_t i = major < 0 ? majorStart - a : a - majorStart;
        if (i < 0 || i >= n) continue;
        const Wide exact = Wide{i} * m; // the exact offset is exact / n
        Wide k = exact / n;
        if ((k + 1) * n - exact < exact - k * n) ++k;
        const int64_t b = minorStart + (minor < 0 ? -1 : 1) * static_cast<int64_t>(k);
        const int64_t x = xMajor ? a : b, y = xMajor ? b : a;
        if (x >= 0 && x < width && y >= 0 && y < height) out.insert({int(x), int(y)});
    }
    return out;
}

Pixels Drawn(TPoint from, TPoint to, int width, int height) {
    TBitmap b;
    TCanvas& c = Sized(b, width, height).Canvas();
    c.SetPenColor(clRed);
    c.MoveTo(from.X, from.Y);
    c.LineTo(to.X, to.Y);
    EXPECT_EQ(c.PenPos(), to);
    return PixelsOf(c, clRed);
}

std::string Describe(const Pixels& p) {
    std::string s;
    for (const auto& [x, y] : p)
        s += "(" + std::to_string(x) + "," + std::to_string(y) + ")";
    return s;
}

TEST(CanvasLine, EveryDirectionMatchesTheReference) {
    // Every end point on square rings around the centre covers all eight octants,
    // their borders (axes and diagonals) and many tie cases.
    const TPoint centre{20, 20};
    for (int r = 1; r <= 14; ++r) {
        for (int t = -r; t <= r; ++t) {
            for (const TPoint end :
                 {TPoint{centre.X + t, centre.Y - r}, TPoint{centre.X + t, centre.Y + r},
                  TPoint{centre.X - r, centre.Y + t}, TPoint{centre.X + r, centre.Y + t}}) {
                SCOPED_TRACE("to (" + std::to_string(end.X) + "," + std::to_string(end.Y) + ")");
                EXPECT_EQ(Describe(Drawn(centre, end, 41, 41)),
                          Describe(ReferenceLine(centre, end, 41, 41)));
                EXPECT_EQ(Describe(Drawn(end, centre, 41, 41)),
                          Describe(ReferenceLine(end, centre, 41, 41)));
            }
        }
    }
}

struct LineCase {
    const char* name;
    TPoint from, to;
    const char* pixels; // worked out by hand
};

TEST(CanvasLine, HandWorkedCases) {
    const LineCase cases[] = {
        {"zero length draws nothing", {3, 3}, {3, 3}, ""},
        {"one step draws the start only", {3, 3}, {4, 3}, "(3,3)"},
        {"horizontal rightwards, end excluded", {1, 2}, {5, 2}, "(1,2)(2,2)(3,2)(4,2)"},
        {"horizontal leftwards, end excluded", {5, 2}, {1, 2}, "(2,2)(3,2)(4,2)(5,2)"},
        {"vertical downwards", {2, 1}, {2, 4}, "(2,1)(2,2)(2,3)"},
        {"vertical upwards", {2, 4}, {2, 1}, "(2,2)(2,3)(2,4)"},
        {"diagonal", {0, 0}, {3, 3}, "(0,0)(1,1)(2,2)"},
        {"anti-diagonal", {3, 0}, {0, 3}, "(1,2)(2,1)(3,0)"},
        {"tie stays on the start side", {0, 0}, {4, 2}, "(0,0)(1,0)(2,1)(3,1)"},
        {"tie reversed stays on its start side", {4, 2}, {0, 0}, "(1,1)(2,1)(3,2)(4,2)"},
        {"steep tie", {0, 0}, {2, 4}, "(0,0)(0,1)(1,2)(1,3)"},
        {"shallow rounding", {0, 0}, {5, 2}, "(0,0)(1,0)(2,1)(3,1)(4,2)"},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Describe(Drawn(c.from, c.to, 8, 8)), c.pixels);
    }
}

TEST(CanvasLine, ClippedLinesKeepTheirShape) {
    const std::pair<TPoint, TPoint> cases[] = {
        {{-100, -37}, {250, 60}},
        {{250, 60}, {-100, -37}},
        {{-5, 45}, {30, -20}},
        {{17, -300}, {22, 400}},
        {{-40, 10}, {90, 10}},
        {{10, -40}, {10, 90}},
        {{-3, -3}, {2, 2}},
        {{60, 60}, {100, 100}},
        {{-1000000, 5}, {1000000, 25}},
        {{INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}},
        {{INT_MAX, INT_MIN}, {INT_MIN, INT_MAX}},
        {{INT_MIN, 20}, {INT_MAX, 21}},
        {{25, INT_MAX}, {24, INT_MIN}},
    };
    for (const auto& [from, to] : cases) {
        SCOPED_TRACE("(" + std::to_string(from.X) + "," + std::to_string(from.Y) + ") to (" +
                     std::to_string(to.X) + "," + std::to_string(to.Y) + ")");
        EXPECT_EQ(Describe(Drawn(from, to, 50, 40)), Describe(ReferenceLine(from, to, 50, 40)));
    }
}

TEST(CanvasLine, RandomLinesMatchTheReference) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> coordinate(-30, 90);
    for (int k = 0; k < 2000; ++k) {
        const TPoint from{coordinate(random), coordinate(random)},
            to{coordinate(random), coordinate(random)};
        ASSERT_EQ(Describe(Drawn(from, to, 64, 48)), Describe(ReferenceLine(from, to, 64, 48)))
            << "line " << k;
    }
}

TEST(CanvasLine, PolylineContinuesFromThePenPosition) {
    TBitmap b;
    TCanvas& c = Sized(b, 10, 10).Canvas();
    c.MoveTo(1, 1);
    c.LineTo(4, 1);
    c.LineTo(4, 4);
    // The corner (4,1) is the first line's excluded end and the second line's start.
    EXPECT_EQ(Describe(PixelsOf(c, clBlack)), "(1,1)(2,1)(3,1)(4,1)(4,2)(4,3)");
}

// Breadth-first 4-connected fill, written independently of the canvas's scanline fill.
QImage ReferenceFill(QImage image, int x, int y, QRgb border, QRgb fill) {
    const int w = image.width(), h = image.height();
    std::vector<bool> seen(size_t(w) * h);
    std::deque<std::pair<int, int>> queue{{x, y}};
    while (!queue.empty()) {
        const auto [px, py] = queue.front();
        queue.pop_front();
        if (px < 0 || py < 0 || px >= w || py >= h || seen[size_t(py) * w + px]) continue;
        seen[size_t(py) * w + px] = true;
        if ((image.pixel(px, py) & 0xFFFFFF) == (border & 0xFFFFFF)) continue;
        image.setPixel(px, py, fill);
        queue.insert(queue.end(), {{px + 1, py}, {px - 1, py}, {px, py + 1}, {px, py - 1}});
    }
    return image;
}

void Rectangle(TCanvas& c, int left, int top, int right, int bottom) {
    c.MoveTo(left, top);
    c.LineTo(right, top);
    c.LineTo(right, bottom);
    c.LineTo(left, bottom);
    c.LineTo(left, top);
}

TEST(CanvasFloodFill, RingWithAHoleAndDiagonalWall) {
    TBitmap b;
    TCanvas& c = Sized(b, 60, 40).Canvas();
    c.SetPenColor(clAqua);
    Rectangle(c, 5, 5, 50, 35);   // outer ring
    Rectangle(c, 15, 12, 30, 25); // the hole
    c.SetPenColor(clRed);
    Rectangle(c, 35, 10, 45, 20); // a red square inside the ring is not a border
    c.SetPenColor(clAqua);
    c.MoveTo(0, 39);
    c.LineTo(5, 34); // a diagonal wall closes off the bottom-left corner for 4-connected fill
    const QImage before = b.Image();
    c.SetBrushColor(clGreen);
    c.FloodFill(10, 10, clAqua);

    const QImage expected = ReferenceFill(before, 10, 10, qRgb(0, 255, 255), qRgb(0, 128, 0));
    EXPECT_EQ(b.Image(), expected);
    EXPECT_EQ(c.Pixel(20, 18), clWhite) << "inside the hole";
    EXPECT_EQ(c.Pixel(55, 2), clWhite) << "outside the ring";
    EXPECT_EQ(c.Pixel(40, 15), clGreen) << "inside the red square";
    EXPECT_EQ(c.Pixel(35, 10), clGreen) << "the red border itself";
    EXPECT_EQ(c.Pixel(5, 5), clAqua) << "the border stays";
}

TEST(CanvasFloodFill, RandomImagesMatchTheReference) {
    std::mt19937 random(11);
    const QRgb palette[] = {qRgb(0, 255, 255), qRgb(255, 255, 255), qRgb(0, 128, 0),
                            qRgb(255, 0, 0)};
    std::discrete_distribution<int> pick({35, 40, 15, 10});
    for (int k = 0; k < 60; ++k) {
        TBitmap b;
        Sized(b, 37, 23);
        QImage& image = const_cast<QImage&>(b.Image());
        for (int y = 0; y < 23; ++y)
            for (int x = 0; x < 37; ++x)
                image.setPixel(x, y, palette[pick(random)]);
        const QImage before = image;
        const int x = k % 37, y = (k * 7) % 23;
        b.Canvas().SetBrushColor(clGreen); // also present before the fill
        b.Canvas().FloodFill(x, y, clAqua);
        ASSERT_EQ(b.Image(), ReferenceFill(before, x, y, qRgb(0, 255, 255), qRgb(0, 128, 0)))
            << "image " << k;
    }
}

struct FillCase {
    const char* name;
    int x, y;
    TColor brush;
    bool changes;
};

TEST(CanvasFloodFill, Edges) {
    const FillCase cases[] = {
        {"start on the border does nothing", 2, 2, clRed, false},
        {"start off the surface does nothing", -1, 5, clRed, false},
        {"start below the surface does nothing", 5, 10, clRed, false},
        {"brush equal to the border still ends", 5, 5, clAqua, true},
        {"brush equal to the old colour still ends", 5, 5, clWhite, false},
    };
    for (const FillCase& f : cases) {
        SCOPED_TRACE(f.name);
        TBitmap b;
        TCanvas& c = Sized(b, 10, 10).Canvas();
        c.SetPenColor(clAqua);
        Rectangle(c, 2, 2, 8, 8);
        const QImage before = b.Image();
        c.SetBrushColor(f.brush);
        c.FloodFill(f.x, f.y, clAqua);
        EXPECT_EQ(b.Image() != before, f.changes);
        if (f.changes) {
            EXPECT_EQ(c.Pixel(5, 5), f.brush);
            EXPECT_EQ(c.Pixel(0, 0), clWhite) << "the ring keeps the fill inside";
        }
    }
}

TEST(CanvasFloodFill, WholeSurfaceFromTheCorner) {
    // The program's way of clearing: from (0,0) with aqua, which it never draws.
    TBitmap b;
    TCanvas& c = Sized(b, 579, 231).Canvas();
    c.SetPenColor(clRed);
    for (int x = 0; x < 579; x += 7) {
        c.MoveTo(x, 0);
        c.LineTo(578 - x, 230);
    }
    c.SetBrushColor(clBlack);
    c.FloodFill(0, 0, clAqua);
    EXPECT_EQ(PixelsOf(c, clBlack).size(), size_t(579) * 231);
}

// A clearing fill skips its search for the border when the surface cannot hold that colour;
// every way the colour can get onto a surface must still stop the fill where it lies.
TEST(CanvasFloodFill, EveryWayOfDrawingTheBorderStopsTheFill) {
    const struct {
        const char* name;
        std::function<void(TBitmap&)> draw;
    } cases[] = {
        {"a line",
         [](TBitmap& b) {
             b.Canvas().SetPenColor(clAqua);
             b.Canvas().MoveTo(5, 0);
             b.Canvas().LineTo(5, 40);
         }},
        {"text in the border colour",
         [](TBitmap& b) {
             b.Canvas().SetFontColor(clAqua);
             b.Canvas().TextOut(2, 2, "OOOO");
         }},
        {"text on a box of the border colour",
         [](TBitmap& b) {
             b.Canvas().SetBrushColor(clAqua);
             b.Canvas().TextOut(2, 2, "ab");
         }},
        {"stretched from a bitmap",
         [](TBitmap& b) {
             TBitmap source;
             Sized(source, 10, 10).Canvas().SetPenColor(clAqua);
             source.Canvas().MoveTo(0, 5);
             source.Canvas().LineTo(10, 5);
             b.Canvas().StretchDraw({0, 0, 30, 30}, source);
         }},
        {"stretched from an image alone",
         [](TBitmap& b) {
             QImage source(10, 10, QImage::Format_RGB32);
             source.fill(Qt::white);
             source.setPixel(4, 4, qRgb(0, 255, 255));
             b.Canvas().StretchDraw({0, 0, 30, 30}, source);
         }},
        {"kept through a resize",
         [](TBitmap& b) {
             b.Canvas().SetPenColor(clAqua);
             b.Canvas().MoveTo(0, 10);
             b.Canvas().LineTo(40, 10);
             b.SetWidth(50);
         }},
        {"after a whole fill and many colours",
         [](TBitmap& b) {
             b.Canvas().SetBrushColor(clYellow);
             b.Canvas().FloodFill(0, 0, clAqua);
             const TColor colours[] = {clRed,   clBlue,   clGreen,  clGray,   clWhite,
                                       clBlack, 0x102030, 0x405060, 0x708090, clAqua};
             for (int i = 0; i < 10; ++i) {
                 b.Canvas().SetPenColor(colours[i]);
                 b.Canvas().MoveTo(i * 4, 0);
                 b.Canvas().LineTo(i * 4, 40);
             }
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TBitmap b;
        Sized(b, 40, 40);
        c.draw(b);
        const QImage before = b.Image();
        ASSERT_FALSE(PixelsOf(b.Canvas(), clAqua).empty());
        b.Canvas().SetBrushColor(clGreen);
        b.Canvas().FloodFill(39, 39, clAqua);
        EXPECT_EQ(b.Image(), ReferenceFill(before, 39, 39, qRgb(0, 255, 255), qRgb(0, 128, 0)));
    }
}

TEST(CanvasText, OpaqueBoxAndPenAdvance) {
    const std::string texts[] = {"Анализ 123", "0", "W", "sin(8*x)", ""};
    for (const std::string& s : texts) {
        SCOPED_TRACE(s);
        TBitmap b;
        TCanvas& c = Sized(b, 160, 40).Canvas();
        c.SetBrushColor(clBlue);
        c.SetFontColor(clYellow);
        const QFontMetrics metrics(c.Font());
        const int width = metrics.horizontalAdvance(QString::fromStdString(s));
        const int height = metrics.height();
        c.TextOut(10, 7, s);
        EXPECT_EQ(c.PenPos(), (TPoint{10 + width, 7}));
        EXPECT_EQ(c.TextWidth(s), width);
        int ink = 0;
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < 160; ++x) {
                const bool inBox = x >= 10 && x < 10 + width && y >= 7 && y < 7 + height;
                const TColor p = c.Pixel(x, y);
                if (!inBox) {
                    ASSERT_EQ(p, clWhite) << "outside the box at " << x << "," << y;
                } else {
                    ASSERT_TRUE(p == clBlue || p == clYellow) << "blend at " << x << "," << y;
                    ink += p == clYellow;
                }
            }
        }
        EXPECT_EQ(ink > 0, !s.empty() && width > 0);
    }
}

// Drawn once and then copied: every drawing must match painting the text in place.
TEST(CanvasText, RepeatedTextMatchesPaintingInPlace) {
    struct Row {
        const char* text;
        TColor brush, font;
        int x, y;
    } rows[] = {{"Гармоники спектра: ", clWhite, clBlack, 50, 5},
                {"cos, ", clWhite, clBlue, 3, 20},
                {"cos, ", clWhite, clBlue, 40, 22},
                {"cos, ", clWhite, clGreen, 40, 22},
                {"8", clRed, clBlack, -3, -4},
                {"32", clWhite, clBlack, 150, 30}};
    TBitmap b;
    TCanvas& c = Sized(b, 160, 40).Canvas();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        c.SetBrushColor(clGray);
        c.FloodFill(0, 0, clAqua);
        QImage expected = b.Image().copy();
        QPainter painter(&expected);
        const QFontMetrics metrics(c.Font());
        const QString text = QString::fromUtf8(row.text);
        painter.fillRect(QRect(row.x, row.y, metrics.horizontalAdvance(text), metrics.height()),
                         QColor::fromRgb(row.brush));
        painter.setFont(c.Font());
        painter.setPen(QColor::fromRgb(row.font));
        painter.drawText(QPoint(row.x, row.y + metrics.ascent()), text);
        painter.end();
        c.SetBrushColor(row.brush);
        c.SetFontColor(row.font);
        c.TextOut(row.x, row.y, row.text);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 160; ++x)
                ASSERT_EQ(c.Pixel(x, y), expected.pixel(x, y) & 0xFFFFFFu) << x << "," << y;
    }
}

TEST(CanvasText, ContinuesWherePreviousTextEnded) {
    TBitmap b;
    TCanvas& c = Sized(b, 200, 20).Canvas();
    c.TextOut(3, 2, "ab");
    const TPoint after = c.PenPos();
    c.TextOut(after.X, after.Y, "cd");
    EXPECT_EQ(c.PenPos().X, 3 + c.TextWidth("ab") + c.TextWidth("cd"));
    EXPECT_EQ(c.PenPos().Y, 2);
}

TEST(CanvasText, OffTheSurfaceIsSafe) {
    TBitmap b;
    TCanvas& c = Sized(b, 20, 10).Canvas();
    c.SetBrushColor(clRed);
    c.TextOut(-5, -5, "Синтез");
    c.TextOut(15, 8, "Синтез");
    EXPECT_EQ(c.Pixel(0, 0), clRed);
    EXPECT_EQ(c.Pixel(19, 9), clRed);
    TBitmap empty;
    empty.Canvas().TextOut(0, 0, "x"); // no picture at all
    EXPECT_EQ(empty.Canvas().PenPos().X, empty.Canvas().TextWidth("x"));
}

// A source whose every pixel has its own colour, so a wrong mapping cannot go unseen.
void Numbered(TBitmap& b, int w, int h) {
    Sized(b, w, h);
    QImage& image = const_cast<QImage&>(b.Image());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, 0xFF000000u | uint32_t(y * w + x));
}

struct StretchCase {
    const char* name;
    int sw, sh;
    TRect rect;
};

TEST(CanvasStretch, NearestNeighbourFloor) {
    const StretchCase cases[] = {
        {"up 579x231 into 789x358", 579, 231, {5, 2, 794, 360}},
        {"down by half", 200, 100, {0, 0, 100, 50}},
        {"down unevenly", 250, 120, {3, 4, 80, 37}},
        {"same size", 40, 30, {1, 1, 41, 31}},
        {"partly off the surface", 50, 40, {-20, -10, 90, 70}},
    };
    for (const StretchCase& s : cases) {
        SCOPED_TRACE(s.name);
        TBitmap source, target;
        Numbered(source, s.sw, s.sh);
        TCanvas& c = Sized(target, 800, 400).Canvas();
        c.StretchDraw(s.rect, source);
        const int dw = s.rect.Right - s.rect.Left, dh = s.rect.Bottom - s.rect.Top;
        for (int y = 0; y < 400; ++y) {
            for (int x = 0; x < 800; ++x) {
                const bool inside =
                    x >= s.rect.Left && x < s.rect.Right && y >= s.rect.Top && y < s.rect.Bottom;
                // The source pixel under this pixel's top-left corner.
                const int sx = inside ? int(double(x - s.rect.Left) * s.sw / dw) : 0;
                const int sy = inside ? int(double(y - s.rect.Top) * s.sh / dh) : 0;
                const TColor want = inside ? TColor(sy * s.sw + sx) : clWhite;
                ASSERT_EQ(c.Pixel(x, y), want) << "at " << x << "," << y;
            }
        }
    }
}

TEST(CanvasStretch, OnePixelLinesStayCrisp) {
    TBitmap source, target;
    TCanvas& s = Sized(source, 579, 231).Canvas();
    s.SetPenColor(clRed);
    s.MoveTo(100, 0);
    s.LineTo(100, 231);
    s.MoveTo(0, 50);
    s.LineTo(579, 50);
    TCanvas& t = Sized(target, 798, 358).Canvas();
    t.StretchDraw({0, 0, 798, 358}, source);
    // Every row holds one run of red 1 or 2 pixels wide (798/579 < 2), and no blended colour.
    for (int y = 0; y < 358; ++y) {
        int red = 0, first = -1, last = -1;
        for (int x = 0; x < 798; ++x) {
            const TColor p = t.Pixel(x, y);
            ASSERT_TRUE(p == clRed || p == clWhite) << x << "," << y;
            if (p == clRed) {
                ++red;
                if (first < 0) first = x;
                last = x;
            }
        }
        const bool lineRow = y * 231 / 358 == 50;
        if (!lineRow) {
            EXPECT_EQ(last - first + 1, red) << "one run in row " << y;
            EXPECT_TRUE(red == 1 || red == 2) << "row " << y;
        } else {
            EXPECT_EQ(red, 798) << "row " << y;
        }
    }
}

TEST(CanvasStretch, EmptyRectOrSourceDrawsNothing) {
    TBitmap source, empty, target;
    Numbered(source, 10, 10);
    TCanvas& c = Sized(target, 20, 20).Canvas();
    const QImage before = target.Image();
    c.StretchDraw({5, 5, 5, 15}, source);
    c.StretchDraw({15, 5, 5, 15}, source);
    c.StretchDraw({0, 0, 20, 20}, empty);
    c.StretchDraw({30, 30, 40, 40}, source);
    EXPECT_EQ(target.Image(), before);
}

TEST(Bitmap, ResizeKeepsPixelsAndWhitensNewOnes) {
    TBitmap b;
    EXPECT_EQ(b.Width(), 0);
    b.SetWidth(579); // no picture yet: the height is still 0
    EXPECT_EQ(b.Width(), 579);
    EXPECT_TRUE(b.Image().isNull());
    b.SetHeight(231);
    ASSERT_EQ(b.Image().size(), QSize(579, 231));
    EXPECT_EQ(b.Canvas().Pixel(578, 230), clWhite);
    EXPECT_EQ(b.Canvas().PenColor(), clBlack);
    EXPECT_EQ(b.Canvas().BrushColor(), clWhite);
    EXPECT_EQ(b.Canvas().FontColor(), clBlack);
    b.Canvas().SetPenColor(clBlue);
    b.Canvas().MoveTo(0, 3);
    b.Canvas().LineTo(10, 3);
    b.SetWidth(600);
    EXPECT_EQ(b.Canvas().Pixel(5, 3), clBlue);
    EXPECT_EQ(b.Canvas().Pixel(590, 3), clWhite);
    EXPECT_EQ(b.Canvas().Pixel(599, 3), clWhite);
    EXPECT_EQ(b.Canvas().Pixel(600, 3), clBlack) << "just past the right edge reads black";
    EXPECT_EQ(b.Canvas().Pixel(700, 3), clBlack) << "off the surface reads black";
}

} // namespace
