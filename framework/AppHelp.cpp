#include "framework/AppHelp.h"

#include "framework/MessageBox.h"
#include "framework/ModuleText.h"

namespace {

HelpEngine& Engine() {
    static HelpEngine engine;
    return engine;
}

BOOL CallEngine(HWND window, const wchar_t* helpFile, UINT command, ULONG_PTR data) {
    if (Engine()) return Engine()(window, helpFile, command, data);
    return WinHelpW(window, helpFile, command, data);
}

}  // namespace

std::wstring HelpFilePath() { return PathWithoutExtension(ModulePath()) + L".HLP"; }

void ShowAppHelp(ULONG_PTR data, UINT command, UINT failureMessageId) {
    HWND main = AppMainWindow();
    if (main) SendMessageW(main, WM_CANCELMODE, 0, 0);  // ends a menu or mouse capture
    HCURSOR previous = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    BOOL started = CallEngine(main, HelpFilePath().c_str(), command, data);
    SetCursor(previous);
    if (!started) AppMessageBox(LoadResourceText(failureMessageId), MB_OK);
}

void ShowContextHelp(const HELPINFO& request, UINT failureMessageId) {
    ShowAppHelp(static_cast<ULONG_PTR>(request.iCtrlId), HELP_CONTEXTPOPUP, failureMessageId);
}

void SetHelpEngine(HelpEngine engine) { Engine() = std::move(engine); }
