#include "ui/AboutDialog.h"

#include "framework/Strings.h"
#include "res/ProgramVersion.h"
#include "res/resource.h"

CAboutDialog::CAboutDialog() : CDialog(IDD_ABOUT, nullptr) {}

BOOL CAboutDialog::OnInitDialog() {
    // The number is kept in one place for the box and the version resources alike.
    char words[128] = "";
    GetDlgItemTextA(Window(), IDC_ABOUT_VERSION, words, sizeof words);
    SetDlgItemTextA(Window(), IDC_ABOUT_VERSION, (CString(words) + " " QM_VERSION_TEXT).c_str());
    return CDialog::OnInitDialog();
}
