// Runs read ahead on several threads against the walk on one thread: the same bytes, lines
// that compare equal included (their places follow the order the entries arrive in), and
// after a stop the entries of a prefix of the walk.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <random>
#include <string>
#include <vector>

#include "engine/ListingRun.h"
#include "engine/ReadSeams.h"
#include "format/ListingOptions.h"
#include "support/TempFolder.h"
#include "support/UnixSide.h"
#include "text/CodePageText.h"

namespace {

// The bytes a run of the options writes with that many readers (1: the walk on one thread).
std::string Listing(const ListingOptions& options, unsigned readerThreads) {
    ListingRun run(options);
    run.SetReaderThreads(readerThreads);
    run.RunHere();
    EXPECT_EQ(RunResult::Complete, run.Result());
    return ReadWholeFile(options.outputPath);
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    for (size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

// Folders and files whose names differ only in letter case from folder to folder (a.txt,
// A.txt, ａ.txt, Ａ.txt), a hidden folder, links back up and aside, and the run's output.
void MakeRandomTree(const TempFolder& tree, std::mt19937& random) {
    static const char* const letters[] = {"a", "A", "ａ", "Ａ", "b", "B", "表"};
    auto name = [&] {
        std::string text;
        for (unsigned n = 1 + random() % 2; n > 0; --n) text += letters[random() % 7];
        return text;
    };
    std::vector<std::string> folders{"root"};
    for (int i = 0; i < 30; ++i) folders.push_back(folders[random() % folders.size()] + "\\" + name());
    for (const std::string& folder : folders) tree.MakeDir(folder);
    for (int i = 0; i < 200; ++i)
        tree.WriteFile(folders[random() % folders.size()] + "\\" + name() + (random() % 2 ? ".txt" : ".TXT"),
                       std::string(random() % 40, static_cast<char>('0' + random() % 10)));
    tree.WriteFile("root\\.hidden\\a.txt", "never listed");
    tree.WriteFile("root\\M\\a.txt", "beside");
    tree.MakeDir("root\\L");
    ASSERT_TRUE(MakeFolderLink(tree / "root\\L\\up", ".."));
    ASSERT_TRUE(MakeFolderLink(tree / "root\\L\\side", "../M"));
}

TEST(ReadAheadListing, RandomTreesWithCaseOnlyTiesGiveTheBytesOfTheWalkOnOneThread) {
    std::mt19937 random(1717);
    for (int round = 0; round < 3; ++round) {
        TempFolder tree;
        MakeRandomTree(tree, random);
        ListingOptions options;
        options.folder = Wide(tree / "root");
        options.outputPath = Wide(tree / "root\\out.txt");
        options.subfolders = options.directoryNames = true;
        // Bare names: a.txt of one folder and A.txt of another make lines that compare equal.
        options.useTemplate = true;
        options.headerText = "%DIRNAME%";
        options.repeatText = "%FILE%";
        options.footerText = "%COUNT% %DIR% %CRC%";
        const std::string ties = Listing(options, 1);
        const std::vector<std::string> lines = SplitLines(ties);
        ASSERT_GT(lines.size(), 150u);
        bool tied = false;
        for (size_t i = 2; i + 1 < lines.size(); ++i)
            tied = tied || (lines[i - 1] != lines[i] &&
                            CodePageText::System().Compare(lines[i - 1].c_str(), lines[i].c_str()) == 0);
        ASSERT_TRUE(tied) << "the tree has lines that differ only in case";
        EXPECT_EQ(ties, Listing(options, 3)) << "round " << round;
        options.checksum = true;  // the content too, read by the readers
        EXPECT_EQ(Listing(options, 1), Listing(options, 3)) << "round " << round;
        // The list form in UTF-8, filtered and with checksums: names, filter and content on
        // the readers.
        options.useTemplate = false;
        options.pathType = PathType::Relative;
        options.size = options.utf8 = options.filter = true;
        options.filterText = L"*a*;*Ａ*;*表*";
        const std::string list = Listing(options, 1);
        EXPECT_NE(std::string::npos, list.find("L\\side\\a.txt\t6\t")) << "the link aside is followed";
        EXPECT_EQ(std::string::npos, list.find("L\\up\\")) << "the link back up is not";
        EXPECT_EQ(list, Listing(options, 3)) << "round " << round;
    }
}

// Every bound of the read-ahead crossed (folders of more than a batch of 256 entries, more
// than 64 folders within reach, more than 32 batches and 32 contents held ahead) while each
// read waits a moment at random: the bytes stay those of the walk on one thread.
TEST(ReadAheadListing, ReadersSlowedAtRandomAcrossEveryBoundGiveTheBytesOfTheWalkOnOneThread) {
    TempFolder tree;
    tree.MakeDir("root");
    ASSERT_TRUE(RunUnixShell("cd '" + UnixPath(tree / "root") +
                             "' && for d in 1 2 3; do mkdir big$d; for f in $(seq 600); do echo $d$f >big$d/f$f.txt;"
                             " done; done && for d in $(seq 90); do mkdir -p s$d/t; echo $d >s$d/a.txt;"
                             " echo $d >s$d/t/b.txt; done"));
    static std::atomic<unsigned> reads{0};
    SetReadPauseForTests([] {
        // A cheap hash of the read's number: some reads wait, the others only let another run.
        const unsigned n = reads.fetch_add(1) * 2654435761u;
        Sleep(n >> 30 == 0 ? 1 : 0);
    });
    ListingOptions options;
    options.folder = Wide(tree / "root");
    options.outputPath = Wide(tree / "out.txt");
    options.subfolders = options.directoryNames = true;
    options.useTemplate = true;
    options.headerText = "%DIRNAME%";
    options.repeatText = "%COUNT%\t%DIR%\t%FILE%";
    options.footerText = "%COUNT% %DIR%";
    const std::string names = Listing(options, 1);
    EXPECT_EQ(names, Listing(options, 3));
    options.repeatText = "%COUNT%\t%PATH%\t%CRC%";
    const std::string checksums = Listing(options, 1);
    EXPECT_EQ(checksums, Listing(options, 3));
    SetReadPauseForTests(nullptr);
    EXPECT_EQ(2165u, SplitLines(checksums).size()) << "header, 1,800 + 363 entries, footer";
}

// Each line's walk-order number (%COUNT%, the second field) and the line.
std::vector<std::pair<unsigned long, std::string>> NumberedLines(const std::string& text) {
    std::vector<std::pair<unsigned long, std::string>> numbered;
    for (const std::string& line : SplitLines(text)) {
        const size_t tab = line.find('\t');
        if (tab != std::string::npos) numbered.emplace_back(std::stoul(line.substr(tab + 1)), line);
    }
    return numbered;
}

TEST(ReadAheadListing, AStopLeavesTheEntriesOfAPrefixOfTheWalk) {
    TempFolder tree;
    tree.MakeDir("root");
    ASSERT_TRUE(RunUnixShell("cd '" + UnixPath(tree / "root") +
                             "' && for d in $(seq 40); do mkdir d$d; for f in $(seq 100); do echo $d.$f >d$d/f$f.txt;"
                             " done; done"));
    ListingOptions options;
    options.folder = Wide(tree / "root");
    options.outputPath = Wide(tree / "out.txt");
    options.subfolders = true;
    options.checksum = true;
    options.useTemplate = true;
    options.headerText = "header";
    options.repeatText = "%PATH%\t%COUNT%\t%CRC%";
    options.footerText = "footer";
    const auto whole = NumberedLines(Listing(options, 1));
    ASSERT_EQ(4000u, whole.size());

    // Every read after the 1,200th is held until the stop has come: the first 1,200 reads (41
    // directories, the rest checksums of a prefix of the walk) take the run past 1,000 entries,
    // and no more is read before the stop.
    static std::atomic<unsigned> reads{0};
    static std::mutex mutex;
    static std::condition_variable changed;
    static bool released = false;
    reads = 0;
    released = false;
    SetReadPauseForTests([] {
        if (++reads <= 1200) return;
        std::unique_lock<std::mutex> lock(mutex);
        changed.wait(lock, [] { return released; });
    });
    ListingRun run(options);
    run.SetReaderThreads(2);
    ASSERT_TRUE(run.Start(nullptr, 0));
    while (run.IsRunning() && run.EntriesFound() < 1000) Sleep(1);
    run.RequestStop();
    {
        std::lock_guard<std::mutex> lock(mutex);
        released = true;
    }
    changed.notify_all();
    run.Wait();
    SetReadPauseForTests(nullptr);
    ASSERT_EQ(RunResult::Stopped, run.Result());
    const std::string stopped = ReadWholeFile(options.outputPath);
    EXPECT_EQ(0u, stopped.find("header\r\n"));
    EXPECT_EQ(stopped.size() - 8, stopped.rfind("footer\r\n"));
    const auto listed = NumberedLines(stopped);
    ASSERT_GE(listed.size(), 1000u);
    ASSERT_LT(listed.size(), whole.size());
    std::vector<std::pair<unsigned long, std::string>> prefix;
    for (const auto& line : whole)
        if (line.first <= listed.size()) prefix.push_back(line);
    EXPECT_EQ(prefix, listed) << "the entries listed are the first of the walk, each with its checksum";
}

}  // namespace
