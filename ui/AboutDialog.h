#pragma once
// The version information box: the program's icon, its name and version.
#include "framework/Dialog.h"

class CAboutDialog : public CDialog {
public:
    // Owned by the application's main window.
    CAboutDialog();

protected:
    // Adds the version number to the template's text.
    BOOL OnInitDialog() override;
};
