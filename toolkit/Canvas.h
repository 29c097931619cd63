#pragma once
// Pixel-exact drawing surfaces: an off-screen bitmap and the canvas that draws on
// it. Lines are our own Bresenham (end pixel excluded), not Qt's rasteriser.
#include "Colors.h"

#include <QFont>
#include <QImage>
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace Fourier::Toolkit {

struct TPoint {
    int X = 0;
    int Y = 0;
    bool operator==(const TPoint&) const = default;
};

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;  // exclusive
    int Bottom = 0; // exclusive
};

class TBitmap;

// The user-interface font for controls and drawing: PT Sans, 11 pixels, falling back
// to DejaVu Sans where it is missing (wider: a caption may then be clipped).
QFont DefaultFont();

class TCanvas {
  public:
    // Draws on *image (Format_RGB32), which the owner keeps alive and may reallocate.
    explicit TCanvas(QImage* image);

    void SetPenColor(TColor c) {
        penColor_ = c;
        ++version_;
    }
    TColor PenColor() const { return penColor_; }
    void SetBrushColor(TColor c) {
        brushColor_ = c;
        ++version_;
    }
    TColor BrushColor() const { return brushColor_; }
    void SetFontColor(TColor c) {
        fontColor_ = c;
        ++version_;
    }
    TColor FontColor() const { return fontColor_; }
    const QFont& Font() const { return font_; }

    void MoveTo(int x, int y);
    // A line in the pen colour from the pen position to (x, y), the end pixel
    // excluded; the pen position becomes (x, y). Pixels off the surface are skipped.
    // Bresenham: one pixel per step along the major axis (x when |dx| >= |dy|); the
    // minor coordinate is the one nearest the exact line, and at an exact tie it stays
    // on the side of the start point. A zero-length line draws nothing.
    void LineTo(int x, int y);
    // s (UTF-8) with its top-left corner at (x, y) on an opaque background of the
    // brush colour; the pen position becomes (x + width of s, y). The box is the
    // text's advance wide and the font's line height tall; glyphs are not antialiased,
    // so every pixel of the box is either the brush or the font colour.
    void TextOut(int x, int y, const std::string& s);
    int TextWidth(const std::string& s) const;
    TPoint PenPos() const { return pen_; }
    // Scanline flood fill, 4-connected, with the brush colour, of every pixel reachable
    // from (x, y) whose colour is not border.
    void FloodFill(int x, int y, TColor border);
    // The whole of source scaled into rect by nearest neighbour: pixel (x, y) of the
    // rectangle takes source pixel (x * sw / dw, y * sh / dh), rounded down; the parts
    // of rect off the surface are skipped.
    void StretchDraw(const TRect& rect, const TBitmap& source);
    void StretchDraw(const TRect& rect, const QImage& source);

    TColor Pixel(int x, int y) const; // 0xRRGGBB; clBlack outside the surface
    int Width() const { return image_->width(); }
    int Height() const { return image_->height(); }

    // Called after every drawing operation (an image control repaints itself).
    std::function<void()> OnChanged;

    // Grows with every call that may change the pixels or the drawing state (colours, pen
    // position), so that an owner can tell that nothing has touched the surface since.
    uint64_t Version() const { return version_; }

  private:
    struct TRenderedText {
        QImage Pixels;
        std::vector<QRgb> Colours; // of its opaque pixels
    };

    void Changed();
    // What colours the surface holds, learnt from its pixels: after a resize or a drawing
    // whose colours are not known.
    void LearnColours();
    void ForgetColoursIfWrittenPast();
    void NoteColour(QRgb rgb); // the surface may now hold it
    bool MayHoldColour(QRgb rgb) const;
    // The text in its box, drawn once per text and colours: opaque where drawn, clear elsewhere.
    const TRenderedText& RenderedText(const QString& text);

    QImage* image_;
    QFont font_;
    std::map<std::tuple<QString, TColor, TColor>, TRenderedText> renderedTexts_;
    // The colours the surface may hold, while they are few (heldCount_ < 0: not known): a
    // clearing fill, bounded by a colour the surface cannot hold, need not look for it.
    std::array<QRgb, 8> heldColours_{};
    int heldCount_ = -1;
    qint64 heldKey_ = 0; // the image's cache key when they were last brought up to date
    TColor penColor_ = clBlack;
    TColor brushColor_ = clWhite;
    TColor fontColor_ = clBlack;
    TPoint pen_;
    uint64_t version_ = 0;

    friend class TBitmap; // a resize replaces the pixels
};

class TBitmap {
  public:
    TBitmap();
    TBitmap(const TBitmap&) = delete; // the canvas points into this object
    TBitmap& operator=(const TBitmap&) = delete;
    // New pixels are white; the part that both sizes share is kept.
    void SetWidth(int w);
    void SetHeight(int h);
    // The sizes as set; the picture exists once both are positive.
    int Width() const { return width_; }
    int Height() const { return height_; }
    TCanvas& Canvas() { return canvas_; }
    const TCanvas& Canvas() const { return canvas_; }
    const QImage& Image() const { return image_; }

  private:
    void Resize(int w, int h);
    int width_ = 0;
    int height_ = 0;
    QImage image_;
    TCanvas canvas_;
};

} // namespace Fourier::Toolkit
