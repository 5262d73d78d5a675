#pragma once
// Help, from the system menu or F1: the read-me beside the program, or a box that says where
// it belongs when it cannot be opened.
#include <windows.h>

void ShowReadme(HWND owner);
