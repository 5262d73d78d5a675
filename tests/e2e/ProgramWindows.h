#pragma once
// Finding Quillmark's windows from another process, the way a user's tool would.
#include <windows.h>
#include <functional>
#include <string>

// The main dialog, once shown ("#32770", caption "Quillmark ファイル列挙"), waiting up to timeoutMs.
HWND WaitForMainDialog(DWORD timeoutMs);
// A message box ("#32770") owned by owner with the given caption, waiting up to timeoutMs.
HWND WaitForOwnedBox(HWND owner, const std::string& caption, DWORD timeoutMs);
// The longest static text inside a message box (its message).
std::string BoxMessage(HWND box);
// Polls until done() or the time is up; returns done().
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs);
