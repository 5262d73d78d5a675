// A tree far below 260 bytes of path is listed completely, checksums included, and its texts
// stay normal paths.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "content/Crc32.h"
#include "format/ListingOptions.h"
#include "framework/LongPath.h"
#include "support/DeepFolder.h"
#include "support/LineTexts.h"
#include "support/ListingRun.h"
#include "support/ReferenceLineStore.h"
#include "support/TempFolder.h"

namespace {

const int kLevels = 40;

// A file's content at a level of the tree: as many bytes as its level.
std::string Content(int level) { return std::string(static_cast<size_t>(level), 'c'); }

// The checksum column of a file at that level (the reference loop over its content).
std::string ChecksumOf(int level) {
    const std::string content = Content(level);
    char text[16];
    std::snprintf(text, sizeof text, "%08X",
                  static_cast<unsigned>(Crc32UpdateReference(0, content.data(), content.size())));
    return text;
}

// The expected file: every folder (size 0, no checksum) and every file with its size and
// checksum, under the prefix.
std::string ExpectedListing(const std::vector<std::string>& levels, const std::string& prefix) {
    ReferenceLineStore store;
    store.InsertLine(prefix + "top.txt\t0\t" + ChecksumOf(0));
    for (int level = 1; level <= kLevels; ++level) {
        const std::string& folder = levels[static_cast<size_t>(level) - 1];
        store.InsertLine(prefix + folder + "\t0\t--------");
        store.InsertLine(prefix + folder + "\\f" + std::to_string(level) + ".txt\t" + std::to_string(level) +
                         "\t" + ChecksumOf(level));
    }
    return Lines(store.Lines());
}

// 40 nested folders of 20-character names under temp\deep, a file in each and one at the top.
class DeepTreeListing : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(deep_.Descend("deep")) << deep_.Path().size();
        root_ = deep_.Path();
        ASSERT_FALSE(deep_.WriteFile("top.txt", Content(0)).empty()) << deep_.Path().size();
        for (int level = 1; level <= kLevels; ++level) {
            const std::string name = "level" + std::to_string(100 + level) + std::string(12, 'n');
            levels_.push_back((levels_.empty() ? "" : levels_.back() + "\\") + name);
            ASSERT_TRUE(deep_.Descend(name)) << deep_.Path().size();
            const std::string file = "f" + std::to_string(level) + ".txt";
            ASSERT_FALSE(deep_.WriteFile(file, Content(level)).empty()) << deep_.Path().size();
        }
    }

    std::string Run(const std::string& folder, PathType pathType, unsigned readerThreads = DefaultReaderThreads()) {
        ListingOptions job = RelativeListing(folder, temp_ / "out.txt");
        job.directoryNames = 1;
        job.size = 1;
        job.checksum = 1;
        job.pathType = pathType;
        const RunOutcome outcome = RunListing(job, false, 20000, readerThreads);
        EXPECT_EQ(RunResult::Complete, outcome.result);
        EXPECT_TRUE(outcome.boxes.empty());
        return ReadWholeFile(temp_ / "out.txt");
    }

    TempFolder temp_;
    DeepFolder deep_{temp_.Path()};
    std::string root_;                  // temp\deep
    std::vector<std::string> levels_;  // each level's folder relative to the root
};

TEST_F(DeepTreeListing, EveryLevelIsListedInBothPathTypes) {
    ASSERT_GT(root_.size() + levels_.back().size(), 800u);
    EXPECT_EQ(ExpectedListing(levels_, ""), Run(root_, PathType::Relative));
    EXPECT_EQ(ExpectedListing(levels_, root_ + "\\"), Run(root_, PathType::Absolute));
    // Read ahead (the default) and on one thread alike.
    EXPECT_EQ(ExpectedListing(levels_, ""), Run(root_, PathType::Relative, 1));
}

TEST_F(DeepTreeListing, ARelativeFolderTextStaysRelativeInTheOutput) {
    char previous[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(temp_.Path().c_str()));
    const std::string listing = Run("deep", PathType::Absolute);
    SetCurrentDirectoryA(previous);
    EXPECT_EQ(ExpectedListing(levels_, "deep\\"), listing);
}

TEST(DeepFolderCheck, AFolderBeyond260BytesCanBeListed) {
    TempFolder base;
    DeepFolder deep(base.Path(), 300);
    EXPECT_TRUE(IsFolder(Wide(deep.Path())));
    const std::string file = deep.WriteFile("f.txt", "x");
    ASSERT_FALSE(file.empty());
    EXPECT_FALSE(IsFolder(Wide(file)));
    EXPECT_TRUE(IsFile(Wide(file)));
    EXPECT_FALSE(IsFolder(Wide(deep.Path() + "\\missing")));
    EXPECT_FALSE(IsFile(Wide(deep.Path() + "\\missing")));
}

}  // namespace
