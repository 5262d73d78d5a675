#pragma once
// The choices for one dropped file: list its folder, filter by its extension, make it the
// output file, or list this one file now. The last excludes the other three. Every dialog
// opens with all four boxes clear.
#include <windows.h>
#include <cstdint>

#include "framework/Dialog.h"

class CDropDialog : public CDialog {
public:
    explicit CDropDialog(HWND owner);

    // Check states (0 clear, 1 checked), read when the dialog ends with OK.
    int32_t extensionFilter = 0;  // check 1022
    int32_t sameFolder = 0;       // check 1021
    int32_t outputFile = 0;       // check 1023
    int32_t showFile = 0;         // check 1025

protected:
    bool OnButtonClicked(WORD id) override;
    void Exchange(DataExchange& dx) override;
};
