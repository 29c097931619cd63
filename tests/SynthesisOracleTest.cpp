// The synthesis as the user sees it: waveforms chosen, harmonic numbers typed and
// "&Синтез" pressed, the red stems and the yellow line read from the graph's pixels and
// checked against the Fourier series of each wave, evaluated here from its closed form.
#include "FormFixture.h"
#include "NumberText.h"
#include "Rounding.h"
#include "RowName.h"

#include <QRadioButton>
#include <cmath>
#include <numbers>
#include <ostream>

using namespace Fourier;

namespace {

using Toolkit::TColor;

constexpr double Pi = std::numbers::pi;
constexpr double Root2 = std::numbers::sqrt2;
// The analysis weighs cos kx and sin kx by sqrt(512)/2 times the series' a_k and b_k.
const double Scale = std::sqrt(512.0) / 2;

enum Item { Square = 1, Triangle = 2, Beats = 5, Pulse = 7 };
enum Last { Sine = 0, Cosine = 1, Neither = 2 };

double GridX(int j) {
    return j * (Pi / 256) - Pi;
}

// The shipped configuration's pulse is 1 on the 33 samples around 0: half a width of
// 16.5 samples, so its series has a_k = 2 sin(k h) / (pi k) with h = 33 pi / 512.
double PulseCosine(int k) {
    return 2 * std::sin(k * 33 * Pi / 512) / (Pi * k);
}

class SynthesisOracleTest : public FormFixture {
  protected:
    void SetUp() override {
        FormFixture::SetUp();
        ShowAndActivate();
    }

    void ChooseLast(Last last) {
        auto buttons = form->LRadioGroup->Widget()->findChildren<QRadioButton*>();
        ASSERT_EQ(buttons.size(), 3);
        QTest::mouseClick(buttons[last], Qt::LeftButton, {},
                          QPoint(5, buttons[last]->height() / 2));
        ASSERT_EQ(form->LRadioGroup->ItemIndex(), last);
    }

    // Types k into the harmonic field and presses "&Синтез".
    void Synthesize(int k) {
        form->SpinEdit1->SetFocus();
        for (const char digit : std::to_string(k))
            QTest::keyClick(QApplication::focusWidget(), digit);
        ASSERT_EQ(form->SpinEdit1->Value(), k);
        QTest::mouseClick(form->SSpeedButton->Widget(), Qt::LeftButton);
    }

    // Where the graph puts a value: the range the spectrum display chose, the zero line
    // in the middle, 30 pixels of margin; column j + W/2 - 256 for grid point j.
    int Column(int j) const { return form->GraphBitmap.Width() / 2 - 256 + j; }
    int ZeroRow() const {
        return form->GraphBitmap.Height() - RoundHalfEven(form->GraphBitmap.Height() / 2.0);
    }
    int Row(double v) const {
        const double hi = ReadEditNumber(form->MaxEdit->Text());
        const double lo = ReadEditNumber(form->MinEdit->Text());
        return RoundHalfEven(ZeroRow() - v / ((hi - lo) / (form->GraphBitmap.Height() - 30)));
    }
    TColor Pixel(int x, int y) const { return form->GraphBitmap.Canvas().Pixel(x, y); }

