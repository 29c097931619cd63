// On a projector or a high-density screen (QT_SCALE_FACTOR=2 here) the window is twice its
// size and each picture shows its own pixels doubled: every picture pixel becomes a 2 x 2
// block of exactly its colour, with no blur.
#include "FormFixture.h"

#include <QPixmap>
#include <QScreen>

namespace {

class HiDpiTest : public FormFixture {};

// Compares a shown image with its picture, pixel (x, y) against (x / 2, y / 2); counts
// the pixels that differ, and the picture's own colours so that a blank picture fails.
struct Comparison {
    int differing = 0;
    int colours = 0;
};

Comparison CompareDoubled(const QImage& shown, const QImage& picture) {
    Comparison result;
    QSet<QRgb> colours;
    for (int y = 0; y < 2 * picture.height(); ++y)
        for (int x = 0; x < 2 * picture.width(); ++x) {
            const QRgb own = picture.pixel(x / 2, y / 2) & 0xFFFFFF;
            colours.insert(own);
            result.differing += (shown.pixel(x, y) & 0xFFFFFF) != own;
        }
    result.colours = colours.size();
    return result;
}

TEST_F(HiDpiTest, WindowIsTwiceTheSizeAndEachPictureIsPixelDoubled) {
    ShowAndActivate();
    ASSERT_DOUBLE_EQ(form->Widget()->devicePixelRatioF(), 2.0) << "run with QT_SCALE_FACTOR=2";
    Choose(1);
    form->SpinEdit1->SetText("5");
    form->SSpeedButton->Click(); // the red partial sum, the yellow harmonic, the bars

    const QPixmap window = form->Widget()->grab();
    EXPECT_EQ(window.size(), QSize(1600, 1200));
    // Larger than this screen at this scale: it starts at the screen's corner, its title bar
    // on the screen, rather than centred with its top and left cut off.
    const QRect screen = form->Widget()->screen()->availableGeometry();
    ASSERT_GT(600, screen.height()) << "the screen must be too small for the window here";
    EXPECT_EQ(form->Widget()->frameGeometry().topLeft(), screen.topLeft());

    for (Fourier::Toolkit::TImage* image : {form->Image1, form->Image2}) {
        SCOPED_TRACE(image->Name());
        const QImage& picture = image->Picture();
        ASSERT_FALSE(picture.isNull());
        const QImage shown = image->Widget()->grab().toImage();
        ASSERT_GE(shown.width(), 2 * picture.width());
        ASSERT_GE(shown.height(), 2 * picture.height());
        const Comparison comparison = CompareDoubled(shown, picture);
        EXPECT_EQ(comparison.differing, 0);
        EXPECT_GE(comparison.colours, 3); // black or white, axes, curves or bars
    }
}

} // namespace
