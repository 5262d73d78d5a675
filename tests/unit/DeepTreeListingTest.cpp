// A tree far below 260 bytes of path is listed completely, checksums included, and its texts
// stay normal paths.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "format/ListingOptions.h"
#include "engine/FolderWalk.h"
#include "format/Crc32.h"
#include "framework/LongPath.h"
#include "support/DeepFolder.h"
#include "support/ListingRun.h"
#include "support/ReferenceLineStore.h"
#include "support/TempFolder.h"

namespace {

const int kLevels = 40;

// 40 nested folders of 20-character names under base\deep, a file in each and one at the top;
// built and removed through the wide functions, which reach any length.
class DeepTree {
public:
    explicit DeepTree(const std::string& base) : root_(base + "\\deep") {
        std::string folder = root_;
        Make(folder, true);
        Make(folder + "\\top.txt", false);
        for (int level = 1; level <= kLevels; ++level) {
            const std::string name = "level" + std::to_string(100 + level) + std::string(12, 'n');
            folder += "\\" + name;
            relative_.push_back((relative_.empty() ? "" : relative_.back() + "\\") + name);
            Make(folder, true);
            Make(folder + "\\f" + std::to_string(level) + ".txt", false);
        }
    }
    ~DeepTree() {
        for (auto it = made_.rbegin(); it != made_.rend(); ++it) {
            const std::wstring wide = RealPath(*it);
            if (!DeleteFileW(wide.c_str())) RemoveDirectoryW(wide.c_str());
        }
    }
    const std::string& Root() const { return root_; }
    // The folder of each level below the root, relative to it, without a trailing backslash.
    const std::vector<std::string>& Levels() const { return relative_; }
    // A file's content: as many bytes as its level.
    static std::string Content(int level) { return std::string(static_cast<size_t>(level), 'c'); }

private:
    void Make(const std::string& path, bool folder) {
        const std::wstring wide = RealPath(path);
        if (folder) {
            ASSERT_TRUE(CreateDirectoryW(wide.c_str(), nullptr)) << path.size();
        } else {
            HANDLE h = CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                   nullptr);
            ASSERT_NE(INVALID_HANDLE_VALUE, h) << path.size();
            const int level = static_cast<int>(relative_.size());
            DWORD written = 0;
            ::WriteFile(h, Content(level).data(), static_cast<DWORD>(level), &written, nullptr);
            CloseHandle(h);
        }
        made_.push_back(path);
    }

    std::string root_;
    std::vector<std::string> relative_;
    std::vector<std::string> made_;
};

// The checksum column of a file at that level (the reference loop over its content).
std::string ChecksumOf(int level) {
    const std::string content = DeepTree::Content(level);
    char text[16];
    std::snprintf(text, sizeof text, "%08X",
                  static_cast<unsigned>(Crc32UpdateReference(0, content.data(), content.size())));
    return text;
}

// The expected file: every folder (size 0, no checksum) and every file with its size and
// checksum, under the prefix.
std::string ExpectedListing(const DeepTree& tree, const std::string& prefix) {
    ReferenceLineStore store;
    store.InsertLine(prefix + "top.txt\t0\t" + ChecksumOf(0));
    for (int level = 1; level <= kLevels; ++level) {
        const std::string& folder = tree.Levels()[static_cast<size_t>(level) - 1];
        store.InsertLine(prefix + folder + "\t0\t--------");
        store.InsertLine(prefix + folder + "\\f" + std::to_string(level) + ".txt\t" + std::to_string(level) +
                         "\t" + ChecksumOf(level));
    }
    std::string text;
    for (const std::string& line : store.Lines()) text += line + "\r\n";
    return text;
}

class DeepTreeListing : public ::testing::Test {
protected:
    std::string Run(const std::string& folder, PathType pathType, unsigned readerThreads = DefaultReaderThreads()) {
        ListingOptions job;
        job.folder = Wide(folder);
        job.outputPath = Wide(temp_ / "out.txt");
        job.subfolders = 1;
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
    DeepTree tree_{temp_.Path()};
};

TEST_F(DeepTreeListing, EveryLevelIsListedInBothPathTypes) {
    ASSERT_GT(tree_.Root().size() + tree_.Levels().back().size(), 800u);
    EXPECT_EQ(ExpectedListing(tree_, ""), Run(tree_.Root(), PathType::Relative));
    EXPECT_EQ(ExpectedListing(tree_, tree_.Root() + "\\"), Run(tree_.Root(), PathType::Absolute));
    // Read ahead (the default) and on one thread alike.
    EXPECT_EQ(ExpectedListing(tree_, ""), Run(tree_.Root(), PathType::Relative, 1));
    EXPECT_EQ(ExpectedListing(tree_, tree_.Root() + "\\"), Run(tree_.Root(), PathType::Absolute, 1));
}

TEST_F(DeepTreeListing, ARelativeFolderTextStaysRelativeInTheOutput) {
    char previous[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(temp_.Path().c_str()));
    const std::string listing = Run("deep", PathType::Absolute);
    SetCurrentDirectoryA(previous);
    EXPECT_EQ(ExpectedListing(tree_, "deep\\"), listing);
}

TEST(DeepFolderCheck, AFolderBeyond260BytesCanBeListed) {
    TempFolder base;
    DeepFolder deep(base.Path(), 300);
    EXPECT_TRUE(IsExistingFolder(Wide(deep.Path())));
    const std::string file = deep.WriteFile("f.txt", "x");
    ASSERT_FALSE(file.empty());
    EXPECT_FALSE(IsExistingFolder(Wide(file)));
    EXPECT_FALSE(IsExistingFolder(Wide(deep.Path() + "\\missing")));
}

}  // namespace
