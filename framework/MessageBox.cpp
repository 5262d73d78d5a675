#include "framework/MessageBox.h"

#include "framework/ModuleText.h"

namespace {

MessageBoxHook& Hook() {
    static MessageBoxHook hook;
    return hook;
}

HWND g_mainWindow = nullptr;

int Show(HWND owner, const char* text, UINT type) {
    if (Hook()) return Hook()(owner, text, ApplicationName(), type);
    return MessageBoxA(owner, text, ApplicationName(), type);
}

}  // namespace

const char* ApplicationName() {
    static const CString name = ModuleBaseName();
    return name.c_str();
}

int AppMessageBox(const char* text, UINT type) {
    UINT buttons = type & MB_TYPEMASK;
    bool plainButtons = buttons == MB_OK || buttons == MB_OKCANCEL || buttons == MB_YESNO ||
                        buttons == MB_YESNOCANCEL;
    if ((type & MB_ICONMASK) == 0 && plainButtons) type |= MB_ICONEXCLAMATION;
    return Show(g_mainWindow, text, type);
}

int DialogMessageBox(HWND owner, const char* text, UINT type) { return Show(owner, text, type); }

void SetMessageBoxHook(MessageBoxHook hook) { Hook() = std::move(hook); }

void SetAppMainWindow(HWND window) { g_mainWindow = window; }
HWND AppMainWindow() { return g_mainWindow; }
