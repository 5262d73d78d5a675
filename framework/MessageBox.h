#pragma once
// Message boxes with the application's name (the executable's base name) as caption. Texts go
// to the wide API as they are: a name outside the code page is shown as itself.
#include <windows.h>

#include <functional>
#include <string>

// The application's box: owned by the main window; adds MB_ICONEXCLAMATION when the type
// has no icon and its buttons are OK, OK/Cancel, Yes/No or Yes/No/Cancel.
int AppMessageBox(const std::wstring& text, UINT type);
// A dialog's own box: owned by the dialog, shows exactly the type given.
int DialogMessageBox(HWND owner, const std::wstring& text, UINT type);

// The executable's file name without its extension.
const std::wstring& ApplicationName();

// Every box goes through this function when set (tests answer boxes without showing them).
// It receives the owner, the text, the caption and the final type.
using MessageBoxHook =
    std::function<int(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type)>;
void SetMessageBoxHook(MessageBoxHook hook);

// The window that owns application message boxes (the main dialog once it exists).
void SetAppMainWindow(HWND window);
HWND AppMainWindow();
