// Twenty thousand random user actions with a fixed seed; after each one the window must
// still be whole: no error, sliders in range, positions remembered, the harmonic field
// clean, the range texts numbers, the bitmap its size, and memory not growing.
#include "FormFixture.h"
#include "NumberConversion.h"
#include "UserInput.h"

#include <QRadioButton>
#include <QRegularExpression>
#include <QSlider>
#include <fstream>
#include <random>

namespace {

long ResidentKb() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

class SoakTest : public FormFixture {
  protected:
    void SetUp() override {
        FormFixture::SetUp();
        ShowAndActivate();
    }

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    Fourier::Toolkit::TTrackBar* AnyVisibleTrackBar() {
        std::vector<Fourier::Toolkit::TTrackBar*> bars;
        for (auto* bar : {form->TrackBar1, form->TrackBar2, form->TrackBar3})
            if (bar->Visible()) bars.push_back(bar);
        return bars.empty() ? nullptr : bars[Pick(static_cast<int>(bars.size()))];
    }

    void Focus(Fourier::Toolkit::TControl* control) {
        if (control->Visible() && control->Enabled()) control->SetFocus();
    }

    QWidget* Focused() {
        return QApplication::focusWidget() ? QApplication::focusWidget() : form->Widget();
    }

    void Drag(Fourier::Toolkit::TTrackBar* bar) {
        auto* slider = static_cast<QSlider*>(bar->Widget());
        const QRect handle = UserInput::SliderHandle(slider);
        QPoint at = handle.center();
        QTest::mousePress(slider, Qt::LeftButton, {}, at);
        for (int step = 0, steps = 1 + Pick(4); step < steps; ++step) {
            at.rx() += Pick(61) - 30;
            QMouseEvent move(QEvent::MouseMove, at, slider->mapToGlobal(at), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(slider, &move);
        }
        QTest::mouseRelease(slider, Qt::LeftButton, {}, at);
    }

    void RandomAction() {
        static const char* junk[] = {"x", "ж", ".", ",", " ", "-", "+", "%", "e"};
        switch (Pick(16)) {
        case 0: // a waveform by its number
            Focus(form->ComboBox1);
            QApplication::setKeyboardInputInterval(0);
            QTest::qWait(1);
            QTest::keyClick(form->ComboBox1->Widget(), static_cast<char>('1' + Pick(8)));
            break;
        case 1: // a waveform by the arrow keys
            Focus(form->ComboBox1);
            QTest::keyClick(form->ComboBox1->Widget(), Pick(2) ? Qt::Key_Down : Qt::Key_Up);
            break;
        case 2:
            if (auto* bar = AnyVisibleTrackBar()) Drag(bar);
            break;
        case 3:
            if (auto* bar = AnyVisibleTrackBar()) {
                Focus(bar);
                const Qt::Key keys[] = {Qt::Key_Left,     Qt::Key_Right, Qt::Key_PageUp,
                                        Qt::Key_PageDown, Qt::Key_Home,  Qt::Key_End};
                QTest::keyClick(bar->Widget(), keys[Pick(6)]);
            }
            break;
        case 4: // digits into the harmonic field
            Focus(form->SpinEdit1);
            QTest::keyClick(Focused(), static_cast<char>('0' + Pick(10)));
            break;
        case 5: { // junk, refused with a beep or cleaned away
            Focus(form->SpinEdit1);
            const QString text = QString::fromUtf8(junk[Pick(9)]);
            QTest::sendKeyEvent(QTest::Click, Focused(), Qt::Key(text.at(0).toUpper().unicode()),
                                text, Qt::NoModifier);
            break;
        }
        case 6:
            Focus(form->SpinEdit1);
            QTest::keyClick(Focused(), Pick(2) ? Qt::Key_Backspace : Qt::Key_Delete);
            break;
        case 7:
            Focus(form->SpinEdit1);
            QTest::keyClick(Focused(), Pick(2) ? Qt::Key_Up : Qt::Key_Down);
            break;
        case 8: // caret moves and selections in the field
            Focus(form->SpinEdit1);
            QTest::keyClick(Focused(), Pick(2) ? Qt::Key_Home : Qt::Key_End,
                            Pick(2) ? Qt::ShiftModifier : Qt::NoModifier);
            break;
        case 9:
            QTest::mouseClick(Pick(2) ? form->SCheckBox->Widget() : form->CheckBox3->Widget(),
                              Qt::LeftButton, {}, QPoint(5, 8));
            break;
        case 10: {
            auto radios = form->LRadioGroup->Widget()->findChildren<QRadioButton*>();
            QRadioButton* radio = radios[Pick(static_cast<int>(radios.size()))];
            QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(5, radio->height() / 2));
            break;
        }
        case 11: { // Enter with the focus anywhere
            Fourier::Toolkit::TControl* places[] = {
                form->ComboBox1, form->TrackBar1, form->TrackBar2,   form->TrackBar3,
                form->SpinEdit1, form->SCheckBox, form->LRadioGroup, form->CheckBox3};
            Focus(places[Pick(8)]);
            QTest::keyClick(Focused(), Qt::Key_Return);
            break;
        }
        case 12: { // Alt accelerators
            const char* letters[] = {"А", "С"};
            const QString letter = QString::fromUtf8(letters[Pick(2)]);
            QTest::sendKeyEvent(QTest::Click, Focused(), Qt::Key(letter.at(0).unicode()), letter,
                                Qt::AltModifier);
            break;
        }
        case 13:
            QTest::mouseClick(form->SpeedButton2->Widget(), Qt::LeftButton);
            break;
        case 14:
            QTest::mouseClick(Pick(2) ? form->SSpeedButton->Widget() : form->ASpeedButton->Widget(),
                              Qt::LeftButton);
            break;
        case 15:
            QTest::mouseClick(form->GroupBox1->Widget(), Qt::LeftButton, {}, QPoint(150, 190));
            break;
        }
    }

