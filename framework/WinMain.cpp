// The program's entry point: hands the command line to the application object and runs its
// start-up. Kept in a file of its own so that only programs without a main() link it.
#include <exception>

#include "framework/WinApp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    CWinApp* app = AfxGetApp();
    if (!app) return 1;
    try {
        app->SetCommandLine(GetCommandLineW());  // wide: a path may hold any character
        app->InitInstance();
    } catch (const std::exception&) {
        return 1;
    }
    return 0;
}
