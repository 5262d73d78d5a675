// How the console program's runs end, each from a real case: its exit code, the dialog's
// message on standard error, and what the output holds.
#include <gtest/gtest.h>

#include <string>

#include "ConsoleProgram.h"
#include "ProgramWindows.h"
#include "framework/MessageText.h"
#include "support/TempFolder.h"
#include "res/ProgramVersion.h"

namespace {

// "WHAT: PATH (REASON)\r\n": a failure names what it concerns and the system's reason.
void ExpectFailureLine(const std::string& what, const std::string& path, const std::string& err) {
    const std::string start = what + ": " + path + " (";
    EXPECT_EQ(0u, err.find(start)) << err;
    EXPECT_GT(err.size(), start.size() + 4) << "no reason: " << err;
    EXPECT_EQ(err.size() - 3, err.find(")\r\n")) << "one line: " << err;
}

TEST(ConsoleExitCode, UsageEmptyOutputMissingFolderAndUncreatableOutput) {
    TempFolder folder;
    const std::string data = folder.MakeDir("data");

    // The mistake and where the help is, not the thirty lines of the help.
    ConsoleOutcome usage = RunConsoleProgram("--size=2 " + Quoted(data));
    EXPECT_EQ(1u, usage.exitCode);
    EXPECT_EQ("オプションの値が正しくありません: --size=2\r\n使い方は quillmark-cli --help で表示できます\r\n", usage.err);
    EXPECT_EQ("", usage.out);

    // An empty output name (an unset variable in a script) is not standard output.
    ConsoleOutcome emptyOutput = RunConsoleProgram(Quoted(data) + " \"\"");
    EXPECT_EQ(1u, emptyOutput.exitCode);
    EXPECT_EQ(0u, emptyOutput.err.find("出力ファイル名が空です")) << emptyOutput.err;
    EXPECT_EQ("", emptyOutput.out);

    ConsoleOutcome missing = RunConsoleProgram(Quoted(folder / "nowhere"));
    EXPECT_EQ(2u, missing.exitCode);
    ExpectFailureLine("対象フォルダにアクセスできません", folder / "nowhere", missing.err);
    ConsoleOutcome noFolder = RunConsoleProgram("\"  \" -");
    EXPECT_EQ(2u, noFolder.exitCode);
    EXPECT_EQ("対象フォルダが指定されていません\r\n", noFolder.err);

    ConsoleOutcome uncreatable = RunConsoleProgram(Quoted(data) + " " + Quoted(folder / "missing\\out.txt"));
    EXPECT_EQ(3u, uncreatable.exitCode);
    ExpectFailureLine("出力ファイルを作成できません", folder / "missing\\out.txt", uncreatable.err);
    EXPECT_EQ("", uncreatable.out);

    ConsoleOutcome noSettings = RunConsoleProgram("--settings " + Quoted(folder / "none.ini") + " " + Quoted(data));
    EXPECT_EQ(1u, noSettings.exitCode);
    ExpectFailureLine("設定ファイルが見つかりません", folder / "none.ini", noSettings.err);
}

TEST(ConsoleExitCode, VersionAloneAndTheFileVersionColumnUnderBothNames) {
    ConsoleOutcome version = RunConsoleProgram("--version");
    EXPECT_EQ(0u, version.exitCode);
    EXPECT_EQ("quillmark-cli " QM_VERSION_TEXT "\r\n", version.out);
    EXPECT_EQ("", version.err);
    TempFolder folder;
    folder.WriteFile("data\\a.txt", "a");
    folder.WriteFile("empty.ini", "");
    const std::string run = " --settings " + Quoted(folder / "empty.ini") +
                            " --path=relative --case=none --size=0 --date=0 --attributes=0 " + Quoted(folder / "data");
    for (const char* option : {"--version=1", "--file-version=1", "--file-version 1"}) {
        ConsoleOutcome listed = RunConsoleProgram(std::string(option) + run);
        EXPECT_EQ(0u, listed.exitCode) << option << listed.err;
        EXPECT_EQ("a.txt\r\n", listed.out) << option;  // a file without a version: no column
    }
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
    EXPECT_EQ(0u, program.Err().find("出力ファイルに書き込めません: 標準出力 (")) << program.Err();
}

TEST(ConsoleExitCode, CtrlCStopsLikeCancelWithHeaderEntriesSoFarAndFooter) {
    TempFolder folder;
    // A few small files, and in a folder below them a file whose checksum would take many
    // minutes: the listing is still going whenever Ctrl+C comes, and the stop gives that
    // checksum up.
    const int kSmallFiles = 12;
    for (int i = 0; i < kSmallFiles; ++i) folder.WriteFile("data\\f" + std::to_string(10 + i) + ".txt", "x");
    ASSERT_TRUE(folder.WriteSparseFile("data\\zz\\huge.bin", 4LL << 40));
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

    // Header, some of the small files (a prefix of the walk, sorted), footer.
    const std::string listing = ReadWholeFile(output);
    EXPECT_EQ(0u, listing.find("[head]\r\n")) << listing;
    EXPECT_EQ(listing.size() - 8, listing.rfind("[foot]\r\n")) << listing;
    EXPECT_EQ(std::string::npos, listing.find("huge.bin")) << listing;
    std::string entries = listing.substr(8, listing.size() - 16);
    for (int i = 0; i < kSmallFiles && !entries.empty(); ++i) {
        const std::string line = "f" + std::to_string(10 + i) + ".txt\r\n";
        if (entries.compare(0, line.size(), line) == 0) entries.erase(0, line.size());
    }
    EXPECT_EQ("", entries) << "only small files, each once: " << listing;
}

// --compare: 0 when nothing differs, 7 when something does, the counts on standard error and
// the report alone on the output; the earlier listing given as the output too is never emptied.
TEST(ConsoleExitCode, CompareEndsWithZeroOrWithSevenForDifferences) {
    TempFolder folder;
    folder.WriteFile("data\\a.txt", "a");
    const std::string options = "--subfolders=0 --dirs=0 --path=relative --url=0 --case=none --size=1 --date=0 "
                                "--attributes=0 --crc=0 --version=0 --product-version=0 --template=0 ";
    const std::string earlier = folder / "earlier.txt";
    const ConsoleOutcome listed = RunConsoleProgram(options + Quoted(folder / "data") + " " + Quoted(earlier));
    ASSERT_EQ(0u, listed.exitCode) << listed.err;
    const std::string compare = options + "--compare=" + Quoted(earlier) + " " + Quoted(folder / "data");

    ConsoleOutcome same = RunConsoleProgram(compare + " -");
    EXPECT_EQ(0u, same.exitCode);
    EXPECT_EQ("", same.out);
    EXPECT_EQ("前回の一覧との違い: 追加 0 件、削除 0 件、変更 0 件 (変更なし 1 件)\r\n", same.err);

    folder.WriteFile("data\\b.txt", "bb");
    folder.WriteFile("data\\a.txt", "aa");
    ConsoleOutcome differs = RunConsoleProgram(compare + " -");
    EXPECT_EQ(7u, differs.exitCode);
    EXPECT_EQ("<\ta.txt\t1\r\n>\ta.txt\t2\r\n+\tb.txt\t2\r\n", differs.out);
    EXPECT_EQ("前回の一覧との違い: 追加 1 件、削除 0 件、変更 1 件 (変更なし 0 件)\r\n", differs.err);

    ConsoleOutcome overItself = RunConsoleProgram(compare + " " + Quoted(earlier));
    EXPECT_EQ(3u, overItself.exitCode);
    EXPECT_EQ("a.txt\t1\r\n", ReadWholeFile(earlier));

    // A listing saved again as UTF-16 is refused, saying so, before anything is written.
    const std::string utf16 =
        folder.WriteFile("utf16.txt", std::string("\xFF\xFE" "a\0.\0t\0x\0t\0\t\0" "1\0\r\0\n\0", 20));
    const std::string data = Quoted(folder / "data");
    ConsoleOutcome refused = RunConsoleProgram(options + "--compare=" + Quoted(utf16) + " " + data + " -");
    EXPECT_EQ(8u, refused.exitCode);
    EXPECT_EQ("", refused.out);
    EXPECT_EQ("前回の一覧は UTF-16 で書かれています。比較できるのは ANSI (シフト JIS) か UTF-8 の一覧なので、何も出力していません\r\n",
              refused.err);
}

// Entries that could not be read: each told on standard error with the system's reason, the
// names written with "?" counted, and exit code 6, also when compared (before the 7 of the
// difference). The file held open for writing by this test cannot be read for its checksum.
TEST(ConsoleExitCode, UnreadEntriesAreToldWithTheirReasonsAndEndWithSixBeforeSeven) {
    TempFolder folder;
    folder.WriteFile("data\\a.txt", "abc");
    folder.WriteFile(L"data\\\ud55c\uad6d\uc5b4.txt", "abc");
    const std::string held = folder.WriteFile("data\\held.txt", "abc");
    HANDLE writer = CreateFileA(held.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, writer);
    const std::string options = "--subfolders=0 --dirs=0 --path=relative --url=0 --case=none --size=0 --date=0 "
                                "--attributes=0 --crc=1 --version=0 --product-version=0 --template=0 --utf8=0 ";
    const std::string earlier = folder / "earlier.txt";
    const ConsoleOutcome listed = RunConsoleProgram(options + Quoted(folder / "data") + " " + Quoted(earlier));
    folder.WriteFile("data\\b.txt", "abc");
    const ConsoleOutcome compared =
        RunConsoleProgram(options + "--compare=" + Quoted(earlier) + " " + Quoted(folder / "data") + " -");
    CloseHandle(writer);

    EXPECT_EQ(6u, listed.exitCode);
    const std::wstring reason = SystemErrorText(ERROR_SHARING_VIOLATION);
    std::string reasonText(reason.size() * 2, '\0');
    reasonText.resize(static_cast<size_t>(WideCharToMultiByte(CP_ACP, 0, reason.data(), static_cast<int>(reason.size()),
                                                              &reasonText[0], static_cast<int>(reasonText.size()),
                                                              nullptr, nullptr)));
    EXPECT_EQ("読み取れませんでした: " + held + " (" + reasonText + ")\r\n"
              "コードページで表せない名前が 1 件あり、? で書きました (--utf8=1 で正確に書けます)\r\n",
              listed.err);
    EXPECT_EQ("???.txt\t352441C2\r\na.txt\t352441C2\r\nheld.txt\t--------\r\n", ReadWholeFile(earlier));
    EXPECT_EQ(6u, compared.exitCode) << compared.err;
    EXPECT_EQ("+\tb.txt\t352441C2\r\n", compared.out);
}

}  // namespace
