// Splitting a dropped file's path into its folder and extension, and the folder part that
// a dropped-path listing uses as the entry's directory.
#include <gtest/gtest.h>

#include "engine/PathListing.h"
#include "ui/DroppedPath.h"

namespace {

void ExpectParts(const CString& path, const CString& folder, bool hasExtension, const CString& extension) {
    DroppedFileParts parts = SplitDroppedFile(path);
    EXPECT_EQ(parts.folder, folder) << path;
    EXPECT_EQ(parts.hasExtension, hasExtension) << path;
    EXPECT_EQ(parts.extension, extension) << path;
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
    EXPECT_TRUE(HasBackslash("表\\a"));
    EXPECT_FALSE(HasBackslash("表ソ.txt"));
}

TEST(DroppedPath, DirectoryPartKeepsItsBackslash) {
    EXPECT_EQ(DirectoryWithBackslash("C:\\work\\a.txt"), "C:\\work\\");
    EXPECT_EQ(DirectoryWithBackslash("C:\\表"), "C:\\");
    EXPECT_EQ(DirectoryWithBackslash("C:\\work\\表\\ソ"), "C:\\work\\表\\");
    EXPECT_EQ(DirectoryWithBackslash("a.txt"), "a.txt\\");
    EXPECT_EQ(DirectoryWithBackslash("表"), "表\\");
}

}  // namespace
