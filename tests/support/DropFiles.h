#pragma once
// A shell drop built by hand: the DROPFILES block the shell hands to WM_DROPFILES, with a
// UTF-16 path list as the shell makes it. Whoever receives the message releases it with
// DragFinish.
#include <windows.h>
#include <shellapi.h>
#include <string>
#include <vector>

// A movable global block: the header, then each path with its zero, then one more zero.
HDROP MakeDrop(const std::vector<std::wstring>& paths);
// The same for paths in the ANSI code page.
HDROP MakeDrop(const std::vector<std::string>& paths);
// Posts WM_DROPFILES with the paths to a window of another process. The block is written into
// that process's memory, where the shell's drop block would be: a handle of this process would
// mean nothing there.
bool PostDropTo(HWND window, const std::vector<std::string>& paths);
