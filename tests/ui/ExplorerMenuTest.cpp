// The system menu's check item for Explorer's menu entry, on the test prefix's own registry.
#include <gtest/gtest.h>

#include <vector>

#include "ScriptedMainDialog.h"
#include "common/ExplorerEntry.h"
#include "support/RegistryText.h"
#include "res/resource.h"

namespace {

const wchar_t kFolderCommand[] = L"Software\\Classes\\Directory\\shell\\Quillmark\\command";

// No entry before the test, none after it, whatever it did.
struct NoEntryAround {
    NoEntryAround() { Remove(); }
    ~NoEntryAround() { Remove(); }
    static void Remove() {
        std::vector<std::wstring> removed;
        RegistryFailure failure;
        UnregisterExplorerEntry(removed, failure);
    }
};

bool Checked(HWND dialog) {
    return (GetMenuState(GetSystemMenu(dialog, FALSE), IDM_EXPLORER_MENU, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

std::string ItemText(HWND dialog) {
    char text[128] = "";
    GetMenuStringA(GetSystemMenu(dialog, FALSE), IDM_EXPLORER_MENU, text, sizeof text, MF_BYCOMMAND);
    return text;
}

TEST(ExplorerMenu, TheCheckItemShowsAndChangesTheEntryAndAStartPointsAMovedOneHere) {
    NoEntryAround clean;
    TempFolder folder;
    ScriptedMainDialog dialog(folder);
    const std::wstring here = L"\"" + dialog.executablePath + L"\" \"%1\"";
    dialog.Run([&](ScriptedMainDialog& d) {
        EXPECT_EQ("エクスプローラーのメニューに追加", ItemText(d.Window()));
        EXPECT_FALSE(Checked(d.Window()));
        SendMessageA(d.Window(), WM_SYSCOMMAND, IDM_EXPLORER_MENU, 0);
        EXPECT_TRUE(Checked(d.Window()));
        EXPECT_EQ(here, RegistryText(kFolderCommand));
        SendMessageA(d.Window(), WM_SYSCOMMAND, IDM_EXPLORER_MENU, 0);
        EXPECT_FALSE(Checked(d.Window()));
        EXPECT_FALSE(RegistryKeyExists(L"Software\\Classes\\Directory\\shell\\Quillmark"));
    });

    // The entry of a copy in a folder since moved: the next start points it here and shows it.
    RegistryFailure failure;
    ASSERT_TRUE(RegisterExplorerEntry(L"C:\\moved away\\quillmark.exe", failure)) << failure.error;
    ScriptedMainDialog moved(folder);
    moved.Run([&](ScriptedMainDialog& d) {
        EXPECT_TRUE(Checked(d.Window()));
        EXPECT_EQ(here, RegistryText(kFolderCommand));
        EXPECT_EQ(L"\"" + d.executablePath + L"\" \"%V\"",
                  RegistryText(L"Software\\Classes\\Directory\\Background\\shell\\Quillmark\\command"));
    });
}

}  // namespace
