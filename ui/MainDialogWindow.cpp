// The main dialog's window details: system-menu entries, icons, the minimised picture and help.
#include "framework/ModuleText.h"
#include "ui/AboutDialog.h"
#include "ui/MainDialog.h"
#include "ui/ReadmeHelp.h"
#include "res/resource.h"

void CMainDialog::AddSystemMenuEntries() {
    HMENU menu = GetSystemMenu(Window(), FALSE);
    if (!menu) return;
    const std::wstring about = LoadResourceText(IDS_ABOUT_MENU);
    const std::wstring help = LoadResourceText(IDS_HELP_MENU);
    if (about.empty()) return;
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, IDM_HELP_CONTENTS, help.c_str());
    AppendMenuW(menu, MF_STRING, IDM_ABOUT, about.c_str());
}

void CMainDialog::SetWindowIcons() {
    SendMessageW(Window(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(Window(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

bool CMainDialog::OnSysCommand(WPARAM command) {
    // The system keeps the four low bits for itself.
    switch (command & 0xFFF0) {
    case IDM_ABOUT: {
        CAboutDialog about;
        about.DoModal();
        return true;
    }
    case IDM_HELP_CONTENTS:
        ShowReadme(Window());
        return true;
    default:
        return false;  // minimise, move, close and the rest: the window's own processing
    }
}

bool CMainDialog::OnPaint() {
    if (!IsIconic(Window())) return false;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Window(), &paint);
    SendMessageW(Window(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    int iconWidth = GetSystemMetrics(SM_CXICON);
    int iconHeight = GetSystemMetrics(SM_CYICON);
    RECT client;
    GetClientRect(Window(), &client);
    int x = (client.right - client.left - iconWidth + 1) / 2;
    int y = (client.bottom - client.top - iconHeight + 1) / 2;
    DrawIcon(dc, x, y, icon);
    EndPaint(Window(), &paint);
    return true;
}
