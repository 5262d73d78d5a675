// A run into an output handle of its caller's (standard output for the console program), and
// the count it publishes for a front end.
#include <gtest/gtest.h>

#include <string>

#include "engine/ListingRun.h"
#include "support/TempFolder.h"

namespace {

TEST(RunOutputHandle, WrittenWhereTheHandleStandsLeftOpenAndCounted) {
    TempFolder tree;
    tree.WriteFile("list\\a.txt", "a");
    tree.WriteFile("list\\sub\\b.txt", "b");
    const std::string path = tree.WriteFile("out.txt", "before\r\n");
    HANDLE file =
        CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    SetFilePointer(file, 0, nullptr, FILE_END);

    ListingOptions options;
    options.folder = Wide(tree / "list");
    options.pathType = PathType::Relative;
    options.subfolders = true;
    options.useTemplate = true;
    options.headerText = "[%OUTFILE%]";  // no output path: nothing to name
    options.repeatText = "%PATH%";
    options.footerText = "[end]";
    ListingRun run(options);
    run.WriteTo(file);
    run.RunHere();
    EXPECT_EQ(RunResult::Complete, run.Result());
    EXPECT_EQ(2u, run.EntriesFound());
    EXPECT_TRUE(run.IsWriting());

    DWORD written = 0;
    EXPECT_TRUE(WriteFile(file, "after\r\n", 7, &written, nullptr)) << "the run leaves the handle open";
    CloseHandle(file);
    EXPECT_EQ("before\r\n[]\r\na.txt\r\nsub\\b.txt\r\n[end]\r\nafter\r\n", ReadWholeFile(path));
}

}  // namespace
