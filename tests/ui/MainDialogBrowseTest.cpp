// The folder and output buttons with the system's real dialogs, answered by a ModalDriver.
#include <windows.h>
#include <commctrl.h>
#include <dlgs.h>
#include <gtest/gtest.h>

#include "ScriptedMainDialog.h"
#include "support/ModalDriver.h"
#include "res/resource.h"

namespace {

// Controls of the system's file dialog (dlgs.h).
const int kFileTypeCombo = cmb1;
const int kReadOnlyCheck = chx1;
const int kFileNameCombo = cmb13;
const int kFileNameEdit = edt1;

// The kinds of output the built-in list offers.
const std::vector<std::string> kKinds = {"テキスト (*.txt)", "HTML ドキュメント (*.html;*.htm)", "CSV (*.csv)",
                                         "JSON Lines (*.jsonl)", "SFV (*.sfv)", "すべてのファイル (*.*)"};

void SetFileName(HWND fileDialog, const std::string& name) {
    HWND field = GetDlgItem(fileDialog, kFileNameCombo);
    if (!field) field = GetDlgItem(fileDialog, kFileNameEdit);
    SetWindowTextA(field, name.c_str());
}

std::string FileName(HWND fileDialog) {
    return ItemText(fileDialog, GetDlgItem(fileDialog, kFileNameCombo) ? kFileNameCombo : kFileNameEdit);
}

std::string LongName(const std::string& path) {
    char name[1024];
    DWORD n = GetLongPathNameA(path.c_str(), name, sizeof name);
    return n > 0 && n < sizeof name ? std::string(name, n) : path;
}

TEST(OutputButton, BuiltInFilterAndExtensionAndTheChosenPathLands) {
    TempFolder folder;
    ScriptedMainDialog dialog(folder);
    dialog.Run([&](ScriptedMainDialog& d) {
        std::string typed = folder / "一覧";
        SetDlgItemTextA(d.Window(), IDC_MAIN_OUTPUT, typed.c_str());
        ModalDriver driver(d.Window());
        driver.Then([&](HWND f) {
            EXPECT_EQ(ComboItems(GetDlgItem(f, kFileTypeCombo)), kKinds);
            EXPECT_EQ(SendMessageA(GetDlgItem(f, kFileTypeCombo), CB_GETCURSEL, 0, 0), 0);
            HWND readOnly = GetDlgItem(f, kReadOnlyCheck);
            EXPECT_TRUE(!readOnly || !IsWindowVisible(readOnly));
            EXPECT_NE(FileName(f).find("一覧"), std::string::npos);
            PostClick(f, IDOK);
        });
        d.Click(IDC_MAIN_BROWSE_OUTPUT);
        EXPECT_TRUE(driver.Finished());
        EXPECT_EQ(LongName(Narrow(d.options.outputPath).substr(0, Narrow(d.options.outputPath).rfind('\\'))), LongName(folder.Path()));
        EXPECT_EQ(Narrow(d.options.outputPath).substr(Narrow(d.options.outputPath).rfind('\\')), "\\一覧.txt");
        EXPECT_EQ(Narrow(d.options.outputPath), ItemText(d.Window(), IDC_MAIN_OUTPUT));
    });
}

TEST(OutputButton, TheKindChosenGivesANameWithoutExtensionItsOwn) {
    TempFolder folder;
    ScriptedMainDialog dialog(folder);
    dialog.Run([&](ScriptedMainDialog& d) {
        for (int kind : {2, 3, 4}) {
            ModalDriver driver(d.Window());
            driver.Then([&](HWND f) {
                HWND kinds = GetDlgItem(f, kFileTypeCombo);
                SendMessageA(kinds, CB_SETCURSEL, static_cast<WPARAM>(kind), 0);
                // As a user's choice ends: the change, then the choice made.
                for (int notice : {CBN_SELCHANGE, CBN_SELENDOK})
                    SendMessageA(f, WM_COMMAND, MAKEWPARAM(kFileTypeCombo, static_cast<WORD>(notice)), reinterpret_cast<LPARAM>(kinds));
                SetFileName(f, folder / "一覧");
                PostClick(f, IDOK);
            });
            d.Click(IDC_MAIN_BROWSE_OUTPUT);
            EXPECT_TRUE(driver.Finished());
            const std::string chosen = Narrow(d.options.outputPath);
            EXPECT_EQ(chosen.substr(chosen.rfind('\\')), std::string("\\一覧") + (kind == 2 ? ".csv" : kind == 3 ? ".jsonl" : ".sfv"));
        }
    });
}

TEST(OutputButton, SettingsFileFilterReplacesTheListAndAnExistingFileAsksFirst) {
    TempFolder folder;
    // A list without its closing "||", and an extension of the user's own.
    std::string ini = folder / "qmtest.ini";
    WritePrivateProfileStringA("SAVEFILE", "FILTER", "CSV表(*.CSV)|*.CSV|ポ(*.PO)|*.PO", ini.c_str());
    WritePrivateProfileStringA("SAVEFILE", "DEFAULT", "csv", ini.c_str());
    std::string existing = folder.WriteFile("old.csv", "keep");
    ScriptedMainDialog dialog(folder);
    dialog.Run([&](ScriptedMainDialog& d) {
        SetDlgItemTextA(d.Window(), IDC_MAIN_OUTPUT, existing.c_str());
        ModalDriver driver(d.Window());
        HWND fileDialog = nullptr;
        driver
            .Then([&](HWND f) {
                fileDialog = f;
                EXPECT_EQ(ComboItems(GetDlgItem(f, kFileTypeCombo)), (std::vector<std::string>{"CSV表(*.CSV)", "ポ(*.PO)"}));
                PostClick(f, IDOK);  // the existing file: a question comes first
            })
            .Then([&](HWND question) {
                EXPECT_EQ(GetWindow(question, GW_OWNER), fileDialog);
                PostClick(question, IDNO);  // declining keeps the file dialog open
            })
            .Then([&](HWND f) {
                // Enabled again after the question: a new name without extension.
                EXPECT_EQ(f, fileDialog);
                SetFileName(f, folder / "新");
                PostClick(f, IDOK);
            });
        d.Click(IDC_MAIN_BROWSE_OUTPUT);
        EXPECT_TRUE(driver.Finished());
        EXPECT_EQ(Narrow(d.options.outputPath).substr(Narrow(d.options.outputPath).rfind('\\')), "\\新.csv");
        EXPECT_EQ(ReadWholeFile(existing), "keep");
    });
}

}  // namespace

