// Paths the code page cannot hold, typed, dropped or given on the command line: the program
// works on the real file and never stores a path that would name another one.
#include <gtest/gtest.h>

#include "ScriptedMainDialog.h"
#include "res/resource.h"

namespace {

const std::wstring kResume = L"r\u00e9sum\u00e9.txt";

std::wstring WideText(HWND dialog, int id) {
    wchar_t text[1024];
    GetDlgItemTextW(dialog, id, text, 1024);
    return text;
}

// Only the relative path and the size, so that each line shows which file it read.
void PathAndSizeOnly(ScriptedMainDialog& d) { d.OnlyColumns({IDC_MAIN_SIZE, IDC_MAIN_RELATIVE}); }

TEST(RealNamesInTheDialog, AnOutputTypedWithAnAccentIsThatFileAndIsNotStored) {
    TempFolder tree;
    tree.WriteFile("data\\a.txt", "a");
    const std::string neighbour = tree.WriteFile("resume.txt", "keep");
    WritePrivateProfileStringA("STRINGS", "FILENAME", "previous.txt", (tree / "qmtest.ini").c_str());
    MessageBoxRecorder boxes(IDNO);
    ScriptedMainDialog dialog(tree);
    dialog.Run([&](ScriptedMainDialog& d) {
        PathAndSizeOnly(d);
        SetDlgItemTextA(d.Window(), IDC_MAIN_FOLDER, (tree / "data").c_str());
        SetDlgItemTextW(d.Window(), IDC_MAIN_OUTPUT, (Wide(tree.Path()) + L"\\" + kResume).c_str());
        d.Click(IDOK);
        ASSERT_TRUE(WaitUntil([&] { return !boxes.Boxes().empty(); }));
        d.Click(IDCANCEL);  // closes and writes the closing keys
    });
    EXPECT_EQ("a.txt\t1\r\n", ReadWholeFile(Wide(tree.Path()) + L"\\" + kResume));
    EXPECT_EQ("keep", ReadWholeFile(neighbour));
    EXPECT_EQ("previous.txt", IniValue(tree / "qmtest.ini", "STRINGS", "FILENAME"))
        << "a path the settings file would hold as another name keeps the previous one";
}

TEST(RealNamesInTheDialog, ACommandLineFolderAndDroppedFilesAreListedFromTheirRealPaths) {
    TempFolder tree;
    tree.WriteFile(L"Caf\u00e9\\only-here.txt", "only");
    tree.WriteFile(L"Cafe\\same.txt", "same");
    const std::wstring resume = tree.WriteFile(L"drops\\" + kResume, "x");
    const std::wstring other = tree.WriteFile(L"drops\\resume.txt", "abc");
    const std::string output = tree / "out.txt";
    MessageBoxRecorder boxes(IDNO);
    ScriptedMainDialog dialog(tree, Wide(tree.Path()) + L"\\Caf\u00e9");
    dialog.Run([&](ScriptedMainDialog& d) {
        EXPECT_EQ(Wide(tree.Path()) + L"\\Caf\u00e9", WideText(d.Window(), IDC_MAIN_FOLDER));
        PathAndSizeOnly(d);
        SetDlgItemTextA(d.Window(), IDC_MAIN_OUTPUT, output.c_str());
        d.Click(IDOK);
        ASSERT_TRUE(WaitUntil([&] { return boxes.Boxes().size() == 1; }));
        EXPECT_EQ("only-here.txt\t4\r\n", ReadWholeFile(output));

        d.SendDrop({resume, other});
        ASSERT_TRUE(WaitUntil([&] { return boxes.Boxes().size() == 2; }));
        EXPECT_EQ("r?sum?.txt\t1\r\nresume.txt\t3\r\n", ReadWholeFile(output));
    });
}

}  // namespace
