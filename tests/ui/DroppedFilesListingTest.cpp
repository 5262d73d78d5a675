// Several paths dropped onto the main dialog, listed through real drops and real output files.
#include <gtest/gtest.h>

#include "ScriptedMainDialog.h"
#include "support/DeepFolder.h"
#include "support/DialogItems.h"
#include "res/resource.h"

namespace {

class DroppedFiles : public ::testing::Test {
protected:
    void SetUp() override {
        second = tree.WriteFile("b-folder\\A.txt", "a");
        first = tree.WriteFile("表\\z.txt", "zz");   // the folder's name ends in a 0x5C trail byte
        output = tree / "out.txt";
    }
    TempFolder tree;
    std::string first, second, output;
};

TEST_F(DroppedFiles, AbsolutePathsKeepTheirOwnFoldersSortedAfterAQuestion) {
    MessageBoxRecorder boxes(IDNO);
    ScriptedMainDialog dialog(tree);
    dialog.Run([&](ScriptedMainDialog& d) {
        d.OnlyColumns({IDC_MAIN_SIZE, IDC_MAIN_CHECKSUM});
        SetItemText(d.Window(), IDC_MAIN_OUTPUT, output);
        d.Drop({first, second});
        EXPECT_TRUE(d.IsItemEnabled(IDOK));
        EXPECT_FALSE(d.IsRunning());
        EXPECT_EQ(d.CurrentRun()->Result(), RunResult::Complete);
    });
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "ファイル列挙が完了しました。\r\nいますぐ開きますか?");
    EXPECT_EQ(ReadWholeFile(output), second + "\t1\tE8B7BE43\r\n" + first + "\t2\t24D91BA1\r\n");
}

TEST_F(DroppedFiles, RelativePathsAreBareNamesAndDirnameIsEmpty) {
    MessageBoxRecorder boxes(IDNO);
    ScriptedMainDialog dialog(tree);
    dialog.Run([&](ScriptedMainDialog& d) {
        d.options.repeatText = "[%DIRNAME%][%DIR%][%PATH%][%LOCATION%]";
        d.options.headerText = "head %DIRNAME%.";
        d.options.footerText = "foot";
        d.OnlyColumns({IDC_MAIN_USE_TEMPLATE});
        d.Click(IDC_MAIN_RELATIVE);
        SetItemText(d.Window(), IDC_MAIN_OUTPUT, output);
        d.Drop({first, second});
    });
    EXPECT_EQ(ReadWholeFile(output), "head .\r\n[][][A.txt][" + tree / "b-folder\\" + "]\r\n" +
                                         "[][][z.txt][" + tree / "表\\" + "]\r\nfoot\r\n");
}

TEST_F(DroppedFiles, AFolderIsOneDirectoryLineAndADotFolderNone) {
    tree.WriteFile("photos\\inside.txt", "never listed");
    tree.WriteFile(".hidden\\inside.txt", "never listed");
    MessageBoxRecorder boxes(IDNO);
    ScriptedMainDialog dialog(tree);
    dialog.Run([&](ScriptedMainDialog& d) {
        d.OnlyColumns({IDC_MAIN_ATTRIBUTES});
        d.Click(IDC_MAIN_DIRECTORY_NAMES);  // off: a dropped folder is written all the same
        d.Click(IDC_MAIN_RELATIVE);
        SetItemText(d.Window(), IDC_MAIN_OUTPUT, output);
        d.Drop({tree / ".hidden", tree / "photos", tree / "gone.txt"});
    });
    EXPECT_EQ(ReadWholeFile(output), "photos\tD    \r\n");
}

