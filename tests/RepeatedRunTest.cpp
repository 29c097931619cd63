// A run that repeats the last one on untouched results is skipped; what it leaves must be
// exactly what running it in full leaves.
#include "FormFixture.h"
#include "WaveformOracle.h"

#include <QImage>
#include <cstring>

namespace {

class RepeatedRunTest : public FormFixture {
  protected:
    struct Snapshot {
        QImage graph, picture, spectrum;
        std::vector<double> re, im;
        double peak;
        std::string formula, max, min;
        Fourier::Toolkit::TColor graphPen, spectrumPen, spectrumFont;
        Fourier::Toolkit::TPoint graphPenPos, spectrumPenPos;
    };
    Snapshot Take() {
        Snapshot s;
        s.graph = form->GraphBitmap.Image().copy();
        s.picture = form->Image1->Picture().copy();
        s.spectrum = form->Image2->Picture().copy();
        s.re.assign(std::begin(form->ReBuf), std::end(form->ReBuf));
        s.im.assign(std::begin(form->ImBuf), std::end(form->ImBuf));
        s.peak = form->SignalPeak;
        s.formula = form->FEdit->Text();
        s.max = form->MaxEdit->Text();
        s.min = form->MinEdit->Text();
        s.graphPen = form->GraphBitmap.Canvas().PenColor();
        s.graphPenPos = form->GraphBitmap.Canvas().PenPos();
        s.spectrumPen = form->Image2->Canvas().PenColor();
        s.spectrumFont = form->Image2->Canvas().FontColor();
        s.spectrumPenPos = form->Image2->Canvas().PenPos();
        return s;
    }
    static void ExpectSame(const Snapshot& a, const Snapshot& b) {
        EXPECT_TRUE(a.graph == b.graph);
        EXPECT_TRUE(a.picture == b.picture);
        EXPECT_TRUE(a.spectrum == b.spectrum);
        EXPECT_EQ(std::memcmp(a.re.data(), b.re.data(), a.re.size() * sizeof(double)), 0);
        EXPECT_EQ(std::memcmp(a.im.data(), b.im.data(), a.im.size() * sizeof(double)), 0);
        EXPECT_EQ(a.peak, b.peak);
        EXPECT_EQ(a.formula, b.formula);
        EXPECT_EQ(a.max, b.max);
        EXPECT_EQ(a.min, b.min);
        EXPECT_EQ(a.graphPen, b.graphPen);
        EXPECT_EQ(a.graphPenPos, b.graphPenPos);
        EXPECT_EQ(a.spectrumPen, b.spectrumPen);
        EXPECT_EQ(a.spectrumFont, b.spectrumFont);
        EXPECT_EQ(a.spectrumPenPos, b.spectrumPenPos);
    }
};

TEST_F(RepeatedRunTest, SliderStepEndsAsOneFullRunOnAFreshWindowDoes) {
    for (int item : {0, 3, 5, 6, 7}) {
        SCOPED_TRACE(item);
        StartWindow(true);
        ShowAndActivate();
        Choose(item);
        QTest::mouseClick(form->CheckBox3->Widget(), Qt::LeftButton); // "Перерисовывать"
        ASSERT_TRUE(form->CheckBox1->Checked());
        Fourier::Toolkit::TTrackBar* bar = item == 5 ? form->TrackBar2 : form->TrackBar1;
        bar->SetFocus();
        QTest::keyClick(bar->Widget(), Qt::Key_Left);
        const int p1 = form->TrackBar1->Position(), p2 = form->TrackBar2->Position(),
                  p3 = form->TrackBar3->Position();
        const Snapshot stepped = Take();

        StartWindow(true);
        Choose(item);
        form->TrackBar1->SetPosition(p1);
        form->TrackBar2->SetPosition(p2);
        form->TrackBar3->SetPosition(p3);
        form->ClearDrawings(); // whatever was drawn before is wiped by the run anyway
        form->Button1->Click();
        ExpectSame(stepped, Take());
    }
}

TEST_F(RepeatedRunTest, AnythingTouchedSinceMakesTheRunRedraw) {
    Choose(1);
    const Snapshot first = Take();
    struct Touch {
        const char* name;
        std::function<void(TForm1&)> touch;
    } touches[] = {
        {"graph pixels",
         [](TForm1& f) { f.GraphBitmap.Canvas().FloodFill(0, 0, Fourier::Toolkit::clAqua); }},
        {"spectrum pen",
         [](TForm1& f) { f.Image2->Canvas().SetPenColor(Fourier::Toolkit::clYellow); }},
        {"picture", [](TForm1& f) { f.Image1->Canvas().LineTo(300, 200); }},
        {"spectrum buffer", [](TForm1& f) { f.ReBuf[3] = -0.0; }},
        {"range text", [](TForm1& f) { f.MaxEdit->SetText("7"); }},
    };
    for (const Touch& t : touches) {
        SCOPED_TRACE(t.name);
        t.touch(*form);
        form->Button1->Click();
        ExpectSame(first, Take());
    }
}

// The third track bar alone sets the beats' frequency difference and the modulating
// frequency: a run after moving only that bar analyses the new wave.
TEST_F(RepeatedRunTest, MovingOnlyTheThirdTrackBarMakesANewRun) {
    const struct {
        const char* name;
        int item;
        Qt::Key key;
    } rows[] = {{"beats", 5, Qt::Key_Left}, {"modulation", 6, Qt::Key_Right}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        StartWindow(true);
        ShowAndActivate();
        Choose(row.item);
        ASSERT_FALSE(form->CheckBox1->Checked()); // the move itself runs nothing
        const int before = form->TrackBar3->Position();
        form->TrackBar3->SetFocus();
        QTest::keyClick(form->TrackBar3->Widget(), row.key);
        const int p3 = form->TrackBar3->Position();
        ASSERT_NE(p3, before);
        form->Button1->Click();

        const auto s = WaveformOracle::CatalogueSamples(row.item, form->TrackBar1->Position(),
                                                        form->TrackBar2->Position(), p3);
        for (int k = 0; k <= 32; ++k) {
            long double re, im;
            WaveformOracle::DirectSpectrum(s, k, re, im);
            EXPECT_NEAR(form->ReBuf[k], static_cast<double>(re), 1e-10) << "k=" << k;
            EXPECT_NEAR(form->ImBuf[k], static_cast<double>(im), 1e-10) << "k=" << k;
        }
    }
}

} // namespace
