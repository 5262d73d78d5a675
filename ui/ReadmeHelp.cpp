#include "ui/ReadmeHelp.h"

#include <string>

#include "framework/AppHelp.h"
#include "framework/MessageBox.h"
#include "framework/MessageText.h"
#include "framework/ModuleText.h"
#include "text/WideConversion.h"
#include "res/resource.h"

void ShowReadme(HWND owner) {
    SendMessageA(owner, WM_CANCELMODE, 0, 0);  // ends a menu or mouse capture
    const DWORD error = OpenReadme(owner);
    if (error == 0) return;
    const std::wstring text = FillIn(LoadResourceText(IDS_README_NOT_OPENED), {ReadmePath(), SystemErrorText(error)});
    DialogMessageBox(owner, CodePageFromWide(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), text.size()).c_str(),
                     MB_OK | MB_ICONINFORMATION);
}
