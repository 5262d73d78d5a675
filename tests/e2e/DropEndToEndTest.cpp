// Paths reaching the running program from outside: a shell drop, and the start argument.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "ProgramProcess.h"
#include "ProgramWindows.h"
#include "support/DialogItems.h"
#include "support/DropFiles.h"
#include "support/LineTexts.h"
#include "support/TempFolder.h"
#include "ui/res/resource.h"

namespace {

TEST(DropEndToEnd, TwoDroppedFilesAreListedIntoTheOutputFile) {
    TempFolder folder;
    std::string exe = folder / "quillmark.exe";
    ASSERT_TRUE(CopyFileA(BuiltProgramPath().c_str(), exe.c_str(), FALSE));
    std::string first = folder.WriteFile("表\\z.txt", "zz");
    std::string second = folder.WriteFile("others\\a.txt", "a");
    std::string output = folder / "dropped.txt";

    ProgramProcess program(exe, "");
    ASSERT_TRUE(program.Started());
    HWND dialog = WaitForMainDialog(kProgramWait);
    ASSERT_NE(dialog, nullptr);
    SetItemText(dialog, IDC_MAIN_OUTPUT, output);
    // What the shell does: a DROPFILES block posted with WM_DROPFILES.
    ASSERT_TRUE(PostDropTo(dialog, {first, second}));

    EXPECT_EQ(AnswerOwnedBox(dialog, kBoxCaption, IDNO, kProgramWait), kFinishedQuestion);

    // First start: upper case, size, date and attributes; each path with its own folder.
    std::string listing = ReadWholeFile(output);
    size_t secondLine = listing.find(Upper(second) + "\t1\t");
    size_t firstLine = listing.find(Upper(first) + "\t2\t");
    EXPECT_EQ(secondLine, 0u) << listing;
    EXPECT_NE(firstLine, std::string::npos) << listing;
    EXPECT_EQ(std::count(listing.begin(), listing.end(), '\n'), 2) << listing;

    PostClick(dialog, IDCANCEL);
    EXPECT_TRUE(program.Exited(kProgramWait));
}

TEST(DropEndToEnd, AFolderGivenAtStartIsTheFolderToList) {
    TempFolder folder;
    std::string exe = folder / "quillmark.exe";
    ASSERT_TRUE(CopyFileA(BuiltProgramPath().c_str(), exe.c_str(), FALSE));
    std::string data = folder.MakeDir("my データ");

    ProgramProcess program(exe, "\t\"" + data + "\" ignored");
    ASSERT_TRUE(program.Started());
    HWND dialog = WaitForMainDialog(kProgramWait);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ItemText(dialog, IDC_MAIN_FOLDER), data);

    PostClick(dialog, IDCANCEL);
    ASSERT_TRUE(program.Exited(kProgramWait));
    EXPECT_EQ(IniValue(folder / "quillmark.ini", "STRINGS", "DIRNAME"), data);
}

}  // namespace
