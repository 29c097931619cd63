// The lab's own panes, offscreen and driven by keys and clicks: the user's formula with its
// errors and history, the sound pane without a sound device (and with one, where there is
// one), and saving pictures, data and sound.
#include "AnalysisCsv.h"
#include "FileSaving.h"
#include "FormFixture.h"
#include "FormulaPane.h"
#include "FullDisk.h"
#include "OwnFormula.h"
#include "PictureExport.h"
#include "SoundPane.h"
#include "UserInput.h"

#include <QAbstractItemView>
#include <QAction>
#include <QAudioDevice>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMediaDevices>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>
#include <random>
#include <sndfile.h>
#include <unistd.h>

namespace {

using namespace Fourier;
using UserInput::FindAs;

// Settings go to a scratch folder for the test's lifetime.
class ScratchSettings : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    }
    QTemporaryDir folder;
};

// A file in the scratch folder nobody may write into: root may write anywhere but sysfs.
QString UnwritableFile(const QTemporaryDir& folder) {
    QDir(folder.path()).mkdir("locked");
    const QString locked = folder.filePath("locked");
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
    if (QFileInfo(locked).isWritable() || ::geteuid() == 0) return "/sys/fourier-test.png";
    return locked + "/a.png";
}

TRun SquareRun(int k) {
    TSamples square{};
    for (int j = 0; j < SampleCount; ++j)
        square[j] = j < 256 ? -1 : 1;
    TRun run;
    run.Analysis = AnalyseSamples(square);
    run.WaveformIndex = 1;
    run.WaveformName = "2. Прямоугольник";
    run.HasJump = true;
    run.Harmonic = k;
    return run;
}

// ----- «Своя функция» -----

using FormulaPaneTest = ScratchSettings;

struct Built {
    std::vector<TAnalysis> analyses;
    QStringList captions;
};

TEST_F(FormulaPaneTest, EnterBuildsTheFormulaOnceAsTheCoreAnalysesIt) {
    FormulaPane pane;
    ASSERT_TRUE(UserInput::ShowAndActivate(&pane));
    Built built;
    QObject::connect(&pane, &FormulaPane::ownSignalReady,
                     [&](const TAnalysis& a, const QString& caption) {
                         built.analyses.push_back(a);
                         built.captions.push_back(caption);
                     });
    FindAs<QComboBox>(&pane, "FormulaField")->setFocus();
    UserInput::TypeText(&pane, "x^2");
    UserInput::PressKey(&pane, Qt::Key_Return);
    ASSERT_EQ(built.analyses.size(), 1u);
    const TAnalysis expected = AnalyseOwnFormula("x^2");
    EXPECT_EQ(built.analyses[0].Samples, expected.Samples);
    EXPECT_EQ(built.analyses[0].Re, expected.Re);
    EXPECT_EQ(built.analyses[0].Im, expected.Im);
    EXPECT_TRUE(built.captions[0].contains("x^2")) << built.captions[0].toStdString();
    EXPECT_TRUE(FindAs<QLabel>(&pane, "FormulaError")->text().isEmpty());

    UserInput::Click(FindAs<QPushButton>(&pane, "FormulaBuild"));
    EXPECT_EQ(built.analyses.size(), 2u);
}

struct ErrorRow {
    const char* name;
    const char* typed;
    const char* marked; // the character the field selects and the message underlines
};

class FormulaPaneErrors : public ScratchSettings, public ::testing::WithParamInterface<ErrorRow> {};

