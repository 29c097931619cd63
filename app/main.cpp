// Start-up: the toolkit, the application title, the main window, the event loop.
#include "AppIcon.h"
#include "LabLauncher.h"
#include "Unit1.h"

int main(int argc, char** argv) {
    Toolkit::Application::TSession session(argc, argv);
    Toolkit::Application::SetTitle("Фурье");
    Toolkit::TBitmap icon;
    DrawAppIcon(icon);
    Toolkit::Application::SetIcon(icon);
    TForm1 Form1;
    Fourier::InstallLab(Form1);
    Form1.Show();
    return Toolkit::Application::Run();
}
