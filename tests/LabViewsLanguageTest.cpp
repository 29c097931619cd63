// The lab's views, its sound pane and its game switched to English and back while the student
// is in the middle of something: their texts in English, the plots' axes, legends and numbers
// lines too; nothing the student set or played disturbed; and back in Russian every text as
// it was. Texts the core composes (the game's messages, its levels) are printed, not checked:
// their English comes with the core's catalogue.
#include "CirclesView.h"
#include "CoefficientView.h"
#include "ConvergenceView.h"
#include "GamePane.h"
#include "Language.h"
#include "ResidualView.h"
#include "SamplingView.h"
#include "SoundPane.h"
#include "SpectrumTableModel.h"
#include "SpectrumView.h"
#include "TextsOnScreen.h"
#include "UserInput.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSlider>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <qcustomplot.h>

#include <cmath>
#include <functional>
#include <iostream>
#include <memory>
#include <set>

namespace {

using namespace Fourier;
using FourierTest::Differences;
using FourierTest::TextsOf;
using FourierTest::TTexts;
using FourierTest::WithCyrillic;
using UserInput::FindAs;

void Switch(TLanguage language) {
    UseLanguage(language);
    QCoreApplication::processEvents();
}

TRun SquareWave(int harmonic) {
    TRun run;
    for (int j = 0; j < SampleCount; ++j)
        run.Analysis.Samples[j] = GridX(j) < 0 ? -1.0 : 1.0;
    run.Analysis = AnalyseSamples(run.Analysis.Samples);
    run.HasJump = true;
    run.Harmonic = harmonic;
    return run;
}

// What the plots below root say: axis labels, legend entries, numbers lines, item texts.
TTexts PlotTexts(QWidget* root) {
    TTexts texts;
    for (QCustomPlot* plot : root->findChildren<QCustomPlot*>()) {
        const QString where = plot->objectName() + QLatin1Char(':');
        int index = 0;
        for (QCPAxisRect* rect : plot->axisRects())
            for (QCPAxis* axis : rect->axes())
                if (!axis->label().isEmpty())
                    texts[where + QStringLiteral("axis %1").arg(index++)] = axis->label();
        // A plot whose layout was cleared has no legend left (plot->legend is dangling).
        for (QCPLegend* legend : plot->findChildren<QCPLegend*>())
            for (int i = 0; i < legend->itemCount(); ++i)
                if (auto* item = qobject_cast<QCPPlottableLegendItem*>(legend->item(i)))
                    texts[where + QStringLiteral("legend %1").arg(i)] = item->plottable()->name();
        for (QCPLayoutElement* element : plot->plotLayout()->elements(true))
            if (auto* line = qobject_cast<QCPTextElement*>(element))
                texts[where + line->objectName()] = line->text();
        for (int i = 0; i < plot->itemCount(); ++i)
            if (auto* item = qobject_cast<QCPItemText*>(plot->item(i)); item && item->visible())
                texts[where + QStringLiteral("item %1").arg(i)] = item->text();
    }
    return texts;
}

class LanguageTest : public ::testing::Test {
  protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    void TearDown() override {
        Switch(TLanguage::Russian);
        QLocale::setDefault(QLocale::system());
    }
};

// ---- The views ------------------------------------------------------------------------

struct TViewCase {
    const char* Name;
    std::function<LabView*()> Make;
    // Puts the view into a state of the student's, after the run is drawn.
    std::function<void(LabView&)> Prepare;
};

void PrintTo(const TViewCase& view, std::ostream* out) {
    *out << view.Name;
}

void Nothing(LabView&) {}

const TViewCase ViewCases[] = {
    {"Convergence", [] { return new ConvergenceView; }, Nothing},
    {"Residual", [] { return new ResidualView; }, Nothing},
    {"Coefficient", [] { return new CoefficientView; }, Nothing},
    {"SpectrumInDecibels", [] { return new SpectrumView; },
     [](LabView& view) { UserInput::Click(FindAs<QCheckBox>(&view, "DecibelBox")); }},
    {"SamplingHannWindow", [] { return new SamplingView; },
     [](LabView& view) {
         auto* window = FindAs<QComboBox>(&view, "WindowChoice");
         window->setFocus();
         QTest::keyClick(window, Qt::Key_Down);
         ASSERT_EQ(window->currentIndex(), 1);
     }},
    {"CirclesPaused", [] { return new CirclesView; },
     [](LabView& view) {
         UserInput::Click(FindAs<QToolButton>(&view, "CirclesPlay"));
         ASSERT_FALSE(static_cast<CirclesView&>(view).Playing());
     }},
};

class ViewLanguageTest : public LanguageTest, public ::testing::WithParamInterface<TViewCase> {};

TEST_P(ViewLanguageTest, SpeaksEnglishAndComesBackWordForWord) {
    const std::unique_ptr<LabView> view(GetParam().Make());
    view->ShowRun(SquareWave(5));
    view->resize(1100, 900);
    ASSERT_TRUE(UserInput::ShowAndActivate(view.get()));
    GetParam().Prepare(*view);
    const TTexts before = TextsOf(view.get());
    const TTexts plotsBefore = PlotTexts(view.get());
    ASSERT_FALSE(WithCyrillic(before).isEmpty()) << "the view shows Russian to begin with";

    Switch(TLanguage::English);
    const TTexts english = TextsOf(view.get());
    const TTexts plotsInEnglish = PlotTexts(view.get());
    EXPECT_EQ(WithCyrillic(english), QString()) << "still Russian";
    EXPECT_EQ(WithCyrillic(plotsInEnglish), QString()) << "still Russian in a plot";
    EXPECT_EQ(plotsInEnglish.size(), plotsBefore.size()) << "a plot lost or gained a text";
    EXPECT_EQ(english.size(), before.size()) << "a text came or went";

    Switch(TLanguage::Russian);
    EXPECT_EQ(Differences(before, TextsOf(view.get())), QString());
    EXPECT_EQ(Differences(plotsBefore, PlotTexts(view.get())), QString());
}

INSTANTIATE_TEST_SUITE_P(Views, ViewLanguageTest, ::testing::ValuesIn(ViewCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(LanguageTest, SwitchingKeepsWhatTheStudentSetInTheViews) {
    SamplingView sampling;
    sampling.ShowRun(SquareWave(5));
    ASSERT_TRUE(UserInput::ShowAndActivate(&sampling));
    auto* window = FindAs<QComboBox>(&sampling, "WindowChoice");
    window->setFocus();
    QTest::keyClick(window, Qt::Key_End); // the last window, Blackman's
    CirclesView circles;
    circles.ShowRun(SquareWave(5));
    ASSERT_TRUE(UserInput::ShowAndActivate(&circles));
    UserInput::Click(FindAs<QToolButton>(&circles, "CirclesPlay"));
    auto* slider = FindAs<QSlider>(&circles, "CirclesTime");
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_PageUp);
    const double time = circles.Time();

    Switch(TLanguage::English);
    EXPECT_EQ(window->currentIndex(), window->count() - 1);
    EXPECT_EQ(window->currentText(), "Blackman");
    EXPECT_TRUE(FindAs<QCustomPlot>(&sampling, "SamplingExcerptPlot")
                    ->findChild<QCPTextElement*>("SamplingExcerptNumbers")
                    ->text()
                    .startsWith("Blackman window of M = "));
    EXPECT_FALSE(circles.Playing()) << "the switch set the circles turning";
    EXPECT_EQ(circles.Time(), time);
}

TEST_F(LanguageTest, TheSpectrumTableAsksForItsHeadingsAgain) {
    SpectrumView view;
    view.ShowRun(SquareWave(5));
    ASSERT_TRUE(UserInput::ShowAndActivate(&view));
    QAbstractItemModel* model = FindAs<QTableView>(&view, "SpectrumTable")->model();
    QSignalSpy headings(model, &QAbstractItemModel::headerDataChanged);

    Switch(TLanguage::English);
    ASSERT_EQ(headings.count(), 1);
    EXPECT_EQ(headings.front().at(1).toInt(), 0);
    EXPECT_EQ(headings.front().at(2).toInt(), SpectrumTableModel::ColumnCount - 1);
    EXPECT_EQ(model->headerData(SpectrumTableModel::colPhase, Qt::Horizontal).toString(),
              "φₖ, rad");
    // The symbols alone stay as they are in both languages.
    EXPECT_EQ(model->headerData(SpectrumTableModel::colAmplitude, Qt::Horizontal).toString(), "Aₖ");
    EXPECT_EQ(view.CopyAction()->text(), "Copy table");
}

// ---- The sound pane -------------------------------------------------------------------

TEST_F(LanguageTest, TheSoundPaneSaysWhatPlaysInEnglishAndStaysSilent) {
    SoundPane pane;
    pane.ShowRun(SquareWave(5));
    ASSERT_TRUE(UserInput::ShowAndActivate(&pane));
    auto* device = FindAs<QLabel>(&pane, "SoundDevice");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !device->text().contains("ищу"); }, 10000));
    UserInput::Click(FindAs<QRadioButton>(&pane, "SoundHarmonic"));
    const TSoundChoice choice = pane.Choice();
    ASSERT_EQ(choice.Source, TSoundSource::Harmonic);
    const TTexts before = TextsOf(&pane);

    Switch(TLanguage::English);
    EXPECT_EQ(WithCyrillic(TextsOf(&pane)), QString());
    const double hertz =
        5 * SoundPane::FundamentalAt(FindAs<QSlider>(&pane, "SoundFundamental")->value());
    EXPECT_EQ(FindAs<QLabel>(&pane, "SoundContent")->text(),
              QStringLiteral("Harmonic 5 plays: %1 Hz.").arg(std::round(hertz)));
    EXPECT_EQ(pane.PlayAction()->text(), "Play");
    EXPECT_FALSE(pane.PlayAction()->isChecked()) << "the switch started the sound";
    EXPECT_EQ(pane.Choice().Source, choice.Source);
    EXPECT_EQ(pane.Choice().Harmonic, choice.Harmonic);
    EXPECT_EQ(pane.Choice().Fundamental, choice.Fundamental);

    Switch(TLanguage::Russian);
    EXPECT_EQ(Differences(before, TextsOf(&pane)), QString());
}

