// The main window as created: its control tree, FormCreate's results, the range switches.
#include "FormFixture.h"

#include <QWidget>

namespace {

struct ControlRow {
    const char* name;
    const char* parent;
    int left, top, width, height;
    bool visible;
    bool enabled;
};

// Labels size themselves to their caption and the font's line, as the classic label does.
constexpr int CaptionWidth = -1;

// After FormCreate, on an 800 x 600 client area.
const ControlRow ControlRows[] = {
    {"Panel1", "Form1", 0, 360, 800, 209, true, true},
    {"TopPanel", "Form1", 0, 0, 800, 360, true, true},
    {"Panel5", "Form1", 0, 569, 800, 31, true, true},
    {"Image1", "TopPanel", 1, 1, 798, 358, true, true},
    {"WLabel", "Panel1", 132, 60, CaptionWidth, 13, false, true},
    {"FEdit", "Panel1", 40, 160, 241, 21, false, true},
    {"LoEdit", "Panel1", 40, 160, 73, 21, false, true},
    {"HiEdit", "Panel1", 16, 162, 81, 21, false, true},
    {"Panel2", "Panel1", 479, 1, 320, 207, true, true},
    {"MinEdit", "Panel1", 24, 160, 73, 21, false, true},
    {"MaxEdit", "Panel1", 32, 160, 81, 21, false, true},
    {"XCheckBox", "Panel1", 8, 160, 41, 17, false, true},
    {"YCheckBox", "Panel1", 8, 160, 41, 17, false, true},
    {"Panel3", "Panel1", 1, 1, 478, 207, true, true},
    {"Image2", "Panel2", 1, 1, 318, 205, true, true},
    {"Label3", "Panel3", 136, 79, CaptionWidth, 13, false, true},
    {"Label2", "Panel3", 24, 79, CaptionWidth, 13, false, true},
    {"Label1", "Panel3", 56, 30, CaptionWidth, 13, false, true},
    {"ComboBox1", "Panel3", 10, 5, 266, 19, true, true},
    {"TrackBar1", "Panel3", 9, 46, 210, 35, false, true},
    {"TrackBar3", "Panel3", 114, 94, 105, 35, false, true},
    {"TrackBar2", "Panel3", 9, 94, 105, 35, false, true},
    {"Panel4", "Panel3", 88, 144, 25, 30, false, true},
    {"CheckBox1", "Panel3", 56, 128, 161, 17, false, true},
    {"Panel7", "Panel3", 286, 1, 191, 205, true, true},
    {"Button2", "Panel3", 120, 142, 17, 27, false, true},
    {"Button1", "Panel4", 8, 0, 16, 25, false, true},
    {"GroupBox1", "Panel7", 0, 0, 191, 205, true, true},
    {"Label4", "GroupBox1", 8, 16, CaptionWidth, 13, true, true},
    {"SpeedButton2", "GroupBox1", 5, 152, 57, 25, true, true},
    {"SpinEdit1", "GroupBox1", 8, 32, 121, 22, true, true},
    {"SCheckBox", "GroupBox1", 8, 60, 121, 17, true, true},
    {"CheckBox2", "GroupBox1", 8, 128, 129, 17, false, true},
    {"LRadioGroup", "GroupBox1", 8, 80, 105, 65, true, true},
    {"ASpeedButton", "Panel5", 184, 3, 65, 25, true, false},
    {"SSpeedButton", "Panel5", 248, 3, 73, 25, true, false},
    {"Label5", "Panel5", 392, 8, CaptionWidth, 13, true, true},
    {"SpeedButton3", "Panel5", 320, 3, 49, 25, true, true},
    {"CheckBox3", "Panel5", 8, 8, 169, 17, true, false},
};

class WindowTest : public FormFixture {};

TEST_F(WindowTest, EveryControlStandsUnderItsParentWithItsGeometry) {
    const auto& controls = form->Controls();
    ASSERT_EQ(controls.size(), std::size(ControlRows));
    std::size_t i = 0;
    for (const auto* control : controls) {
        const ControlRow& row = ControlRows[i++];
        SCOPED_TRACE(row.name);
        EXPECT_EQ(control->Name(), row.name);
        EXPECT_EQ(control->Widget()->objectName().toStdString(), row.name);
        ASSERT_NE(control->Parent(), nullptr);
        EXPECT_EQ(control->Parent()->Name(), row.parent);
        EXPECT_EQ(control->Widget()->parentWidget(), control->Parent()->Widget());
        int width = row.width;
        int height = row.height;
        if (width == CaptionWidth) {
            const auto* label = dynamic_cast<const Fourier::Toolkit::TLabel*>(control);
            ASSERT_NE(label, nullptr);
            width = control->Widget()->fontMetrics().horizontalAdvance(
                QString::fromStdString(label->Caption()));
            height = control->Widget()->fontMetrics().height();
            EXPECT_GE(width, 9);
            EXPECT_GE(height, row.height);
        }
        EXPECT_EQ(control->Left(), row.left);
        EXPECT_EQ(control->Top(), row.top);
        EXPECT_EQ(control->Width(), width);
        EXPECT_EQ(control->Height(), height);
        EXPECT_EQ(control->Widget()->geometry(), QRect(row.left, row.top, width, height));
        EXPECT_EQ(control->Visible(), row.visible);
        EXPECT_EQ(control->Enabled(), row.enabled);
    }
}

TEST_F(WindowTest, CaptionsAndInitialState) {
    EXPECT_EQ(form->Caption(), "Анализ  и синтез Фурье");
    EXPECT_EQ(form->Widget()->objectName(), "Form1");
    EXPECT_EQ(form->Width(), 800);
    EXPECT_EQ(form->Height(), 600);
    EXPECT_EQ(form->ComboBox1->ItemIndex(), -1);
    EXPECT_EQ(form->ComboBox1->Text(), "");
    EXPECT_EQ(form->SpinEdit1->Text(), "0");
    EXPECT_TRUE(form->SCheckBox->Checked());
    EXPECT_EQ(form->LRadioGroup->ItemIndex(), 0);
    EXPECT_FALSE(form->CheckBox1->Checked());
    EXPECT_FALSE(form->CheckBox2->Checked());
    EXPECT_FALSE(form->CheckBox3->Checked());
    EXPECT_EQ(form->ASpeedButton->Caption(), "&Анализ");
    EXPECT_EQ(form->SSpeedButton->Caption(), "&Синтез");
    EXPECT_EQ(form->SpeedButton2->Caption(), "&Сброс");
    EXPECT_EQ(form->LoEdit->Text(), "-6.28");
    EXPECT_EQ(form->HiEdit->Text(), "6.28");
    EXPECT_EQ(form->MinEdit->Text(), "-1.5");
    EXPECT_EQ(form->MaxEdit->Text(), "1.5");
    EXPECT_EQ(form->FEdit->Text(), "");
    EXPECT_TRUE(errors.empty());
}

TEST_F(WindowTest, FormCreateSizesAndSwitches) {
    EXPECT_EQ(form->GraphBitmap.Width(), 579);
    EXPECT_EQ(form->GraphBitmap.Height(), 231);
    EXPECT_TRUE(form->XCheckBox->Checked());
    EXPECT_TRUE(form->YCheckBox->Checked());
    EXPECT_TRUE(form->HiEdit->ReadOnly());
    EXPECT_TRUE(form->LoEdit->ReadOnly());
    EXPECT_TRUE(form->MaxEdit->ReadOnly());
    EXPECT_TRUE(form->MinEdit->ReadOnly());
    EXPECT_EQ(form->ComboBox1->Width(), 266);
    EXPECT_EQ(form->Panel2->Width(), 320);
    EXPECT_EQ(form->TopPanel->Height(), 360);
    EXPECT_EQ(form->Panel7->Width(), 191); // round(0.4 * 478)
    EXPECT_EQ(form->ParamTable[6], (Fourier::TParamEntry{3, 16, 8, 4}));
}

TEST_F(WindowTest, RangeSwitchesToggleTheirEdits) {
    form->YCheckBox->SetChecked(false);
    EXPECT_FALSE(form->MaxEdit->ReadOnly());
    EXPECT_FALSE(form->MinEdit->ReadOnly());
    form->YCheckBox->SetChecked(true);
    EXPECT_TRUE(form->MaxEdit->ReadOnly());
    form->XCheckBox->SetChecked(false);
    EXPECT_FALSE(form->HiEdit->ReadOnly());
    EXPECT_FALSE(form->LoEdit->ReadOnly());
}

TEST_F(WindowTest, MissingConfigurationIsReportedAndTheWindowStillWorks) {
    StartWindow(false);
    ASSERT_EQ(errors, std::vector<std::string>{"File not found."});
    EXPECT_EQ(form->ParamTable, Fourier::TParamTable{});
    EXPECT_EQ(form->GraphBitmap.Width(), 579);
    EXPECT_EQ(form->Width(), 800);
}

TEST_F(WindowTest, TabOrderFollowsCreationWithinEachParent) {
    ShowAndActivate();
    std::vector<std::string> order;
    QWidget* start = form->ComboBox1->Widget();
    start->setFocus();
    for (int n = 0; n < 12; ++n) {
        const auto* active = form->ActiveControl();
        order.push_back(active ? active->Name() : "");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    // Hidden track bars, disabled check box and focus-less speed buttons are skipped.
    const std::vector<std::string> expected = {
        "ComboBox1", "SpinEdit1",   "SCheckBox", "LRadioGroup", "ComboBox1", "SpinEdit1",
        "SCheckBox", "LRadioGroup", "ComboBox1", "SpinEdit1",   "SCheckBox", "LRadioGroup"};
    EXPECT_EQ(order, expected);
}

TEST_F(WindowTest, ExitButtonClosesTheWindow) {
    ShowAndActivate();
    QTest::mouseClick(form->SpeedButton3->Widget(), Qt::LeftButton);
    EXPECT_FALSE(form->Widget()->isVisible());
}

TEST_F(WindowTest, EnterBeforeTheFirstChoiceDoesNothing) {
    ShowAndActivate();
    form->SpinEdit1->SetFocus();
    QTest::keyClick(form->SpinEdit1->Widget(), Qt::Key_Return);
    EXPECT_EQ(form->FEdit->Text(), "");
    EXPECT_FALSE(form->Image1->HasPicture());
    EXPECT_TRUE(errors.empty());
}

} // namespace
