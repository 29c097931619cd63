// Lessons through both real windows: a state set up by keys saved and opened in a fresh
// program gives the same state and the same pictures; hidden controls leave the windows and
// the tab order; a damaged file changes nothing; an older saved signal opens in the lab; the
// command line.
#include "CommandLine.h"
#include "LabFixture.h"
#include "LabLauncher.h"
#include "LabWindow.h"
#include "Lessons.h"
#include "SavedWork.h"
#include "TaskWindow.h"
#include "UserInput.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QTabWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <fstream>
#include <set>

namespace {

using Fourier::TLesson;

class LessonWindowTest : public LabFixture {
  protected:
    void SetUp() override {
        LabFixture::SetUp();
        ASSERT_TRUE(files.isValid());
        Install();
    }

    void Install() {
        keeper = &Fourier::InstallLessons(*form);
        keeper->ReportError = [this](const std::string& m) { reported.push_back(m); };
    }

    Fourier::LabWindow* Lab() {
        return qobject_cast<Fourier::LabWindow*>(Fourier::OpenedLab(form->Widget()));
    }

    // The main window's focus after each of count Tab presses.
    std::set<QString> TabOrder(int count) {
        std::set<QString> reached;
        form->ComboBox1->SetFocus();
        for (int i = 0; i < count; ++i) {
            UserInput::PressKey(form->Widget(), Qt::Key_Tab);
            if (QWidget* focus = QApplication::focusWidget()) {
                // A control's inner editor (the spin box's line) counts as the control.
                for (QWidget* w = focus; w; w = w->parentWidget())
                    if (!w->objectName().isEmpty()) {
                        reached.insert(w->objectName());
                        break;
                    }
            }
        }
        return reached;
    }