namespace {

// Whether the browse dialog's selected tree item becomes `expected` in time (the shell may
// select the preset folder a little after the dialog shows).
bool AwaitTreeSelection(HWND browser, const std::string& expected, DWORD timeoutMs) {
    HWND tree = nullptr;
    EnumChildWindows(browser, [](HWND child, LPARAM found) {
        char className[32] = "";
        GetClassNameA(child, className, sizeof className);
        if (std::string(className) != WC_TREEVIEWA) return TRUE;
        *reinterpret_cast<HWND*>(found) = child;
        return FALSE;
    }, reinterpret_cast<LPARAM>(&tree));
    return tree && WaitUntil([&] {
        char text[260] = "";
        TVITEMA item = {};
        item.mask = TVIF_TEXT;
        item.hItem = TreeView_GetSelection(tree);
        item.pszText = text;
        item.cchTextMax = sizeof text;
        return item.hItem && TreeView_GetItem(tree, &item) && expected == text;
    }, timeoutMs);
}

TEST(FolderButton, OpensOnTheTypedFolderAndOkTakesIt) {
    TempFolder folder;
    std::string typed = folder.MakeDir("データ\\表");
    ScriptedMainDialog dialog(folder);
    dialog.Run([&](ScriptedMainDialog& d) {
        SetDlgItemTextA(d.Window(), IDC_MAIN_FOLDER, typed.c_str());
        // Under Wine the first browse after a new build may still be reading the drives and drop
        // the preselection; a second opening (after a cancel, which keeps the text) shows
        // whether the program asks for it.
        bool preselected = false;
        for (int attempt = 0; attempt < 2 && !preselected; ++attempt) {
            ModalDriver driver(d.Window());
            driver.Then([&](HWND b) {
                EXPECT_EQ(GetWindow(b, GW_OWNER), d.Window());
                preselected = AwaitTreeSelection(b, "表", 5000);
                PostClick(b, preselected ? IDOK : IDCANCEL);
            });
            d.Click(IDC_MAIN_BROWSE_FOLDER);
            EXPECT_TRUE(driver.Finished());
        }
        EXPECT_TRUE(preselected) << "the typed folder is preselected";
        EXPECT_EQ(LongName(Narrow(d.options.folder)), LongName(typed));
        EXPECT_EQ(Narrow(d.options.folder), ItemText(d.Window(), IDC_MAIN_FOLDER));
    });
}

TEST(FolderButton, CancelKeepsTheTypedTextWhole) {
    TempFolder folder;
    ScriptedMainDialog dialog(folder);
    dialog.Run([&](ScriptedMainDialog& d) {
        // Longer than a path buffer: handed to the browser whole and kept whole.
        std::string typed = "C:\\" + std::string(300, 'x') + "\\ない";
        SetDlgItemTextA(d.Window(), IDC_MAIN_FOLDER, typed.c_str());
        ModalDriver driver(d.Window());
        driver.Then([&](HWND b) { PostClick(b, IDCANCEL); });
        d.Click(IDC_MAIN_BROWSE_FOLDER);
        EXPECT_TRUE(driver.Finished());
        EXPECT_EQ(Narrow(d.options.folder), typed);
        EXPECT_EQ(ItemText(d.Window(), IDC_MAIN_FOLDER), typed);
    });
}

}  // namespace
