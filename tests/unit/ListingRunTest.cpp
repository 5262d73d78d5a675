// Folder runs on real trees: walk order, sorting, path types, switches, flags and failures.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "engine/FolderWalk.h"
#include "engine/OutputRun.h"
#include "framework/LongPath.h"
#include "support/DeepFolder.h"
#include "support/ListingRun.h"
#include "support/TempFolder.h"
#include "format/ListingOptions.h"

namespace {

// Each line followed by CR LF, as the output file holds them.
std::string Lines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

// A tree whose names exercise the order: space < "." < digits < "\" < "_" < letters < double-byte.
class ListingTree : public ::testing::Test {
protected:
    void SetUp() override {
        tree.WriteFile("list\\a b.txt", "12345");
        tree.WriteFile("list\\ab.txt", "");
        tree.WriteFile("list\\a_b.txt", "xyz");
        tree.WriteFile("list\\sub2.txt", "2");
        tree.WriteFile("list\\sub\\z.txt", "z");
        tree.WriteFile("list\\sub\\deeper\\d.txt", "d");
        tree.WriteFile("list\\表\\ソ.txt", "so");      // both names end in a 0x5C trail byte
        tree.WriteFile("list\\ＡＢ.txt", "fullwidth");
        tree.WriteFile("list\\.profile", "p");         // a dot-file is an ordinary file
        tree.WriteFile("list\\.cache\\hidden.txt", "never listed");
        tree.MakeDir("list\\.cache\\inner");
        folder = tree / "list";
        output = tree / "out.txt";
    }

    RunOutcome Run(ListingOptions& job, bool stopFirst = false) {
        job.folder = folder;
        job.outputPath = output;
        return RunListing(job, stopFirst);
    }

