#include <gtest/gtest.h>

#include <windows.h>
#include <string>

#include "support/DeepFolder.h"
#include "support/TempFolder.h"
#include "support/VersionFixtures.h"
#include "content/VersionResource.h"
#include "framework/LongPath.h"

namespace {

struct Versions {
    std::string file = "unset", product = "unset";
};

Versions Read(const std::string& path) {
    Versions v;
    ReadVersionFields(Wide(path), v.file, v.product);
    return v;
}

}  // namespace

TEST(VersionFields, FixedBlockOfTheResource) {
    Versions v = Read(VersionFixturePath("version-1.4.dll"));
    EXPECT_EQ("1,4,0,0", v.file);
    EXPECT_EQ("1,4,0,0", v.product);
    // Numbers above 9 in full, and file and product versions each from their own fields.
    v = Read(VersionFixturePath("version-5.0.dll"));
    EXPECT_EQ("5,0,2195,1", v.file);
    EXPECT_EQ("5,1,2600,7", v.product);
}

TEST(VersionFields, NoResourceGivesEmptyTexts) {
    TempFolder temp;
    for (const std::string& path : {temp.WriteFile("plain.txt", "123456789"),
                                    temp.WriteFile("empty.txt", ""), temp.MakeDir("folder"),
                                    temp / "missing.dll", std::string()}) {
        Versions v = Read(path);
        EXPECT_EQ("", v.file) << path;
        EXPECT_EQ("", v.product) << path;
    }
}

TEST(VersionFields, FullPathsOf260BytesAndMoreAndFoldersEndingInADot) {
    TempFolder temp;
    DeepFolder deep(temp.Path(), 300);
    const std::string copy = deep.CopyIn(VersionFixturePath("version-5.0.dll"), "fixture.dll");
    ASSERT_FALSE(copy.empty());
    ASSERT_GE(copy.size(), 300u);
    Versions v = Read(copy);
    EXPECT_EQ("5,0,2195,1", v.file);
    EXPECT_EQ("5,1,2600,7", v.product);

    // Only the extended form reaches a folder named "apache.".
    const std::wstring dotted = temp.MakeDir(std::wstring(L"apache.")) + L"\\fixture.dll";
    ASSERT_TRUE(CopyFileW(Wide(VersionFixturePath("version-5.0.dll")).c_str(), ExtendedPath(dotted).c_str(), TRUE));
    Versions dottedVersions;
    ReadVersionFields(dotted, dottedVersions.file, dottedVersions.product);
    EXPECT_EQ("5,0,2195,1", dottedVersions.file);
}
