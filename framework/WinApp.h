#pragma once
// The application object: one global instance, whose InitInstance the framework's WinMain
// calls once at start-up. There is no message loop of the framework's own: a program built on
// modal dialogs runs them inside InitInstance and returns FALSE to end.
#include <windows.h>

#include "framework/Strings.h"

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Start-up work; FALSE ends the program when it returns.
    virtual BOOL InitInstance() = 0;

    // What follows the program's own name on the command line.
    const CString& CommandArguments() const { return commandArguments_; }
    void SetCommandArguments(const char* arguments);

private:
    CString commandArguments_;
};

// The one application object, or null before it is constructed.
CWinApp* AfxGetApp();

// Loads the common controls so that dialogs get today's visual styles (with the manifest).
void EnableVisualControls();
