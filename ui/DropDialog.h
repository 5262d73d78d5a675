#pragma once
// The choices for one dropped file: list its folder, filter by its extension, make it the
// output file, list this one file now, or, for a checksum file, check the files it names.
// Each of the last two excludes the other choices. Every dialog opens with all boxes clear.
#include <windows.h>

#include "framework/Dialog.h"

class CDropDialog : public CDialog {
public:
    // offerVerify: the file is a checksum file, so checking it is a choice.
    CDropDialog(HWND owner, bool offerVerify);

    // The choices, read when the dialog ends with OK.
    bool extensionFilter = false;  // filter by the file's extension
    bool sameFolder = false;       // list the file's folder
    bool outputFile = false;       // make the file the output file
    bool showFile = false;         // list this one file now
    bool verify = false;           // check the files the checksum file names

protected:
    BOOL OnInitDialog() override;
    bool OnButtonClicked(WORD id) override;
    void Exchange(DataExchange& dx) override;

private:
    // Clears every choice but the one just ticked, when that one excludes the rest.
    void KeepOnly(bool& chosen);

    const bool offerVerify_;
};
