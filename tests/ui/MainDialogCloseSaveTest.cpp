// Cancel (stop or close) and the Save button: what reaches the settings file.
#include <gtest/gtest.h>

#include "ScriptedMainDialog.h"
#include "framework/MessageBox.h"
#include "support/DialogItems.h"
#include "res/resource.h"

namespace {

// Every box is the one report of a settings file that could not be written.
void ExpectUnsavedReports(const MessageBoxRecorder& boxes, size_t count, const std::string& ini) {
    ASSERT_EQ(boxes.Boxes().size(), count);
    for (const RecordedBox& box : boxes.Boxes()) {
        EXPECT_EQ(box.text, "設定ファイルに書き込めませんでした。\r\n" + ini);
        EXPECT_EQ(box.caption, Narrow(ApplicationName()));
        EXPECT_EQ(box.type, UINT(MB_OK | MB_ICONEXCLAMATION));
    }
}

TEST(MainDialogClose, CancelWhileRunningOnlyRequestsAStop) {
    TempFolder folder;
    folder.MakeDir("data");
    ScriptedMainDialog dialog(folder);
    dialog.startRun = HoldStart;
    INT_PTR result = dialog.Run([&](ScriptedMainDialog& d) {
        SetDlgItemTextA(d.Window(), IDC_MAIN_FOLDER, (folder / "data").c_str());
        d.Click(IDOK);
        ASSERT_TRUE(d.IsRunning());
        d.Click(IDCANCEL);
        EXPECT_TRUE(d.CurrentRun()->StopRequested());
        EXPECT_TRUE(IsWindowVisible(d.Window()));
    });
    EXPECT_EQ(result, IDABORT);  // still open when the script ended
    EXPECT_EQ(IniValue(folder / "qmtest.ini", "CONFIG", "EXPAND"), "<none>");
}

TEST(MainDialogClose, CancelWhenIdleWritesTheClosingKeysAndDeletesTheDefaultOutput) {
    TempFolder folder;
    std::string scratch = folder.WriteFile("qmtest.txt", "old listing");
    std::string ini = folder / "qmtest.ini";
    ScriptedMainDialog dialog(folder);
    INT_PTR result = dialog.Run([&](ScriptedMainDialog& d) {
        SetDlgItemTextA(d.Window(), IDC_MAIN_FOLDER, "C:\\データ");
        SetDlgItemTextA(d.Window(), IDC_MAIN_OUTPUT, "C:\\一覧.txt");
        d.Click(IDC_MAIN_SUBFOLDERS);
        d.Click(IDC_MAIN_EXPAND);
        d.Click(IDC_MAIN_URL);  // an option: kept only by Save
        d.Click(IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(IniValue(ini, "STRINGS", "DIRNAME"), "C:\\データ");
    EXPECT_EQ(IniValue(ini, "STRINGS", "FILENAME"), "C:\\一覧.txt");
    EXPECT_EQ(IniValue(ini, "CONFIG", "EXPAND"), "1");
    EXPECT_EQ(IniValue(ini, "CONFIG", "SUBDIR"), "0");
    EXPECT_EQ(IniValue(ini, "CONFIG", "URL"), "<none>");
    EXPECT_EQ(IniValue(ini, "TEMPLATE", "START"), "<none>");
    EXPECT_EQ(GetFileAttributesA(scratch.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(MainDialogClose, EscapeClosesLikeCancel) {
    TempFolder folder;
    ScriptedMainDialog dialog(folder);
    INT_PTR result = dialog.Run([&](ScriptedMainDialog& d) {
        SetFocus(d.Item(IDC_MAIN_FOLDER));
        MSG msg = {};
        msg.hwnd = d.Item(IDC_MAIN_FOLDER);
        msg.message = WM_KEYDOWN;
        msg.wParam = VK_ESCAPE;
        IsDialogMessageA(d.Window(), &msg);  // what the modal loop does with the key
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(IniValue(folder / "qmtest.ini", "CONFIG", "SUBDIR"), "1");
}

TEST(MainDialogSave, SaveWritesOptionsAndEscapedTemplatesButNotTheClosingKeys) {
    TempFolder folder;
    std::string ini = folder / "qmtest.ini";
    ScriptedMainDialog dialog(folder);
    dialog.Run([&](ScriptedMainDialog& d) {
        d.options.headerText = "<h1>\t表\\</h1>\r\n";
        d.options.repeatText = "";
        d.options.footerText = "";
        SetDlgItemTextA(d.Window(), IDC_MAIN_FOLDER, "C:\\data");
        SetDlgItemTextA(d.Window(), IDC_MAIN_FILTER_TEXT, "*.txt;*.doc");
        SetDlgItemTextA(d.Window(), IDC_MAIN_EXCLUDE_TEXT, "node_modules;docs\\old");
        d.Click(IDC_MAIN_LOWER_CASE);
        d.Click(IDC_MAIN_RELATIVE);
        d.Click(IDC_MAIN_CHECKSUM);
        d.Click(IDC_MAIN_EXPAND);
        const std::string caption = WindowText(d.Window());
        d.Click(IDC_MAIN_SAVE);
        EXPECT_TRUE(IsWindowVisible(d.Window()));  // Save never closes
        EXPECT_EQ(WindowText(d.Window()), caption + " (設定を保存しました)") << "Save says that it saved";
        d.Click(IDC_MAIN_SAVE);
        EXPECT_EQ(WindowText(d.Window()), caption + " (設定を保存しました)") << "once";
    });
    EXPECT_EQ(IniValue(ini, "CONFIG", "UPPER"), "2");
    EXPECT_EQ(IniValue(ini, "CONFIG", "PATHTYPE"), "1");
    EXPECT_EQ(IniValue(ini, "CONFIG", "CRC16"), "1");
    EXPECT_EQ(IniValue(ini, "CONFIG", "OUTDIR"), "1");
    EXPECT_EQ(IniValue(ini, "CONFIG", "TEMPLATE"), "0");
    EXPECT_EQ(IniValue(ini, "STRINGS", "FILTER"), "*.txt;*.doc");
    EXPECT_EQ(IniValue(ini, "STRINGS", "EXCLUDE"), "node_modules;docs\\old");
    EXPECT_EQ(IniValue(ini, "TEMPLATE", "START"), "<h1>\\t表\\\\</h1>\\r\\n");
    EXPECT_EQ(IniValue(ini, "TEMPLATE", "LOOP"), "");
    for (const char* key : {"EXPAND", "SUBDIR"}) EXPECT_EQ(IniValue(ini, "CONFIG", key), "<none>") << key;
    for (const char* key : {"DIRNAME", "FILENAME"}) EXPECT_EQ(IniValue(ini, "STRINGS", key), "<none>") << key;
}

TEST(MainDialogSave, ATemplateTooLongToStoreKeepsTheSavedOneAndSaysSo) {
    TempFolder folder;
    const std::string ini = folder / "qmtest.ini";
    const std::string longest(32766, 'h');
    MessageBoxRecorder boxes;
    ScriptedMainDialog dialog(folder);
    dialog.Run([&](ScriptedMainDialog& d) {
        d.options.headerText = longest;
        d.Click(IDC_MAIN_SAVE);
        EXPECT_TRUE(boxes.Boxes().empty()) << "the longest text the file takes";
        d.options.headerText = longest + "h";
        d.Click(IDC_MAIN_URL);
        d.Click(IDC_MAIN_SAVE);
    });
    ExpectUnsavedReports(boxes, 1, ini);
    EXPECT_NE(ReadWholeFile(ini).find("START=" + longest + "\r\n"), std::string::npos);
    EXPECT_EQ(IniValue(ini, "CONFIG", "URL"), "1") << "the other keys are saved";
}

// A settings file the program may not write: read-only with the given content, or a folder in
// its place (as when none can be made).
void MakeUnwritable(TempFolder& folder, const std::string& name, const std::string& content, bool isFolder) {
    if (isFolder) {
        folder.MakeDir(name);
        return;
    }
    folder.WriteFile(name, content);
    SetFileAttributesA((folder / name).c_str(), FILE_ATTRIBUTE_READONLY);
}

TEST(MainDialogSave, AReadOnlySettingsFileOrAFolderIsReportedOnSaveAndOnClose) {
    for (bool isFolder : {false, true}) {
        TempFolder folder;
        const std::string ini = folder / "qmtest.ini";
        const std::string before = "[STRINGS]\r\nDIRNAME=C:\\old\r\n[CONFIG]\r\nURL=0\r\n";
        MakeUnwritable(folder, "qmtest.ini", before, isFolder);
        MessageBoxRecorder boxes;
        ScriptedMainDialog dialog(folder);
        INT_PTR result = dialog.Run([&](ScriptedMainDialog& d) {
            SetDlgItemTextA(d.Window(), IDC_MAIN_FOLDER, "C:\\new");
            d.Click(IDC_MAIN_URL);
            const std::string caption = WindowText(d.Window());
            d.Click(IDC_MAIN_SAVE);
            EXPECT_EQ(boxes.Boxes().size(), 1u) << "one box for the whole Save";
            EXPECT_EQ(WindowText(d.Window()), caption) << "nothing saved, nothing said";
            d.Click(IDCANCEL);
        });
        EXPECT_EQ(result, IDCANCEL) << "closes all the same";
        ExpectUnsavedReports(boxes, 2, ini);
        if (!isFolder) {
            EXPECT_EQ(ReadWholeFile(ini), before);
        }
    }
}

TEST(MainDialogClose, AnUnwritableSettingsFileClosedWithNothingChangedShowsNoBox) {
    // As under a folder the user may not write to: a read-only file, or none that can be made.
    for (bool isFolder : {false, true}) {
        TempFolder folder;
        const std::string ini = folder / "qmtest.ini";
        const std::string before = "[STRINGS]\r\nDIRNAME=C:\\old\r\n[CONFIG]\r\nSUBDIR=0\r\n";
        MakeUnwritable(folder, "qmtest.ini", before, isFolder);
        MessageBoxRecorder boxes;
        ScriptedMainDialog dialog(folder);
        INT_PTR result = dialog.Run([&](ScriptedMainDialog& d) {
            d.Click(IDC_MAIN_URL);  // an option: not a closing key
            d.Click(IDCANCEL);
        });
        EXPECT_EQ(result, IDCANCEL);
        EXPECT_TRUE(boxes.Boxes().empty()) << "nothing to lose, nothing to say";
        if (!isFolder) {
            EXPECT_EQ(ReadWholeFile(ini), before);
        }
    }
}

TEST(MainDialogSave, OneLineFieldsKeepTheirFirstLineForTheRunAndTheFile) {
    TempFolder folder;
    folder.WriteFile("data\\a.txt", "a");
    folder.WriteFile("data\\b.doc", "b");
    const std::string ini = folder / "qmtest.ini";
    MessageBoxRecorder boxes(IDNO);
    ScriptedMainDialog dialog(folder);
    dialog.Run([&](ScriptedMainDialog& d) {
        SetDlgItemTextA(d.Window(), IDC_MAIN_FOLDER, (folder / "data\r\nC:\\other").c_str());
        SetDlgItemTextA(d.Window(), IDC_MAIN_OUTPUT, (folder / "out.txt\nC:\\x.txt").c_str());
        SetDlgItemTextA(d.Window(), IDC_MAIN_FILTER_TEXT, "*.txt\r\n;*.doc");
        for (int id : {IDC_MAIN_FILTER, IDC_MAIN_SIZE, IDC_MAIN_DATE, IDC_MAIN_ATTRIBUTES, IDC_MAIN_RELATIVE})
            d.Click(id);
        d.Click(IDOK);
        ASSERT_TRUE(WaitUntil([&] { return !boxes.Boxes().empty(); }));
        d.Click(IDC_MAIN_SAVE);
        d.Click(IDCANCEL);
    });
    EXPECT_EQ(ReadWholeFile(folder / "out.txt"), "A.TXT\r\n");
    EXPECT_EQ(IniValue(ini, "STRINGS", "DIRNAME"), folder / "data");
    EXPECT_EQ(IniValue(ini, "STRINGS", "FILENAME"), folder / "out.txt");
    EXPECT_EQ(IniValue(ini, "STRINGS", "FILTER"), "*.txt");
    EXPECT_EQ(boxes.Boxes().size(), 1u) << "only the question at the end of the run";
}

}  // namespace
