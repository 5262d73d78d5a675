// A run whose memory runs out (the line store's allocation fails): the console program ends
// with the write failure's code, not as though it crashed.
#include <gtest/gtest.h>

#include <new>

#include "cli/ConsoleListing.h"
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

}  // namespace
