#pragma once
// The application: shows the main dialog and ends when it closes.
#include "framework/WinApp.h"

class CListerApp : public CWinApp {
public:
    CListerApp() = default;
    ~CListerApp() override;
    BOOL InitInstance() override;
};
