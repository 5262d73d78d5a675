#pragma once
// Reading and pressing a dialog's controls; the messages work for another process's dialog too.
#include <windows.h>
#include <string>
#include <vector>

// A window's text (a dialog's caption), and a control's, of any length.
std::string WindowText(HWND window);
std::string ItemText(HWND dialog, int id);
void SetItemText(HWND dialog, int id, const std::string& text);
// Posts a button's click notice, to be handled in the dialog's own message loop.
bool PostClick(HWND dialog, int id);
// A real click (BM_CLICK, sent): toggles an automatic check box and sends its notice.
void ClickIn(HWND dialog, int id);
bool IsCheckedIn(HWND dialog, int id);
// The texts of a combo box's list.
std::vector<std::string> ComboItems(HWND combo);
