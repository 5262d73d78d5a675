// Exclusions and the depth limit on a real tree: what is left out, what stays, on one thread
// and read ahead alike.
#include <gtest/gtest.h>

#include <string>

#include "engine/Exclusions.h"
#include "engine/ListingRun.h"
#include "format/ListingOptions.h"
#include "support/TempFolder.h"

namespace {

// node_modules at three levels, a version-control folder, docs\old and its namesake deeper
// down, files to drop by extension, and a folder with a Japanese name.
void MakeProjectTree(const TempFolder& tree) {
    tree.WriteFile("root\\a.c", "a");
    tree.WriteFile("root\\a.tmp", "t");
    tree.WriteFile("root\\node_modules\\p\\index.js", "x");
    tree.WriteFile("root\\src\\main.c", "m");
    tree.WriteFile("root\\src\\node_modules\\q.js", "x");
    tree.WriteFile("root\\src\\lib\\node_modules\\r\\s.js", "x");
    tree.WriteFile("root\\src\\lib\\util.tmp", "t");
    tree.WriteFile("root\\src\\lib\\util.c", "u");
    tree.WriteFile("root\\CVS\\Entries", "e");
    tree.WriteFile("root\\docs\\readme.txt", "r");
    tree.WriteFile("root\\docs\\old\\v1.txt", "o");
    tree.WriteFile("root\\src\\docs\\old\\keep.txt", "k");
    tree.WriteFile("root\\表示\\画面.c", "j");
}

// The relative listing (folders too) of the tree's root with these exclusions and depth.
std::string Listing(const TempFolder& tree, const std::wstring& exclude, unsigned depth, unsigned readers = 1,
                    bool utf8 = false) {
    ListingOptions options;
    options.folder = Wide(tree / "root");
    options.outputPath = Wide(tree / "out.txt");
    options.pathType = PathType::Relative;
    options.subfolders = options.directoryNames = true;
    options.excludeText = exclude;
    options.depth = depth;
    options.utf8 = utf8;
    ListingRun run(options);
    run.SetReaderThreads(readers);
    run.RunHere();
    EXPECT_EQ(RunResult::Complete, run.Result());
    return ReadWholeFile(options.outputPath);
}

TEST(ExclusionListing, ExcludedFoldersAreNeitherListedNorEnteredAndPathsPickOneFolder) {
    TempFolder tree;
    MakeProjectTree(tree);
    // Letter case does not count, as in the filter; "\" at either end of a path is the root's.
    const std::wstring exclude = L"NODE_MODULES;cvs;*.tmp;\\docs\\old\\;表示";
    const std::string expected =
        "a.c\r\n"
        "docs\r\n"
        "docs\\readme.txt\r\n"
        "src\r\n"
        "src\\docs\r\n"
        "src\\docs\\old\r\n"
        "src\\docs\\old\\keep.txt\r\n"
        "src\\lib\r\n"
        "src\\lib\\util.c\r\n"
        "src\\main.c\r\n";
    EXPECT_EQ(expected, Listing(tree, exclude, 0, 1));
    EXPECT_EQ(expected, Listing(tree, exclude, 0, 4)) << "read ahead";
    // A UTF-8 run matches the same real names.
    const std::string utf8 = Listing(tree, exclude, 0, 4, true);
    EXPECT_EQ("\xEF\xBB\xBF" + expected, utf8);

    // Only separators and bare "\": nothing excluded, the bytes of a run without exclusions.
    const std::string all = Listing(tree, L"", 0);
    EXPECT_NE(std::string::npos, all.find("node_modules\\p\\index.js"));
    EXPECT_NE(std::string::npos, all.find("表示\\画面.c"));
    EXPECT_EQ(all, Listing(tree, L";\\;;\\\\", 0));
}

TEST(ExclusionListing, DepthLimitsTheLevelsEnteredWithExclusionsStillApplied) {
    TempFolder tree;
    MakeProjectTree(tree);
    const std::wstring exclude = L"node_modules;CVS;表示";
    EXPECT_EQ("a.c\r\na.tmp\r\ndocs\r\nsrc\r\n", Listing(tree, exclude, 1));
    const std::string two =
        "a.c\r\na.tmp\r\ndocs\r\ndocs\\old\r\ndocs\\readme.txt\r\nsrc\r\nsrc\\docs\r\nsrc\\lib\r\nsrc\\main.c\r\n";
    EXPECT_EQ(two, Listing(tree, exclude, 2, 1));
    EXPECT_EQ(two, Listing(tree, exclude, 2, 4)) << "read ahead";
    EXPECT_EQ(Listing(tree, exclude, 0), Listing(tree, exclude, 4)) << "the tree is four levels deep";
    EXPECT_NE(Listing(tree, exclude, 0), Listing(tree, exclude, 3));
}

TEST(ExclusionListing, PatternsWithABackslashMatchPathsAndLoseItAtTheEnds) {
    PatternList names, paths;
    SplitExclusionText(L"*.tmp;\\build;docs\\old\\;\\;a\\*\\c;ソ", names, paths);
    // "ソ" ends in a "\" byte in the code page, but is no path.
    EXPECT_EQ((PatternList{L"*.tmp", L"ソ"}), names);
    EXPECT_EQ((PatternList{L"build", L"docs\\old", L"a\\*\\c"}), paths);
}

TEST(ExclusionListing, PatternsAsPeopleTypeThemSlashesDotsBlanksAndWildcardsWithinOneName) {
    TempFolder tree;
    MakeProjectTree(tree);
    // "/" for "\", a leading ".\", blanks around patterns; "*" and "?" in a path do not cross a
    // "\", so "src/*.c" is src's own main.c and "src\lib?util.c" names nothing.
    const std::wstring exclude = L" node_modules ;\t*.tmp ; .\\docs/old ;src/*.c;src\\lib?util.c; CVS\t";
    EXPECT_EQ("a.c\r\n"
              "docs\r\n"
              "docs\\readme.txt\r\n"
              "src\r\n"
              "src\\docs\r\n"
              "src\\docs\\old\r\n"
              "src\\docs\\old\\keep.txt\r\n"
              "src\\lib\r\n"
              "src\\lib\\util.c\r\n"
              "表示\r\n"
              "表示\\画面.c\r\n",
              Listing(tree, exclude, 0));

    PatternList names, paths;
    SplitExclusionText(L" \t ;./build/;.\\.\\a/b ;\\.\\; ./ ;x y", names, paths);
    EXPECT_EQ((PatternList{L"x y"}), names) << "blanks inside a name stay";
    EXPECT_EQ((PatternList{L"build", L"a\\b"}), paths);
}

TEST(ExclusionListing, NamesAndPathsOutsideTheCodePageMatchByTheirRealCharacters) {
    TempFolder tree;
    tree.WriteFile(L"root\\caf\u00e9\\x.c", "x");
    tree.WriteFile(L"root\\cafe\\y.c", "y");
    tree.WriteFile(L"root\\sub\\caf\u00e9\\z.c", "z");
    // Not "caf?" as the code page writes it: "cafe" stays.
    EXPECT_EQ("cafe\r\ncafe\\y.c\r\nsub\r\n", Listing(tree, L"CAF\u00c9", 0));
    EXPECT_EQ("\xEF\xBB\xBF" "cafe\r\ncafe\\y.c\r\ncaf\xC3\xA9\r\ncaf\xC3\xA9\\x.c\r\nsub\r\n",
              Listing(tree, L"\\SUB\\CAF\u00c9", 0, 4, true))
        << "the path below the listed folder";
}

}  // namespace
