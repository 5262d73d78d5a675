// Execute and the finish notice: the snapshot, the locking, stopping, the end-of-run prompt.
#include <gtest/gtest.h>

#include <new>

#include "engine/SortedLineStore.h"

#include "ScriptedMainDialog.h"
#include "engine/DirectorySearch.h"
#include "framework/MessageText.h"
#include "res/resource.h"

namespace {

// A run start that fails, as when no thread can be made.
bool FailStart(ListingRun&) { return false; }

TEST(MainDialogRun, MissingFolderIsReportedAndNothingStarts) {
    TempFolder folder;
    MessageBoxRecorder boxes;
    ScriptedMainDialog dialog(folder);
    dialog.Run([&](ScriptedMainDialog& d) {
        SetDlgItemTextA(d.Window(), IDC_MAIN_FOLDER, (folder / "nowhere").c_str());
        d.Click(IDOK);
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].text, "対象フォルダにアクセスできません");
        EXPECT_EQ(boxes.Boxes()[0].type, UINT(MB_OK | MB_ICONERROR));
        EXPECT_EQ(boxes.Boxes()[0].owner, d.Window());
        EXPECT_EQ(d.CurrentRun(), nullptr);
        EXPECT_FALSE(d.IsRunning());
        // An empty field (or blanks) is no folder given, not one that cannot be reached.
        SetDlgItemTextA(d.Window(), IDC_MAIN_FOLDER, "  ");
        d.Click(IDOK);
        ASSERT_EQ(boxes.Boxes().size(), 2u);
        EXPECT_EQ(boxes.Boxes()[1].text, "対象フォルダが指定されていません");
        EXPECT_EQ(d.CurrentRun(), nullptr);
        EXPECT_TRUE(d.IsItemEnabled(IDOK));
    });
}

TEST(MainDialogRun, SnapshotLockingAndStopBeforeTheFirstDirectory) {
    TempFolder folder;
    folder.WriteFile("data\\a.txt", "a");
    MessageBoxRecorder boxes;
    ScriptedMainDialog dialog(folder);
    ListingRun* held = nullptr;  // started for real only once the test has looked at it
    dialog.startRun = [&](ListingRun& run) {
        held = &run;
        return true;
    };
    dialog.Run([&](ScriptedMainDialog& d) {
        // Typed as the system tidies them: the folder "data" and the file "一覧.txt".
        SetDlgItemTextA(d.Window(), IDC_MAIN_FOLDER, (folder / "data. ").c_str());
        SetDlgItemTextA(d.Window(), IDC_MAIN_OUTPUT, ("  \t" + (folder / "一覧.txt.") + " \r\n").c_str());
        SetDlgItemTextA(d.Window(), IDC_MAIN_FILTER_TEXT, "*.txt;*.doc");
        d.Click(IDC_MAIN_FILTER);
        d.Click(IDC_MAIN_RELATIVE);
        d.Click(IDOK);
        ASSERT_NE(held, nullptr);
        const ListingJob& job = held->Job();
        EXPECT_TRUE(d.IsRunning());
        EXPECT_EQ(Narrow(job.options.folder), folder / "data\\");  // the job is whole when made
        EXPECT_EQ(Narrow(d.options.folder), folder / "data. ");
        EXPECT_EQ(Narrow(d.options.outputPath), folder / "一覧.txt.");  // trimmed in the field itself
        EXPECT_EQ(Narrow(job.options.outputPath), folder / "一覧.txt.");
        EXPECT_EQ(job.options.pathType, PathType::Relative);
        EXPECT_TRUE(job.options.filter);
        EXPECT_EQ(job.filterList, (PatternList{L"*.txt", L"*.doc"}));
        EXPECT_EQ(job.options.repeatText, d.options.repeatText);
        EXPECT_FALSE(d.IsItemEnabled(IDOK));
        EXPECT_FALSE(d.IsItemEnabled(IDC_MAIN_SAVE));
        EXPECT_TRUE(d.IsItemEnabled(IDCANCEL));

        d.Click(IDOK);  // a second OK while running does nothing
        EXPECT_EQ(d.CurrentRun(), held);
        d.Click(IDCANCEL);
        EXPECT_TRUE(held->StopRequested());
        ASSERT_TRUE(held->Start(d.Window(), IDC_MAIN_FINISH));  // the real worker, told to stop
        ASSERT_TRUE(WaitUntil([&] { return !d.IsRunning() && d.IsItemEnabled(IDOK); }));
        WaitUntil([&] { return !boxes.Boxes().empty(); }, 2000);
    });
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "ユーザーの指示により停止しました");
    EXPECT_EQ(boxes.Boxes()[0].type, UINT(MB_OK | MB_ICONEXCLAMATION));
    EXPECT_EQ(ReadWholeFile(folder / "一覧.txt"), "");  // stopped before any directory
    EXPECT_EQ(ReadWholeFile(RealPath(folder / "一覧.txt.")), "<missing>");
}

// Starts a run of the folder's relative paths alone into the output.
void StartNamesOnly(ScriptedMainDialog& d, const std::string& listed, const std::string& output) {
    SetDlgItemTextA(d.Window(), IDC_MAIN_FOLDER, listed.c_str());
    SetDlgItemTextA(d.Window(), IDC_MAIN_OUTPUT, output.c_str());
    d.OnlyColumns({});
    d.Click(IDC_MAIN_RELATIVE);
    d.Click(IDOK);
}

