// The compare box: greyed by the template, kept by Save, and a run that compares with the
// listing the output file held before it, the report beside it; the files beside the output,
// the names they are found by, and the messages when they cannot be written.
#include <gtest/gtest.h>

#include <string>

#include "ScriptedMainDialog.h"
#include "framework/MessageText.h"
#include "support/DialogItems.h"
#include "res/resource.h"

namespace {

// One comparing run of data into the output as typed; the boxes it showed, answered No.
std::vector<RecordedBox> CompareOnce(TempFolder& folder, const std::string& output, bool compare = true) {
    MessageBoxRecorder boxes(IDNO);
    ScriptedMainDialog dialog(folder);
    dialog.Run([&](ScriptedMainDialog& d) {
        d.OnlyColumns({IDC_MAIN_SIZE});
        d.Click(IDC_MAIN_RELATIVE);
        if (compare) d.Click(IDC_MAIN_COMPARE);
        SetItemText(d.Window(), IDC_MAIN_FOLDER, folder / "data");
        SetItemText(d.Window(), IDC_MAIN_OUTPUT, output);
        d.Click(IDOK);
        ASSERT_TRUE(WaitUntil([&] { return !boxes.Boxes().empty() && !d.IsRunning(); }));
    });
    return boxes.Boxes();
}

const char kNoPrevious[] = "前回の一覧がないため、比較せずに一覧を作成しました。\r\nファイル列挙が完了しました。\r\nいますぐ開きますか?";

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
    EXPECT_EQ(ReadWholeFile(output + ".quillmark-new"), "<missing>") << "nothing is left beside the output";
}

// The output inside the listed folder: its line stays, the files beside it get none, and a
// run that makes no report leaves none of an earlier run.
TEST(MainDialogCompare, SideFilesAreNeverListedAndAStaleReportGoes) {
    TempFolder folder;
    folder.WriteFile("data\\a.txt", "a");
    const std::string output = folder / "data\\out.txt";
    ASSERT_EQ(kNoPrevious, CompareOnce(folder, output).at(0).text);
    EXPECT_EQ("a.txt\t1\r\nout.txt\t0\r\n", ReadWholeFile(output)) << "created empty before the walk";
    CompareOnce(folder, output);
    EXPECT_EQ("a.txt\t1\r\nout.txt\t20\r\n", ReadWholeFile(output)) << "the earlier listing, read as it is";
    EXPECT_EQ("<\tout.txt\t0\r\n>\tout.txt\t20\r\n", ReadWholeFile(output + ".diff.txt"));
    CompareOnce(folder, output);
    EXPECT_EQ("<\tout.txt\t20\r\n>\tout.txt\t21\r\n", ReadWholeFile(output + ".diff.txt"));
    ASSERT_EQ("ファイル列挙が完了しました。\r\nいますぐ開きますか?", CompareOnce(folder, output, false).at(0).text);
    EXPECT_EQ("a.txt\t1\r\nout.txt\t0\r\n", ReadWholeFile(output));
    EXPECT_EQ("<missing>", ReadWholeFile(output + ".diff.txt")) << "a plain listing made no report";
}

// "report." is created as "report": that file is the previous listing of the next run.
TEST(MainDialogCompare, AnOutputEndingInADotIsFoundAsItWasCreated) {
    TempFolder folder;
    folder.WriteFile("data\\a.txt", "a");
    ASSERT_EQ(kNoPrevious, CompareOnce(folder, folder / "report.").at(0).text);
    EXPECT_EQ("a.txt\t1\r\n", ReadWholeFile(folder / "report"));
    folder.WriteFile("data\\b.txt", "bb");
    EXPECT_EQ("前回の一覧との違い: 追加 1 件、削除 0 件、変更 0 件 (変更なし 1 件)\r\n違いの一覧をいますぐ開きますか?",
              CompareOnce(folder, folder / "report.").at(0).text);
    EXPECT_EQ("a.txt\t1\r\nb.txt\t2\r\n", ReadWholeFile(folder / "report"));
    EXPECT_EQ("+\tb.txt\t2\r\n", ReadWholeFile(folder / "report.diff.txt"));
}

// An output that cannot be written (another program holds it open for reading only) and a
// file beside it whose name is too long are named with the system's reason; nothing changes.
TEST(MainDialogCompare, FilesThatCannotBeWrittenAreNamedWithTheSystemsReason) {
    TempFolder folder;
    folder.WriteFile("data\\a.txt", "a");
    const std::string held = folder.WriteFile("held.txt", "a.txt\t1\r\n");
    HANDLE reader = CreateFileA(held.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, reader);
    const std::string reason = Narrow(SystemErrorText(ERROR_SHARING_VIOLATION));
    EXPECT_EQ("出力ファイル " + held + " に書き込めません: " + reason + "\r\n何も出力していません",
              CompareOnce(folder, held).at(0).text);
    CloseHandle(reader);
    EXPECT_EQ("a.txt\t1\r\n", ReadWholeFile(held));

    // A name of 245 characters leaves no room for the new listing's suffix.
    const std::string longName = folder.WriteFile(std::string(241, 'n') + ".txt", "a.txt\t1\r\n");
    const std::string side = longName + ".quillmark-new";
    const std::string text = CompareOnce(folder, longName).at(0).text;
    const std::string named = "比較に使うファイル " + side + " を作成できません: ";
    EXPECT_EQ(named, text.substr(0, named.size()));
    EXPECT_GT(text.size(), named.size() + std::string(": \r\n何も出力していません").size()) << text;
    EXPECT_EQ(text.size() - 22, text.rfind("\r\n何も出力していません")) << text;
    EXPECT_EQ("a.txt\t1\r\n", ReadWholeFile(longName));
}

// The note of a comparing run that found no previous listing is that run's: a later drop
// listing into the default output opens it unasked, with no note.
TEST(MainDialogCompare, TheNoPreviousNoteBelongsToTheRunThatMadeIt) {
    TempFolder folder;
    const std::string first = folder.WriteFile("a.txt", "a");
    const std::string second = folder.WriteFile("b.txt", "bb");
    folder.MakeDir("data");
    MessageBoxRecorder boxes(IDNO);
    ScriptedMainDialog dialog(folder);
    dialog.Run([&](ScriptedMainDialog& d) {
        d.OnlyColumns({IDC_MAIN_SIZE});
        d.Click(IDC_MAIN_COMPARE);
        SetItemText(d.Window(), IDC_MAIN_FOLDER, folder / "data");
        SetItemText(d.Window(), IDC_MAIN_OUTPUT, folder / "out.txt");
        d.Click(IDOK);
        ASSERT_TRUE(WaitUntil([&] { return !boxes.Boxes().empty() && !d.IsRunning(); }));
        SetItemText(d.Window(), IDC_MAIN_OUTPUT, "");
        d.Drop({first, second});
    });
    ASSERT_EQ(1u, boxes.Boxes().size()) << "the default output opens unasked";
    EXPECT_EQ(kNoPrevious, boxes.Boxes()[0].text);
    EXPECT_EQ(first + "\t1\r\n" + second + "\t2\r\n", ReadWholeFile(folder / "qmtest.txt"));
}

}  // namespace
