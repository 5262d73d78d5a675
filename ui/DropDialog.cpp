#include "ui/DropDialog.h"

#include "res/resource.h"

CDropDialog::CDropDialog(HWND owner) : CDialog(IDD_DROP, owner) {}

void CDropDialog::Exchange(DataExchange& dx) {
    dx.Check(IDC_DROP_EXTENSION_FILTER, extensionFilter);
    dx.Check(IDC_DROP_SAME_FOLDER, sameFolder);
    dx.Check(IDC_DROP_OUTPUT_FILE, outputFile);
    dx.Check(IDC_DROP_SHOW_FILE, showFile);
}

bool CDropDialog::OnButtonClicked(WORD id) {
    switch (id) {
    case IDC_DROP_SHOW_FILE:
        // Listing the file now leaves nothing for the other choices to change.
        UpdateData(true);
        if (showFile) {
            extensionFilter = sameFolder = outputFile = false;
            UpdateData(false);
        }
        return true;
    case IDC_DROP_SAME_FOLDER:
    case IDC_DROP_EXTENSION_FILTER:
    case IDC_DROP_OUTPUT_FILE:
        // Any change to the other choices means the file is not just to be shown.
        UpdateData(true);
        showFile = false;
        UpdateData(false);
        return true;
    default:
        return false;
    }
}
