// The main dialog's system menu, about box, drag icon and help requests.
#include <gtest/gtest.h>

#include <vector>

#include "ScriptedMainDialog.h"
#include "framework/AppHelp.h"
#include "framework/ModuleText.h"
#include "support/ModalDriver.h"
#include "res/resource.h"

namespace {

struct MenuItem {
    UINT type;
    UINT id;
    std::string text;
};

MenuItem ItemAt(HMENU menu, int position) {
    char text[128] = "";
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = sizeof text;
    GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info);
    return {info.fType, info.wID, text};
}

TEST(MainDialogWindow, SystemMenuEndsWithHelpAndAbout) {
    TempFolder folder;
    ScriptedMainDialog dialog(folder);
    dialog.Run([&](ScriptedMainDialog& d) {
        HMENU menu = GetSystemMenu(d.Window(), FALSE);
        int count = GetMenuItemCount(menu);
        ASSERT_GE(count, 3);
        EXPECT_TRUE(ItemAt(menu, count - 3).type & MFT_SEPARATOR);
        MenuItem help = ItemAt(menu, count - 2), about = ItemAt(menu, count - 1);
        EXPECT_EQ(help.text, "ヘルプ(&H)");
        EXPECT_EQ(help.id, static_cast<UINT>(IDM_HELP_CONTENTS));
        EXPECT_EQ(about.text, "Quillmark のﾊﾞｰｼﾞｮﾝ情報(&A)...");
        EXPECT_EQ(about.id, static_cast<UINT>(IDM_ABOUT));
        HICON dragIcon = reinterpret_cast<HICON>(SendMessageA(d.Window(), WM_QUERYDRAGICON, 0, 0));
        EXPECT_NE(dragIcon, nullptr);
        EXPECT_EQ(dragIcon, d.icon);
    });
}

TEST(MainDialogWindow, AboutBoxOnCommand16WithAnyLowBitsAndEveryWayToClose) {
    TempFolder folder;
    ScriptedMainDialog dialog(folder);
    dialog.Run([&](ScriptedMainDialog& d) {
        using Close = void (*)(HWND);
        struct Case {
            WPARAM command;
            Close close;
        };
        std::vector<Case> cases = {
            {IDM_ABOUT, [](HWND a) { PostClick(a, IDOK); }},
            {IDM_ABOUT | 0x7, [](HWND a) { PostMessageA(GetDlgItem(a, IDOK), WM_KEYDOWN, VK_ESCAPE, 1); }},
            {IDM_ABOUT | 0xF, [](HWND a) { PostMessageA(a, WM_SYSCOMMAND, SC_CLOSE, 0); }},
        };
        for (const Case& c : cases) {
            ModalDriver driver(d.Window());
            driver.Then([&](HWND a) {
                EXPECT_EQ(GetWindow(a, GW_OWNER), d.Window());
                EXPECT_FALSE(IsWindowEnabled(d.Window()));
                char caption[64];
                GetWindowTextA(a, caption, sizeof caption);
                EXPECT_STREQ(caption, "Quillmarkのﾊﾞｰｼﾞｮﾝ情報");
                HWND picture = FindWindowExA(a, nullptr, "Static", nullptr);
                EXPECT_NE(SendMessageA(picture, STM_GETICON, 0, 0), 0);
                HWND text = FindWindowExA(a, picture, "Static", nullptr);
                char shown[64];
                GetWindowTextA(text, shown, sizeof shown);
                EXPECT_STREQ(shown, "ファイル列挙\x81\x40Quillmark Version 1.5");
                c.close(a);
            });
            SendMessageA(d.Window(), WM_SYSCOMMAND, c.command, 0);
            EXPECT_TRUE(driver.Finished()) << c.command;
            EXPECT_TRUE(IsWindowEnabled(d.Window()));
        }
    });
}

struct OpenCall {
    HWND window;
    std::wstring path;
};

// Records what help asks the shell to open, answering as the shell would.
class OpenRecorder {
public:
    explicit OpenRecorder(DWORD answer) {
        SetDocumentOpener([this, answer](HWND w, const std::wstring& path) {
            calls.push_back({w, path});
            return answer;
        });
    }
    ~OpenRecorder() { SetDocumentOpener(nullptr); }
    std::vector<OpenCall> calls;
};

// README.txt beside the test program while it lives, as the zip puts it beside quillmark.exe.
class ReadmeBesideProgram {
public:
    ReadmeBesideProgram() {
        HANDLE file = CreateFileW(ReadmePath().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        CloseHandle(file);
    }
    ~ReadmeBesideProgram() { DeleteFileW(ReadmePath().c_str()); }
};

void PressF1On(HWND dialog, int controlId) {
    HELPINFO info = {sizeof info, HELPINFO_WINDOW, controlId, GetDlgItem(dialog, controlId), 0, {0, 0}};
    EXPECT_EQ(SendMessageA(dialog, WM_HELP, 0, reinterpret_cast<LPARAM>(&info)), TRUE);
}

TEST(MainDialogWindow, HelpItemAndF1OpenTheReadmeBesideTheProgram) {
    TempFolder folder;
    ScriptedMainDialog dialog(folder);
    dialog.Run([&](ScriptedMainDialog& d) {
        ReadmeBesideProgram readme;
        MessageBoxRecorder boxes;
        HWND templateDialog = nullptr;
        {
            OpenRecorder shell(0);
            SendMessageA(d.Window(), WM_SYSCOMMAND, IDM_HELP_CONTENTS | 0x3, 0);
            PressF1On(d.Window(), IDC_MAIN_OUTPUT);
            ModalDriver driver(d.Window());
            driver.Then([&](HWND t) {
                templateDialog = t;
                PressF1On(t, IDC_TEMPLATE_REPEAT);
                PostClick(t, IDCANCEL);
            });
            d.Click(IDC_MAIN_EDIT_TEMPLATE);
            ASSERT_EQ(shell.calls.size(), 3u);
            for (const OpenCall& call : shell.calls) EXPECT_EQ(call.path, ProgramFolder() + L"README.txt");
            EXPECT_EQ(shell.calls[0].window, d.Window());
            EXPECT_EQ(shell.calls[2].window, templateDialog);
        }
        EXPECT_TRUE(boxes.Boxes().empty());
    });
}

TEST(MainDialogWindow, HelpWithoutTheReadmeSaysWhereItBelongs) {
    TempFolder folder;
    ScriptedMainDialog dialog(folder);
    dialog.Run([&](ScriptedMainDialog& d) {
        DeleteFileW(ReadmePath().c_str());
        MessageBoxRecorder boxes;
        SendMessageA(d.Window(), WM_SYSCOMMAND, IDM_HELP_CONTENTS, 0);
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        const std::string text = boxes.Boxes()[0].text;
        EXPECT_EQ(0u, text.find("説明書を開けません: " + Narrow(ReadmePath()) + "\r\n(")) << text;
        EXPECT_NE(std::string::npos, text.find("README.txt は配布の zip に入っています")) << text;
    });
}

}  // namespace
