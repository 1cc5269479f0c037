// The program: the application object, the main window, the message loop. It reads no
// command line, environment or settings.
#include "TApplication.h"
#include "Unit7.h"

int main() {
    tk::TApplication application;
    tk::Application->Initialize();
    tk::Application->SetMainFormOnTaskBar(true);
    tk::Application->CreateForm(Form7);
    tk::Application->Run();
    return 0;
}
