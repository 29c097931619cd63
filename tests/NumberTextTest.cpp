// Numbers as the window writes and rounds them: the general format's exponent, and the
// rounding to pixels that pins coordinates far off any surface.
#include "NumberText.h"
#include "FormFixture.h"
#include "Rounding.h"

#include <QLocale>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>
#include <ostream>

using namespace Fourier;

namespace {

struct FormatRow {
    double value;
    int precision;
    const char* text;
};

void PrintTo(const FormatRow& row, std::ostream* out) {
    *out << row.text;
}

// The classic general format: at most `precision` significant digits, trailing zeros
// dropped, and where an exponent is needed an "E", its sign and at least three digits.
const FormatRow Formats[] = {
    {1.5e20, 12, "1.5E+020"},
    {2.5e-7, 12, "2.5E-007"},
    {-3.25e15, 12, "-3.25E+015"},
    {1e100, 12, "1E+100"},
    {1.5e-300, 12, "1.5E-300"},
    {1.23456789012345e-9, 12, "1.23456789012E-009"},
    {1234567890123.0, 12, "1.23456789012E+012"},
    {123456789012.0, 12, "123456789012"},
    {11.3137084989848, 12, "11.313708499"},
    {0.0375, 8, "0.0375"},
    {24, 5, "24"},
    {-0.0, 12, "0"},
};

class FormatGeneralTest : public ::testing::TestWithParam<FormatRow> {
  protected:
    void SetUp() override { QLocale::setDefault(QLocale::c()); }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }
};

TEST_P(FormatGeneralTest, WritesTheClassicGeneralFormat) {
    EXPECT_EQ(FormatGeneral(GetParam().value, GetParam().precision, "."), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Numbers, FormatGeneralTest, ::testing::ValuesIn(Formats));

TEST(RoundHalfEven, HalvesToEvenAndFarValuesPinned) {
    constexpr double Inf = std::numeric_limits<double>::infinity();
    const struct {
        double value;
        int rounded;
    } rows[] = {
        {0.5, 0},           {1.5, 2},         {2.5, 2},
        {-2.5, -2},         {-3.5, -4},       {115.5, 116},
        {114.5, 114},       {-0.4, 0},        {999999.5, 1000000},
        {3e9, 1000000},     {-3e9, -1000000}, {1e300, 1000000},
        {-1e300, -1000000}, {Inf, 1000000},   {-Inf, -1000000},
        {std::nan(""), 0},
    };
    for (const auto& row : rows)
        EXPECT_EQ(RoundHalfEven(row.value), row.rounded) << row.value;
}

class GraphRangeTest : public FormFixture {};

// A huge value in a tiny fixed range lies billions of rows off the graph; pinned, its
// stem still runs off the edge on its own side of the zero line.
TEST_F(GraphRangeTest, HugeValuesInATinyRangeKeepTheirSide) {
    form->YCheckBox->SetChecked(false); // the graph takes the range it is given
    const int height = form->GraphBitmap.Height();
    for (const double value : {-1e9, 1e9}) {
        SCOPED_TRACE(value);
        std::array<double, 512> data;
        data.fill(value);
        form->ClearDrawings();
        form->PlotGraph(data, TForm1::TPlotMode::Stems, std::numbers::pi, -std::numbers::pi, 1e-6,
                        -1e-6, Toolkit::clRed);
        const int column = form->GraphBitmap.Width() / 2 + 20; // clear of the y axis
        const int ownEdge = value < 0 ? height - 1 : 0;
        const int otherEdge = value < 0 ? 0 : height - 1;
        EXPECT_EQ(form->GraphBitmap.Canvas().Pixel(column, ownEdge), Toolkit::clRed);
        EXPECT_EQ(form->GraphBitmap.Canvas().Pixel(column, otherEdge), Toolkit::clBlack);
    }
    EXPECT_TRUE(errors.empty());
}

} // namespace
