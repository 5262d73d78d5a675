// A comparing run of the dialog killed in the middle: the next run still compares with the
// listing the output held before it.
#include <gtest/gtest.h>

#include <string>

#include "ConsoleProgram.h"
#include "ProgramProcess.h"
#include "ProgramWindows.h"
#include "support/DialogItems.h"
#include "support/LineTexts.h"
#include "support/TempFolder.h"
#include "support/UnixSide.h"
#include "res/resource.h"

namespace {

HWND StartComparing(ProgramProcess& program, const std::string& data, const std::string& output) {
    if (!program.Started()) return nullptr;
    HWND dialog = WaitForMainDialog(kProgramWait);
    if (!dialog) return nullptr;
    SetItemText(dialog, IDC_MAIN_FOLDER, data);
    SetItemText(dialog, IDC_MAIN_OUTPUT, output);
    PostClick(dialog, IDOK);
    return dialog;
}

TEST(KilledCompare, TheNextRunComparesWithTheListingBeforeTheKilledOne) {
    TempFolder folder;
    const std::string exe = folder / "quillmark.exe";
    ASSERT_TRUE(CopyFileA(BuiltProgramPath().c_str(), exe.c_str(), FALSE)) << BuiltProgramPath();
    const std::string settings = folder.WriteFile("quillmark.ini", "[CONFIG]\r\nCRC16=1\r\nCOMPARE=1\r\n");
    const std::string data = folder.MakeDir("data");
    folder.WriteFile("data\\a.txt", "a");
    const std::string output = folder / "out.txt";
    ASSERT_EQ(0u, RunConsoleProgram("--settings \"" + settings + "\" \"" + data + "\" \"" + output + "\"").exitCode);
    const std::string earlier = ReadWholeFile(output);
    ASSERT_EQ(0u, earlier.find(Upper(data + "\\a.txt") + "\t1\t")) << earlier;

    // A file whose checksum would take many minutes holds the run until it is killed.
    folder.WriteFile("data\\b.txt", "bb");
    ASSERT_TRUE(RunUnixShell("truncate -s 4T '" + UnixPath(data) + "/huge.bin'"));
    {
        ProgramProcess program(Wide(exe), L"");
        HWND dialog = StartComparing(program, data, output);
        ASSERT_NE(nullptr, dialog);
        // Once the run is going (its count in the caption) and writing, whatever way it writes.
        ASSERT_TRUE(WaitUntil([&] {
            char caption[256] = "";
            GetWindowTextA(dialog, caption, sizeof caption);
            return std::string(caption) != kMainDialogCaption &&
                   (ReadWholeFile(output) != earlier || ReadWholeFile(output + ".quillmark-new") != "<missing>");
        }, kProgramWait));
        program.Kill();
    }
    EXPECT_EQ(earlier, ReadWholeFile(output)) << "the killed run left the earlier listing";

    ASSERT_TRUE(RunUnixShell("rm '" + UnixPath(data) + "/huge.bin'"));
    ProgramProcess program(Wide(exe), L"");
    HWND dialog = StartComparing(program, data, output);
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ("前回の一覧との違い: 追加 1 件、削除 0 件、変更 0 件 (変更なし 1 件)\r\n違いの一覧をいますぐ開きますか?",
              AnswerOwnedBox(dialog, kBoxCaption, IDNO, kProgramWait));
    EXPECT_EQ(0u, ReadWholeFile(output + ".diff.txt").find("+\t" + Upper(data + "\\b.txt") + "\t2\t"));
    EXPECT_EQ("<missing>", ReadWholeFile(output + ".quillmark-new")) << "nothing is left beside the output";
    PostClick(dialog, IDCANCEL);
    EXPECT_TRUE(program.Exited(kProgramWait));
}

}  // namespace
