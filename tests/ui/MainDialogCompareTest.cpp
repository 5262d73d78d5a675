// The compare box: greyed by the template, kept by Save, and a run that compares with the
// listing the output file held before it, the report beside it.
#include <gtest/gtest.h>

#include "ScriptedMainDialog.h"
#include "res/resource.h"

namespace {

TEST(MainDialogCompare, SavedSwitchFirstListsThenReportsTheDifferencesBesideTheOutput) {
    TempFolder folder;
    folder.WriteFile("data\\a.txt", "a");
    const std::string output = folder / "out.txt";
    auto runOnce = [&](ScriptedMainDialog& d, MessageBoxRecorder& boxes) {
        SetDlgItemTextA(d.Window(), IDC_MAIN_FOLDER, (folder / "data").c_str());
        SetDlgItemTextA(d.Window(), IDC_MAIN_OUTPUT, output.c_str());
        d.Click(IDOK);
        ASSERT_TRUE(WaitUntil([&] { return !boxes.Boxes().empty(); }));
    };
    {
        MessageBoxRecorder boxes(IDNO);
        ScriptedMainDialog dialog(folder);
        dialog.Run([&](ScriptedMainDialog& d) {
            d.OnlyColumns({IDC_MAIN_SIZE});
            d.Click(IDC_MAIN_RELATIVE);
            d.Click(IDC_MAIN_COMPARE);
            d.Click(IDC_MAIN_USE_TEMPLATE);
            EXPECT_FALSE(d.IsItemEnabled(IDC_MAIN_COMPARE)) << "the template excludes the comparison";
            d.Click(IDC_MAIN_USE_TEMPLATE);
            EXPECT_TRUE(d.IsItemEnabled(IDC_MAIN_COMPARE));
            d.Click(IDC_MAIN_SAVE);
            runOnce(d, boxes);
        });
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].text,
                  "前回の一覧がないため、比較せずに一覧を作成しました。\r\nファイル列挙が完了しました。\r\nいますぐ開きますか?");
        EXPECT_EQ(IniValue(folder / "qmtest.ini", "CONFIG", "COMPARE"), "1");
        EXPECT_EQ(ReadWholeFile(output), "a.txt\t1\r\n");
    }
    folder.WriteFile("data\\b.txt", "bb");
    MessageBoxRecorder boxes(IDNO);
    ScriptedMainDialog dialog(folder);
    dialog.Run([&](ScriptedMainDialog& d) {
        EXPECT_TRUE(d.IsChecked(IDC_MAIN_COMPARE)) << "loaded from the settings file";
        runOnce(d, boxes);
    });
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text,
              "前回の一覧との違い: 追加 1 件、削除 0 件、変更 0 件 (変更なし 1 件)\r\n違いの一覧をいますぐ開きますか?");
    EXPECT_EQ(boxes.Boxes()[0].type, UINT(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(ReadWholeFile(output), "a.txt\t1\r\nb.txt\t2\r\n");
    EXPECT_EQ(ReadWholeFile(output + ".diff.txt"), "+\tb.txt\t2\r\n");
    EXPECT_EQ(ReadWholeFile(output + ".quillmark-previous"), "<missing>") << "the previous listing is dropped";
}

}  // namespace