    void CheckInvariants(int action) {
        ASSERT_TRUE(errors.empty()) << "action " << action << ": " << errors.front();
        for (auto* bar : {form->TrackBar1, form->TrackBar2, form->TrackBar3}) {
            ASSERT_LE(bar->Min(), bar->Position()) << "action " << action << " " << bar->Name();
            ASSERT_LE(bar->Position(), bar->Max()) << "action " << action << " " << bar->Name();
        }
        const int item = form->ComboBox1->ItemIndex();
        if (item >= 0) {
            // The shipped configuration's positions all lie inside their ranges, so the
            // remembered fields always equal the track bars that feed them.
            const Fourier::TParamEntry& entry = form->ParamTable[item];
            const int p1 = form->TrackBar1->Position(), p2 = form->TrackBar2->Position(),
                      p3 = form->TrackBar3->Position();
            const std::tuple remembered{entry.P1, entry.P2, entry.P3};
            switch (entry.Count) {
            case 1:
                ASSERT_EQ(entry.P1, p1) << "action " << action;
                break;
            case 2:
                ASSERT_EQ((std::pair{entry.P1, entry.P2}), (std::pair{p2, p3}))
                    << "action " << action;
                break;
            case 3:
                ASSERT_EQ(remembered, (std::tuple{p1, p2, p3})) << "action " << action;
                break;
            default:
                break;
            }
        }
        static const QRegularExpression clean("^(0|[1-9][0-9]*)$");
        ASSERT_TRUE(clean.match(QString::fromStdString(form->SpinEdit1->Text())).hasMatch())
            << "action " << action << ": \"" << form->SpinEdit1->Text() << "\"";
        ASSERT_EQ(form->GraphBitmap.Width(), 579);
        ASSERT_EQ(form->GraphBitmap.Height(), 231);
        ASSERT_TRUE(Translator::ConvertNumber(form->MaxEdit->Text())) << form->MaxEdit->Text();
        ASSERT_TRUE(Translator::ConvertNumber(form->MinEdit->Text())) << form->MinEdit->Text();
    }

    std::mt19937 random_{20261208};
};

TEST_F(SoakTest, TwentyThousandRandomActions) {
    long residentAfterThousand = 0;
    for (int action = 1; action <= 20000; ++action) {
        RandomAction();
        CheckInvariants(action);
        if (HasFatalFailure()) return;
        if (action == 1000) residentAfterThousand = ResidentKb();
    }
#ifndef __SANITIZE_ADDRESS__ // the sanitizer holds freed memory back on purpose
    const long growth = ResidentKb() - residentAfterThousand;
    EXPECT_LE(growth, 2048) << "resident memory grew by " << growth << " kB";
#else
    (void)residentAfterThousand;
#endif
}

} // namespace
