// A dropped file whose checksum takes long: the dialog keeps answering, and Cancel stops the
// listing at once, as it stops a folder run.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <thread>

#include "ScriptedMainDialog.h"
#include "ui/res/resource.h"

namespace {

TEST(LongDrop, ALargeFilesChecksumCanBeStoppedWhileTheDialogAnswers) {
    TempFolder tree;
    const std::string large = tree / "large.bin";
    ASSERT_TRUE(tree.WriteSparseFile("large.bin", 64LL << 30));  // some seconds of reading even when cached
    const std::string small = tree.WriteFile("small.txt", "abc");
    const std::string output = tree / "out.txt";
    MessageBoxRecorder boxes;
    ScriptedMainDialog dialog(tree);
    dialog.Run([&](ScriptedMainDialog& d) {
        d.OnlyColumns({IDC_MAIN_CHECKSUM});
        SetDlgItemTextA(d.Window(), IDC_MAIN_OUTPUT, output.c_str());
        d.SendDrop({small, large});
        ASSERT_TRUE(d.IsRunning());

        // Another thread's message is answered while the checksum goes on.
        std::atomic<bool> answered{false};
        std::thread caller([&] {
            DWORD_PTR result = 0;
            answered = SendMessageTimeoutW(d.Window(), WM_NULL, 0, 0, SMTO_NORMAL, 2000, &result) != 0;
        });
        WaitUntil([&] { return answered.load(); }, 3000);
        caller.join();
        EXPECT_TRUE(answered) << "the dialog answers during the listing";
        ASSERT_TRUE(d.IsRunning()) << "the checksum takes longer than this";

        const ULONGLONG cancelled = GetTickCount64();
        d.Click(IDCANCEL);
        ASSERT_TRUE(WaitUntil([&] { return !d.IsRunning() && d.IsItemEnabled(IDOK); }, 5000));
        const ULONGLONG stopped = GetTickCount64();
        std::printf("stopped %llu ms after Cancel\n", stopped - cancelled);
        EXPECT_LT(stopped - cancelled, 500u);
        EXPECT_TRUE(IsWindowVisible(d.Window())) << "Cancel stopped the listing, it did not close";
    });
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "ユーザーの指示により停止しました");
    // The entry whose checksum was given up has no line; the one listed before it has.
    EXPECT_EQ(ReadWholeFile(output), small + "\t352441C2\r\n");
}

}  // namespace