// The error is the translator's, with the offending character selected in the field and
// underlined in the copy of the formula under it; nothing is built.
TEST_P(FormulaPaneErrors, MarkTheTranslatorsPosition) {
    const ErrorRow& row = GetParam();
    FormulaPane pane;
    ASSERT_TRUE(UserInput::ShowAndActivate(&pane));
    int built = 0;
    QObject::connect(&pane, &FormulaPane::ownSignalReady, [&] { ++built; });
    auto* field = FindAs<QComboBox>(&pane, "FormulaField");
    field->setFocus();
    UserInput::TypeText(&pane, QString::fromUtf8(row.typed));
    UserInput::PressKey(&pane, Qt::Key_Return);
    EXPECT_EQ(built, 0);

    std::string expected;
    try {
        AnalyseOwnFormula(row.typed);
    } catch (const TOwnFormulaError& e) {
        expected = e.what();
    }
    const QString shown = FindAs<QLabel>(&pane, "FormulaError")->text();
    EXPECT_TRUE(shown.contains(QString::fromUtf8(expected).toHtmlEscaped()))
        << shown.toStdString() << " / " << expected;
    EXPECT_TRUE(shown.contains("<u>" + QString::fromUtf8(row.marked).toHtmlEscaped() + "</u>"))
        << shown.toStdString();
    EXPECT_EQ(field->lineEdit()->selectedText(), QString::fromUtf8(row.marked));
}

INSTANTIATE_TEST_SUITE_P(Rows, FormulaPaneErrors,
                         ::testing::Values(ErrorRow{"Operator", "x+*2", "*"},
                                           ErrorRow{"UnknownName", "x*Sin(x)", "S"},
                                           ErrorRow{"CyrillicBeforeIt", "ж+x", "ж"},
                                           ErrorRow{"AfterCyrillic", "(x+1)*ж", "ж"},
                                           ErrorRow{"AfterAnInsertedZero", "-x+*2", "*"},
                                           ErrorRow{"BlankInANumber", "x+2 5", " "}),
                         [](const auto& info) { return std::string(info.param.name); });

// The main window's own formula waveforms, typed as one's own function, give the main
// window's buffers to the last bit; and one's own formulas, failing ones too, leave the
// translator to the main window as they found it.
class OwnFormulaBesideTheMainWindow : public FormFixture {};

TEST_F(OwnFormulaBesideTheMainWindow, GivesTheMainWindowsSpectrumBitForBit) {
    ShowAndActivate();
    for (int waveform : {0, 5, 6}) { // sine, beats, amplitude modulation
        EXPECT_THROW(AnalyseOwnFormula("cos(8*x)*ln(x)"), TOwnFormulaError);
        EXPECT_THROW(AnalyseOwnFormula("sin(x"), TOwnFormulaError);
        Choose(waveform);
        EXPECT_TRUE(errors.empty());
        const std::string text = form->FEdit->Text();
        SCOPED_TRACE(text);
        const TAnalysis own = AnalyseOwnFormula(text);
        for (int k = 0; k <= NyquistLine; ++k) {
            ASSERT_EQ(own.Re[k], form->ReBuf[k]) << k;
            ASSERT_EQ(own.Im[k], form->ImBuf[k]) << k;
        }
        EXPECT_EQ(own.Peak, form->SignalPeak);
    }
}

// The program's locale for a test's lifetime.
class RussianLocale {
  public:
    RussianLocale() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    ~RussianLocale() { QLocale::setDefault(previous_); }
    RussianLocale(const RussianLocale&) = delete;
    RussianLocale& operator=(const RussianLocale&) = delete;

  private:
    QLocale previous_;
};

TEST_F(FormulaPaneTest, AFailureAtSomeXSaysWhichXAsTheLocaleWritesIt) {
    const RussianLocale russian;
    FormulaPane pane;
    pane.SetFormula("ln(x)");
    pane.Build();
    const QString shown = FindAs<QLabel>(&pane, "FormulaError")->text();
    EXPECT_TRUE(shown.contains("f не определена при x = −3,14159: логарифм отрицательного числа"))
        << shown.toStdString();
    EXPECT_FALSE(shown.contains("<u>")) << shown.toStdString();
}

