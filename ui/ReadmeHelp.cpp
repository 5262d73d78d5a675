#include "ui/ReadmeHelp.h"

#include <string>

#include "framework/AppHelp.h"
#include "framework/MessageBox.h"
#include "framework/MessageText.h"
#include "framework/ModuleText.h"
#include "res/resource.h"

void ShowReadme(HWND owner) {
    SendMessageW(owner, WM_CANCELMODE, 0, 0);  // ends a menu or mouse capture
    const DWORD error = OpenReadme(owner);
    if (error == 0) return;
    const std::wstring text = FillIn(LoadResourceText(IDS_README_NOT_OPENED), {ReadmePath(), SystemErrorText(error)});
    DialogMessageBox(owner, text, MB_OK | MB_ICONINFORMATION);
}
