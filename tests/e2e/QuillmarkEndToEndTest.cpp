// Starts the built program and drives it from outside through its controls.
#include <gtest/gtest.h>

#include <string>

#include "ProgramProcess.h"
#include "ProgramWindows.h"
#include "support/DialogItems.h"
#include "support/TempFolder.h"

namespace {

const int kFolderEdit = 1001;
const int kOutputEdit = 1004;
const DWORD kWait = 20000;

std::string Ini(const std::string& file, const char* section, const char* key) {
    char value[1024];
    GetPrivateProfileStringA(section, key, "<none>", value, sizeof value, file.c_str());
    return value;
}

TEST(QuillmarkEndToEnd, ListAnswerNoThenCloseKeepsTheClosingKeys) {
    TempFolder folder;
    std::string exe = folder / "quillmark.exe";
    ASSERT_TRUE(CopyFileA(BuiltProgramPath().c_str(), exe.c_str(), FALSE)) << BuiltProgramPath();
    std::string data = folder.MakeDir("データ");
    folder.WriteFile("データ\\一.txt", "1");
    folder.WriteFile("データ\\sub\\two.txt", "22");
    std::string output = folder / "一覧.txt";

    ProgramProcess program(exe, "");
    ASSERT_TRUE(program.Started());
    HWND dialog = WaitForMainDialog(kWait);
    ASSERT_NE(dialog, nullptr);

    // First run without an output path: the default file beside the program, opened unasked.
    SetItemText(dialog, kFolderEdit, data);
    PostClick(dialog, IDOK);
    EXPECT_TRUE(WaitUntil([&] { return ReadWholeFile(folder / "quillmark.txt").find("TWO.TXT") != std::string::npos; }, kWait));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(GetDlgItem(dialog, IDOK)) != FALSE; }, kWait));

    SetItemText(dialog, kOutputEdit, output);
    PostClick(dialog, IDOK);
    EXPECT_EQ(AnswerOwnedBox(dialog, "quillmark", IDNO, kWait), "ファイル列挙が完了しました。\r\nいますぐ開きますか?");

    // Upper case, size, date and attributes are on at first start; sorted without regard to case.
    std::string listing = ReadWholeFile(output);
    std::string upperData = data;
    CharUpperA(&upperData[0]);
    EXPECT_EQ(listing.find(upperData + "\\SUB\t"), 0u) << listing;
    EXPECT_NE(listing.find(upperData + "\\SUB\\TWO.TXT\t2\t"), std::string::npos) << listing;
    EXPECT_NE(listing.find(upperData + "\\一.TXT\t1\t"), std::string::npos) << listing;

    PostClick(dialog, IDCANCEL);
    ASSERT_TRUE(program.Exited(kWait));
    std::string ini = folder / "quillmark.ini";
    EXPECT_EQ(Ini(ini, "STRINGS", "DIRNAME"), data);
    EXPECT_EQ(Ini(ini, "STRINGS", "FILENAME"), output);
    EXPECT_EQ(Ini(ini, "CONFIG", "EXPAND"), "0");
    EXPECT_EQ(Ini(ini, "CONFIG", "SUBDIR"), "1");
    EXPECT_EQ(Ini(ini, "CONFIG", "SIZE"), "<none>");  // options are kept by Save only
    EXPECT_EQ(GetFileAttributesA((folder / "quillmark.txt").c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
