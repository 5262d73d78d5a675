// The one application object and the program's start.
#include "ui/ListerApp.h"

#include "common/CommandLineToken.h"
#include "framework/ModuleText.h"
#include "ui/MainDialog.h"

CListerApp theApp;

CListerApp::~CListerApp() = default;

BOOL CListerApp::InitInstance() {
    EnableVisualControls();
    CMainDialog dialog(FirstCommandLineToken(CommandArguments()), ModulePath());
    dialog.DoModal();
    return FALSE;  // no message loop after the dialog: the program ends
}