// ---- The game -------------------------------------------------------------------------

class GameLanguageTest : public LanguageTest {
  protected:
    void SetUp() override {
        LanguageTest::SetUp();
        ASSERT_TRUE(folder.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
        pane = std::make_unique<GamePane>();
        pane->resize(900, 700);
        pane->SetSeed(12345);
        ASSERT_TRUE(UserInput::ShowAndActivate(pane.get()));
    }
    void TearDown() override {
        pane.reset();
        LanguageTest::TearDown();
    }

    // The texts the core writes: the level names, the level's rule, the result and progress.
    static bool Composed(const QString& where) {
        for (const char* name : {"GameLevel", "GameRule", "GameResult", "GameProgress"})
            if (where.contains(QLatin1String(name))) return true;
        return false;
    }

    QTemporaryDir folder;
    std::unique_ptr<GamePane> pane;
};

TEST_F(GameLanguageTest, AWrongCheckStaysOnScreenInEnglishWithoutANewRound) {
    pane->Bars()->setFocus();
    UserInput::PressKey(pane.get(), Qt::Key_Up); // a_1 = 0.01, no target of level 1
    UserInput::Click(pane->CheckButton());
    const TTexts before = TextsOf(pane.get());
    const TGameRound round = pane->Round();
    const TCoefficients bars = pane->Bars()->Coefficients();
    const QString result = pane->ResultLine()->text();

    Switch(TLanguage::English);
    TTexts own, composed;
    for (const auto& [where, text] : TextsOf(pane.get()))
        (Composed(where) ? composed : own)[where] = text;
    EXPECT_EQ(WithCyrillic(own), QString());
    std::cout << "Written by the core, in English once its catalogue is merged:\n"
              << WithCyrillic(composed).toStdString();
    EXPECT_EQ(pane->windowTitle(), "Guess the signal");
    EXPECT_TRUE(pane->RuleLine()->text().startsWith("Round 1. "))
        << pane->RuleLine()->text().toStdString();
    EXPECT_FALSE(pane->ResultLine()->text().isEmpty());
    EXPECT_EQ(pane->Round().Number, round.Number) << "the switch started a new round";
    EXPECT_EQ(pane->Round().Target, round.Target);
    EXPECT_EQ(pane->Bars()->Coefficients(), bars);
    EXPECT_FALSE(pane->PlayTargetButton()->isChecked() || pane->PlayMineButton()->isChecked());

    Switch(TLanguage::Russian);
    EXPECT_EQ(pane->ResultLine()->text(), result) << "the check was not made again";
    EXPECT_EQ(Differences(before, TextsOf(pane.get())), QString());
}

TEST_F(GameLanguageTest, EnglishAcceleratorsAreUniqueAndClearOfTheLabMenus) {
    Switch(TLanguage::English);
    // The lab's menus in English: File, Window, View, Edit, Help, Language.
    const QString menus = QStringLiteral("FWVEHL");
    std::set<QString> letters;
    int count = 0;
    for (QWidget* w : pane->findChildren<QWidget*>()) {
        QString text;
        if (auto* button = qobject_cast<QAbstractButton*>(w)) text = button->text();
        if (auto* label = qobject_cast<QLabel*>(w)) text = label->text();
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (key.isEmpty()) continue;
        const QString letter = key.toString().remove(QStringLiteral("Alt+"));
        ++count;
        EXPECT_TRUE(letters.insert(letter).second) << "Alt+" << letter.toStdString() << " twice";
        EXPECT_FALSE(menus.contains(letter)) << "Alt+" << letter.toStdString() << " opens a menu";
    }
    EXPECT_EQ(count, 8); // level, seed, bars and the five buttons

    pane->Bars()->setFocus();
    UserInput::PressAlt(pane.get(), 'N'); // a button clicks a moment after its key
    EXPECT_TRUE(QTest::qWaitFor([this] { return pane->Round().Number == 2; }))
        << "Alt+N did not start the next round";
    UserInput::PressAlt(pane.get(), 'S');
    EXPECT_TRUE(pane->SeedField()->hasFocus());
    UserInput::PressAlt(pane.get(), 'G');
    EXPECT_TRUE(pane->LevelChoice()->hasFocus());
}

} // namespace
