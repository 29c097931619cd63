// What the sliders set, as the student meets it: the tooltip while a main-window slider is
// dragged, and the help's formulas, evaluated against the waveforms the program builds.
#include "FormFixture.h"
#include "Translator.h"
#include "UserInput.h"
#include "Waveforms.h"

#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QSlider>
#include <QToolTip>

#include <numbers>

namespace {

constexpr double Pi = std::numbers::pi;

class SliderValuesTest : public FormFixture {
  protected:
    void SetUp() override {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        FormFixture::SetUp();
        ShowAndActivate();
    }
    void TearDown() override {
        FormFixture::TearDown();
        QLocale::setDefault(QLocale::system());
    }
};

// «6. Биения»: the amplitude ratio is r/8. Dragged, the bar names it in the locale's
// writing at every position passed; the tooltip is a window of its own, so the main window,
// released, is pixel for pixel the window whose bar went to the same place by keys.
TEST_F(SliderValuesTest, ADraggedBarShowsItsValueAndLeavesTheWindowAsKeysWould) {
    Choose(5);
    auto* slider = static_cast<QSlider*>(form->TrackBar2->Widget());
    const int from = form->TrackBar2->Position();
    const QPoint start = UserInput::SliderHandle(slider).center();
    QTest::mousePress(slider, Qt::LeftButton, Qt::NoModifier, start);
    for (int dx = 6; dx <= 60; dx += 6) {
        QTest::mouseMove(slider, start + QPoint(dx, 0));
        const QString r = QString::number(form->TrackBar2->Position() / 8.0).replace('.', ',');
        ASSERT_TRUE(QToolTip::isVisible());
        EXPECT_EQ(QToolTip::text(), "Отношение амплитуд: " + r);
    }
    const int to = form->TrackBar2->Position();
    ASSERT_GT(to, from);
    QTest::mouseRelease(slider, Qt::LeftButton, Qt::NoModifier, start + QPoint(60, 0));
    ASSERT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 1000));
    QTest::mouseMove(form->Widget(), QPoint(1, 1)); // away, so no handle is hovered
    const QImage dragged = form->Widget()->grab().toImage();

    StartWindow(true);
    ShowAndActivate();
    Choose(5);
    form->TrackBar2->SetFocus();
    for (int step = from; step < to; ++step)
        UserInput::PressKey(form->Widget(), Qt::Key_Right);
    ASSERT_EQ(form->TrackBar2->Position(), to);
    QTest::mouseMove(form->Widget(), QPoint(1, 1));
    EXPECT_TRUE(form->Widget()->grab().toImage() == dragged);
}

// Each formula of the help's table, marked <code class="waveform" data-waveform="N"
// data-barB="letter">, read as the translator reads a formula (letters replaced by the bars'
// positions, "·" by "*", "−" by "-", "0,6" by "0.6", no blanks) gives the samples the program
// builds for its waveform, at every position 0…maximum of the bars it names.
TEST(HelpFormulas, GiveTheWaveformsTheProgramBuilds) {
    QFile page(":/help/help.html");
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    static const QRegularExpression marked(
        R"re(<code class="waveform" data-waveform="(\d)"([^>]*)>([^<]*)</code>)re"),
        barLetter(R"re(data-bar(\d)="(\w)")re");
    int checked = 0;
    for (const auto& formula : marked.globalMatch(QString::fromUtf8(page.readAll()))) {
        const Fourier::TWaveform& waveform = Fourier::Waveforms()[formula.captured(1).toInt() - 1];
        SCOPED_TRACE(waveform.Name);
        QString letters[3], text = formula.captured(3).simplified();
        text.replace("·", "*").replace("−", "-").replace("0,6", "0.6").remove(' ');
        int top[3] = {0, 0, 0}; // a bar the waveform leaves as it is keeps the window's maximum
        for (const auto& bar : barLetter.globalMatch(formula.captured(2))) {
            const int b = bar.captured(1).toInt() - 1;
            letters[b] = bar.captured(2);
            top[b] = b == 0 ? 31 : 16;
            for (const Fourier::TSetupStep& step : waveform.Setup)
                if (step.Kind == Fourier::TSetupStep::skMax && step.Bar == b + 1)
                    top[b] = step.Value;
        }
        Fourier::TPositions at;
        for (at.Bar1 = 0; at.Bar1 <= top[0]; ++at.Bar1)
            for (at.Bar2 = 0; at.Bar2 <= top[1]; ++at.Bar2)
                for (at.Bar3 = 0; at.Bar3 <= top[2]; ++at.Bar3) {
                    QString filled = text;
                    const int positions[] = {at.Bar1, at.Bar2, at.Bar3};
                    for (int b = 0; b < 3; ++b)
                        if (!letters[b].isEmpty())
                            filled.replace(QRegularExpression("\\b" + letters[b] + "\\b"),
                                           QString::number(positions[b]));
                    const auto help = Fourier::SampleFormula(filled.toStdString(), -Pi, Pi);
                    const auto program = Fourier::SampleWaveform(waveform, at, -Pi, Pi);
                    for (int j = 0; j < Fourier::SampleCount; j += 37)
                        ASSERT_NEAR(help[j], program[j], 1e-12)
                            << filled.toStdString() << " x_" << j;
                    ++checked;
                }
    }
    EXPECT_EQ(checked, 25 + 17 * 5 + 25 * 17 * 9); // sine, beats, modulation
}

} // namespace