// Typed as a pupil types it under a Russian locale: built, kept in the history as typed, and
// what was rewritten said under the field until a formula needs nothing rewritten.
TEST_F(FormulaPaneTest, SaysHowItUnderstoodWhatWasTyped) {
    const RussianLocale russian;
    FormulaPane pane;
    ASSERT_TRUE(UserInput::ShowAndActivate(&pane));
    std::vector<TAnalysis> built;
    QObject::connect(&pane, &FormulaPane::ownSignalReady,
                     [&](const TAnalysis& a, const QString&) { built.push_back(a); });
    auto* field = FindAs<QComboBox>(&pane, "FormulaField");
    auto* understood = FindAs<QLabel>(&pane, "FormulaUnderstood");
    field->setFocus();
    const QString typed = QString::fromUtf8("-х^2 + 2,5");
    UserInput::TypeText(&pane, typed);
    UserInput::PressKey(&pane, Qt::Key_Return);
    ASSERT_EQ(built.size(), 1u);
    EXPECT_EQ(built[0].Samples[0], 2.5 - std::numbers::pi * std::numbers::pi); // at x = -pi
    EXPECT_EQ(pane.History().front(), typed);
    const QString said = understood->text().remove(QChar(0x200B));
    EXPECT_TRUE(said.startsWith("Понято как: 0-x^2+2.5 (")) << said.toStdString();
    EXPECT_TRUE(said.contains("русская буква «х» заменена латинской x")) << said.toStdString();

    field->lineEdit()->selectAll();
    UserInput::TypeText(&pane, "x^2");
    UserInput::PressKey(&pane, Qt::Key_Return);
    EXPECT_EQ(built.size(), 2u);
    EXPECT_TRUE(understood->text().isEmpty()) << understood->text().toStdString();
}

// The history is a list to choose from, never an inline completion of what is typed: "x"
// stays "x" with "x^2" in the history, and Down opens the list, where Enter builds the entry.
TEST_F(FormulaPaneTest, TheHistoryNeverCompletesWhatIsTyped) {
    FormulaPane pane;
    for (const char* text : {"x^2", "sin(x)"}) {
        pane.SetFormula(text);
        pane.Build();
    }
    pane.SetFormula(QString());
    ASSERT_TRUE(UserInput::ShowAndActivate(&pane));
    QStringList captions;
    QObject::connect(&pane, &FormulaPane::ownSignalReady,
                     [&](const TAnalysis&, const QString& caption) { captions << caption; });
    auto* field = FindAs<QComboBox>(&pane, "FormulaField");
    field->setFocus();
    UserInput::TypeText(&pane, "x");
    EXPECT_EQ(pane.Formula(), "x");
    EXPECT_FALSE(field->lineEdit()->hasSelectedText());

    UserInput::PressKey(&pane, Qt::Key_Down);
    ASSERT_TRUE(QTest::qWaitFor([&] { return field->view()->isVisible(); }, 1000));
    EXPECT_EQ(pane.Formula(), "x");
    QTest::keyClick(field->view(), Qt::Key_Down); // "sin(x)", "x^2"
    QTest::keyClick(field->view(), Qt::Key_Return);
    EXPECT_EQ(captions, QStringList{"Своя функция: f(x) = x^2"});
}

TEST_F(FormulaPaneTest, ExamplesBuildAndTheFollowButtonAsksToFollow) {
    FormulaPane pane;
    ASSERT_TRUE(UserInput::ShowAndActivate(&pane));
    std::vector<TAnalysis> built;
    QObject::connect(&pane, &FormulaPane::ownSignalReady,
                     [&](const TAnalysis& a, const QString&) { built.push_back(a); });
    QSignalSpy follow(&pane, &FormulaPane::followMainWindow);
    auto* examples = FindAs<QComboBox>(&pane, "FormulaExamples");
    examples->setFocus();
    UserInput::PressKey(&pane, Qt::Key_Down);
    UserInput::PressKey(&pane, Qt::Key_Down);
    UserInput::PressKey(&pane, Qt::Key_Down);
    ASSERT_EQ(built.size(), 3u);
    EXPECT_EQ(pane.Formula(), "(sin(x)^2)^0.5");
    const TAnalysis& analysis = built.back();
    for (int j = 0; j < SampleCount; ++j)
        EXPECT_NEAR(analysis.Samples[j], std::abs(std::sin(FormulaGridX(j))), 1e-15) << j;
    UserInput::Click(FindAs<QPushButton>(&pane, "FollowMainWindow"));
    EXPECT_EQ(follow.count(), 1);
}