    QTemporaryDir files;
    Fourier::LessonKeeper* keeper = nullptr;
    std::vector<std::string> reported;
};

TEST_F(LessonWindowTest, StateSetByKeysComesBackInAFreshProgramWithItsPictures) {
    Choose(5); // «6. Биения»: track bars 2 and 3
    const int start = form->TrackBar2->Position();
    form->TrackBar2->SetFocus();
    UserInput::PressKey(form->Widget(), Qt::Key_Left);
    UserInput::PressKey(form->Widget(), Qt::Key_Left);
    ASSERT_EQ(form->TrackBar2->Position(), start - 2);
    UserInput::PressKey(form->Widget(), Qt::Key_Return); // analyses the new position
    form->SCheckBox->SetChecked(false);
    form->LRadioGroup->SetItemIndex(1);
    form->SpinEdit1->SetValue(20); // beyond the beats' lines 16 ± d
    form->SSpeedButton->Click();
    UserInput::PressKey(form->Widget(), Qt::Key_F2);
    ASSERT_TRUE(Lab());
    Lab()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Lab()));
    auto* formula = Lab()->findChild<QWidget*>(QStringLiteral("FormulaPane"));
    Lab()->Tabs()->setCurrentWidget(formula);
    auto* field = UserInput::Find(formula, QStringLiteral("FormulaField"));
    field->setFocus();
    UserInput::TypeText(Lab(), QStringLiteral("sin(x)+sin(3*x)/3"));
    UserInput::PressKey(Lab(), Qt::Key_Return);
    UserInput::PressKey(Lab(), Qt::Key_4, Qt::ControlModifier); // «Спектр»
    ASSERT_EQ(Lab()->Tabs()->currentWidget()->objectName(), QStringLiteral("SpectrumView"));
    UserInput::PressKey(Lab(), Qt::Key_3); // mutes harmonic 3 outside a field
    QTest::qWait(5);

    const TLesson made = keeper->Current();
    EXPECT_EQ(made.Waveform, 6);
    EXPECT_EQ(made.Sliders[1], start - 2);
    EXPECT_EQ(made.Harmonic, 20);
    EXPECT_FALSE(made.Sum);
    EXPECT_EQ(made.Last, Fourier::TLessonLast::Cos);
    EXPECT_TRUE(made.Synthesised);
    EXPECT_TRUE(made.LabOpen);
    EXPECT_EQ(made.Tab, "SpectrumView");
    EXPECT_EQ(made.Shown, Fourier::TLessonSource::Formula);
    EXPECT_EQ(made.Formula, "sin(x)+sin(3*x)/3");
    EXPECT_EQ(made.Muted, std::vector<int>{3});

    TLesson notes;
    notes.Title = "Биения до двадцатой";
    notes.Task = "Соберите биения.\nЧто даёт третья гармоника?";
    notes.Hidden = {"SpinEdit1", "Image2", "SamplingView"};
    const QString path = files.filePath(QStringLiteral("урок.fourier"));
    keeper->Save(path, notes);
    const QImage graph = form->Image1->Picture();
    const QImage spectrum = form->Image2->Picture();
    const Fourier::TSamples shown = Lab()->ShownRun().Analysis.Samples;

    StartWindow(true);
    Fourier::InstallLab(*form);
    Install();
    ShowAndActivate();
    keeper->Open(path);
    QTest::qWait(5);

    TLesson expected = made;
    expected.Title = notes.Title;
    expected.Task = notes.Task;
    expected.Hidden = notes.Hidden;
    EXPECT_EQ(keeper->Current(), expected);
    EXPECT_EQ(form->Image1->Picture(), graph);
    EXPECT_EQ(form->Image2->Picture(), spectrum); // drawn, though withheld
    ASSERT_TRUE(Lab() && Lab()->isVisible());
    EXPECT_EQ(Lab()->ShownRun().Analysis.Samples, shown);
    EXPECT_TRUE(keeper->Task()->isVisible());
    EXPECT_EQ(keeper->Task()->Title(), QString::fromStdString(notes.Title));

    // Hidden: gone from the windows and from the tab order, also after another waveform.
    EXPECT_FALSE(form->SpinEdit1->Widget()->isVisible());
    EXPECT_FALSE(form->Image2->Widget()->isVisible());
    EXPECT_TRUE(form->Image1->Widget()->isVisible());
    const int sampling = Lab()->TabNamed(QStringLiteral("SamplingView"));
    EXPECT_FALSE(Lab()->Tabs()->isTabVisible(sampling));
    form->Widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form->Widget()));
    Choose(1);
    EXPECT_FALSE(form->SpinEdit1->Widget()->isVisible());
    const std::set<QString> reached = TabOrder(20);
    EXPECT_FALSE(reached.contains(QStringLiteral("SpinEdit1")));
    EXPECT_TRUE(reached.contains(QStringLiteral("SCheckBox")));
    EXPECT_TRUE(reached.contains(QStringLiteral("LRadioGroup")))
        << QStringList(reached.begin(), reached.end()).join(' ').toStdString();
}

TEST_F(LessonWindowTest, HiddenTabsLoseTheirKeysAndComeBackWithTheNextLesson) {
    TLesson lesson;
    lesson.LabOpen = true;
    lesson.Tab = "SpectrumView"; // hidden: the lab shows the first tab left
    lesson.Hidden = {"SpectrumView", "ConvergenceView"};
    const QString path = files.filePath(QStringLiteral("a.fourier"));
    Fourier::SaveLesson(QFile::encodeName(path).toStdString(), lesson);
    keeper->Open(path);
    ASSERT_TRUE(Lab() && Lab()->isVisible());
    QTabWidget* tabs = Lab()->Tabs();
    EXPECT_EQ(tabs->currentWidget()->objectName(), QStringLiteral("ResidualView"));
    Lab()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Lab()));
    UserInput::PressKey(Lab(), Qt::Key_4, Qt::ControlModifier); // «Спектр»'s key
    EXPECT_EQ(tabs->currentWidget()->objectName(), QStringLiteral("ResidualView"));
    UserInput::PressKey(Lab(), Qt::Key_3, Qt::ControlModifier);
    EXPECT_EQ(tabs->currentWidget()->objectName(), QStringLiteral("CoefficientView"));

    lesson.Hidden = {};
    lesson.Tab = "SpectrumView";
    Fourier::SaveLesson(QFile::encodeName(path).toStdString(), lesson);
    keeper->Open(path);
    EXPECT_TRUE(tabs->isTabVisible(Lab()->TabNamed(QStringLiteral("SpectrumView"))));
    EXPECT_EQ(tabs->currentWidget()->objectName(), QStringLiteral("SpectrumView"));
    EXPECT_FALSE(keeper->Task()->isVisible()); // nothing to say: no window
}

