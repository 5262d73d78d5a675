#pragma once
// The application object: one global instance, whose InitInstance the framework's WinMain
// calls once at start-up. There is no message loop of the framework's own: a program built on
// modal dialogs runs them inside InitInstance and returns FALSE to end.
#include <windows.h>

#include <string>

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Start-up work; FALSE ends the program when it returns.
    virtual BOOL InitInstance() = 0;

    // What follows the program's own name on the command line, every character kept.
    const std::wstring& CommandArguments() const { return commandArguments_; }
    // Takes the arguments from a whole command line (the program's name first).
    void SetCommandLine(const wchar_t* commandLine);

private:
    std::wstring commandArguments_;
};

// The one application object, or null before it is constructed.
CWinApp* AfxGetApp();

// Loads the common controls so that dialogs get today's visual styles (with the manifest).
void EnableVisualControls();
