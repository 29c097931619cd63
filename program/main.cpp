// Start-up: the toolkit, the language, the application title and icon, the main window,
// the lab and lessons, what the command line asks for, the event loop.
#include "AppIcon.h"
#include "CommandLine.h"
#include "LabInterface.h"
#include "LabLauncher.h"
#include "Language.h"
#include "LanguageChoice.h"
#include "Lessons.h"
#include "Unit1.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <cstdio>
#include <stdexcept>

int main(int argc, char** argv) {
    using namespace Fourier;
    Toolkit::Application::SetTitle(Toolkit::ProgramTitle); // also names it if it cannot start
    Toolkit::Application::TSession session(argc, argv);
    // The language chosen last time, unless the command line names one for this run.
    UseLanguage(RememberedLanguage().value_or(TLanguage::Russian));
    TCommandLine line;
    try {
        line = ReadCommandLine(QCoreApplication::arguments());
    } catch (const std::invalid_argument& error) {
        std::fprintf(stderr, "fourier: %s\n", error.what());
        return 2;
    }
    if (line.Language) UseLanguage(*line.Language);
    if (line.Help) {
        std::fputs(CommandLineHelp().toLocal8Bit().constData(), stdout);
        return 0;
    }
    Toolkit::Application::SetDesktopEntry(FOURIER_APP_ID);
    SetApplicationIcon();
    TForm1 Form1;
    InstallLab(Form1);
    LessonKeeper& lessons = InstallLessons(Form1);
    InstallLanguageChoice(Form1);
    if (const auto seed = line.Seed)
        WhenLabLoaded(Form1.Widget(), [seed](TLab& lab, QMainWindow&) { lab.SetGameSeed(*seed); });
    Form1.Show();
    // A file that cannot be opened is reported; the program goes on as if started without it.
    if (!line.File.isEmpty()) Toolkit::Dispatch([&] { lessons.Open(line.File); });
    return Toolkit::Application::Run();
}