// Built formulas are remembered across runs, newest first, without repeats; the settings
// hold that list and nothing else.
TEST_F(FormulaPaneTest, RemembersTheLastFormulasBetweenRuns) {
    {
        FormulaPane pane;
        for (const char* text : {"x", "x^2", "x+*", "x", "sin(x)"}) {
            pane.SetFormula(text);
            pane.Build();
        }
        EXPECT_EQ(pane.History(), (QStringList{"sin(x)", "x", "x^2"}));
    }
    FormulaPane again;
    EXPECT_EQ(again.History(), (QStringList{"sin(x)", "x", "x^2"}));
    auto* field = FindAs<QComboBox>(&again, "FormulaField");
    ASSERT_EQ(field->count(), 3);
    EXPECT_EQ(field->itemText(0), "sin(x)");
    EXPECT_TRUE(again.Formula().isEmpty());
    QFile file(FormulaPane::HistoryFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QJsonObject saved = QJsonDocument::fromJson(file.readAll()).object();
    EXPECT_EQ(saved.keys(), QStringList{"ownFormula/history"});
    EXPECT_EQ(saved["ownFormula/history"].toVariant().toStringList(),
              (QStringList{"sin(x)", "x", "x^2"}));

    for (int i = 0; i < 2 * FormulaPane::HistoryLength; ++i) {
        again.SetFormula(QString("x+%1").arg(i));
        again.Build();
    }
    EXPECT_EQ(again.History().size(), FormulaPane::HistoryLength);
    EXPECT_EQ(again.History().front(), QString("x+%1").arg(2 * FormulaPane::HistoryLength - 1));
}

// A history that cannot be saved (its folder's name is taken by a file, which stops root
// too) is reported once, and takes nothing from the student: each formula is built and
// listed. Once the history can be saved again, it is, whole.
TEST_F(FormulaPaneTest, AHistoryThatCannotBeSavedIsReportedOnceAndLosesNothing) {
    const QString history = FormulaPane::HistoryFile(), blocker = QFileInfo(history).path();
    ASSERT_TRUE(QFile(blocker).open(QIODevice::WriteOnly));
    FormulaPane pane;
    std::vector<std::string> reported;
    pane.ReportError = [&](const std::string& message) { reported.push_back(message); };
    int built = 0;
    QObject::connect(&pane, &FormulaPane::ownSignalReady, [&] { ++built; });
    for (const char* text : {"x", "x^2", "x^3"}) {
        pane.SetFormula(text);
        pane.Build();
    }
    EXPECT_EQ(built, 3);
    EXPECT_EQ(pane.History(), (QStringList{"x^3", "x^2", "x"}));
    EXPECT_EQ(reported, std::vector<std::string>{("Не удалось сохранить файл «" + history +
                                                  "»: папка недоступна для записи или на диске "
                                                  "нет места. Формула построена, но после "
                                                  "перезапуска программы её не будет в списке "
                                                  "прежних формул.")
                                                     .toStdString()});
    ASSERT_TRUE(QFile::remove(blocker));
    pane.SetFormula("sin(x)");
    pane.Build();
    EXPECT_EQ(reported.size(), 1u);
    EXPECT_EQ(FormulaPane().History(), (QStringList{"sin(x)", "x^3", "x^2", "x"}));
}

// A history kept in the lab's settings by an earlier version is taken over.
TEST_F(FormulaPaneTest, TakesOverTheHistoryOfEarlierVersions) {
    QSettings(QSettings::NativeFormat, QSettings::UserScope, FormulaPane::SettingsOrganisation,
              FormulaPane::SettingsApplication)
        .setValue("ownFormula/history", QStringList{"x^2", "x"});
    EXPECT_EQ(FormulaPane().History(), (QStringList{"x^2", "x"}));
}

// ----- «Звук» -----

using SoundPaneTest = ScratchSettings;

bool HasSoundDevice() {
    return !QMediaDevices::defaultAudioOutput().isNull();
}

QString WaitForDeviceLine(SoundPane& pane) {
    auto* line = FindAs<QLabel>(&pane, "SoundDevice");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !line->text().contains("ищу"); }, 10000));
    return line->text();
}

TEST_F(SoundPaneTest, SaysInOneLineWhenThereIsNoOutputAndOffersNoPlay) {
    if (HasSoundDevice()) GTEST_SKIP() << "this machine has a sound output";
    SoundPane pane;
    const QString line = WaitForDeviceLine(pane);
    EXPECT_TRUE(line.startsWith("Нет устройства вывода звука")) << line.toStdString();
    EXPECT_FALSE(line.contains('\n'));
    EXPECT_FALSE(pane.PlayAction()->isEnabled());
}

