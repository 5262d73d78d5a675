// The path the program is started with, handled at the end of the main dialog's start.
#include <gtest/gtest.h>

#include "ScriptedMainDialog.h"
#include "support/LineTexts.h"
#include "support/ModalDriver.h"
#include "res/resource.h"

namespace {

TEST(CommandLinePath, AFolderIsInTheFolderFieldWhenTheDialogFirstShows) {
    TempFolder tree;
    std::string folder = tree.MakeDir("表示");
    ModalDriver driver(kDropChoicesCaption, [](HWND c) { ClickIn(c, IDCANCEL); });
    ScriptedMainDialog dialog(tree, folder);
    dialog.Run([&](ScriptedMainDialog& d) { EXPECT_EQ(ItemText(d.Window(), IDC_MAIN_FOLDER), folder); });
    EXPECT_EQ(driver.Openings(), 0);
}

TEST(CommandLinePath, AMissingPathIsIgnoredSilently) {
    TempFolder tree;
    MessageBoxRecorder boxes;
    ModalDriver driver(kDropChoicesCaption, [](HWND c) { ClickIn(c, IDCANCEL); });
    ScriptedMainDialog dialog(tree, tree / "nowhere.txt");
    dialog.Run([&](ScriptedMainDialog& d) { EXPECT_EQ(ItemText(d.Window(), IDC_MAIN_FOLDER), ""); });
    EXPECT_EQ(driver.Openings(), 0);
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST(CommandLinePath, ABareFileNameIsTakenFromTheCurrentFolder) {
    TempFolder tree;
    tree.WriteFile("list.txt", "x");
    char previous[MAX_PATH];
    GetCurrentDirectoryA(sizeof previous, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(tree.Path().c_str()));
    ModalDriver driver(kDropChoicesCaption, [](HWND c) {
        ClickIn(c, IDC_DROP_SAME_FOLDER);
        ClickIn(c, IDOK);
    });
    ScriptedMainDialog dialog(tree, "list.txt");
    dialog.Run([&](ScriptedMainDialog& d) { EXPECT_EQ(ItemText(d.Window(), IDC_MAIN_FOLDER), tree.Path()); });
    SetCurrentDirectoryA(previous);
    EXPECT_EQ(driver.Openings(), 1);
}

TEST(CommandLinePath, ABareFolderNameIsKeptAsGivenAndListedFromTheCurrentFolder) {
    TempFolder tree;
    tree.WriteFile("data\\a.txt", "a");
    char previous[MAX_PATH];
    GetCurrentDirectoryA(sizeof previous, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(tree.Path().c_str()));
    MessageBoxRecorder boxes(IDNO);
    ModalDriver driver(kDropChoicesCaption, [](HWND c) { ClickIn(c, IDCANCEL); });
    ScriptedMainDialog dialog(tree, "data");
    dialog.Run([&](ScriptedMainDialog& d) {
        EXPECT_EQ(ItemText(d.Window(), IDC_MAIN_FOLDER), "data");
        SetDlgItemTextA(d.Window(), IDC_MAIN_OUTPUT, (tree / "out.txt").c_str());
        for (int id : {IDC_MAIN_SIZE, IDC_MAIN_DATE, IDC_MAIN_ATTRIBUTES}) d.Click(id);
        d.Click(IDOK);
        WaitUntil([&] { return !boxes.Boxes().empty(); });
    });
    SetCurrentDirectoryA(previous);
    EXPECT_EQ(driver.Openings(), 0);
    EXPECT_EQ(ReadWholeFile(tree / "out.txt"), "DATA\\A.TXT\r\n") << "absolute paths begin as the folder was given";
}

TEST(CommandLinePath, ShowFileListsItAsADropWould) {
    TempFolder tree;
    std::string list = tree.WriteFile("photos\\list.txt", "x");
    MessageBoxRecorder boxes;
    ModalDriver driver(kDropChoicesCaption, [](HWND c) {
        ClickIn(c, IDC_DROP_SHOW_FILE);
        ClickIn(c, IDOK);
    });
    ScriptedMainDialog dialog(tree, list);
    dialog.Run([&](ScriptedMainDialog& d) {
        EXPECT_EQ(ItemText(d.Window(), IDC_MAIN_FOLDER), "");
        EXPECT_TRUE(WaitUntil([&] { return !d.IsRunning() && d.IsItemEnabled(IDOK); }));
    });
    EXPECT_EQ(driver.Openings(), 1);
    EXPECT_TRUE(boxes.Boxes().empty());  // no output path: the default file, opened unasked
    EXPECT_EQ(ReadWholeFile(tree / "qmtest.txt").find(Upper(list) + "\t1\t"), 0u);
}

}  // namespace
