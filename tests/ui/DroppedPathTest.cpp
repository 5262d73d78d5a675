// Splitting a dropped file's path into its folder and extension, and the folder part that
// a dropped-path listing uses as the entry's directory.
#include <gtest/gtest.h>

#include "engine/PathListing.h"
#include "support/TempFolder.h"
#include "ui/DroppedPath.h"

namespace {

void ExpectParts(const CString& path, const CString& folder, bool hasExtension, const CString& extension) {
    DroppedFileParts parts = SplitDroppedFile(Wide(path));
    EXPECT_EQ(parts.folder, Wide(folder)) << path;
    EXPECT_EQ(parts.hasExtension, hasExtension) << path;
    EXPECT_EQ(parts.extension, Wide(extension)) << path;
}

TEST(DroppedPath, FolderAndExtensionOfAFile) {
    ExpectParts("C:\\photos\\list.txt", "C:\\photos", true, "txt");
    ExpectParts("C:\\boot.ini", "C:", true, "ini");
    ExpectParts("C:\\photos\\photo.JPG", "C:\\photos", true, "JPG");
    ExpectParts("C:\\a.b\\archive.tar.gz", "C:\\a.b", true, "gz");
    ExpectParts("C:\\photos\\name.", "C:\\photos", true, "");
    ExpectParts("C:\\my.dir\\readme", "C:\\my.dir", false, "");  // the folder's dot is not reached
    ExpectParts("list.old.txt", "list.old.txt", true, "txt");     // no backslash: nothing cut
}

TEST(DroppedPath, TrailBytesAreNeverSeparatorsOrDots) {
    // 表 and ソ end in 0x5C, the byte of "\"; 圭 (0x8C 0x5C) likewise.
    ExpectParts("C:\\data\\表\\a.txt", "C:\\data\\表", true, "txt");
    ExpectParts("C:\\data\\表\\ソ", "C:\\data\\表", false, "");
    ExpectParts("C:\\表.ソ", "C:", true, "ソ");
    EXPECT_TRUE(HasBackslash(Wide("表\\a")));
    EXPECT_FALSE(HasBackslash(Wide("表ソ.txt")));
}

TEST(DroppedPath, DirectoryPartKeepsItsBackslash) {
    EXPECT_EQ(DirectoryWithBackslash(Wide("C:\\work\\a.txt")), Wide("C:\\work\\"));
    EXPECT_EQ(DirectoryWithBackslash(Wide("C:\\表")), Wide("C:\\"));
    EXPECT_EQ(DirectoryWithBackslash(Wide("C:\\work\\表\\ソ")), Wide("C:\\work\\表\\"));
    EXPECT_EQ(DirectoryWithBackslash(Wide("a.txt")), Wide("a.txt\\"));
    EXPECT_EQ(DirectoryWithBackslash(Wide("表")), Wide("表\\"));
}

}  // namespace
