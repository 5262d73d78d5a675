// Folder links under Wine (Unix symbolic links, shown as reparse points): listed as folders,
// entered unless they lead back up the tree.
#include <gtest/gtest.h>

#include "engine/ReadSeams.h"
#include "format/ListingOptions.h"
#include "support/ListingRun.h"
#include "support/TempFolder.h"
#include "support/UnixSide.h"

namespace {

std::string ListRelativeWithFolders(const TempFolder& tree) {
    ListingOptions options = RelativeListing(tree / "root", tree / "out.txt");
    options.directoryNames = true;
    RunOutcome outcome = RunListing(options, false, 10000);
    EXPECT_TRUE(outcome.noticed) << "the run ended";
    return ReadWholeFile(tree / "out.txt");
}

TEST(FolderLinks, LinksBackUpAreListedButNotEnteredAndOthersAreFollowed) {
    TempFolder tree;
    tree.WriteFile("root\\a.txt", "a");
    tree.WriteFile("root\\L\\b.txt", "b");
    ASSERT_TRUE(MakeFolderLink(tree / "root\\x", "."));
    ASSERT_TRUE(MakeFolderLink(tree / "root\\y", "."));
    ASSERT_TRUE(MakeFolderLink(tree / "root\\L\\loop", ".."));
    EXPECT_EQ("a.txt\r\nL\r\nL\\b.txt\r\nL\\loop\r\nx\r\ny\r\n", ListRelativeWithFolders(tree));

    // A link to a sibling leads elsewhere: its entries appear under both paths.
    tree.WriteFile("root\\S\\s.txt", "s");
    ASSERT_TRUE(MakeFolderLink(tree / "root\\L\\toS", "../S"));
    EXPECT_EQ("a.txt\r\nL\r\nL\\b.txt\r\nL\\loop\r\nL\\toS\r\nL\\toS\\s.txt\r\nS\r\nS\\s.txt\r\nx\r\ny\r\n",
              ListRelativeWithFolders(tree));
}

}  // namespace

namespace {

// A queued folder swapped for a link to the folder holding it, after its entry was read and
// before it is opened (the pause before each directory's read): it is listed, not entered.
TEST(FolderLinks, AFolderSwappedForALinkBackUpIsNotEntered) {
    for (unsigned readers : {1u, 4u}) {
        TempFolder tree;
        tree.WriteFile("root\\a.txt", "a");
        tree.WriteFile("root\\Q\\q.txt", "q");
        tree.WriteFile("root\\Q\\R\\r.txt", "r");
        const std::string q = UnixPath(tree / "root\\Q");
        ASSERT_FALSE(q.empty()) << "needs Wine's Unix side";
        int reads = 0;
        SetReadPauseForTests([&] {
            if (++reads == 2) {
                EXPECT_TRUE(RunUnixShell("rm -r '" + q + "' && ln -s . '" + q + "'"));
            }
        });
        ListingOptions options = RelativeListing(tree / "root", tree / "out.txt");
        options.directoryNames = true;
        EXPECT_TRUE(RunListing(options, false, 10000, readers).noticed);
        SetReadPauseForTests(nullptr);
        EXPECT_EQ("a.txt\r\nQ\r\n", ReadWholeFile(tree / "out.txt")) << readers << " readers";
    }
}

}  // namespace
