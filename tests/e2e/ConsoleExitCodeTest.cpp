// How the console program's runs end, each from a real case: its exit code, the dialog's
// message on standard error, and what the output holds.
#include <gtest/gtest.h>

#include <string>

#include "ConsoleProgram.h"
#include "ProgramWindows.h"
#include "support/TempFolder.h"

namespace {

TEST(ConsoleExitCode, UsageEmptyOutputMissingFolderAndUncreatableOutput) {
    TempFolder folder;
    const std::string data = folder.MakeDir("data");

    ConsoleOutcome usage = RunConsoleProgram("--size=2 " + Quoted(data));
    EXPECT_EQ(1u, usage.exitCode);
    EXPECT_EQ(0u, usage.err.find("オプションの値が正しくありません: --size=2\r\n使い方: quillmark-cli ")) << usage.err;
    EXPECT_EQ("", usage.out);

    // An empty output name (an unset variable in a script) is not standard output.
    ConsoleOutcome emptyOutput = RunConsoleProgram(Quoted(data) + " \"\"");
    EXPECT_EQ(1u, emptyOutput.exitCode);
    EXPECT_EQ(0u, emptyOutput.err.find("出力ファイル名が空です")) << emptyOutput.err;
    EXPECT_EQ("", emptyOutput.out);

    ConsoleOutcome missing = RunConsoleProgram(Quoted(folder / "nowhere"));
    EXPECT_EQ(2u, missing.exitCode);
    EXPECT_EQ("対象フォルダにアクセスできません\r\n", missing.err);

    ConsoleOutcome uncreatable = RunConsoleProgram(Quoted(data) + " " + Quoted(folder / "missing\\out.txt"));
    EXPECT_EQ(3u, uncreatable.exitCode);
    EXPECT_EQ("ファイルが作成できません\r\n", uncreatable.err);
    EXPECT_EQ("", uncreatable.out);
}

TEST(ConsoleExitCode, StandardOutputWhoseReaderHasGoneIsAWriteFailure) {
    TempFolder folder;
    const std::string data = folder.WriteFile("data\\a.txt", "a");
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE reader = nullptr;
    HANDLE writer = nullptr;
    ASSERT_TRUE(CreatePipe(&reader, &writer, &inherit, 0));
    CloseHandle(reader);  // as when the program it is piped into has ended: every write fails
    ConsoleProgram program(Wide(BuiltConsoleProgramPath()), Wide(Quoted(folder / "data")), writer);
    CloseHandle(writer);
    ASSERT_TRUE(program.Started());
    EXPECT_EQ(4u, program.Finish());
    EXPECT_EQ("書き込み中にエラーが発生しました\r\n", program.Err());
}

TEST(ConsoleExitCode, CtrlCStopsLikeCancelWithHeaderEntriesSoFarAndFooter) {
    TempFolder folder;
    // Twelve folders of one large file each, checksummed one after another: the walk takes
    // seconds, and a stop takes effect at the next folder, so few of the files are listed.
    const int kFolders = 12;
    for (int i = 0; i < kFolders; ++i)
        ASSERT_TRUE(folder.WriteSparseFile("data\\d" + std::to_string(10 + i) + "\\big.bin", 256LL << 20));
    folder.WriteFile("stop.ini", "[TEMPLATE]\r\nSTART=[head]\r\nLOOP=%FILE%\r\nEND=[foot]\r\n");
    const std::string output = folder / "out.txt";
    ConsoleProgram program(Wide(BuiltConsoleProgramPath()),
                           Wide("--settings " + Quoted(folder / "stop.ini") +
                                " --template=1 --crc=1 --subfolders=1 --dirs=0 " + Quoted(folder / "data") + " " +
                                Quoted(output)),
                           nullptr, true);
    ASSERT_TRUE(program.Started());
    // The output is created after the stop keys are taken, just before the walk begins.
    ASSERT_TRUE(
        WaitUntil([&] { return GetFileAttributesA(output.c_str()) != INVALID_FILE_ATTRIBUTES; }, kProgramWait));
    ASSERT_TRUE(program.PressCtrlC());
    EXPECT_EQ(5u, program.Finish());
    EXPECT_EQ("ユーザーの指示により停止しました\r\n", program.Err());

    const std::string listing = ReadWholeFile(output);
    std::string entries;
    for (int i = 0; i < kFolders - 1; ++i) entries += "big.bin\r\n";
    EXPECT_EQ(0u, listing.find("[head]\r\n")) << listing;
    EXPECT_EQ(listing.size() - 8, listing.rfind("[foot]\r\n")) << listing;
    EXPECT_LE(listing.size(), entries.size() + 16) << "fewer than all twelve files: " << listing;
}

}  // namespace
