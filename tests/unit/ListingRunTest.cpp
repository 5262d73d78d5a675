// Folder runs on real trees: walk order, sorting, path types, switches, flags and failures.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/ListingRun.h"
#include "support/DeepFolder.h"
#include "support/LineTexts.h"
#include "support/ListingRun.h"
#include "support/TempFolder.h"
#include "format/ListingOptions.h"

namespace {

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
        job.folder = Wide(folder);
        job.outputPath = Wide(output);
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
    EXPECT_EQ(Wide(folder + "\\"), job.folder) << "the run makes the job's folder end with a backslash";
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
    job.folder = Wide(folder + "\\");  // typed with its backslash: no second one is added
    job.outputPath = Wide(output);
    RunListing(job);
    EXPECT_EQ(Wide(folder + "\\"), job.folder);
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
    job.folder = Wide(tree / "empty");
    job.outputPath = Wide(tree / "out.txt");
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
    job.folder = Wide(tree.Path());
    job.outputPath = Wide(tree / "missing\\out.txt");
    RunOutcome outcome = RunListing(job);
    EXPECT_TRUE(outcome.noticed);
    EXPECT_EQ(RunResult::CannotCreate, outcome.result);
    EXPECT_FALSE(outcome.running);
    EXPECT_TRUE(outcome.boxes.empty()) << "the run reports; its front end tells the user";
    EXPECT_EQ("<missing>", ReadWholeFile(job.outputPath));
}

TEST(ListingRun, AFailedWriteIsReported) {
    TempFolder tree;
    tree.WriteFile("a.txt", "a");
    // A pipe whose reader has gone refuses every write, as a full disk would.
    HANDLE reader = nullptr, writer = nullptr;
    ASSERT_TRUE(CreatePipe(&reader, &writer, nullptr, 0));
    CloseHandle(reader);
    ListingOptions options;
    options.folder = Wide(tree.Path());
    MessageBoxRecorder boxes;
    ListingRun run(options);
    run.WriteTo(writer);
    run.RunHere();
    CloseHandle(writer);
    EXPECT_EQ(RunResult::WriteFailed, run.Result());
    EXPECT_TRUE(boxes.Boxes().empty()) << "the run reports; its front end tells the user";
}

TEST(ListingRun, DeviceNamesAreNoOutputFiles) {
    TempFolder tree;
    tree.WriteFile("a.txt", "a");
    std::vector<std::string> devices = {"NUL", tree / "nul.txt", tree / "aux"};
    // Under Wine drive Z: is the Unix root, with the Unix devices.
    if (GetFileAttributesA("Z:\\dev") != INVALID_FILE_ATTRIBUTES) devices.push_back("Z:\\dev\\full");
    for (const std::string& device : devices) {
        ListingOptions job;
        job.folder = Wide(tree.Path());
        job.outputPath = Wide(device);
        RunOutcome outcome = RunListing(job);
        EXPECT_EQ(RunResult::CannotCreate, outcome.result) << device;
        EXPECT_TRUE(outcome.noticed);
    }
}

TEST(ListingRun, AnOutputPathOf260BytesAndMoreIsCreatedAndListed) {
    TempFolder tree;
    tree.WriteFile("list\\a.txt", "a");
    DeepFolder deep(tree.Path(), 300);
    const std::string output = deep.WriteFile("out.txt", "an earlier listing");  // removed with the chain
    ASSERT_GE(output.size(), 300u);
    ListingOptions job;
    job.folder = Wide(tree / "list");
    job.outputPath = Wide(output);
    job.pathType = PathType::Relative;
    job.size = 1;
    EXPECT_EQ(RunResult::Complete, RunListing(job).result);
    EXPECT_EQ(Lines({"a.txt\t1"}), ReadWholeFile(output));
}

TEST(ListingRun, TheOwnOutputFileInTheTreeIsListedEmpty) {
    TempFolder tree;
    tree.WriteFile("out.txt", "will be emptied before the walk");
    ListingOptions job;
    job.folder = Wide(tree.Path());
    job.outputPath = Wide(tree / "out.txt");
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
        ListingOptions job = RelativeListing(tree / "list", tree / "out.txt");
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

// Every digest from the one read of the file; a folder has dashes of each digest's length.
TEST_F(ColumnRun, TheDigestsBesideTheCrc) {
    const std::string sha256 = "15e2b0d3c33891ebb0f1ef609ec419420c20e320ce94c65fbc8c3312448eb225";
    EXPECT_EQ(Lines({"sub\t--------\t" + std::string(64, '-'), "sub\\digits.txt\tCBF43926\t" + sha256}),
              Run([](ListingOptions& j) { j.directoryNames = j.checksum = j.sha256 = j.fileVersion = 1; }));
    EXPECT_EQ(Lines({"", "sub " + std::string(64 + 1 + 40 + 1 + 32, '-') + " --------",
                     "sub\\digits.txt " + sha256 +
                         "-f7c3bc1d808e04732adf679965ccc34ca7ae3441-25f9e794323b453885f5181f1b624d0b CBF43926",
                     ""}),
              Run([](ListingOptions& j) {
                  j.directoryNames = j.useTemplate = 1;
                  j.repeatText = "%PATH% %SHA256%-%SHA1%-%md5% %CRC%";
              }));
}

TEST_F(ColumnRun, DirectoryEntriesHaveTheirOwnColumns) {
    EXPECT_EQ(Lines({"sub\t0\t2000/01/01 00:00:00\tD    \t--------",
                     "sub\\digits.txt\t9\t2001/02/03 13:05:06\t  A  \tCBF43926"}),
              Run([](ListingOptions& j) { j.directoryNames = j.size = j.date = j.attributes = j.checksum = 1; }));
}

}  // namespace