TEST_F(SoundPaneTest, FollowsTheRunsHarmonicAndTheControls) {
    SoundPane pane;
    ASSERT_TRUE(UserInput::ShowAndActivate(&pane));
    pane.ShowRun(SquareRun(5));
    EXPECT_EQ(FindAs<QRadioButton>(&pane, "SoundPartialSum")->text(), "Частичная сумма S₅");
    EXPECT_EQ(FindAs<QRadioButton>(&pane, "SoundHarmonic")->text(), "Гармоника 5 отдельно");
    EXPECT_EQ(FindAs<QLabel>(&pane, "SoundContent")->text(), "Звучат гармоники 1–5.");
    EXPECT_EQ(pane.Choice(), (TSoundChoice{TSoundSource::PartialSum, 5, 220}));

    // The fundamental: a page is an octave, the ends are 55 and 1760 Hz.
    auto* slider = FindAs<QSlider>(&pane, "SoundFundamental");
    slider->setFocus();
    struct Row {
        Qt::Key key;
        double hertz;
        const char* text;
    };
    for (const Row row :
         {Row{Qt::Key_PageDown, 110, "110 Гц"}, Row{Qt::Key_Home, 55, "55 Гц"},
          Row{Qt::Key_End, 1760, "1760 Гц"}, Row{Qt::Key_PageDown, 880, "880 Гц"}}) {
        UserInput::PressKey(&pane, row.key);
        EXPECT_DOUBLE_EQ(pane.Choice().Fundamental, row.hertz);
        EXPECT_EQ(FindAs<QLabel>(&pane, "SoundFundamentalText")->text(), row.text);
    }
    // The slider goes in tenths of a semitone, 120 to the octave: an arrow key is a
    // semitone, twelve of them an octave.
    UserInput::PressKey(&pane, Qt::Key_Left);
    EXPECT_NEAR(pane.Choice().Fundamental, 880 / std::exp2(1.0 / 12), 1e-9);
    EXPECT_EQ(FindAs<QLabel>(&pane, "SoundFundamentalText")->text(), "831 Гц");
    for (int i = 0; i < 11; ++i)
        UserInput::PressKey(&pane, Qt::Key_Left);
    EXPECT_NEAR(pane.Choice().Fundamental, 440, 1e-9);
    slider->setValue(slider->value() + 1);
    EXPECT_NEAR(pane.Choice().Fundamental, 440 * std::exp2(1.0 / 120), 1e-9);
    slider->setValue(slider->value() + 119);
    EXPECT_NEAR(pane.Choice().Fundamental, 880, 1e-9);

    // The volume's label follows its slider, in percent of the slider's travel, both ends.
    auto* volume = FindAs<QSlider>(&pane, "SoundVolume");
    auto* volumeText = FindAs<QLabel>(&pane, "SoundVolumeText");
    EXPECT_EQ(volumeText->text(), QString("%1 %").arg(volume->value()));
    volume->setFocus();
    for (const auto& [key, text] : {std::pair{Qt::Key_Home, "0 %"}, std::pair{Qt::Key_Right, "1 %"},
                                    std::pair{Qt::Key_End, "100 %"}}) {
        UserInput::PressKey(&pane, key);
        EXPECT_EQ(volumeText->text().toStdString(), text);
    }
    EXPECT_GE(volumeText->width(), volumeText->fontMetrics().horizontalAdvance("100 %"));

    // The first harmonic at or above 24 kHz is named by its number, counted from 1.
    pane.ShowRun(SquareRun(31));
    int firstAbove = 1;
    while (firstAbove * 880.0 < 24000)
        ++firstAbove;
    EXPECT_EQ(FindAs<QLabel>(&pane, "SoundContent")->text().toStdString(),
              QString("Звучат гармоники 1–%1; с %2-й они выше 24 кГц и не слышны.")
                  .arg(firstAbove - 1)
                  .arg(firstAbove)
                  .toStdString());
    UserInput::Click(FindAs<QRadioButton>(&pane, "SoundHarmonic"));
    EXPECT_EQ(pane.Choice().Source, TSoundSource::Harmonic);
    pane.ShowRun(SquareRun(31)); // 31 * 880 Hz is above 24 kHz
    EXPECT_EQ(FindAs<QLabel>(&pane, "SoundContent")->text(),
              "Гармоника 31 выше 24 кГц: не слышна.");
    UserInput::Click(FindAs<QRadioButton>(&pane, "SoundSignal"));
    EXPECT_EQ(pane.Choice().Source, TSoundSource::Signal);
}