TEST_F(DroppedFiles, TheFilterIsIgnoredAndItsListEmptied) {
    MessageBoxRecorder boxes(IDNO);
    ScriptedMainDialog dialog(tree);
    dialog.Run([&](ScriptedMainDialog& d) {
        d.OnlyColumns({});
        d.Click(IDC_MAIN_RELATIVE);
        d.Click(IDC_MAIN_FILTER);
        SetItemText(d.Window(), IDC_MAIN_FILTER_TEXT, "*.doc");
        SetItemText(d.Window(), IDC_MAIN_OUTPUT, output);
        d.Drop({first, second});
        EXPECT_TRUE(d.CurrentRun()->Job().filterList.empty());
        EXPECT_TRUE(d.options.filter);
        EXPECT_EQ(d.options.filterText, L"*.doc");
        EXPECT_TRUE(d.IsItemEnabled(IDC_MAIN_FILTER_TEXT));  // unlocked by its rule
    });
    EXPECT_EQ(ReadWholeFile(output), "A.txt\r\nz.txt\r\n");
}

TEST_F(DroppedFiles, WithoutAnOutputPathTheDefaultFileIsWrittenWithoutAQuestion) {
    MessageBoxRecorder boxes(IDNO);
    ScriptedMainDialog dialog(tree);
    dialog.Run([&](ScriptedMainDialog& d) {
        d.OnlyColumns({});
        SetItemText(d.Window(), IDC_MAIN_OUTPUT, " ");
        d.Drop({first, second});
        EXPECT_EQ(Narrow(d.CurrentRun()->Job().options.outputPath), tree / "qmtest.txt");
        EXPECT_EQ(d.CurrentRun()->Result(), RunResult::Complete);
    });
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(ReadWholeFile(tree / "qmtest.txt"), second + "\r\n" + first + "\r\n");
}

TEST_F(DroppedFiles, PathsLongerThanTheOldBufferAreListedWhole) {
    DeepFolder deep(tree.Path(), 300);
    std::string longFile = deep.WriteFile("long.txt", "abc");
    ASSERT_GE(longFile.size(), 300u);
    MessageBoxRecorder boxes(IDNO);
    ScriptedMainDialog dialog(tree);
    dialog.Run([&](ScriptedMainDialog& d) {
        d.OnlyColumns({IDC_MAIN_SIZE});
        SetItemText(d.Window(), IDC_MAIN_OUTPUT, output);
        d.Drop({longFile, second});
    });
    EXPECT_EQ(ReadWholeFile(output), second + "\t1\r\n" + longFile + "\t3\r\n");
}

TEST_F(DroppedFiles, AnOutputThatCannotBeCreatedIsReported) {
    MessageBoxRecorder boxes;
    ScriptedMainDialog dialog(tree);
    dialog.Run([&](ScriptedMainDialog& d) {
        SetItemText(d.Window(), IDC_MAIN_OUTPUT, tree / "missing\\out.txt");
        PathList paths{Wide(first), Wide(second)};
        d.ListDroppedFiles(paths);
        ASSERT_TRUE(WaitUntil([&] { return !d.IsRunning() && d.IsItemEnabled(IDOK); }));
        EXPECT_TRUE(paths.empty()) << "the run took them";
        EXPECT_EQ(d.CurrentRun()->Result(), RunResult::CannotCreate);
        EXPECT_TRUE(d.IsItemEnabled(IDOK));
    });
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "ファイルが作成できません");
    EXPECT_EQ(boxes.Boxes()[0].type, UINT(MB_OK | MB_ICONERROR | MB_SETFOREGROUND));
}

TEST_F(DroppedFiles, DropsDuringARunDoNothing) {
    tree.MakeDir("data");
    MessageBoxRecorder boxes;
    ScriptedMainDialog dialog(tree);
    dialog.startRun = HoldStart;
    dialog.Run([&](ScriptedMainDialog& d) {
        SetItemText(d.Window(), IDC_MAIN_FOLDER, tree / "data");
        SetItemText(d.Window(), IDC_MAIN_OUTPUT, output);
        d.Click(IDOK);
        ASSERT_TRUE(d.IsRunning());
        d.SendDrop({first, second});
        d.SendDrop({tree / "b-folder"});
        PathList paths{Wide(first)};
        d.ListDroppedFiles(paths);
        EXPECT_EQ(paths.size(), 1u);
        EXPECT_EQ(ItemText(d.Window(), IDC_MAIN_FOLDER), tree / "data");
        EXPECT_FALSE(d.IsItemEnabled(IDOK));
    });
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(ReadWholeFile(output), "<missing>");
}

}  // namespace
