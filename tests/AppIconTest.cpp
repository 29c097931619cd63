// The icon at every installed size: drawn for its size (only the drawing's own colours,
// no blended edge of a scaled copy) with every part of the picture still there.
#include "AppIcon.h"

#include <gtest/gtest.h>

#include <QColor>
#include <map>
#include <set>
#include <vector>

namespace {

using namespace Fourier::Toolkit;

const std::set<TColor> Palette = {clBlack, clGray, clRed, clYellow, clGreen, clBlue};

TColor At(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}

// Heights of the green bars from left to right: runs of green columns, each bar's
// height its tallest column.
std::vector<int> GreenBarHeights(const QImage& image) {
    std::vector<int> bars;
    bool inBar = false;
    for (int x = 0; x < image.width(); ++x) {
        int height = 0;
        for (int y = 0; y < image.height(); ++y)
            height += At(image, x, y) == clGreen;
        if (height == 0) {
            inBar = false;
            continue;
        }
        if (!inBar) bars.push_back(0);
        inBar = true;
        bars.back() = std::max(bars.back(), height);
    }
    return bars;
}

TEST(AppIcon, EverySizeIsDrawnForItselfWithEveryPart) {
    for (const int size : Fourier::AppIconSizes) {
        SCOPED_TRACE(size);
        TBitmap icon;
        Fourier::DrawAppIcon(icon, size);
        const QImage& image = icon.Image();
        ASSERT_EQ(image.size(), QSize(size, size));
        std::map<TColor, int> counts;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                ++counts[At(image, x, y)];
        for (const auto& [colour, count] : counts)
            EXPECT_TRUE(Palette.contains(colour))
                << QColor(colour).name().toStdString() << " x " << count;
        for (const TColor part : {clGray, clRed, clGreen, clBlue})
            EXPECT_GT(counts[part], 0) << QColor(part).name().toStdString();
        EXPECT_EQ(counts[clYellow] > 0, size >= Fourier::SmallestWithSine);
        // The square wave's odd harmonics: at least three bars, none taller than the one before.
        const std::vector<int> bars = GreenBarHeights(image);
        ASSERT_GE(bars.size(), 3u);
        for (std::size_t k = 1; k < bars.size(); ++k)
            EXPECT_LE(bars[k], bars[k - 1]);
        EXPECT_GT(bars.front(), bars.back());
    }
}

// Strokes grow with the icon instead of thinning to hairlines: the square wave's rising
// edge, crossed by a horizontal scan through the axis row, is as wide as its pen.
TEST(AppIcon, StrokesGrowWithTheSize) {
    std::vector<int> edges;
    for (const int size : Fourier::AppIconSizes) {
        SCOPED_TRACE(size);
        TBitmap icon;
        Fourier::DrawAppIcon(icon, size);
        const QImage& image = icon.Image();
        // Above the axis, between the square wave's top and the axis, only the edge is red.
        const int row = size / 4 + size / 16;
        int red = 0;
        for (int x = 0; x < size; ++x)
            red += At(image, x, row) == clRed;
        edges.push_back(red);
        EXPECT_GE(red, 1);
        EXPECT_LE(red, std::max(1, size / 24));
    }
    EXPECT_EQ(edges.front(), 1);
    EXPECT_GE(edges.back(), 4 * edges.front());
}

} // namespace
