// A dropped file whose checksum takes long: the dialog keeps answering, and Cancel stops the
// listing, as it stops a folder run. The file's read is held until the test has clicked.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "ScriptedMainDialog.h"
#include "engine/ReadSeams.h"
#include "res/resource.h"

namespace {

// Holds the second read of the run (the large file's) until Open; the first goes on.
class ReadGate {
public:
    ReadGate() {
        static std::atomic<unsigned> reads;
        static HANDLE held, gate;
        reads = 0;
        held = held_;
        gate = gate_;
        SetReadPauseForTests([] {
            if (++reads != 2) return;
            SetEvent(held);
            WaitForSingleObject(gate, 60000);  // bounded, should a failed check leave it shut
        });
    }
    ~ReadGate() {
        Open();
        SetReadPauseForTests(nullptr);
        CloseHandle(held_);
        CloseHandle(gate_);
    }
    ReadGate(const ReadGate&) = delete;
    ReadGate& operator=(const ReadGate&) = delete;
    bool IsHolding(DWORD timeoutMs) const { return WaitForSingleObject(held_, timeoutMs) == WAIT_OBJECT_0; }
    void Open() const { SetEvent(gate_); }

private:
    HANDLE held_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE gate_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
};

TEST(LongDrop, ALargeFilesChecksumCanBeStoppedWhileTheDialogAnswers) {
    TempFolder tree;
    const std::string large = tree / "large.bin";
    ASSERT_TRUE(tree.WriteSparseFile("large.bin", 64LL << 30));  // some seconds of reading even when cached
    const std::string small = tree.WriteFile("small.txt", "abc");
    const std::string output = tree / "out.txt";
    MessageBoxRecorder boxes;
    ReadGate gate;
    ScriptedMainDialog dialog(tree);
    dialog.Run([&](ScriptedMainDialog& d) {
        d.OnlyColumns({IDC_MAIN_CHECKSUM});
        SetDlgItemTextA(d.Window(), IDC_MAIN_OUTPUT, output.c_str());
        d.SendDrop({small, large});
        ASSERT_TRUE(d.IsRunning());
        ASSERT_TRUE(gate.IsHolding(30000)) << "the large file's read begins";

        // Another thread's message is answered while the checksum waits.
        std::atomic<bool> answered{false};
        std::thread caller([&] {
            DWORD_PTR result = 0;
            answered = SendMessageTimeoutW(d.Window(), WM_NULL, 0, 0, SMTO_NORMAL, 30000, &result) != 0;
        });
        WaitUntil([&] { return answered.load(); }, 30000);
        caller.join();
        EXPECT_TRUE(answered) << "the dialog answers during the listing";
        ASSERT_TRUE(d.IsRunning()) << "the read is held";

        d.Click(IDCANCEL);
        gate.Open();  // the checksum begins after the stop: it gives up at its first block
        ASSERT_TRUE(WaitUntil([&] { return !d.IsRunning() && d.IsItemEnabled(IDOK); }, 60000));
        EXPECT_TRUE(IsWindowVisible(d.Window())) << "Cancel stopped the listing, it did not close";
    });
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "ユーザーの指示により停止しました");
    // The entry whose checksum was given up has no line; the one listed before it has.
    EXPECT_EQ(ReadWholeFile(output), small + "\t352441C2\r\n");
}

}  // namespace