std::vector<short> ReadWav(const QString& path, SF_INFO& info) {
    info = {};
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file) return {};
    std::vector<short> steps(static_cast<std::size_t>(info.frames));
    sf_read_short(file, steps.data(), info.frames);
    sf_close(file);
    return steps;
}

// «Сохранить звук…» writes what is selected, as long as asked, without a sound device.
TEST_F(SoundPaneTest, SavesTheSelectedSoundAsAWavFile) {
    SoundPane pane;
    ASSERT_TRUE(UserInput::ShowAndActivate(&pane));
    pane.ShowRun(SquareRun(3));
    UserInput::Click(FindAs<QRadioButton>(&pane, "SoundHarmonic"));
    FindAs<QSpinBox>(&pane, "SoundLength")->setValue(1);
    const QString chosen = folder.filePath("третья гармоника");
    pane.ChooseSoundFile = [&] { return chosen; };
    QSignalSpy saved(&pane, &SoundPane::soundSaved);
    pane.SaveSoundAction()->trigger();
    ASSERT_TRUE(saved.wait(10000));
    const QString path = saved.at(0).at(0).toString();
    EXPECT_EQ(path, chosen + ".wav");
    SF_INFO info;
    const std::vector<short> steps = ReadWav(path, info);
    ASSERT_EQ(info.frames, SoundRate);
    EXPECT_EQ(info.channels, 1);
    // Harmonic 3 alone: 660 Hz, bin 33 of 2400 samples at 220 Hz, and nothing else.
    std::vector<double> magnitude(1201);
    for (int b = 0; b <= 1200; ++b) {
        std::complex<double> sum = 0;
        for (int n = 0; n < 2400; ++n)
            sum += static_cast<double>(steps[12000 + n]) *
                   std::polar(1.0, -2 * std::numbers::pi * (b * n % 2400) / 2400);
        magnitude[b] = std::abs(sum);
    }
    for (int b = 0; b <= 1200; ++b) {
        if (b == 33) continue;
        EXPECT_LT(magnitude[b], 1e-4 * magnitude[33]) << b;
    }
}

TEST_F(SoundPaneTest, AnUnwritableFolderIsReportedAndLeavesNoFile) {
    SoundPane pane;
    const QString chosen = UnwritableFile(folder).replace(".png", ".wav");
    pane.ChooseSoundFile = [&] { return chosen; };
    QStringList reported;
    pane.ReportError = [&](const std::string& message) {
        reported.append(QString::fromStdString(message));
    };
    pane.SaveSoundAction()->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !reported.isEmpty(); }, 10000));
    EXPECT_EQ(reported.size(), 1);
    EXPECT_TRUE(reported[0].contains("«" + chosen + "»")) << reported[0].toStdString();
    EXPECT_FALSE(QFileInfo::exists(chosen));
    EXPECT_TRUE(pane.SaveSoundAction()->isEnabled());
}

// Where a sound output exists: Space starts and stops the tone from anywhere in the window.
TEST_F(SoundPaneTest, SpaceTogglesPlayingWhereThereIsAnOutput) {
    if (!HasSoundDevice()) GTEST_SKIP() << "no sound output on this machine";
    SoundPane pane;
    ASSERT_TRUE(UserInput::ShowAndActivate(&pane));
    WaitForDeviceLine(pane);
    ASSERT_TRUE(pane.PlayAction()->isEnabled());
    FindAs<QSlider>(&pane, "SoundVolume")->setValue(0); // a desktop running the tests hears nothing
    pane.ShowRun(SquareRun(5));
    FindAs<QRadioButton>(&pane, "SoundSignal")->setFocus();
    UserInput::PressKey(&pane, Qt::Key_Space);
    EXPECT_TRUE(pane.PlayAction()->isChecked());
    EXPECT_EQ(pane.Choice().Source, TSoundSource::PartialSum); // Space did not pick the radio
    QTest::qWait(300);
    EXPECT_TRUE(pane.PlayAction()->isChecked()); // still playing: the output took it
    UserInput::PressKey(&pane, Qt::Key_Space);
    EXPECT_FALSE(pane.PlayAction()->isChecked());
}

