#pragma once
// The choices for one dropped file: list its folder, filter by its extension, make it the
// output file, or list this one file now. The last excludes the other three. Every dialog
// opens with all four boxes clear.
#include <windows.h>

#include "framework/Dialog.h"

class CDropDialog : public CDialog {
public:
    explicit CDropDialog(HWND owner);

    // The choices, read when the dialog ends with OK.
    bool extensionFilter = false;  // filter by the file's extension
    bool sameFolder = false;       // list the file's folder
    bool outputFile = false;       // make the file the output file
    bool showFile = false;         // list this one file now

protected:
    bool OnButtonClicked(WORD id) override;
    void Exchange(DataExchange& dx) override;
};