    TempFolder tree;
    std::string folder;
    std::string output;
};

TEST_F(ListingTree, RelativeWalkOfTheWholeTreeIsSortedWithoutRegardToCase) {
    ListingOptions job;
    job.pathType = PathType::Relative;
    job.subfolders = 1;
    RunOutcome outcome = Run(job);
    EXPECT_TRUE(outcome.noticed);
    EXPECT_EQ(1, outcome.notices);
    EXPECT_EQ(RunResult::Complete, outcome.result);
    EXPECT_FALSE(outcome.running);
    EXPECT_TRUE(outcome.boxes.empty());
    EXPECT_EQ(Lines({".profile", "a b.txt", "a_b.txt", "ab.txt", "sub2.txt", "sub\\deeper\\d.txt",
                     "sub\\z.txt", "ＡＢ.txt", "表\\ソ.txt"}),
              ReadWholeFile(output));
    EXPECT_EQ(folder + "\\", job.folder) << "the run makes the job's folder end with a backslash";
}

TEST_F(ListingTree, DirectoryNamesAreListedButDotDirectoriesNever) {
    ListingOptions job;
    job.pathType = PathType::Relative;
    job.subfolders = 1;
    job.directoryNames = 1;
    Run(job);
    EXPECT_EQ(Lines({".profile", "a b.txt", "a_b.txt", "ab.txt", "sub", "sub2.txt", "sub\\deeper",
                     "sub\\deeper\\d.txt", "sub\\z.txt", "ＡＢ.txt", "表", "表\\ソ.txt"}),
              ReadWholeFile(output));
}

TEST_F(ListingTree, WithoutSubfoldersOnlyTheTopLevelIsListed) {
    ListingOptions job;
    job.pathType = PathType::Relative;
    job.directoryNames = 1;
    Run(job);
    EXPECT_EQ(Lines({".profile", "a b.txt", "a_b.txt", "ab.txt", "sub", "sub2.txt", "ＡＢ.txt", "表"}),
              ReadWholeFile(output));

    ListingOptions filesOnly;
    filesOnly.pathType = PathType::Relative;
    Run(filesOnly);
    EXPECT_EQ(Lines({".profile", "a b.txt", "a_b.txt", "ab.txt", "sub2.txt", "ＡＢ.txt"}),
              ReadWholeFile(output));
}

TEST_F(ListingTree, AbsolutePathsStartWithTheFolderAsTyped) {
    ListingOptions job;
    job.subfolders = 1;
    job.folder = folder + "\\";  // typed with its backslash: no second one is added
    job.outputPath = output;
    RunListing(job);
    EXPECT_EQ(folder + "\\", job.folder);
    const std::string base = folder + "\\";
    EXPECT_EQ(Lines({base + ".profile", base + "a b.txt", base + "a_b.txt", base + "ab.txt",
                     base + "sub2.txt", base + "sub\\deeper\\d.txt", base + "sub\\z.txt",
                     base + "ＡＢ.txt", base + "表\\ソ.txt"}),
              ReadWholeFile(output));
}

TEST_F(ListingTree, UpperCasedPathsKeepTheSameOrder) {
    tree.WriteFile("list\\sub\\AB.TXT", "");  // sorts between SUB2.TXT and the deeper folder
    ListingOptions job;
    job.pathType = PathType::Relative;
    job.subfolders = 1;
    job.upperCase = 1;
    Run(job);
    EXPECT_EQ(Lines({".PROFILE", "A B.TXT", "A_B.TXT", "AB.TXT", "SUB2.TXT", "SUB\\AB.TXT",
                     "SUB\\DEEPER\\D.TXT", "SUB\\Z.TXT", "ＡＢ.TXT", "表\\ソ.TXT"}),
              ReadWholeFile(output));
}

TEST_F(ListingTree, StopRequestedBeforeTheWalkLeavesAnEmptiedFile) {
    tree.WriteFile("out.txt", "content of an earlier run");
    ListingOptions job;
    job.subfolders = 1;
    RunOutcome outcome = Run(job, true);
    EXPECT_TRUE(outcome.noticed);
    EXPECT_EQ(RunResult::Stopped, outcome.result);
    EXPECT_FALSE(outcome.running);
    EXPECT_EQ("", ReadWholeFile(output));
}

TEST(ListingRun, EmptyFolderGivesAnEmptyFile) {
    TempFolder tree;
    tree.MakeDir("empty\\.git");
    ListingOptions job;
    job.folder = tree / "empty";
    job.outputPath = tree / "out.txt";
    job.subfolders = 1;
    job.directoryNames = 1;
    RunOutcome outcome = RunListing(job);
    EXPECT_EQ(RunResult::Complete, outcome.result);
    EXPECT_EQ("", ReadWholeFile(job.outputPath));
}

TEST(ListingRun, OutputInAMissingFolderIsReportedAndNothingIsWalked) {
    TempFolder tree;
    tree.WriteFile("a.txt", "a");
    ListingOptions job;
    job.folder = tree.Path();
    job.outputPath = tree / "missing\\out.txt";
    RunOutcome outcome = RunListing(job);
    EXPECT_TRUE(outcome.noticed);
    EXPECT_EQ(RunResult::CannotCreate, outcome.result);
    EXPECT_FALSE(outcome.running);
    EXPECT_TRUE(outcome.boxes.empty()) << "the run reports; its front end tells the user";
    EXPECT_STREQ("ファイルが作成できません", ResultMessage(outcome.result));
    EXPECT_EQ("<missing>", ReadWholeFile(job.outputPath));
}

// A disk with room for so many more bytes: a write takes what fits and comes back short, as
// on a full disk; once nothing fits, it fails.
uint64_t g_room = 0;

BOOL WINAPI WriteToSmallDisk(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED overlapped) {
    const DWORD fits = size < g_room ? size : static_cast<DWORD>(g_room);
    *written = 0;
    if (fits == 0 || !::WriteFile(file, data, fits, written, overlapped)) {
        SetLastError(ERROR_DISK_FULL);
        return FALSE;
    }
    g_room -= *written;
    return TRUE;
}

TEST(ListingRun, AFailedWriteIsReportedAndKeepsEveryWholeLineWritten) {
    TempFolder tree;
    for (int i = 0; i < 100; ++i) tree.WriteFile("list\\file" + std::to_string(1000 + i) + ".txt", "");
    ListingOptions options;
    options.folder = tree / "list";
    options.outputPath = tree / "out.txt";
    options.size = 1;
    ListingJob job(options);
    auto walk = [&job](OutputWriter& writer) {
        std::atomic<bool> stop{false};
        WalkFolder(job, writer, stop);
    };
    ASSERT_EQ(RunResult::Complete, WriteListing(job, walk));
    const std::string whole = ReadWholeFile(options.outputPath);

    MessageBoxRecorder boxes;
    job = ListingJob(options);
    g_room = whole.size() / 2;  // in the middle of a line, all in one piece
    const RunResult result = WriteListing(job, walk, WriteToSmallDisk);
    EXPECT_EQ(RunResult::WriteFailed, result);
    EXPECT_STREQ("書き込み中にエラーが発生しました", ResultMessage(result));
    EXPECT_TRUE(boxes.Boxes().empty()) << "the run reports; its front end tells the user";
    const size_t lastLineEnd = whole.rfind("\r\n", whole.size() / 2 - 2) + 2;
    EXPECT_EQ(whole.substr(0, lastLineEnd), ReadWholeFile(options.outputPath));
}

TEST(ListingRun, DeviceNamesAreNoOutputFiles) {
    TempFolder tree;
    tree.WriteFile("a.txt", "a");
    std::vector<std::string> devices = {"NUL", tree / "nul.txt", tree / "aux"};
    // Under Wine drive Z: is the Unix root, with the Unix devices.
    if (GetFileAttributesA("Z:\\dev") != INVALID_FILE_ATTRIBUTES) devices.push_back("Z:\\dev\\full");
    for (const std::string& device : devices) {
        ListingOptions job;
        job.folder = tree.Path();
        job.outputPath = device;
        RunOutcome outcome = RunListing(job);
        EXPECT_EQ(RunResult::CannotCreate, outcome.result) << device;
        EXPECT_STREQ("ファイルが作成できません", ResultMessage(outcome.result));
        EXPECT_TRUE(outcome.noticed);
    }
}

// ReadWholeFile at any length: through the wide functions.
std::string ReadLongFile(const std::string& path) {
    HANDLE h = CreateFileW(WideFilePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return "<missing>";
    std::string content(4096, '\0');
    DWORD got = 0;
    ReadFile(h, &content[0], static_cast<DWORD>(content.size()), &got, nullptr);
    CloseHandle(h);
    content.resize(got);
    return content;
}

TEST(ListingRun, AnOutputPathOf260BytesAndMoreIsCreatedAndListed) {
    TempFolder tree;
    tree.WriteFile("list\\a.txt", "a");
    DeepFolder deep(tree.Path(), 300);
    const std::string output = deep.WriteFile("out.txt", "an earlier listing");  // removed with the chain
    ASSERT_GE(output.size(), 300u);
    ListingOptions job;
    job.folder = tree / "list";
    job.outputPath = output;
    job.pathType = PathType::Relative;
    job.size = 1;
    EXPECT_EQ(RunResult::Complete, RunListing(job).result);
    EXPECT_EQ(Lines({"a.txt\t1"}), ReadLongFile(output));
}

TEST(ListingRun, TheOwnOutputFileInTheTreeIsListedEmpty) {
    TempFolder tree;
    tree.WriteFile("out.txt", "will be emptied before the walk");
    ListingOptions job;
    job.folder = tree.Path();
    job.outputPath = tree / "out.txt";
    job.pathType = PathType::Relative;
    job.size = 1;
    job.checksum = 1;
    RunListing(job);
    // Held open for writing during the walk, so its content cannot be read for the checksum.
    EXPECT_EQ(Lines({"out.txt\t0\t--------"}), ReadWholeFile(job.outputPath));
}

class ColumnRun : public ::testing::Test {
protected:
    void SetUp() override {
        file = tree.WriteFile("list\\sub\\digits.txt", "123456789");
        SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_ARCHIVE);
        ASSERT_TRUE(SetLastWriteTime(file, 2001, 2, 3, 4, 5, 6));
        ASSERT_TRUE(SetLastWriteTime(tree / "list\\sub", 1999, 12, 31, 15, 0, 0));
    }

    std::string Run(void (*configure)(ListingOptions&)) {
        ListingOptions job;
        job.folder = tree / "list";
        job.outputPath = tree / "out.txt";
        job.pathType = PathType::Relative;
        job.subfolders = 1;
        configure(job);
        RunListing(job);
        return ReadWholeFile(job.outputPath);
    }

    TempFolder tree;
    std::string file;
};

TEST_F(ColumnRun, EachColumnInItsFixedPlace) {
    // The date is local time: the tests run with the zone fixed at UTC+9.
    EXPECT_EQ(Lines({"sub\\digits.txt"}), Run([](ListingOptions&) {}));
    EXPECT_EQ(Lines({"sub\\digits.txt\t9"}), Run([](ListingOptions& j) { j.size = 1; }));
    EXPECT_EQ(Lines({"sub\\digits.txt\t2001/02/03 13:05:06"}), Run([](ListingOptions& j) { j.date = 1; }));
    EXPECT_EQ(Lines({"sub\\digits.txt\t  A  "}), Run([](ListingOptions& j) { j.attributes = 1; }));
    EXPECT_EQ(Lines({"sub\\digits.txt\tCBF43926"}), Run([](ListingOptions& j) { j.checksum = 1; }));
    // A text file has no version resource: switched-on version columns are left out entirely.
    EXPECT_EQ(Lines({"sub\\digits.txt\t9\t2001/02/03 13:05:06\t  A  \tCBF43926"}),
              Run([](ListingOptions& j) {
                  j.size = j.date = j.attributes = j.checksum = j.fileVersion = j.productVersion = 1;
              }));
}

TEST_F(ColumnRun, DirectoryEntriesHaveTheirOwnColumns) {
    EXPECT_EQ(Lines({"sub\t0\t2000/01/01 00:00:00\tD    \t--------",
                     "sub\\digits.txt\t9\t2001/02/03 13:05:06\t  A  \tCBF43926"}),
              Run([](ListingOptions& j) { j.directoryNames = j.size = j.date = j.attributes = j.checksum = 1; }));
}

}  // namespace
