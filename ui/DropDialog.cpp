#include "ui/DropDialog.h"

#include "res/resource.h"

CDropDialog::CDropDialog(HWND owner, bool offerVerify) : CDialog(IDD_DROP, owner), offerVerify_(offerVerify) {}

BOOL CDropDialog::OnInitDialog() {
    const BOOL result = CDialog::OnInitDialog();
    EnableItem(IDC_DROP_VERIFY, offerVerify_);
    return result;
}

void CDropDialog::Exchange(DataExchange& dx) {
    dx.Check(IDC_DROP_EXTENSION_FILTER, extensionFilter);
    dx.Check(IDC_DROP_SAME_FOLDER, sameFolder);
    dx.Check(IDC_DROP_OUTPUT_FILE, outputFile);
    dx.Check(IDC_DROP_SHOW_FILE, showFile);
    dx.Check(IDC_DROP_VERIFY, verify);
}

void CDropDialog::KeepOnly(bool& chosen) {
    UpdateData(true);
    if (!chosen) return;
    const bool kept = chosen;
    extensionFilter = sameFolder = outputFile = showFile = verify = false;
    chosen = kept;
    UpdateData(false);
}

bool CDropDialog::OnButtonClicked(WORD id) {
    switch (id) {
    case IDC_DROP_SHOW_FILE:
        // Listing the file now leaves nothing for the other choices to change.
        KeepOnly(showFile);
        return true;
    case IDC_DROP_VERIFY:
        // Checking reads the files the checksum file names; nothing else is done then.
        KeepOnly(verify);
        return true;
    case IDC_DROP_SAME_FOLDER:
    case IDC_DROP_EXTENSION_FILTER:
    case IDC_DROP_OUTPUT_FILE:
        // Any change to the other choices means the file is neither to be shown nor checked.
        UpdateData(true);
        showFile = verify = false;
        UpdateData(false);
        return true;
    default:
        return false;
    }
}
