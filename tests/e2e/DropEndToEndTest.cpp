// Paths reaching the running program from outside: a shell drop, and the start argument.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "ProgramTest.h"
#include "ProgramWindows.h"
#include "support/DialogItems.h"
#include "support/DropFiles.h"
#include "support/LineTexts.h"
#include "support/TempFolder.h"
#include "res/resource.h"

namespace {

using DropEndToEnd = ProgramTest;

TEST_F(DropEndToEnd, TwoDroppedFilesAreListedIntoTheOutputFile) {
    std::string first = folder.WriteFile("表\\z.txt", "zz");
    std::string second = folder.WriteFile("others\\a.txt", "a");
    std::string output = folder / "dropped.txt";
    ASSERT_NO_FATAL_FAILURE(StartProgram());
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

    EXPECT_TRUE(CloseProgram());
}

TEST_F(DropEndToEnd, AFolderGivenAtStartIsTheFolderToList) {
    std::string data = folder.MakeDir("my データ");
    ASSERT_NO_FATAL_FAILURE(StartProgram("\t\"" + data + "\" ignored"));
    EXPECT_EQ(ItemText(dialog, IDC_MAIN_FOLDER), data);

    ASSERT_TRUE(CloseProgram());
    EXPECT_EQ(IniValue(SettingsFile(), "STRINGS", "DIRNAME"), data);
}

}  // namespace
