// Starts the built program and drives it from outside through its controls.
#include <gtest/gtest.h>

#include <string>

#include "ProgramTest.h"
#include "ProgramWindows.h"
#include "support/DialogItems.h"
#include "support/LineTexts.h"
#include "support/TempFolder.h"
#include "res/resource.h"

namespace {

using QuillmarkEndToEnd = ProgramTest;

TEST_F(QuillmarkEndToEnd, ListAnswerNoThenCloseKeepsTheClosingKeys) {
    std::string data = folder.MakeDir("データ");
    folder.WriteFile("データ\\一.txt", "1");
    folder.WriteFile("データ\\sub\\two.txt", "22");
    std::string output = folder / "一覧.txt";
    ASSERT_NO_FATAL_FAILURE(StartProgram());

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

    ASSERT_TRUE(CloseProgram());
    std::string ini = SettingsFile();
    EXPECT_EQ(IniValue(ini, "STRINGS", "DIRNAME"), data);
    EXPECT_EQ(IniValue(ini, "STRINGS", "FILENAME"), output);
    EXPECT_EQ(IniValue(ini, "CONFIG", "EXPAND"), "0");
    EXPECT_EQ(IniValue(ini, "CONFIG", "SUBDIR"), "1");
    EXPECT_EQ(IniValue(ini, "CONFIG", "SIZE"), "<none>");  // options are kept by Save only
    EXPECT_EQ(GetFileAttributesA((folder / "quillmark.txt").c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