TEST_F(LessonWindowTest, AFileThatCannotBeReadChangesNothing) {
    Choose(1);
    form->SpinEdit1->SetValue(7);
    const TLesson before = keeper->Current();
    const QImage graph = form->Image1->Picture();

    const auto write = [this](const char* name, const std::string& text) {
        const QString path = files.filePath(QLatin1String(name));
        std::ofstream(QFile::encodeName(path).toStdString(), std::ios::binary) << text;
        return path;
    };
    TLesson other;
    other.Waveform = 3;
    other.Hidden = {"ComboBox1"};
    const std::string good = Fourier::FormatLesson(other);
    std::string badHarmonic = good;
    badHarmonic.replace(badHarmonic.find("harmonic 0"), 10, "harmonic 33");
    const std::vector<std::pair<QString, std::string>> cases = {
        {write("cut.fourier", good.substr(0, good.size() - 4)), "оборван"},
        {write("harmonic.fourier", badHarmonic), "Строка"},
        {write("junk.fourier", std::string(10 << 20, 'x')), "1 МБ"},
        {files.filePath(QStringLiteral("missing.fourier")), "missing.fourier"},
    };
    for (const auto& [path, fault] : cases) {
        SCOPED_TRACE(path.toStdString());
        try {
            keeper->Open(path);
            ADD_FAILURE() << "opened";
        } catch (const std::runtime_error& error) {
            const std::string message = error.what();
            EXPECT_NE(message.find(QFileInfo(path).fileName().toStdString()), std::string::npos)
                << message;
            EXPECT_NE(message.find(fault), std::string::npos) << message;
        }
        EXPECT_EQ(keeper->Current(), before);
        EXPECT_EQ(form->Image1->Picture(), graph);
        EXPECT_TRUE(form->ComboBox1->Widget()->isVisible());
        EXPECT_FALSE(Lab()); // not even loaded
    }
}

TEST_F(LessonWindowTest, AnOlderSavedSignalOpensInTheLabsPane) {
    Fourier::TCoefficients coefficients;
    coefficients.Sin[2] = 0.5;
    const QString path = files.filePath(QStringLiteral("signal.fourier"));
    Fourier::SaveSavedWork(QFile::encodeName(path).toStdString(), coefficients);
    keeper->Open(path);
    QTest::qWait(5);
    ASSERT_TRUE(Lab() && Lab()->isVisible());
    EXPECT_EQ(Lab()->Tabs()->currentWidget()->objectName(), QStringLiteral("CoefficientPane"));
    const Fourier::TCoefficients shown = Fourier::CoefficientsOf(Lab()->ShownRun().Analysis);
    EXPECT_NEAR(shown.Sin[2], 0.5, 1e-12);
    EXPECT_NEAR(shown.Sin[1], 0.0, 1e-12);
    EXPECT_EQ(keeper->Current().Shown, Fourier::TLessonSource::Coefficients);
}

