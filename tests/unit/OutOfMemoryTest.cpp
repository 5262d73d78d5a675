// A run whose memory runs out (the line store's allocation fails, or a reader thread's): the
// run ends as a failed write, and the console program with that code, not as though it crashed.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <new>

#include "cli/ConsoleListing.h"
#include "content/ReadPause.h"
#include "engine/ChecksumReport.h"
#include "engine/ReadSeams.h"
#include "engine/ListingRun.h"
#include "engine/SortedLineStore.h"
#include "support/ListingRun.h"
#include "support/TempFolder.h"

namespace {

TEST(OutOfMemory, TheConsoleListingEndsAsAFailedWrite) {
    TempFolder tree;
    for (const char* name : {"a.txt", "b.txt", "sub\\c.txt", "sub\\d.txt"}) tree.WriteFile(std::string("list\\") + name, "x");
    int kept = 0;
    SetBeforeInsertForTests([&kept] {
        if (++kept > 2) throw std::bad_alloc();
    });
    ListingOptions options = RelativeListing(tree / "list", tree / "out.txt");
    options.checksum = true;  // the content readers are running too when it fails
    const int exitCode = RunConsoleListing(options, true);
    SetBeforeInsertForTests(nullptr);
    EXPECT_EQ(kExitWriteFailed, exitCode);
    EXPECT_EQ(3, kept);
    EXPECT_EQ("", ReadWholeFile(tree / "out.txt")) << "created, and nothing written yet";
}

// The run goes on this thread; the readers' reads throw. This thread's reads after its first
// (the listed folder, which the readers need read before they have anything to read) wait
// until a reader has thrown, so that it is a reader's failure that ends the run.
TEST(OutOfMemory, AReaderThreadsFailureEndsTheRunAsAFailedWrite) {
    TempFolder tree;
    for (const char* name : {"a.txt", "b.txt", "c.txt"})
        for (const char* folder : {"s1", "s2", "s3", "s4"}) tree.WriteFile(std::string("list\\") + folder + "\\" + name, "x");
    for (const bool checksum : {false, true}) {
        static DWORD runThread;
        static std::atomic<unsigned> runThreadReads;
        static std::mutex mutex;
        static std::condition_variable changed;
        static bool thrown;
        runThread = GetCurrentThreadId();
        runThreadReads = 0;
        thrown = false;
        SetReadPauseForTests([] {
            std::unique_lock<std::mutex> lock(mutex);
            if (GetCurrentThreadId() != runThread) {
                thrown = true;
                changed.notify_all();
                throw std::bad_alloc();
            }
            if (++runThreadReads > 1) changed.wait(lock, [] { return thrown; });
        });
        ListingOptions options = RelativeListing(tree / "list", tree / "out.txt");
        options.checksum = checksum;  // the content readers are running too
        ListingRun run(options);
        run.SetReaderThreads(2);
        run.RunHere();
        SetReadPauseForTests(nullptr);
        EXPECT_TRUE(thrown);
        EXPECT_EQ(RunResult::WriteFailed, run.Result()) << "checksum " << checksum;
        EXPECT_EQ("", ReadWholeFile(tree / "out.txt")) << "created, and nothing written yet";
    }
}

// The same for a check of a checksum file: its reader threads read the files.
TEST(OutOfMemory, AChecksumReaderThreadsFailureEndsTheCheckAsAFailedWrite) {
    TempFolder tree;
    std::string sums;
    for (const char* name : {"a.txt", "b.txt", "c.txt", "d.txt"}) {
        tree.WriteFile(name, "abc");
        sums += "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad *" + std::string(name) + "\r\n";
    }
    tree.WriteFile("list.sha256", sums);
    static DWORD checkThread;
    static std::mutex mutex;
    static std::condition_variable changed;
    static bool thrown;
    checkThread = GetCurrentThreadId();
    thrown = false;
    SetSizeTakenForTests([] {
        std::unique_lock<std::mutex> lock(mutex);
        if (GetCurrentThreadId() != checkThread) {
            thrown = true;
            changed.notify_all();
            throw std::bad_alloc();
        }
        changed.wait(lock, [] { return thrown; });
    });
    StopSignal stop;
    ChecksumCheck check(Wide(tree / "list.sha256"), stop, 2);
    const CheckResult result = WriteCheckReport(check, Wide(tree / "report.txt"), nullptr, false);
    SetSizeTakenForTests(nullptr);
    EXPECT_TRUE(thrown);
    EXPECT_EQ(CheckResult::WriteFailed, result);
    EXPECT_EQ(std::string::npos, ReadWholeFile(tree / "report.txt").find("d.txt")) << "no line for what was not read";
}

}  // namespace
