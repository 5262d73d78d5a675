#include "ui/AboutDialog.h"

#include <iterator>
#include <string>

#include "res/ProgramVersion.h"
#include "res/resource.h"

CAboutDialog::CAboutDialog() : CDialog(IDD_ABOUT, nullptr) {}

BOOL CAboutDialog::OnInitDialog() {
    // The number is kept in one place for the box and the version resources alike.
    wchar_t words[128] = L"";
    GetDlgItemTextW(Window(), IDC_ABOUT_VERSION, words, static_cast<int>(std::size(words)));
    SetDlgItemTextW(Window(), IDC_ABOUT_VERSION, (std::wstring(words) + L" " QM_VERSION_WIDE_TEXT).c_str());
    return CDialog::OnInitDialog();
}
