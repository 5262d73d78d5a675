// Folder runs with the checksum and version columns: unopenable entries, the run's own
// output file, version fixtures, and no file opened when nothing needs its content.
#include <gtest/gtest.h>

#include <windows.h>
#include <string>

#include "format/ListingOptions.h"
#include "support/LineTexts.h"
#include "support/ListingRun.h"
#include "support/TempFolder.h"
#include "support/VersionFixtures.h"

namespace {

// Holds a file open for writing, as another program would, while alive.
class WriterHandle {
public:
    explicit WriterHandle(const std::string& path)
        : handle_(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~WriterHandle() {
        if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    }
    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

}  // namespace

TEST(ChecksumRun, UnopenableEntriesAndTheOwnOutputFileGiveHyphens) {
    TempFolder tree;
    tree.WriteFile("list\\sub\\digits.txt", "123456789");
    tree.WriteFile("list\\empty.txt", "");
    tree.MakeDir("list\\folder");
    WriterHandle held(tree.WriteFile("list\\held.txt", "123456789"));
    ASSERT_TRUE(held.IsOpen());
    ListingOptions job = RelativeListing(tree / "list", tree / "list\\out.txt");
    job.directoryNames = 1;
    job.size = 1;
    job.checksum = 1;
    RunOutcome outcome = RunListing(job);
    EXPECT_EQ(RunResult::Complete, outcome.result);
    EXPECT_EQ(Lines({"empty.txt\t0\t00000000", "folder\t0\t--------", "held.txt\t9\t--------",
                     "out.txt\t0\t--------", "sub\t0\t--------", "sub\\digits.txt\t9\tCBF43926"}),
              ReadWholeFile(tree / "list\\out.txt"));
}

TEST(ChecksumRun, NothingIsOpenedWhenNeitherSwitchNorRepeatTextNeedsIt) {
    // The only entry cannot be opened; the footer, expanded after the walk, shows what the
    // last entry left in the checksum and version texts.
    TempFolder tree;
    WriterHandle held(tree.WriteFile("list\\held.dll", "MZ"));
    ASSERT_TRUE(held.IsOpen());
    for (int needed = 0; needed < 2; ++needed) {
        ListingOptions job = RelativeListing(tree / "list", tree / "out.txt");
        job.useTemplate = 1;
        job.repeatText = needed ? "%FILE% %CRC%" : "%FILE%";
        job.footerText = "[%CRC16%]";
        RunListing(job);
        const std::string expected = needed ? "held.dll --------" : "held.dll";
        EXPECT_EQ(Lines({"", expected, needed ? "[--------]" : "[]"}), ReadWholeFile(tree / "out.txt"));
    }
}

TEST(VersionRun, ColumnsFromTheFixturesAndNoneForPlainFiles) {
    TempFolder tree;
    tree.MakeDir("list");
    ASSERT_TRUE(CopyFileA(VersionFixturePath("version-1.4.dll").c_str(), (tree / "list\\a.dll").c_str(), FALSE));
    ASSERT_TRUE(CopyFileA(VersionFixturePath("version-5.0.dll").c_str(), (tree / "list\\b.dll").c_str(), FALSE));
    tree.WriteFile("list\\c.txt", "text");
    ListingOptions job = RelativeListing(tree / "list", tree / "out.txt");
    job.fileVersion = 1;
    job.productVersion = 1;
    RunListing(job);
    EXPECT_EQ(Lines({"a.dll\t1,4,0,0\t1,4,0,0", "b.dll\t5,0,2195,1\t5,1,2600,7", "c.txt"}),
              ReadWholeFile(tree / "out.txt"));
    // The product-version switch alone reads the resource and adds only its own column.
    job.folder = Wide(tree / "list");
    job.fileVersion = 0;
    RunListing(job);
    EXPECT_EQ(Lines({"a.dll\t1,4,0,0", "b.dll\t5,1,2600,7", "c.txt"}), ReadWholeFile(tree / "out.txt"));
    job.folder = Wide(tree / "list");
    job.fileVersion = 1;
    job.productVersion = 0;
    RunListing(job);
    EXPECT_EQ(Lines({"a.dll\t1,4,0,0", "b.dll\t5,0,2195,1", "c.txt"}), ReadWholeFile(tree / "out.txt"));
}

TEST(VersionRun, AFixedBlockWithoutItsSignatureGivesNoVersions) {
    TempFolder tree;
    tree.MakeDir("list");
    ASSERT_TRUE(CopyFileA(VersionFixturePath("version-5.0.dll").c_str(), (tree / "list\\good.dll").c_str(), FALSE));
    std::string image = ReadWholeFile(VersionFixturePath("version-5.0.dll"));
    const size_t signature = image.find("\xBD\x04\xEF\xFE");
    ASSERT_NE(std::string::npos, signature);
    image[signature] = '\xBE';  // a damaged resource: the numbers after it are still there
    tree.WriteFile("list\\bad.dll", image);
    ListingOptions job = RelativeListing(tree / "list", tree / "out.txt");
    job.fileVersion = 1;
    job.productVersion = 1;
    RunListing(job);
    EXPECT_EQ(Lines({"bad.dll", "good.dll\t5,0,2195,1\t5,1,2600,7"}), ReadWholeFile(tree / "out.txt"));
}

TEST(VersionRun, NotReadWhenNeitherSwitchNorRepeatTextNeedsIt) {
    TempFolder tree;
    tree.MakeDir("list");
    ASSERT_TRUE(CopyFileA(VersionFixturePath("version-5.0.dll").c_str(), (tree / "list\\b.dll").c_str(), FALSE));
    for (int needed = 0; needed < 2; ++needed) {
        ListingOptions job = RelativeListing(tree / "list", tree / "out.txt");
        job.useTemplate = 1;
        job.repeatText = needed ? "%FILE% %PRODUCTVERSION%" : "%FILE%";
        job.footerText = "[%VERSION%|%PRODUCTVERSION%]";
        RunListing(job);
        EXPECT_EQ(needed ? Lines({"", "b.dll 5,1,2600,7", "[5,0,2195,1|5,1,2600,7]"})
                         : Lines({"", "b.dll", "[|]"}),
                  ReadWholeFile(tree / "out.txt"));
    }
}
