#include "Canvas.h"

#include "QtBridge.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace Fourier::Toolkit {
namespace {

__extension__ typedef __int128 Wide;

constexpr QRgb RgbMask = 0x00FFFFFFu;

const QRgb* Row(const QImage& image, int y) {
    return reinterpret_cast<const QRgb*>(image.constScanLine(y));
}

} // namespace

QFont DefaultFont() {
    // PT Sans (fonts-paratype) at 11 pixels: measured against every caption of the window,
    // the one face at the layout's 11 pixels whose captions all fit the places drawn for
    // MS Sans Serif and whose "32" fits under the spectrum's last tick. Chosen once: a
    // family list would make every font lookup fail on the first name and search again.
    static const QString family = QFontDatabase::hasFamily(QStringLiteral("PT Sans"))
                                      ? QStringLiteral("PT Sans")
                                      : QStringLiteral("DejaVu Sans");
    QFont font;
    font.setFamily(family);
    font.setStyleHint(QFont::SansSerif);
    // Pixels, not points, so the desktop's DPI setting cannot change the layout.
    font.setPixelSize(11);
    return font;
}

TCanvas::TCanvas(QImage* image) : image_(image), font_(DefaultFont()) {
    font_.setStyleStrategy(QFont::NoAntialias);
    // Named, not left to the default, which Qt turns off on a scaled screen: text on a
    // picture must come out the same pixels at every screen scale.
    font_.setHintingPreference(QFont::PreferVerticalHinting);
    LearnColours();
}

void TCanvas::LearnColours() {
    heldKey_ = image_->cacheKey();
    heldCount_ = 0;
    for (int y = 0; y < Height() && heldCount_ >= 0; ++y) {
        const QRgb* line = Row(std::as_const(*image_), y);
        for (int x = 0; x < Width() && heldCount_ >= 0; ++x)
            NoteColour(line[x]);
    }
}

void TCanvas::ForgetColoursIfWrittenPast() {
    // Pixels written past the canvas (through the image) leave the colours unknown; any
    // such write changes the image's cache key.
    if (heldKey_ != image_->cacheKey()) heldCount_ = -1;
}

void TCanvas::NoteColour(QRgb rgb) {
    if (MayHoldColour(rgb)) return;
    if (heldCount_ == static_cast<int>(heldColours_.size())) {
        heldCount_ = -1; // too many to keep track of
        return;
    }
    heldColours_[heldCount_++] = rgb & RgbMask;
}

bool TCanvas::MayHoldColour(QRgb rgb) const {
    if (heldCount_ < 0) return true;
    const auto held = heldColours_.begin();
    return std::find(held, held + heldCount_, rgb & RgbMask) != held + heldCount_;
}

void TCanvas::Changed() {
    ++version_;
    heldKey_ = image_->cacheKey();
    if (OnChanged) OnChanged();
}

TColor TCanvas::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= Width() || y >= Height()) return clBlack;
    return Row(std::as_const(*image_), y)[x] & RgbMask;
}

void TCanvas::MoveTo(int x, int y) {
    pen_ = {x, y};
    ++version_;
}

void TCanvas::LineTo(int x, int y) {
    ++version_;
    const TPoint from = pen_;
    pen_ = {x, y};
    const int64_t dx = int64_t{x} - from.X;
    const int64_t dy = int64_t{y} - from.Y;
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const int64_t n = std::abs(xMajor ? dx : dy); // steps, the end pixel not drawn
    const int64_t m = std::abs(xMajor ? dy : dx);
    if (n == 0) return;
    const int64_t stepA = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const int64_t stepB = (xMajor ? dy : dx) < 0 ? -1 : 1;
    const int64_t a0 = xMajor ? from.X : from.Y;
    const int64_t b0 = xMajor ? from.Y : from.X;
    const int64_t extentA = xMajor ? Width() : Height();
    const int64_t extentB = xMajor ? Height() : Width();

    // Only the steps whose major coordinate lies on the surface are walked, so a line
    // with far-away ends costs no more than one across the surface.
    const int64_t first =
        stepA > 0 ? std::max<int64_t>(0, -a0) : std::max<int64_t>(0, a0 - extentA + 1);
    const int64_t last = stepA > 0 ? std::min(n, extentA - a0) : std::min(n, a0 + 1);
    if (first >= last) return;

    // Minor offset at step i: ceil((2im - n) / 2n), i.e. nearest to i*m/n with ties
    // toward the start; err = 2im - 2n*offset stays in (-n, n].
    int64_t offset = static_cast<int64_t>((Wide{2} * first * m + n - 1) / (Wide{2} * n));
    int64_t err = static_cast<int64_t>(Wide{2} * first * m - Wide{2} * n * offset);
    const QRgb rgb = Bridge::Rgb(penColor_);
    ForgetColoursIfWrittenPast();
    NoteColour(rgb);
    // One detach check for the whole line, then plain pointer arithmetic per pixel.
    uchar* const bits = image_->bits();
    const qsizetype stride = image_->bytesPerLine();
    auto pixel = [bits, stride](int64_t x, int64_t y) -> QRgb& {
        return reinterpret_cast<QRgb*>(bits + y * stride)[x];
    };
    if (m == 0) { // straight across or down, as axes, ticks and stems are
        if (b0 < 0 || b0 >= extentB) return Changed();
        for (int64_t i = first; i < last; ++i) {
            const int64_t a = a0 + stepA * i;
            if (xMajor)
                pixel(a, b0) = rgb;
            else
                pixel(b0, a) = rgb;
        }
        return Changed();
    }
    for (int64_t i = first; i < last; ++i) {
        const int64_t a = a0 + stepA * i;
        const int64_t b = b0 + stepB * offset;
        if (b >= 0 && b < extentB) {
            if (xMajor)
                pixel(a, b) = rgb;
            else
                pixel(b, a) = rgb;
        }
        err += 2 * m;
        if (err > n) {
            ++offset;
            err -= 2 * n;
        }
    }
    Changed();
}

