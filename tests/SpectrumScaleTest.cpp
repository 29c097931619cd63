// The spectrum display scales its bars to the largest of harmonics 0 to 31, the last one
// included, and gives the synthesis that value as its range.
#include "FormFixture.h"

#include <algorithm>

using namespace Fourier;

namespace {

class SpectrumScaleTest : public FormFixture {
  protected:
    // The column holding most pixels of a colour (a bar, not the caption's coloured words),
    // as {its topmost row of that colour, their count}.
    std::pair<int, int> Bar(Toolkit::TColor colour) const {
        const Toolkit::TCanvas& spectrum = form->Image2->Canvas();
        std::pair<int, int> bar{-1, 0};
        for (int x = 0; x < spectrum.Width(); ++x) {
            int top = -1, count = 0;
            for (int y = 0; y < spectrum.Height(); ++y)
                if (spectrum.Pixel(x, y) == colour) {
                    if (top < 0) top = y;
                    ++count;
                }
            if (count > bar.second) bar = {top, count};
        }
        return bar;
    }
};

TEST_F(SpectrumScaleTest, HarmonicThirtyOneTakesPartInTheScale) {
    std::fill(std::begin(form->ReBuf), std::end(form->ReBuf), 0.0);
    std::fill(std::begin(form->ImBuf), std::end(form->ImBuf), 0.0);
    form->ReBuf[1] = 1;   // a small blue bar
    form->ImBuf[31] = 10; // the largest value, on the last harmonic shown
    form->SignalPeak = 0;
    form->ClearDrawings();
    form->ShowSpectrum();
    EXPECT_EQ(form->MaxEdit->Text(), "10");
    EXPECT_EQ(form->MinEdit->Text(), "-10");
    const auto [greenTop, green] = Bar(Toolkit::clGreen);
    const auto [blueTop, blue] = Bar(Toolkit::clBlue);
    ASSERT_GT(blue, 0);
    EXPECT_GT(greenTop, 0) << "the bar of harmonic 31 runs off the picture";
    EXPECT_NEAR(green, 10 * blue, 10) << "bars in proportion to their values";
    EXPECT_TRUE(errors.empty());
}

} // namespace
