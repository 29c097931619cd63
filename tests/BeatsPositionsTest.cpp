// "6. Биения" remembers two track-bar positions: the amplitude ratio (TrackBar2) first and
// the frequency difference (TrackBar3) second, each read back into its own track bar.
#include "FormFixture.h"

using namespace Fourier;

namespace {

class BeatsPositionsTest : public FormFixture {
  protected:
    void SetUp() override {
        FormFixture::SetUp();
        ShowAndActivate();
    }
    void Press(Toolkit::TControl* control, Qt::Key key) {
        control->SetFocus();
        QTest::keyClick(QApplication::focusWidget(), key);
    }
};

TEST_F(BeatsPositionsTest, EachTrackBarKeepsItsOwnPosition) {
    ASSERT_EQ(form->ParamTable[5], (TParamEntry{2, 4, 2, 0})) << "the shipped velmora.cfg";
    Choose(5);
    EXPECT_EQ(form->TrackBar2->Position(), 4);
    EXPECT_EQ(form->TrackBar3->Position(), 2);
    // cos((16 + difference) x) + ratio/8 cos((16 - difference) x)
    EXPECT_EQ(form->FEdit->Text(), "cos(18*x)+0.5*cos(14*x)");

    Press(form->TrackBar2, Qt::Key_Right);
    Press(form->TrackBar3, Qt::Key_Left);
    EXPECT_EQ(form->ParamTable[5], (TParamEntry{2, 5, 1, 0}));

    Choose(1);
    Choose(5);
    EXPECT_EQ(form->TrackBar2->Position(), 5);
    EXPECT_EQ(form->TrackBar3->Position(), 1);
    EXPECT_EQ(form->FEdit->Text(), "cos(17*x)+0.625*cos(15*x)");
    EXPECT_TRUE(errors.empty());
}

} // namespace