TEST_F(LessonWindowTest, KeysOfBothWindowsSaveAndOpenThroughTheTeachersDialog) {
    const QString path = files.filePath(QStringLiteral("keys.fourier"));
    TLesson asked;
    keeper->AskNotes = [&](QWidget*, const TLesson& notes) -> std::optional<TLesson> {
        asked = notes;
        TLesson filled = notes;
        filled.Title = "Ключи";
        filled.Hidden = {"CheckBox3"};
        return filled;
    };
    keeper->ChooseLessonToSave = [&](QWidget*, const QString& name) {
        EXPECT_EQ(name, QStringLiteral("Ключи.fourier")); // named after the title
        return path;
    };
    keeper->ChooseLessonToOpen = [&](QWidget*) { return path; };
    Choose(1);
    UserInput::PressKey(form->Widget(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_TRUE(QFile::exists(path)) << (reported.empty() ? "" : reported.front());
    EXPECT_TRUE(form->CheckBox3->Widget()->isVisible()); // the teacher keeps every control

    // A second save starts the dialog from what the first one gave.
    UserInput::PressKey(form->Widget(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(asked.Title, "Ключи");
    EXPECT_EQ(asked.Hidden, std::vector<std::string>{"CheckBox3"});

    UserInput::PressKey(form->Widget(), Qt::Key_F2);
    ASSERT_TRUE(Lab());
    Lab()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Lab()));
    UserInput::PressKey(Lab(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_FALSE(form->CheckBox3->Widget()->isVisible());
    EXPECT_TRUE(reported.empty());
    // Ctrl+S in the lab keeps saving its picture; the lesson is Ctrl+Shift+S there.
    const auto texts = [](const QList<QAction*>& actions) {
        QStringList list;
        for (const QAction* a : actions)
            list << a->text() + QLatin1Char('=') + a->shortcut().toString();
        return list;
    };
    const QStringList file =
        texts(Lab()->findChild<QMenu*>(QStringLiteral("LabFileMenu"))->actions());
    EXPECT_TRUE(file.contains(QStringLiteral("Сохранить урок…=Ctrl+Shift+S")))
        << file.join(' ').toStdString();
    EXPECT_TRUE(file.contains(QStringLiteral("Открыть урок…=Ctrl+O")));
    const QStringList picture = texts(form->Image1->Widget()->actions());
    EXPECT_TRUE(picture.contains(QStringLiteral("Сохранить урок…=Ctrl+S")));
    EXPECT_TRUE(picture.contains(QStringLiteral("Открыть урок…=Ctrl+O")));
}

TEST(CommandLineTest, FileSeedAndFaults) {
    using Fourier::ReadCommandLine;
    const auto line = [](std::initializer_list<const char*> arguments) {
        QStringList list{QStringLiteral("fourier")};
        for (const char* a : arguments)
            list << QString::fromUtf8(a);
        return ReadCommandLine(list);
    };
    EXPECT_EQ(line({"урок.fourier"}).File, QStringLiteral("урок.fourier"));
    EXPECT_FALSE(line({}).Seed.has_value());
    EXPECT_EQ(line({"--seed", "0"}).Seed, 0u);
    EXPECT_EQ(line({"--seed=18446744073709551615", "a"}).Seed, 18446744073709551615u);
    EXPECT_EQ(line({"--", "-урок.fourier"}).File, QStringLiteral("-урок.fourier"));
    EXPECT_TRUE(line({"--help"}).Help);
    for (const auto& bad : std::vector<std::vector<const char*>>{{"--seed"},
                                                                 {"--seed", "-1"},
                                                                 {"--seed", "18446744073709551616"},
                                                                 {"--seed", "1e3"},
                                                                 {"--seed", " 5"},
                                                                 {"--colour"},
                                                                 {"a.fourier", "b.fourier"}}) {
        QStringList list{QStringLiteral("fourier")};
        for (const char* a : bad)
            list << QString::fromUtf8(a);
        EXPECT_THROW(ReadCommandLine(list), std::invalid_argument) << list.join(' ').toStdString();
    }
}

} // namespace
