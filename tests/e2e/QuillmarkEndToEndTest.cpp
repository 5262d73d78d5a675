// Starts the built program and drives it from outside through its controls.
#include <gtest/gtest.h>

#include <string>

#include "ProgramProcess.h"
#include "ProgramWindows.h"
#include "support/DialogItems.h"
#include "support/LineTexts.h"
#include "support/TempFolder.h"
#include "ui/res/resource.h"

namespace {

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
    HWND dialog = WaitForMainDialog(kProgramWait);
    ASSERT_NE(dialog, nullptr);

    // First run without an output path: the default file beside the program, opened unasked.
    SetItemText(dialog, IDC_MAIN_FOLDER, data);
    PostClick(dialog, IDOK);
    EXPECT_TRUE(WaitUntil([&] { return ReadWholeFile(folder / "quillmark.txt").find("TWO.TXT") != std::string::npos; }, kProgramWait));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(GetDlgItem(dialog, IDOK)) != FALSE; }, kProgramWait));

    SetItemText(dialog, IDC_MAIN_OUTPUT, output);
    PostClick(dialog, IDOK);
    EXPECT_EQ(AnswerOwnedBox(dialog, kBoxCaption, IDNO, kProgramWait), kFinishedQuestion);

    // Upper case, size, date and attributes are on at first start; sorted without regard to case.
    std::string listing = ReadWholeFile(output);
    const std::string upperData = Upper(data);
    EXPECT_EQ(listing.find(upperData + "\\SUB\t"), 0u) << listing;
    EXPECT_NE(listing.find(upperData + "\\SUB\\TWO.TXT\t2\t"), std::string::npos) << listing;
    EXPECT_NE(listing.find(upperData + "\\一.TXT\t1\t"), std::string::npos) << listing;

    PostClick(dialog, IDCANCEL);
    ASSERT_TRUE(program.Exited(kProgramWait));
    std::string ini = folder / "quillmark.ini";
    EXPECT_EQ(IniValue(ini, "STRINGS", "DIRNAME"), data);
    EXPECT_EQ(IniValue(ini, "STRINGS", "FILENAME"), output);
    EXPECT_EQ(IniValue(ini, "CONFIG", "EXPAND"), "0");
    EXPECT_EQ(IniValue(ini, "CONFIG", "SUBDIR"), "1");
    EXPECT_EQ(IniValue(ini, "CONFIG", "SIZE"), "<none>");  // options are kept by Save only
    EXPECT_EQ(GetFileAttributesA((folder / "quillmark.txt").c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