int TCanvas::TextWidth(const std::string& s) const {
    return QFontMetrics(font_).horizontalAdvance(Bridge::Q(s));
}

void TCanvas::TextOut(int x, int y, const std::string& s) {
    const QString text = Bridge::Q(s);
    const QFontMetrics metrics(font_);
    pen_ = {x + metrics.horizontalAdvance(text), y};
    ++version_;
    if (image_->isNull()) return;
    // Shaping and painting text costs far more than copying its pixels, and the spectrum
    // writes the same few texts on every run.
    const TRenderedText& cached = RenderedText(text);
    const QImage& rendered = cached.Pixels;
    ForgetColoursIfWrittenPast();
    for (const QRgb colour : cached.Colours)
        NoteColour(colour);
    const int margin = metrics.height();
    const int left = x - margin, top = y - margin;
    const int x0 = std::max(left, 0), x1 = std::min(left + rendered.width(), Width());
    const int y0 = std::max(top, 0), y1 = std::min(top + rendered.height(), Height());
    uchar* const bits = image_->bits();
    const qsizetype stride = image_->bytesPerLine();
    for (int py = y0; py < y1; ++py) {
        const QRgb* from = Row(rendered, py - top) - left;
        QRgb* to = reinterpret_cast<QRgb*>(bits + py * stride);
        for (int px = x0; px < x1; ++px)
            if (qAlpha(from[px]) != 0) to[px] = from[px];
    }
    Changed();
}

const TCanvas::TRenderedText& TCanvas::RenderedText(const QString& text) {
    const auto key = std::make_tuple(text, brushColor_, fontColor_);
    if (const auto found = renderedTexts_.find(key); found != renderedTexts_.end())
        return found->second;
    if (renderedTexts_.size() >= 64) renderedTexts_.clear();
    // A margin of one line on every side keeps whatever a glyph paints beyond its box.
    const QFontMetrics metrics(font_);
    const int width = metrics.horizontalAdvance(text);
    const int margin = metrics.height();
    QImage rendered(width + 2 * margin, 3 * margin, QImage::Format_ARGB32);
    rendered.fill(Qt::transparent);
    QPainter painter(&rendered);
    painter.fillRect(QRect(margin, margin, width, metrics.height()), Bridge::Color(brushColor_));
    painter.setFont(font_);
    painter.setPen(Bridge::Color(fontColor_));
    painter.drawText(QPoint(margin, margin + metrics.ascent()), text);
    painter.end();
    TRenderedText result{std::move(rendered), {}};
    for (int y = 0; y < result.Pixels.height(); ++y) {
        const QRgb* line = Row(std::as_const(result.Pixels), y);
        for (int x = 0; x < result.Pixels.width(); ++x)
            if (qAlpha(line[x]) != 0 && std::find(result.Colours.begin(), result.Colours.end(),
                                                  line[x] & RgbMask) == result.Colours.end())
                result.Colours.push_back(line[x] & RgbMask);
    }
    return renderedTexts_.emplace(key, std::move(result)).first->second;
}

