// A tree written as checksum files by the console program and checked with --verify: every
// form checks OK, then a changed, a removed and an unreadable file give their lines and exit
// codes, and a checksum file with no well-formed line writes nothing.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "ConsoleProgram.h"
#include "ProgramWindows.h"
#include "support/TempFolder.h"

namespace {

// Folders listed too: the ready checksum forms leave them out.
const std::string kListing = "--case=none --path=relative --subfolders=1 --dirs=1 ";

class ConsoleVerify : public ::testing::Test {
protected:
    void SetUp() override {
        folder.WriteFile("data\\a.txt", "abc");
        folder.WriteFile("data\\sub\\b.txt", "123456789");
    }

    // Writes the tree with the ready template into data\tree.<kind>, inside the tree.
    std::string Written(const std::string& kind) {
        const std::string sums = folder / ("data\\tree." + kind);
        const ConsoleOutcome listed =
            RunConsoleProgram(kListing + "--template=" + kind + " " + Quoted(folder / "data") + " " + Quoted(sums));
        EXPECT_EQ(0u, listed.exitCode) << listed.err;
        return sums;
    }

    TempFolder folder;
};

TEST_F(ConsoleVerify, EachReadyFormChecksOk) {
    for (const char* kind : {"sha256", "md5", "sfv"}) {
        SCOPED_TRACE(kind);
        const std::string sums = Written(kind);
        const ConsoleOutcome checked = RunConsoleProgram("--verify=" + Quoted(sums));
        EXPECT_EQ(0u, checked.exitCode) << checked.err;
        EXPECT_NE(std::string::npos, checked.out.find("OK\ta.txt\r\n")) << checked.out;
        EXPECT_NE(std::string::npos, checked.out.find("OK\tsub\\b.txt\r\n")) << checked.out;
    }
    const ConsoleOutcome column = RunConsoleProgram(kListing + "--template=0 --size=0 --date=0 --attributes=0 "
                                                    "--crc=1 --sha256=1 --version=1 " +
                                                    Quoted(folder / "data\\sub"));
    EXPECT_EQ("b.txt\tCBF43926\t15e2b0d3c33891ebb0f1ef609ec419420c20e320ce94c65fbc8c3312448eb225\r\n", column.out);
}

TEST_F(ConsoleVerify, ChangedRemovedAndUnreadableFilesWithTheirExitCodes) {
    const std::string sums = Written("sha256");
    const std::string a = folder / "data\\a.txt";
    WIN32_FILE_ATTRIBUTE_DATA before;
    ASSERT_TRUE(GetFileAttributesExA(a.c_str(), GetFileExInfoStandard, &before));
    folder.WriteFile("data\\a.txt", "abd");  // the same size and date
    HANDLE touch = CreateFileA(a.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_TRUE(SetFileTime(touch, nullptr, nullptr, &before.ftLastWriteTime));
    CloseHandle(touch);
    const ConsoleOutcome failed = RunConsoleProgram("--quiet --verify=" + Quoted(sums) + " -");
    EXPECT_EQ(7u, failed.exitCode);
    EXPECT_EQ("FAILED\ta.txt\r\n", failed.out) << "--quiet leaves out the OK lines";
    EXPECT_NE(std::string::npos, failed.err.find("一致 1 件、不一致 1 件、見つからない 0 件")) << failed.err;

    folder.WriteFile("data\\a.txt", "abc");
    DeleteFileA((folder / "data\\sub\\b.txt").c_str());
    const std::string report = folder / "report.txt";
    const ConsoleOutcome missing = RunConsoleProgram("--verify=" + Quoted(sums) + " " + Quoted(report));
    EXPECT_EQ(7u, missing.exitCode);
    // In the checksum file's order, which is the sorted lines': by digest.
    EXPECT_NE(std::string::npos, ReadWholeFile(report).find("MISSING\tsub\\b.txt\r\nOK\ta.txt\r\n"))
        << ReadWholeFile(report);

    folder.WriteFile("data\\sub\\b.txt", "123456789");
    HANDLE held = CreateFileA((folder / "data\\sub\\b.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0,
                              nullptr);
    const ConsoleOutcome unreadable = RunConsoleProgram("--verify=" + Quoted(sums));
    CloseHandle(held);
    EXPECT_EQ(6u, unreadable.exitCode);
    EXPECT_NE(std::string::npos, unreadable.out.find("UNREADABLE\tsub\\b.txt\t")) << unreadable.out;

    const std::string bad = folder.WriteFile("bad.sha256", "no checksum here\r\n");
    const ConsoleOutcome none = RunConsoleProgram("--verify=" + Quoted(bad) + " " + Quoted(folder / "none.txt"));
    EXPECT_EQ(8u, none.exitCode);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((folder / "none.txt").c_str()));
}

// Ctrl+C while a file is read: the report keeps what was checked, and the file given up is
// neither failed nor unreadable.
TEST_F(ConsoleVerify, CtrlCStopsWithTheLinesCheckedSoFar) {
    ASSERT_TRUE(folder.WriteSparseFile("data\\huge.bin", 4LL << 40));  // minutes to read
    const std::string zeros(64, '0');
    const std::string sums = folder.WriteFile(
        "data\\stop.sha256", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad *a.txt\r\n" + zeros +
                                  " *huge.bin\r\n" + zeros + " *sub/b.txt\r\n");
    const std::string report = folder / "report.txt";
    ConsoleProgram program(Wide(BuiltConsoleProgramPath()), Wide("--verify=" + Quoted(sums) + " " + Quoted(report)),
                           nullptr, true);
    ASSERT_TRUE(program.Started());
    // The report is created once the checksum file is read, as the checking begins.
    ASSERT_TRUE(
        WaitUntil([&] { return GetFileAttributesA(report.c_str()) != INVALID_FILE_ATTRIBUTES; }, kProgramWait));
    ASSERT_TRUE(program.PressCtrlC());
    EXPECT_EQ(5u, program.Finish());
    EXPECT_NE(std::string::npos, program.Err().find("ユーザーの指示により停止しました")) << program.Err();
    const std::string written = ReadWholeFile(report);
    EXPECT_EQ(0u, std::string("OK\ta.txt\r\n").find(written)) << "a prefix of the lines checked: " << written;
}

}  // namespace
