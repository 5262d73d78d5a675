#pragma once
// Finding Quillmark's windows from another process, the way a user's tool would.
#include <windows.h>
#include <string>

#include "../support/WaitUntil.h"

// The main dialog, once shown ("#32770", caption "Quillmark ファイル列挙"), waiting up to timeoutMs.
HWND WaitForMainDialog(DWORD timeoutMs);
// A message box ("#32770") owned by owner with the given caption, waiting up to timeoutMs.
HWND WaitForOwnedBox(HWND owner, const std::string& caption, DWORD timeoutMs);
// The longest static text inside a message box (its message).
std::string BoxMessage(HWND box);
// Waits for a box owned by owner with the caption, answers it with the button answer and waits
// until it has closed; returns its message, or "<no box>" when none appeared in time.
std::string AnswerOwnedBox(HWND owner, const std::string& caption, int answer, DWORD timeoutMs);
