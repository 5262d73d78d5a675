#include "framework/MessageBox.h"

#include "framework/ModuleText.h"

namespace {

MessageBoxHook& Hook() {
    static MessageBoxHook hook;
    return hook;
}

HWND g_mainWindow = nullptr;

int Show(HWND owner, const std::wstring& text, UINT type) {
    if (Hook()) return Hook()(owner, text, ApplicationName(), type);
    return MessageBoxW(owner, text.c_str(), ApplicationName().c_str(), type);
}

}  // namespace

const std::wstring& ApplicationName() {
    static const std::wstring name = ModuleBaseName();
    return name;
}

int AppMessageBox(const std::wstring& text, UINT type) {
    UINT buttons = type & MB_TYPEMASK;
    bool plainButtons = buttons == MB_OK || buttons == MB_OKCANCEL || buttons == MB_YESNO ||
                        buttons == MB_YESNOCANCEL;
    if ((type & MB_ICONMASK) == 0 && plainButtons) type |= MB_ICONEXCLAMATION;
    return Show(g_mainWindow, text, type);
}

int DialogMessageBox(HWND owner, const std::wstring& text, UINT type) { return Show(owner, text, type); }

void SetMessageBoxHook(MessageBoxHook hook) { Hook() = std::move(hook); }

void SetAppMainWindow(HWND window) { g_mainWindow = window; }
HWND AppMainWindow() { return g_mainWindow; }
