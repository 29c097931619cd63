// The analysis run: the catalogue's samples, their spectrum against a direct DFT, the
// range texts, and the pixels of the graph and of the spectrum display.
#include "FormFixture.h"
#include "NumberText.h"
#include "Translator.h"
#include "WaveformOracle.h"

#include <QLocale>
#include <cmath>
#include <numbers>

using namespace Fourier;
using namespace WaveformOracle;

namespace {

using Toolkit::TColor;

struct RunRow {
    const char* name;
    int item, p1, p2, p3;
};

// Each waveform at the ends and the middle of its parameter ranges.
const RunRow Runs[] = {
    {"sine_1", 0, 1, 0, 0},        {"sine_8", 0, 8, 0, 0},        {"sine_24", 0, 24, 0, 0},
    {"square", 1, 0, 0, 0},        {"triangle", 2, 0, 0, 0},      {"trapezoid_1", 3, 1, 0, 0},
    {"trapezoid_16", 3, 16, 0, 0}, {"trapezoid_31", 3, 31, 0, 0}, {"delta_1", 4, 1, 0, 0},
    {"delta_8", 4, 8, 0, 0},       {"delta_15", 4, 15, 0, 0},     {"beats_1_1", 5, 0, 1, 1},
    {"beats_4_2", 5, 0, 4, 2},     {"beats_16_4", 5, 0, 16, 4},   {"am_8_1_1", 6, 8, 1, 1},
    {"am_16_8_4", 6, 16, 8, 4},    {"am_24_16_8", 6, 24, 16, 8},  {"pulse_1", 7, 1, 0, 0},
    {"pulse_16", 7, 16, 0, 0},     {"pulse_31", 7, 31, 0, 0},
};

class AnalysisTest : public FormFixture {
  protected:
    void Run(const RunRow& row) {
        Choose(row.item);
        form->TrackBar1->SetPosition(row.p1);
        form->TrackBar2->SetPosition(row.p2);
        form->TrackBar3->SetPosition(row.p3);
        form->Button1->Click();
    }
    TColor GraphPixel(int x, int y) { return form->GraphBitmap.Canvas().Pixel(x, y); }
    TColor SpectrumPixel(int x, int y) { return form->Image2->Canvas().Pixel(x, y); }
};

TEST_F(AnalysisTest, SpectrumOfEveryWaveformMatchesADirectDft) {
    for (const RunRow& row : Runs) {
        SCOPED_TRACE(row.name);
        Run(row);
        ASSERT_TRUE(errors.empty()) << errors.front();
        const int p1 = form->TrackBar1->Position(), p2 = form->TrackBar2->Position(),
                  p3 = form->TrackBar3->Position();
        if (row.p1 != 0) {
            ASSERT_EQ(p1, row.p1);
        }
        const auto s = CatalogueSamples(row.item, p1, p2, p3);
        double peak = 0, scale = 1;
        for (double v : s) {
            peak = std::max(peak, std::abs(v));
            scale += std::abs(v) / std::sqrt(512.0);
        }
        EXPECT_EQ(form->SignalPeak, peak);
        EXPECT_EQ(form->FftStatus, 0);
        long double sum = 0;
        double top = 0;
        for (int k = 0; k < 32; ++k) {
            long double re, im;
            DirectSpectrum(s, k, re, im);
            EXPECT_NEAR(form->ReBuf[k], static_cast<double>(re), 1e-12 * scale) << "k=" << k;
            EXPECT_NEAR(form->ImBuf[k], static_cast<double>(im), 1e-12 * scale) << "k=" << k;
            sum += form->ReBuf[k];
            top = std::max({top, std::abs(form->ReBuf[k]), std::abs(form->ImBuf[k])});
        }
        EXPECT_EQ(form->ImBuf[0], 0.0);
        const double expectedP = std::max(peak, row.item >= 5 ? static_cast<double>(sum) : top);
        EXPECT_NEAR(ReadEditNumber(form->MaxEdit->Text()), expectedP, 1e-11 * expectedP);
        EXPECT_NEAR(ReadEditNumber(form->MinEdit->Text()), -expectedP, 1e-11 * expectedP);
    }
}

TEST_F(AnalysisTest, FormulaTextsUseAPointUnderADecimalCommaLocale) {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    ASSERT_EQ(QLocale().decimalPoint(), ",");
    struct Row {
        RunRow run;
        const char* text;
    } rows[] = {
        {{"sine", 0, 8, 0, 0}, "sin(8*x)"},
        {{"beats", 5, 0, 4, 2}, "cos(18*x)+0.5*cos(14*x)"},
        {{"beats_frac", 5, 0, 3, 1}, "cos(17*x)+0.375*cos(15*x)"},
        {{"am", 6, 8, 8, 8}, "cos(8*x)*(1+0.3*cos(8*x))"},
        {{"am_depth", 6, 8, 1, 8}, "cos(8*x)*(1+0.0375*cos(8*x))"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.run.name);
        Run(row.run);
        EXPECT_EQ(form->FEdit->Text(), row.text);
        EXPECT_EQ(form->MaxEdit->Text().find(','), std::string::npos);
        EXPECT_EQ(form->MinEdit->Text().find(','), std::string::npos);
        EXPECT_EQ(form->MinEdit->Text().front(), '-');
    }
    EXPECT_TRUE(errors.empty());
    QLocale::setDefault(previous);
}

TEST_F(AnalysisTest, RepeatedRunsOfAFormulaGiveTheSameSpectrum) {
    Run({"am", 6, 16, 8, 4});
    std::vector<double> first(std::begin(form->ReBuf), std::begin(form->ReBuf) + 512);
    form->Button1->Click(); // same formula and range: the samples are reused
    EXPECT_TRUE(std::equal(first.begin(), first.end(), form->ReBuf));
    EXPECT_EQ(Translator::OperatorNodeCount, 0);
    EXPECT_EQ(Translator::FunctionNodeCount, 0);
    Run({"am", 6, 17, 8, 4});
    EXPECT_EQ(form->FEdit->Text(), "cos(17*x)*(1+0.3*cos(4*x))");
    EXPECT_FALSE(std::equal(first.begin(), first.end(), form->ReBuf));
    Run({"am", 6, 16, 8, 4});
    EXPECT_TRUE(std::equal(first.begin(), first.end(), form->ReBuf));
}

TEST_F(AnalysisTest, RangeTextsHoldTwelveSignificantDigits) {
    Run({"sine", 0, 8, 0, 0});
    // ImBuf[8] = sqrt(512)/2 = 11.3137084989847...
    EXPECT_EQ(form->MaxEdit->Text(), "11.313708499");
    EXPECT_EQ(form->MinEdit->Text(), "-11.313708499");
    Run({"delta", 4, 8, 0, 0});
    EXPECT_EQ(form->MaxEdit->Text(), "1");
    EXPECT_EQ(form->MinEdit->Text(), "-1");
}

TEST_F(AnalysisTest, SquareWaveStems) {
    Run({"square", 1, 0, 0, 0});
    EXPECT_EQ(GraphPixel(0, 115), Toolkit::clGray); // x axis
    EXPECT_EQ(GraphPixel(578, 115), Toolkit::clGray);
    EXPECT_EQ(GraphPixel(289, 225), Toolkit::clGray); // y axis, column of x = 0
    for (int column : {34, 200, 288}) { // -1: down from the axis to row 216, end excluded
        SCOPED_TRACE(column);
        EXPECT_EQ(GraphPixel(column, 115), Toolkit::clRed);
        EXPECT_EQ(GraphPixel(column, 215), Toolkit::clRed);
        EXPECT_EQ(GraphPixel(column, 216), Toolkit::clBlack);
        EXPECT_EQ(GraphPixel(column, 114), Toolkit::clBlack);
    }
    for (int column : {289, 400, 544}) { // +1: up to row 14, end excluded
        SCOPED_TRACE(column);
        EXPECT_EQ(GraphPixel(column, 15), Toolkit::clRed);
        EXPECT_EQ(GraphPixel(column, 14), column == 289 ? Toolkit::clGray : Toolkit::clBlack);
        EXPECT_EQ(GraphPixel(column, 116), column == 289 ? Toolkit::clGray : Toolkit::clBlack);
    }
    EXPECT_EQ(GraphPixel(33, 150), Toolkit::clBlack); // value 0 has no stem
    EXPECT_EQ(GraphPixel(545, 50), Toolkit::clBlack);
}

TEST_F(AnalysisTest, DeltaStemOnTheYAxis) {
    Run({"delta", 4, 8, 0, 0});
    EXPECT_EQ(GraphPixel(100, 216), Toolkit::clGray); // bottom = 0: axis on row H - 15
    EXPECT_EQ(GraphPixel(289, 216), Toolkit::clRed);
    EXPECT_EQ(GraphPixel(289, 16), Toolkit::clRed);
    EXPECT_EQ(GraphPixel(289, 15), Toolkit::clGray);
    EXPECT_EQ(GraphPixel(288, 100), Toolkit::clBlack);
    EXPECT_EQ(GraphPixel(290, 100), Toolkit::clBlack);
}

TEST_F(AnalysisTest, ConstantDataDrawsOnlyTheAxes) {
    Choose(1);
    std::array<double, 512> data;
    data.fill(0.25);
    form->ClearDrawings();
    form->PlotGraph(data, TForm1::TPlotMode::Line, Pi, -Pi, 1.5, -1.5, Toolkit::clYellow);
    for (int y = 0; y < 231; ++y)
        for (int x = 0; x < 579; ++x) {
            const TColor c = GraphPixel(x, y);
            ASSERT_TRUE(c == Toolkit::clBlack || c == Toolkit::clGray) << x << "," << y;
        }
    EXPECT_EQ(GraphPixel(10, 216), Toolkit::clGray);
}

TEST_F(AnalysisTest, JumpsOfAThousandPixelsAreNotJoined) {
    Choose(1);
    form->YCheckBox->SetChecked(false);
    std::array<double, 512> data{};
    data[100] = 40; // q = 4/201: a jump of 2010 pixels
    form->ClearDrawings();
    form->PlotGraph(data, TForm1::TPlotMode::Line, Pi, -Pi, 2, -2, Toolkit::clYellow);
    const int y0 = 231 - 116; // the tie 115.5 goes to even
    EXPECT_EQ(GraphPixel(134, y0), Toolkit::clYellow);
    for (int y = 0; y < 231; ++y) {
        EXPECT_NE(GraphPixel(132, y), Toolkit::clYellow) << y;
        EXPECT_NE(GraphPixel(133, y), Toolkit::clYellow) << y;
    }
}

TEST_F(AnalysisTest, GraphIsStretchedOverImage1) {
    Run({"square", 1, 0, 0, 0});
    ASSERT_TRUE(form->Image1->HasPicture());
    const QImage& picture = form->Image1->Picture();
    EXPECT_EQ(picture.width(), 798);
    EXPECT_EQ(picture.height(), 358);
    // Nearest neighbour: picture row y shows bitmap row y * 231 / 358.
    for (int y = 0; y < 358; ++y)
        for (int x : {0, 100, 500, 797})
            ASSERT_EQ(picture.pixel(x, y) & 0xFFFFFF, GraphPixel(x * 579 / 798, y * 231 / 358))
                << x << "," << y;
}

TEST_F(AnalysisTest, SineSpectrumHasOneFullGreenBar) {
    Run({"sine", 0, 8, 0, 0});
    const int b = 205 - 20, step = 9; // Image2 is 318 x 205: step round(278/32)
    EXPECT_EQ(SpectrumPixel(5, b), Toolkit::clGray);
    EXPECT_EQ(SpectrumPixel(25, 100), Toolkit::clGray);
    const int green = 25 + 1 + 8 * step;
    EXPECT_EQ(SpectrumPixel(green, b), Toolkit::clGreen);
    // The whole scale of 170 pixels, up to row 15; the caption's box covers the rows from 5.
    const int belowCaption = 5 + QFontMetrics(Toolkit::DefaultFont()).height();
    EXPECT_EQ(SpectrumPixel(green, belowCaption), Toolkit::clGreen);
    EXPECT_EQ(SpectrumPixel(green - 1, belowCaption), Toolkit::clWhite);
    for (int i = 0; i < 32; ++i) {
        EXPECT_EQ(SpectrumPixel(25 - 1 + i * step, b - 3), Toolkit::clWhite) << i;
        if (i != 8) {
            EXPECT_EQ(SpectrumPixel(25 + 1 + i * step, b - 3), Toolkit::clWhite) << i;
        }
    }
}

TEST_F(AnalysisTest, DeltaSpectrumHasThirtyTwoEqualBlueBars) {
    Run({"delta", 4, 8, 0, 0});
    const int b = 185, step = 9;
    const int belowCaption = 5 + QFontMetrics(Toolkit::DefaultFont()).height();
    for (int i = 0; i < 32; ++i) {
        SCOPED_TRACE(i);
        const int blue = 24 + i * step;
        EXPECT_EQ(SpectrumPixel(blue, b - 1), Toolkit::clBlue);
        EXPECT_EQ(SpectrumPixel(blue, belowCaption), Toolkit::clBlue);
        if (blue < 50) { // left of the caption the bar's top shows: the full scale ends at row 16
            EXPECT_EQ(SpectrumPixel(blue, 16), Toolkit::clBlue);
            EXPECT_EQ(SpectrumPixel(blue, 15), Toolkit::clWhite);
        }
        EXPECT_EQ(SpectrumPixel(blue + 2, b - 1), Toolkit::clWhite);
    }
    // Short ticks every second harmonic reach step div 2 below the baseline, long ones step.
    EXPECT_EQ(SpectrumPixel(25 + 2 * step, b + 3), Toolkit::clGray);
    EXPECT_EQ(SpectrumPixel(25 + 2 * step, b + 4), Toolkit::clWhite);
    for (int j = 1; j <= 4; ++j) {
        EXPECT_EQ(SpectrumPixel(25 + 8 * j * step, b + step - 1), Toolkit::clGray) << j;
        EXPECT_EQ(SpectrumPixel(25 + 8 * j * step, b + step - 10), Toolkit::clWhite) << j;
    }
}

TEST_F(AnalysisTest, CaptionNamesBothColours) {
    Run({"triangle", 2, 0, 0, 0});
    bool blue = false, green = false;
    for (int y = 5; y < 20; ++y)
        for (int x = 50; x < 318; ++x) {
            const TColor c = SpectrumPixel(x, y);
            const int r = c >> 16, g = (c >> 8) & 0xFF, bl = c & 0xFF;
            blue |= bl > 150 && r < 100 && g < 100;
            green |= g > 60 && r < 60 && bl < 60;
        }
    EXPECT_TRUE(blue);
    EXPECT_TRUE(green);
}

TEST_F(AnalysisTest, RunWithNothingSelectedOnlyZeroesTheBuffers) {
    std::fill(std::begin(form->ReBuf), std::end(form->ReBuf), 3.0);
    std::fill(std::begin(form->ImBuf), std::end(form->ImBuf), 3.0);
    form->Button1->Click();
    for (int i = 0; i < 1024; ++i) {
        ASSERT_EQ(form->ReBuf[i], 0.0);
        ASSERT_EQ(form->ImBuf[i], 0.0);
    }
    EXPECT_FALSE(form->Image1->HasPicture());
    EXPECT_FALSE(form->Image2->HasPicture());
}

TEST_F(AnalysisTest, AllZeroSpectrumDrawsNoBarsAndDividesByNothing) {
    Choose(1);
    std::fill(std::begin(form->ReBuf), std::end(form->ReBuf), 0.0);
    std::fill(std::begin(form->ImBuf), std::end(form->ImBuf), 0.0);
    form->SignalPeak = 0;
    form->ClearDrawings();
    form->ShowSpectrum();
    EXPECT_EQ(form->MaxEdit->Text(), "0");
    EXPECT_EQ(form->MinEdit->Text(), "0");
    for (int i = 0; i < 32; ++i)
        EXPECT_EQ(SpectrumPixel(24 + 9 * i, 180), Toolkit::clWhite);
    EXPECT_EQ(SpectrumPixel(5, 185), Toolkit::clGray);
}

} // namespace
