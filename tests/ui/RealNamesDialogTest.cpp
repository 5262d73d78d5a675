// Paths the code page cannot hold, typed, dropped or given on the command line: the program
// works on the real file and never stores a path that would name another one.
#include <gtest/gtest.h>

#include "ScriptedMainDialog.h"
#include "engine/DirectorySearch.h"
#include "framework/MessageText.h"
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

// The box goes to the wide API: a folder it names is shown by its real name, not with "?" for
// what the code page cannot hold. (A seam fails its search: the tests run as root.)
TEST(RealNamesInTheDialog, AnUnreadFolderIsNamedAsItIsInTheEndOfRunQuestion) {
    TempFolder tree;
    tree.WriteFile(L"data\\Caf\u00e9\\b.txt", "b");
    const std::string output = tree / "out.txt";
    SetSearchFailureForTests([](const std::wstring& pattern) -> DWORD {
        const std::wstring closed = L"\\Caf\u00e9\\*";
        return pattern.size() > closed.size() && pattern.compare(pattern.size() - closed.size(), closed.size(), closed) == 0
                   ? ERROR_ACCESS_DENIED
                   : 0;
    });
    MessageBoxRecorder boxes(IDNO);
    ScriptedMainDialog dialog(tree);
    dialog.Run([&](ScriptedMainDialog& d) {
        PathAndSizeOnly(d);
        SetDlgItemTextA(d.Window(), IDC_MAIN_FOLDER, (tree / "data").c_str());
        SetDlgItemTextA(d.Window(), IDC_MAIN_OUTPUT, output.c_str());
        d.Click(IDOK);
        ASSERT_TRUE(WaitUntil([&] { return !boxes.Boxes().empty(); }));
    });
    SetSearchFailureForTests(nullptr);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    const std::wstring shown =
        L"\u30fb" + Wide(tree.Path()) + L"\\data\\Caf\u00e9\\ (" + SystemErrorText(ERROR_ACCESS_DENIED) + L")";
    EXPECT_NE(std::wstring::npos, boxes.Boxes()[0].wideText.find(shown)) << Narrow(boxes.Boxes()[0].wideText);
}

}  // namespace