// The sound plays on while the pane is one hidden tab of its window, and stops with the window.
TEST_F(SoundPaneTest, ClosingTheWindowStopsTheSound) {
    if (!HasSoundDevice()) GTEST_SKIP() << "no sound output on this machine";
    QTabWidget window;
    auto* pane = new SoundPane;
    window.addTab(pane, "Звук");
    window.addTab(new QLabel("другой вид"), "Другой");
    ASSERT_TRUE(UserInput::ShowAndActivate(&window));
    WaitForDeviceLine(*pane);
    FindAs<QSlider>(pane, "SoundVolume")->setValue(0);
    pane->ShowRun(SquareRun(5));
    pane->PlayAction()->setChecked(true);
    window.setCurrentIndex(1);
    QTest::qWait(200);
    EXPECT_TRUE(pane->PlayAction()->isChecked());
    window.close();
    EXPECT_FALSE(pane->PlayAction()->isChecked());
}

// ----- Keeping pictures and data -----

using PictureExportTest = ScratchSettings;

QImage Pattern(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    std::mt19937 random(7);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, 0xFF000000u | (random() & 0xFFFFFFu));
    return image;
}

TEST_F(PictureExportTest, SavedPngReadsBackPixelForPixel) {
    QWidget owner;
    const QImage picture = Pattern(579, 231);
    PictureExport keeping(&owner, [&] { return picture; });
    const QString chosen = folder.filePath("график");
    keeping.ChooseFile = [&](const QString&, const QString&, const QString&) { return chosen; };
    keeping.SavePictureAction()->trigger();
    const QImage back(chosen + ".png");
    ASSERT_EQ(back.size(), picture.size());
    EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), picture);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"график.png"});
}

TEST_F(PictureExportTest, AWidgetsPictureIsItsPixels) {
    QLabel label;
    label.setFixedSize(123, 45);
    label.setStyleSheet("background: rgb(10, 200, 30)");
    ASSERT_TRUE(UserInput::ShowAndActivate(&label));
    const QImage picture = PictureExport::PictureOf(&label);
    EXPECT_EQ(picture.size(), QSize(123, 45));
    EXPECT_EQ(QColor(picture.pixel(60, 20)), QColor(10, 200, 30));
}

TEST_F(PictureExportTest, CopyPutsThePictureOnTheClipboard) {
    QWidget owner;
    const QImage picture = Pattern(64, 48);
    PictureExport keeping(&owner, [&] { return picture; });
    keeping.CopyPictureAction()->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), picture);
}

TEST_F(PictureExportTest, DataIsTheAnalysisAsCsvWithDotsWhateverTheLocale) {
    QWidget owner;
    const TAnalysis analysis = SquareRun(1).Analysis;
    PictureExport keeping(
        &owner, [] { return QImage(); }, [&] { return std::optional<TAnalysis>(analysis); });
    const QString chosen = folder.filePath("данные.csv");
    keeping.ChooseFile = [&](const QString&, const QString&, const QString&) { return chosen; };
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    keeping.SaveDataAction()->trigger();
    QLocale::setDefault(previous);
    QFile file(chosen);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes.toStdString(), AnalysisCsv(analysis));
    for (const QByteArray& line : bytes.split('\n').mid(2, SampleCount)) // after the two heads
        EXPECT_EQ(line.count(','), 7) << line.toStdString();
}