TEST(MainDialogRun, FinishedRunAsksBeforeOpeningAndUnlocks) {
    TempFolder folder;
    folder.WriteFile("data\\b.txt", "bb");
    folder.WriteFile("data\\a.txt", "a");
    MessageBoxRecorder boxes(IDNO);
    ScriptedMainDialog dialog(folder);
    dialog.Run([&](ScriptedMainDialog& d) {
        StartNamesOnly(d, folder / "data", folder / "out.txt");
        ASSERT_TRUE(WaitUntil([&] { return !boxes.Boxes().empty(); }));
        EXPECT_TRUE(d.IsItemEnabled(IDOK));
    });
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "ファイル列挙が完了しました。\r\nいますぐ開きますか?");
    EXPECT_EQ(boxes.Boxes()[0].type, UINT(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(ReadWholeFile(folder / "out.txt"), "a.txt\r\nb.txt\r\n");
}

// The tests run as root under Wine: a seam fails the searches of the folder "closed" as a
// folder closed to its reader does.
TEST(MainDialogRun, ClosedFoldersAreToldInTheQuestionOrAsUnreachable) {
    TempFolder folder;
    folder.WriteFile("data\\a.txt", "a");
    folder.WriteFile("data\\closed\\b.txt", "b");
    folder.WriteFile("closed\\c.txt", "c");
    SetSearchFailureForTests([](const std::wstring& pattern) -> DWORD {
        return pattern.size() > 9 && pattern.compare(pattern.size() - 9, 9, L"\\closed\\*") == 0 ? ERROR_ACCESS_DENIED : 0;
    });
    MessageBoxRecorder boxes(IDNO);
    ScriptedMainDialog dialog(folder);
    dialog.Run([&](ScriptedMainDialog& d) {
        StartNamesOnly(d, folder / "data", folder / "out.txt");
        ASSERT_TRUE(WaitUntil([&] { return !boxes.Boxes().empty(); }));
        SetDlgItemTextA(d.Window(), IDC_MAIN_FOLDER, (folder / "closed").c_str());
        d.Click(IDOK);
        ASSERT_TRUE(WaitUntil([&] { return boxes.Boxes().size() == 2; }));
    });
    SetSearchFailureForTests(nullptr);
    ASSERT_EQ(boxes.Boxes().size(), 2u);
    EXPECT_EQ(boxes.Boxes()[0].text, "ファイル列挙が完了しました。\r\n読み取れなかった項目が 1 件あります。\r\n・" +
                                         (folder / "data\\closed\\") + " (" + Narrow(SystemErrorText(ERROR_ACCESS_DENIED)) +
                                         ")\r\nいますぐ開きますか?");
    EXPECT_EQ(boxes.Boxes()[0].type, UINT(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(ReadWholeFile(folder / "out.txt"), "a.txt\r\nclosed\r\n");
    EXPECT_EQ(boxes.Boxes()[1].text, "対象フォルダにアクセスできません");
    EXPECT_EQ(boxes.Boxes()[1].type, UINT(MB_OK | MB_ICONERROR));
}

TEST(MainDialogRun, EmptyOutputWritesTheDefaultFileWithoutAsking) {
    TempFolder folder;
    folder.WriteFile("data\\a.txt", "a");
    MessageBoxRecorder boxes(IDNO);
    ScriptedMainDialog dialog(folder);
    dialog.Run([&](ScriptedMainDialog& d) {
        SetDlgItemTextA(d.Window(), IDC_MAIN_FOLDER, (folder / "data").c_str());
        SetDlgItemTextA(d.Window(), IDC_MAIN_OUTPUT, "   ");
        d.Click(IDOK);
        ASSERT_TRUE(WaitUntil([&] { return !d.IsRunning() && d.IsItemEnabled(IDOK); }));
        EXPECT_EQ(Narrow(d.CurrentRun()->Job().options.outputPath), folder / "qmtest.txt");
        EXPECT_NE(ReadWholeFile(folder / "qmtest.txt").find("A.TXT"), std::string::npos);
    });
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST(MainDialogRun, AFailedThreadStartUnlocksAndSaysSo) {
    TempFolder folder;
    folder.MakeDir("data");
    MessageBoxRecorder boxes;
    ScriptedMainDialog dialog(folder);
    dialog.startRun = FailStart;
    INT_PTR result = dialog.Run([&](ScriptedMainDialog& d) {
        SetDlgItemTextA(d.Window(), IDC_MAIN_FOLDER, (folder / "data").c_str());
        d.Click(IDOK);
        EXPECT_FALSE(d.IsRunning());
        EXPECT_TRUE(d.IsItemEnabled(IDOK));
        d.Click(IDCANCEL);  // closes: nothing counts as running
    });
    EXPECT_EQ(result, IDCANCEL);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "ファイル列挙を開始できません");
}

}  // namespace

TEST(MainDialogRun, RunningOutOfMemoryIsAFailedWriteAndTheDialogStays) {
    TempFolder folder;
    folder.WriteFile("data\\a.txt", "a");
    folder.WriteFile("data\\b.txt", "b");
    MessageBoxRecorder boxes;
    ScriptedMainDialog dialog(folder);
    SetBeforeInsertForTests([] { throw std::bad_alloc(); });
    INT_PTR result = dialog.Run([&](ScriptedMainDialog& d) {
        SetDlgItemTextA(d.Window(), IDC_MAIN_FOLDER, (folder / "data").c_str());
        SetDlgItemTextA(d.Window(), IDC_MAIN_OUTPUT, (folder / "out.txt").c_str());
        d.Click(IDOK);
        ASSERT_TRUE(WaitUntil([&] { return !d.IsRunning() && !boxes.Boxes().empty(); }));
        EXPECT_TRUE(d.IsItemEnabled(IDOK));
        d.Click(IDCANCEL);
    });
    SetBeforeInsertForTests(nullptr);
    EXPECT_EQ(result, IDCANCEL) << "closed by the user, not ended by the failure";
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "書き込み中にエラーが発生しました");
}
