// Every caption of the window fits the place the layout gives it, for every waveform:
// labels neither clip nor overlap, the fixed captions fit their controls, the group
// frames keep clear of the controls under them, and the spectrum's texts are whole.
#include "FormFixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

namespace {

using Fourier::Toolkit::TControl;

class CaptionFitTest : public FormFixture {
  protected:
    void SetUp() override {
        FormFixture::SetUp();
        ShowAndActivate();
    }

    QRect InWindow(const TControl* control) const {
        QWidget* w = control->Widget();
        return QRect(w->mapTo(form->Widget(), QPoint(0, 0)), w->size());
    }

    std::vector<Fourier::Toolkit::TLabel*> VisibleLabels() const {
        std::vector<Fourier::Toolkit::TLabel*> labels;
        for (TControl* c : form->Controls())
            if (auto* label = dynamic_cast<Fourier::Toolkit::TLabel*>(c);
                label && c->Widget()->isVisible())
                labels.push_back(label);
        return labels;
    }
};

TEST_F(CaptionFitTest, TheChosenFaceIsInstalledAndUsed) {
    const QFontInfo info(form->Label4->Widget()->font());
    EXPECT_EQ(info.family(), "PT Sans");
    EXPECT_EQ(info.pixelSize(), 11);
}

TEST_F(CaptionFitTest, LabelsOfEveryWaveformFitAndKeepApart) {
    const QRect parameterArea = InWindow(form->Panel3);
    const QRect synthesisGroup = InWindow(form->Panel7);
    for (int item = 0; item < 8; ++item) {
        Choose(item);
        SCOPED_TRACE(form->ComboBox1->Text());
        const auto labels = VisibleLabels();
        for (const Fourier::Toolkit::TLabel* label : labels) {
            SCOPED_TRACE(label->Name() + " «" + label->Caption() + "»");
            const QFontMetrics metrics(label->Widget()->font());
            EXPECT_LE(metrics.horizontalAdvance(QString::fromStdString(label->Caption())),
                      label->Widget()->width());
            EXPECT_GE(label->Widget()->height(), metrics.height());
            const QRect place = InWindow(label);
            if (label->Parent() == form->Panel3) {
                EXPECT_TRUE(parameterArea.contains(place)) << "leaves the parameter area";
                EXPECT_FALSE(place.intersects(synthesisGroup)) << "runs into the synthesis group";
            }
            for (const Fourier::Toolkit::TLabel* other : labels)
                if (other != label) {
                    EXPECT_FALSE(place.intersects(InWindow(other)))
                        << "runs into " << other->Name();
                }
        }
    }
}

TEST_F(CaptionFitTest, FixedCaptionsFitTheirControls) {
    Choose(6); // every track bar and label shown
    std::vector<QWidget*> captioned;
    for (TControl* c :
         {static_cast<TControl*>(form->SCheckBox), static_cast<TControl*>(form->CheckBox3),
          static_cast<TControl*>(form->ASpeedButton), static_cast<TControl*>(form->SSpeedButton),
          static_cast<TControl*>(form->SpeedButton2), static_cast<TControl*>(form->SpeedButton3)})
        captioned.push_back(c->Widget());
    for (QRadioButton* radio : form->LRadioGroup->Widget()->findChildren<QRadioButton*>())
        captioned.push_back(radio);
    for (QWidget* w : captioned) {
        const auto* button = qobject_cast<QAbstractButton*>(w);
        ASSERT_NE(button, nullptr);
        EXPECT_LE(w->sizeHint().width(), w->width()) << button->text().toStdString();
    }
    for (TControl* box :
         {static_cast<TControl*>(form->GroupBox1), static_cast<TControl*>(form->LRadioGroup)}) {
        const auto* group = static_cast<QGroupBox*>(box->Widget());
        // The caption stands 8 pixels in and needs the same margin on the right.
        EXPECT_LE(8 + group->fontMetrics().horizontalAdvance(group->title()) + 8, group->width())
            << box->Name();
    }
    auto* combo = static_cast<QComboBox*>(form->ComboBox1->Widget());
    EXPECT_LE(combo->sizeHint().width(), combo->width()) << "the longest waveform name";
}

// A frame line under a label would cross its text: the etched top line of each group
// runs through its caption, above the first control inside it.
TEST_F(CaptionFitTest, GroupFramesKeepClearOfTheControlsInside) {
    struct Row {
        TControl* box;
        QWidget* first;
    };
    const Row rows[] = {
        {form->GroupBox1, form->Label4->Widget()},
        {form->LRadioGroup, form->LRadioGroup->Widget()->findChildren<QRadioButton*>().front()},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.box->Name());
        QWidget* box = row.box->Widget();
        const QImage picture = box->grab().toImage();
        const QRgb frame = box->palette().color(QPalette::Dark).rgb();
        // The rows of the frame's horizontal lines, seen near its right end, clear of text.
        std::vector<int> lines;
        for (int y = 0; y < picture.height(); ++y)
            if (picture.pixel(picture.width() - 6, y) == frame) lines.push_back(y);
        ASSERT_EQ(lines.size(), 2u) << "top and bottom line";
        EXPECT_LT(lines.front(), row.first->y());
        EXPECT_GT(lines.back(), row.first->geometry().bottom());
    }
}

// The spectrum's texts are written in black, its bars and ticks in other colours: so the
// black pixels below the middle are exactly the tick numbers and those above it exactly
// the caption's first part, when each is written whole.
TEST_F(CaptionFitTest, SpectrumTextsAreWholeForEveryWaveform) {
    auto inkOf = [](const std::vector<std::string>& texts) {
        Fourier::Toolkit::TBitmap scratch;
        scratch.SetWidth(400);
        scratch.SetHeight(40);
        Fourier::Toolkit::TCanvas& canvas = scratch.Canvas();
        int ink = 0;
        for (const std::string& text : texts) {
            canvas.SetBrushColor(Fourier::Toolkit::clWhite);
            canvas.FloodFill(0, 0, Fourier::Toolkit::clAqua);
            canvas.TextOut(10, 10, text);
            for (int y = 0; y < scratch.Height(); ++y)
                for (int x = 0; x < scratch.Width(); ++x)
                    ink += canvas.Pixel(x, y) == Fourier::Toolkit::clBlack;
        }
        return ink;
    };
    const int tickInk = inkOf({"0", "8", "16", "24", "32"});
    const int captionInk = inkOf({"Гармоники спектра: "});
    ASSERT_GT(tickInk, 0);
    for (int item = 0; item < 8; ++item) {
        Choose(item);
        SCOPED_TRACE(form->ComboBox1->Text());
        const Fourier::Toolkit::TCanvas& spectrum = form->Image2->Canvas();
        const int middle = spectrum.Height() / 2;
        int below = 0, above = 0;
        for (int y = 0; y < spectrum.Height(); ++y)
            for (int x = 0; x < spectrum.Width(); ++x)
                if (spectrum.Pixel(x, y) == Fourier::Toolkit::clBlack)
                    ++(y < middle ? above : below);
        EXPECT_EQ(below, tickInk) << "a tick number is cut";
        EXPECT_EQ(above, captionInk) << "the caption is cut";
    }
}

} // namespace