TEST_F(PictureExportTest, UnwritableFolderGivesTheMessageAndLeavesNoFile) {
    QWidget owner;
    PictureExport keeping(
        &owner, [] { return Pattern(10, 10); },
        [] { return std::optional<TAnalysis>(TAnalysis{}); });
    const QString chosen = UnwritableFile(folder);
    keeping.ChooseFile = [&](const QString&, const QString&, const QString&) { return chosen; };
    QStringList reported;
    keeping.ReportError = [&](const std::string& message) {
        reported.append(QString::fromStdString(message));
    };
    keeping.SavePictureAction()->trigger();
    keeping.SaveDataAction()->trigger();
    ASSERT_EQ(reported.size(), 2);
    for (const QString& message : reported) {
        EXPECT_TRUE(message.contains("«" + chosen + "»")) << message.toStdString();
        EXPECT_TRUE(message.contains("нет прав на запись")) << message.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(chosen));
}

TEST_F(PictureExportTest, ContextMenuHoldsTheActions) {
    QWidget owner, image;
    PictureExport keeping(
        &owner, [] { return QImage(); }, [] { return std::optional<TAnalysis>(); });
    keeping.AttachContextMenu(&image);
    EXPECT_EQ(image.contextMenuPolicy(), Qt::ActionsContextMenu);
    QStringList texts;
    for (QAction* action : image.actions())
        texts.append(action->text());
    EXPECT_EQ(texts,
              (QStringList{"Сохранить рисунок…", "Копировать рисунок", "Сохранить данные…"}));
    PictureExport pictureOnly(&owner, [] { return QImage(); });
    EXPECT_EQ(pictureOnly.Actions().size(), 2);
    EXPECT_EQ(pictureOnly.SaveDataAction(), nullptr);
}

// ----- A full disk -----

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The formula history under a file size limit in a child process: cut off one byte short,
// the failure names the file and the reason, the history there before stays byte for byte
// with nothing beside it, and the formula is built; a limit it just fits is no failure.
TEST_F(FormulaPaneTest, AHistoryCutOffByAFullDiskIsReportedAndOneThatJustFitsIsSaved) {
    FormulaPane pane;
    std::string reported;
    pane.ReportError = [&](const std::string& message) { reported = message; };
    pane.SetFormula("x");
    pane.Build();
    const QString path = FormulaPane::HistoryFile();
    const QByteArray old = ReadBytes(path);
    const auto saveUnder = [&](rlim_t limit) {
        return FullDisk::SaveUnderLimit(limit, [&] {
            QString formula = "0"; // long enough to outgrow the lock file QSettings writes first
            for (int k = 1; k <= 16; ++k)
                formula += QString("+sin(%1*x)/%1").arg(k);
            pane.SetFormula(formula);
            pane.Build();
            return pane.History().size() == 2 ? reported : "the formula was lost";
        });
    };
    ASSERT_TRUE(saveUnder(RLIM_INFINITY).Saved);
    const QByteArray whole = ReadBytes(path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(old) > 0);
    file.close();

    const FullDisk::TOutcome cut = saveUnder(static_cast<rlim_t>(whole.size() - 1));
    EXPECT_FALSE(cut.Saved);
    EXPECT_EQ(cut.Message, ("Не удалось сохранить файл «" + path +
                            "»: файл превышает разрешённый размер. Формула построена, но после "
                            "перезапуска программы её не будет в списке прежних формул.")
                               .toStdString());
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(QDir(QFileInfo(path).path())
                  .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
              QStringList{QFileInfo(path).fileName()});
    EXPECT_TRUE(saveUnder(static_cast<rlim_t>(whole.size())).Saved);
    EXPECT_EQ(ReadBytes(path), whole);
}

// A picture goes the core's way to the disk: /dev/full says there is no room.
TEST_F(PictureExportTest, AFullDiskIsReportedWithTheReason) {
    QWidget owner;
    PictureExport keeping(&owner, [] { return Pattern(10, 10); });
    try {
        keeping.SavePictureTo("/dev/full");
        ADD_FAILURE() << "saved into /dev/full";
    } catch (const TFileSaveError& e) {
        EXPECT_STREQ(e.what(), "Не удалось сохранить файл «/dev/full»: на диске нет места");
    }
    EXPECT_TRUE(FullDisk::DevFullStaysADevice()) << "/dev/full was replaced by a file";
}

} // namespace