    // The red row farthest from the zero line in a column (the zero row if none is red).
    int StemEnd(int column) const {
        int end = ZeroRow();
        for (int y = 0; y < form->GraphBitmap.Height(); ++y)
            if (Pixel(column, y) == Toolkit::clRed &&
                std::abs(y - ZeroRow()) > std::abs(end - ZeroRow()))
                end = y;
        return end;
    }
};

struct SumRow {
    const char* name;
    Item item;
    int k;
    int j;        // grid point
    double value; // the partial sum of the series
};

void PrintTo(const SumRow& row, std::ostream* out) {
    *out << row.name;
}

// Grid points: 128 is -pi/2, 256 is 0, 288 is pi/8, 320 is pi/4, 384 is pi/2.
const SumRow Sums[] = {
    {"square S1(pi/2)", Square, 1, 384, 4 / Pi},
    {"square S3(pi/2)", Square, 3, 384, 4 / Pi*(1 - 1.0 / 3)},
    {"square S5(pi/2)", Square, 5, 384, 4 / Pi*(1 - 1.0 / 3 + 1.0 / 5)},
    {"square S5(-pi/2)", Square, 5, 128, -4 / Pi*(1 - 1.0 / 3 + 1.0 / 5)},
    {"square S3(pi/4)", Square, 3, 320, 4 / Pi* Root2 / 2 * (1 + 1.0 / 3)},
    {"square S5(pi/4)", Square, 5, 320, 4 / Pi* Root2 / 2 * (1 + 1.0 / 3 - 1.0 / 5)},
    {"triangle S1(pi/2)", Triangle, 1, 384, 8 / (Pi * Pi)},
    {"triangle S3(pi/2)", Triangle, 3, 384, 8 / (Pi * Pi) * (1 + 1.0 / 9)},
    {"triangle S5(pi/2)", Triangle, 5, 384, 8 / (Pi * Pi) * (1 + 1.0 / 9 + 1.0 / 25)},
    {"triangle S3(-pi/2)", Triangle, 3, 128, -8 / (Pi * Pi) * (1 + 1.0 / 9)},
    {"triangle S3(pi/4)", Triangle, 3, 320, 8 / (Pi * Pi) * Root2 / 2 * (1 - 1.0 / 9)},
    {"pulse S1(0)", Pulse, 1, 256, PulseCosine(1)},
    {"pulse S3(0)", Pulse, 3, 256, PulseCosine(1) + PulseCosine(2) + PulseCosine(3)},
    {"pulse S5(0)", Pulse, 5, 256,
     PulseCosine(1) + PulseCosine(2) + PulseCosine(3) + PulseCosine(4) + PulseCosine(5)},
    {"pulse S3(pi/2)", Pulse, 3, 384, -PulseCosine(2)},
    {"pulse S5(pi/2)", Pulse, 5, 384, -PulseCosine(2) + PulseCosine(4)},
    // cos 18x + 0.5 cos 14x: the shipped positions 4 and 2 of "6. Биения".
    {"beats S14(0)", Beats, 14, 256, 0.5},
    {"beats S18(0)", Beats, 18, 256, 1.5},
    {"beats S18(pi/2)", Beats, 18, 384, -1.5},
    {"beats S18(pi/8)", Beats, 18, 288, 0.75 * Root2},
};

class SynthesisSums : public SynthesisOracleTest, public ::testing::WithParamInterface<SumRow> {};

TEST_P(SynthesisSums, RedStemsReachTheSeriesValue) {
    const SumRow& row = GetParam();
    Choose(row.item);
    ChooseLast(Neither);
    Synthesize(row.k);
    const int tip = Row(row.value * Scale);
    // The stem runs from the zero line towards its tip, the tip itself not drawn; the series
    // of the continuous wave and the spectrum of its 512 samples differ by less than a pixel.
    const int drawnEnd = tip == ZeroRow() ? tip : tip + (tip < ZeroRow() ? 1 : -1);
    EXPECT_NEAR(StemEnd(Column(row.j)), drawnEnd, 1) << "tip at row " << tip;
    EXPECT_NE(Pixel(Column(row.j), tip + (tip < ZeroRow() ? -2 : 2)), Toolkit::clRed)
        << "beyond the tip";
    EXPECT_TRUE(errors.empty());
}

INSTANTIATE_TEST_SUITE_P(Waves, SynthesisSums, ::testing::ValuesIn(Sums), RowName<SumRow>);

struct LineRow {
    const char* name;
    Item item;
    int k;
    Last last;
    double series; // a_k or b_k of the wave
};

void PrintTo(const LineRow& row, std::ostream* out) {
    *out << row.name;
}

const LineRow Lines[] = {
    {"square, sin 1", Square, 1, Sine, 4 / Pi},
    {"square, sin 3", Square, 3, Sine, 4 / (3 * Pi)},
    {"square, sin 5", Square, 5, Sine, 4 / (5 * Pi)},
    {"triangle, sin 3", Triangle, 3, Sine, -8 / (9 * Pi * Pi)},
    {"pulse, cos 3", Pulse, 3, Cosine, PulseCosine(3)},
    {"pulse, cos 5", Pulse, 5, Cosine, PulseCosine(5)},
    {"beats, cos 14", Beats, 14, Cosine, 0.5},
    {"beats, cos 18", Beats, 18, Cosine, 1},
    {"beats, sin 18: no sine part", Beats, 18, Sine, 0},
};

class SynthesisLines : public SynthesisOracleTest, public ::testing::WithParamInterface<LineRow> {};

TEST_P(SynthesisLines, YellowLineIsTheHarmonicOfTheSeries) {
    const LineRow& row = GetParam();
    Choose(row.item);
    ChooseLast(row.last);
    Synthesize(row.k);
    const double* weights = row.last == Sine ? form->ImBuf : form->ReBuf;
    // The weight the analysis found is the series' coefficient, sign and size...
    EXPECT_NEAR(weights[row.k], row.series * Scale, 0.01 * Scale);
    // ...and every point of the line lies where that harmonic puts it.
    int off = 0;
    for (int j = 0; j < 511; ++j) {
        const double x = GridX(j) * row.k;
        const double v = weights[row.k] * (row.last == Sine ? std::sin(x) : std::cos(x));
        off += Pixel(Column(j), Row(v)) != Toolkit::clYellow;
    }
    EXPECT_EQ(off, 0) << "points of the line not where the formula puts them";
    EXPECT_TRUE(errors.empty());
}

INSTANTIATE_TEST_SUITE_P(Waves, SynthesisLines, ::testing::ValuesIn(Lines), RowName<LineRow>);

// Harmonic k has a line of its own for every k the spectrum holds below Nyquist, 1 to 255
// of 512 samples: none for 0, the constant term, and none beyond 255. Numbers above the
// field's maximum are drawn as typed until the field loses the keyboard.
TEST_F(SynthesisOracleTest, YellowLineOnlyForTheHarmonicsBelowNyquist) {
    const struct {
        int k;
        bool drawn;
    } rows[] = {{0, false}, {1, true}, {255, true}, {256, false}};
    Choose(Square);
    ChooseLast(Sine);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.k);
        form->SpinEdit1->SetFocus();
        form->SpinEdit1->SetText(std::to_string(row.k));
        ASSERT_EQ(form->SpinEdit1->Value(), row.k);
        QTest::mouseClick(form->SSpeedButton->Widget(), Qt::LeftButton);
        int yellow = 0;
        for (int y = 0; y < form->GraphBitmap.Height(); ++y)
            for (int x = 0; x < form->GraphBitmap.Width(); ++x)
                yellow += Pixel(x, y) == Toolkit::clYellow;
        EXPECT_EQ(yellow > 0, row.drawn) << yellow << " yellow pixels";
    }
    EXPECT_TRUE(errors.empty());
}

} // namespace
