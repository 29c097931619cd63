// Start-up: the toolkit, the application title and icon, the main window, the event loop.
#include "AppIcon.h"
#include "LabLauncher.h"
#include "Unit1.h"

int main(int argc, char** argv) {
    Toolkit::Application::SetTitle("Фурье"); // also names the program if it cannot start
    Toolkit::Application::TSession session(argc, argv);
    Toolkit::Application::SetDesktopEntry(FOURIER_APP_ID);
    Fourier::SetApplicationIcon();
    TForm1 Form1;
    Fourier::InstallLab(Form1);
    Form1.Show();
    return Toolkit::Application::Run();
}
