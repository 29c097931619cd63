// Start-up: the toolkit, the application title and icon, the main window, the event loop.
#include "AppIcon.h"
#include "LabLauncher.h"
#include "Unit1.h"

int main(int argc, char** argv) {
    using namespace Fourier;
    Toolkit::Application::SetTitle(Toolkit::ProgramTitle); // also names it if it cannot start
    Toolkit::Application::TSession session(argc, argv);
    Toolkit::Application::SetDesktopEntry(FOURIER_APP_ID);
    SetApplicationIcon();
    TForm1 Form1;
    InstallLab(Form1);
    Form1.Show();
    return Toolkit::Application::Run();
}