void TCanvas::FloodFill(int x, int y, TColor border) {
    const int w = Width();
    const int h = Height();
    if (x < 0 || y < 0 || x >= w || y >= h) return;
    const QRgb stop = Bridge::Rgb(border) & RgbMask;
    const QRgb fill = Bridge::Rgb(brushColor_);
    ForgetColoursIfWrittenPast();
    const bool mayHoldBorder = MayHoldColour(stop);

    // Without a single border pixel every pixel is reachable, since the grid is connected:
    // the fill is the whole surface, which is how every clearing of a surface goes.
    int borderPixels = 0;
    for (int py = 0; py < h && borderPixels == 0 && mayHoldBorder; ++py) {
        const QRgb* line = Row(std::as_const(*image_), py);
        for (int px = 0; px < w; ++px)
            borderPixels += (line[px] & RgbMask) == stop; // vectorises
    }
    if (borderPixels == 0) {
        // Pixels still shared with a picture that shows them are not copied to be overwritten.
        if (!image_->isDetached()) *image_ = QImage(image_->size(), image_->format());
        image_->fill(fill);
        heldCount_ = 0;
        NoteColour(fill);
        Changed();
        return;
    }
    uchar* bits = image_->bits();
    const qsizetype stride = image_->bytesPerLine();
    auto row = [&](int py) { return reinterpret_cast<QRgb*>(bits + py * stride); };
    NoteColour(fill);
    // Marks keep pixels that already had the brush colour from being walked twice.
    std::vector<uint8_t> done(static_cast<size_t>(w) * h, 0);
    auto open = [&](const QRgb* line, const uint8_t* marks, int px) {
        return !marks[px] && (line[px] & RgbMask) != stop;
    };

    std::vector<TPoint> seeds{{x, y}};
    while (!seeds.empty()) {
        const TPoint seed = seeds.back();
        seeds.pop_back();
        QRgb* line = row(seed.Y);
        uint8_t* marks = &done[static_cast<size_t>(seed.Y) * w];
        if (!open(line, marks, seed.X)) continue;
        int left = seed.X;
        while (left > 0 && open(line, marks, left - 1))
            --left;
        int right = seed.X;
        while (right + 1 < w && open(line, marks, right + 1))
            ++right;
        std::fill(line + left, line + right + 1, fill);
        std::fill(marks + left, marks + right + 1, uint8_t{1});
        // One seed per run of open pixels in the rows above and below the span.
        for (const int ny : {seed.Y - 1, seed.Y + 1}) {
            if (ny < 0 || ny >= h) continue;
            const QRgb* next = row(ny);
            const uint8_t* nextMarks = &done[static_cast<size_t>(ny) * w];
            bool inRun = false;
            for (int px = left; px <= right; ++px) {
                const bool isOpen = open(next, nextMarks, px);
                if (isOpen && !inRun) seeds.push_back({px, ny});
                inRun = isOpen;
            }
        }
    }
    Changed();
}

void TCanvas::StretchDraw(const TRect& rect, const TBitmap& source) {
    const TCanvas& from = source.Canvas();
    ForgetColoursIfWrittenPast();
    const auto held = heldColours_;
    const int heldCount = heldCount_;
    StretchDraw(rect, source.Image());
    if (heldCount < 0 || from.heldCount_ < 0 || from.heldKey_ != source.Image().cacheKey()) return;
    heldColours_ = held; // what was there, and what the source brought
    heldCount_ = heldCount;
    for (int i = 0; i < from.heldCount_; ++i)
        NoteColour(from.heldColours_[i]);
}

void TCanvas::StretchDraw(const TRect& rect, const QImage& src) {
    const int64_t dw = int64_t{rect.Right} - rect.Left;
    const int64_t dh = int64_t{rect.Bottom} - rect.Top;
    if (src.isNull() || dw <= 0 || dh <= 0) return;
    const int x0 = std::max(rect.Left, 0);
    const int x1 = std::min(rect.Right, Width());
    const int y0 = std::max(rect.Top, 0);
    const int y1 = std::min(rect.Bottom, Height());
    if (x0 >= x1 || y0 >= y1) return;
    std::vector<int> columns(static_cast<size_t>(x1 - x0));
    for (int x = x0; x < x1; ++x)
        columns[x - x0] = static_cast<int>((x - int64_t{rect.Left}) * src.width() / dw);
    uchar* const bits = image_->bits();
    const qsizetype stride = image_->bytesPerLine();
    int previousSource = -1;
    for (int y = y0; y < y1; ++y) {
        const int sourceRow = static_cast<int>((y - int64_t{rect.Top}) * src.height() / dh);
        QRgb* to = reinterpret_cast<QRgb*>(bits + y * stride);
        if (sourceRow == previousSource) { // enlarging: the same source row again
            std::memcpy(to + x0, reinterpret_cast<QRgb*>(bits + (y - 1) * stride) + x0,
                        sizeof(QRgb) * (x1 - x0));
            continue;
        }
        previousSource = sourceRow;
        const QRgb* from = Row(src, sourceRow);
        for (int x = x0; x < x1; ++x)
            to[x] = from[columns[x - x0]] | 0xFF000000u;
    }
    heldCount_ = -1; // the source's colours are not known here
    Changed();
}

TBitmap::TBitmap() : canvas_(&image_) {}

void TBitmap::SetWidth(int w) {
    Resize(w, Height());
}

void TBitmap::SetHeight(int h) {
    Resize(Width(), h);
}

void TBitmap::Resize(int w, int h) {
    ++canvas_.version_;
    width_ = std::max(w, 0);
    height_ = std::max(h, 0);
    if (width_ == image_.width() && height_ == image_.height()) return;
    QImage next;
    if (width_ > 0 && height_ > 0) {
        next = QImage(width_, height_, QImage::Format_RGB32);
        next.fill(Qt::white);
        const int rows = std::min(height_, image_.height());
        const size_t bytes = sizeof(QRgb) * std::min(width_, image_.width());
        for (int y = 0; y < rows; ++y)
            std::memcpy(next.scanLine(y), image_.constScanLine(y), bytes);
    }
    image_ = std::move(next);
    canvas_.LearnColours();
}

} // namespace Fourier::Toolkit
