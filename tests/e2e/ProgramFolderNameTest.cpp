// Both programs kept in a folder whose name the code page cannot hold ("dlgé", which the ANSI
// functions read as "dlge"): each reaches its own settings file and default output, never
// those of the folder whose name looks the same.
#include <gtest/gtest.h>

#include <string>

#include "ConsoleProgram.h"
#include "ProgramProcess.h"
#include "ProgramWindows.h"
#include "support/DialogItems.h"
#include "support/TempFolder.h"
#include "res/resource.h"

namespace {

TEST(ProgramFolderName, OutsideTheCodePageBothProgramsUseTheirOwnFilesAndLeaveTheLookAlikesAlone) {
    TempFolder folder;
    const std::wstring own = folder.MakeDir(std::wstring(L"dlg\u00e9"));
    const std::string lookAlike = folder.MakeDir("dlge");
    const std::string data = folder.MakeDir("data");
    folder.WriteFile("data\\a.txt", "a");
    ASSERT_TRUE(CopyFileW(Wide(BuiltProgramPath()).c_str(), (own + L"\\quillmark.exe").c_str(), FALSE));
    ASSERT_TRUE(CopyFileW(Wide(BuiltConsoleProgramPath()).c_str(), (own + L"\\quillmark-cli.exe").c_str(), FALSE));
    // Its own settings: names only, relative, as they are; the look-alike's would upper-case.
    const std::string ownSettings = "[CONFIG]\r\nPATHTYPE=1\r\nUPPER=0\r\nSIZE=0\r\nDATE=0\r\nATTR=0\r\n"
                                    "[STRINGS]\r\nDIRNAME=" + data + "\r\n";
    folder.WriteFile(L"dlg\u00e9\\quillmark.ini", ownSettings);
    folder.WriteFile(L"dlg\u00e9\\quillmark.txt", "its own scratch listing");
    const std::string otherSettings = "[CONFIG]\r\nPATHTYPE=1\r\nUPPER=1\r\nSIZE=0\r\nDATE=0\r\nATTR=0\r\n";
    folder.WriteFile("dlge\\quillmark.ini", otherSettings);
    folder.WriteFile("dlge\\quillmark.txt", "another folder's file");

    ConsoleProgram console(own + L"\\quillmark-cli.exe", Wide(Quoted(data)));
    EXPECT_EQ(0u, console.Finish()) << console.Err();
    EXPECT_EQ("a.txt\r\n", console.Out());
    // A settings file named outside the code page is read by its real name, not left unread.
    folder.WriteFile(L"dlg\u00e9\\upper\u00e9.ini", otherSettings);
    ConsoleProgram named(own + L"\\quillmark-cli.exe",
                         L"--settings=\"" + own + L"\\upper\u00e9.ini\" " + Wide(Quoted(data)));
    EXPECT_EQ(0u, named.Finish()) << named.Err();
    EXPECT_EQ("A.TXT\r\n", named.Out());

    ProgramProcess dialogProgram(own + L"\\quillmark.exe", L"");
    ASSERT_TRUE(dialogProgram.Started());
    HWND dialog = WaitForMainDialog(kProgramWait);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(data, ItemText(dialog, IDC_MAIN_FOLDER)) << "its own DIRNAME";
    PostClick(dialog, IDCANCEL);
    ASSERT_TRUE(dialogProgram.Exited(kProgramWait));

    EXPECT_EQ(otherSettings, ReadWholeFile(lookAlike + "\\quillmark.ini"));
    EXPECT_EQ("another folder's file", ReadWholeFile(lookAlike + "\\quillmark.txt"));
    EXPECT_NE(std::string::npos, ReadWholeFile(own + L"\\quillmark.ini").find("EXPAND=0\r\n"))
        << "the closing keys go to its own file";
    EXPECT_EQ("<missing>", ReadWholeFile(own + L"\\quillmark.txt")) << "its own scratch listing goes";
}

}  // namespace
