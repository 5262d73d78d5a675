// The console program writes the bytes the dialog writes, to a file or to standard output,
// from the same settings file; its options change those settings as the dialog's controls do.
#include <gtest/gtest.h>

#include <string>

#include "ConsoleProgram.h"
#include "ProgramTest.h"
#include "ProgramWindows.h"
#include "support/DialogItems.h"
#include "support/TempFolder.h"
#include "support/VersionFixtures.h"
#include "res/resource.h"

namespace {

using ConsoleSameBytes = ProgramTest;

// Runs the dialog's listing of folder into output and says No to opening it.
void ListThroughTheDialog(HWND dialog, const std::string& folder, const std::string& output) {
    SetItemText(dialog, IDC_MAIN_FOLDER, folder);
    SetItemText(dialog, IDC_MAIN_OUTPUT, output);
    PostClick(dialog, IDOK);
    EXPECT_EQ(AnswerOwnedBox(dialog, kBoxCaption, IDNO, kProgramWait), kFinishedQuestion);
}

TEST_F(ConsoleSameBytes, AsTheDialogForEveryColumnAndForTheBuiltInTemplate) {
    // Both programs side by side with one settings file, as a user keeps them.
    const std::string consoleExe = folder / "quillmark-cli.exe";
    ASSERT_TRUE(CopyFileA(BuiltConsoleProgramPath().c_str(), consoleExe.c_str(), FALSE));
    folder.WriteFile("quillmark.ini",
                     "[CONFIG]\r\nOUTDIR=1\r\nSUBDIR=1\r\nPATHTYPE=0\r\nUPPER=1\r\nSIZE=1\r\nDATE=1\r\n"
                     "ATTR=1\r\nCRC16=1\r\nVERSION=1\r\nVERSIONP=1\r\n");
    const std::string data = folder.MakeDir("データ");
    folder.WriteFile("データ\\表\\ソ.txt", "so");  // both names end in a 0x5C trail byte
    folder.WriteFile("データ\\a b.txt", "12345");
    const std::string fixture = VersionFixturePath("version-5.0.dll");
    ASSERT_TRUE(CopyFileA(fixture.c_str(), (data + "\\表\\v.dll").c_str(), FALSE));

    ASSERT_NO_FATAL_FAILURE(StartProgram());
    ListThroughTheDialog(dialog, data, folder / "list.txt");
    ClickIn(dialog, IDC_MAIN_USE_TEMPLATE);
    ListThroughTheDialog(dialog, data, folder / "page.html");
    ASSERT_TRUE(CloseProgram());
    const std::string list = ReadWholeFile(folder / "list.txt");
    ASSERT_NE(list.find("\\表\\V.DLL\t"), std::string::npos) << list;
    ASSERT_NE(list.find("\t5,0,2195,1\t5,1,2600,7\r\n"), std::string::npos) << list;

    ConsoleProgram toFile(Wide(consoleExe), Wide(Quoted(data) + " " + Quoted(folder / "cli-list.txt")));
    EXPECT_EQ(0u, toFile.Finish());
    EXPECT_EQ(list, ReadWholeFile(folder / "cli-list.txt"));
    EXPECT_EQ("", toFile.Err()) << "no count when standard error is not a console";
    EXPECT_EQ("", toFile.Out());

    ConsoleProgram toOutput(Wide(consoleExe), Wide(Quoted(data)));
    EXPECT_EQ(0u, toOutput.Finish());
    EXPECT_EQ(list, toOutput.Out());

    // The built-in template comes from the console program's own resources.
    ConsoleProgram page(Wide(consoleExe), Wide("--template=1 " + Quoted(data) + " -"));
    EXPECT_EQ(0u, page.Finish());
    const std::string dialogPage = ReadWholeFile(folder / "page.html");
    EXPECT_EQ(0u, dialogPage.find("<html>\r\n")) << dialogPage;
    EXPECT_EQ(dialogPage, page.Out());
}

TEST_F(ConsoleSameBytes, OptionsOverTheSettingsFileAsTheDialogsControlsWould) {
    const std::string data = folder.MakeDir("data");
    folder.WriteFile("data\\A b.txt", "1");
    folder.WriteFile("data\\sub\\C.txt", "22");
    folder.WriteFile("data\\skip.log", "");
    folder.WriteFile("other.ini",
                     "[CONFIG]\r\nUPPER=1\r\nSUBDIR=0\r\nOUTDIR=0\r\nDATE=1\r\nATTR=1\r\nFILTER=1\r\n"
                     "[STRINGS]\r\nFILTER=*.none\r\n");
    ConsoleOutcome listed = RunConsoleProgram(
        "--settings " + Quoted(folder / "other.ini") +
        " --path=relative --url=1 --case=lower --subfolders=1 --dirs=1 --size=1 --date=0"
        " --attributes=0 --crc=1 --filter=*.txt;sub " + Quoted(data));
    EXPECT_EQ(0u, listed.exitCode) << listed.err;
    EXPECT_EQ("a%20b.txt\t1\t83DCEFB7\r\nsub\t0\t--------\r\nsub/c.txt\t2\t647E170E\r\n", listed.out);

    ConsoleOutcome unfiltered = RunConsoleProgram("--settings " + Quoted(folder / "other.ini") +
                                                  " --no-filter --case=none " + Quoted(data));
    EXPECT_EQ(0u, unfiltered.exitCode) << unfiltered.err;
    EXPECT_NE(unfiltered.out.find("\\data\\skip.log\t"), std::string::npos) << unfiltered.out;

    folder.WriteFile(L"data\\Caf\u00e9.txt", "");
    ConsoleOutcome utf8 = RunConsoleProgram("--settings " + Quoted(folder / "other.ini") +
                                            " --utf8=1 --no-filter --case=none --path=relative --size=0 --date=0"
                                            " --attributes=0 " + Quoted(data));
    EXPECT_EQ(0u, utf8.exitCode) << utf8.err;
    // No byte-order mark on standard output: a script would take it for the first name's.
    EXPECT_EQ("A b.txt\r\nCaf\xC3\xA9.txt\r\nskip.log\r\n", utf8.out);
    // A file keeps it, as Windows editors expect.
    ConsoleOutcome utf8File = RunConsoleProgram("--settings " + Quoted(folder / "other.ini") +
                                                " --utf8=1 --no-filter --case=none --path=relative --size=0 --date=0"
                                                " --attributes=0 " + Quoted(data) + " " + Quoted(folder / "utf8.txt"));
    EXPECT_EQ(0u, utf8File.exitCode) << utf8File.err;
    EXPECT_EQ("\xEF\xBB\xBF" + utf8.out, ReadWholeFile(folder / "utf8.txt"));
}

}  // namespace
