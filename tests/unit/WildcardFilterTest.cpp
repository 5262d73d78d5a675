// The filter: splitting the text, matching names, and runs that apply it.
#include <gtest/gtest.h>

#include <string>

#include "format/ListingOptions.h"
#include "engine/WildcardFilter.h"
#include "text/CodePageText.h"
#include "support/ListingRun.h"
#include "support/TempFolder.h"

namespace {

// The cases are written in the code page, as typed in the dialog.
PatternList WideList(const CStringList& texts) {
    PatternList wide;
    for (const CString& text : texts) wide.push_back(Wide(text));
    return wide;
}
PatternList Split(const std::string& text) {
    PatternList patterns;
    SplitFilterText(Wide(text), patterns);
    return patterns;
}

bool MatchWildcard(const char* pattern, const char* name) { return ::MatchWildcard(Wide(pattern), Wide(name)); }
// As a code-page run matches.
bool MatchesFilter(const CStringList& patterns, const CString& name) {
    return WildcardFilter(WideList(patterns), CodePageText::System()).Matches(Wide(name).c_str());
}

TEST(WildcardFilter, SplittingKeepsNonEmptyPiecesAsTyped) {
    EXPECT_EQ(WideList({"*.txt", "*.log"}), Split("*.txt;*.log"));
    EXPECT_EQ(WideList({"*.c"}), Split(";*.c;;"));
    EXPECT_EQ(WideList({"*.c", " *.h"}), Split("*.c; *.h"));
    EXPECT_EQ(PatternList{}, Split(";"));
    EXPECT_EQ(PatternList{}, Split(""));
    EXPECT_EQ(WideList({"表*", "ソ"}), Split("表*;ソ"));
    PatternList appended{L"first"};
    SplitFilterText(L"second", appended);
    EXPECT_EQ((PatternList{L"first", L"second"}), appended) << "the caller empties the list";
}

TEST(WildcardFilter, QuestionMarkIsOneWholeCharacter) {
    EXPECT_EQ(1, MatchWildcard("A?C", "ABC"));
    EXPECT_EQ(1, MatchWildcard("A?C", "A表C"));
    EXPECT_EQ(0, MatchWildcard("A?C", "AC"));
    EXPECT_EQ(0, MatchWildcard("A?C", "ABBC"));
    EXPECT_EQ(1, MatchWildcard("?", "表"));
    // The trail byte of 表 is 0x5C: it must never be compared on its own.
    EXPECT_EQ(0, MatchWildcard("?\\", "表"));
    EXPECT_EQ(0, MatchWildcard("*\\", "表"));
    EXPECT_EQ(1, MatchWildcard("表?", "表ソ"));
    EXPECT_EQ(0, MatchWildcard("表", "ソ"));
}

TEST(WildcardFilter, StarsMatchRunsOfCharacters) {
    EXPECT_EQ(1, MatchWildcard("*", ""));
    EXPECT_EQ(1, MatchWildcard("*", "ANY.NAME"));
    EXPECT_EQ(1, MatchWildcard("*?", "X"));
    EXPECT_EQ(0, MatchWildcard("*?", ""));
    EXPECT_EQ(1, MatchWildcard("**", "X"));
    EXPECT_EQ(0, MatchWildcard("**", ""));
    EXPECT_EQ(0, MatchWildcard("A**", "A")) << "an inner star needs at least one character after it";
    EXPECT_EQ(1, MatchWildcard("*A*", "XYAZ"));
    EXPECT_EQ(1, MatchWildcard("*A*", "A"));
    EXPECT_EQ(0, MatchWildcard("*A*", "XYZ"));
    EXPECT_EQ(0, MatchWildcard("*.*", "MAKEFILE"));
    EXPECT_EQ(1, MatchWildcard("*.*", "A.B.C"));
    EXPECT_EQ(1, MatchWildcard("*.TXT", "表.TXT"));
    EXPECT_EQ(0, MatchWildcard("[A].TXT", "A.TXT")) << "brackets are ordinary characters";
}

TEST(WildcardFilter, ManyStarsAgainstALongName) {
    // Pathological for a matcher that backtracks without bound; only the answers are checked.
    const std::string name(4000, 'A');
    std::string pattern;
    for (int i = 0; i < 60; ++i) pattern += "*A";
    EXPECT_EQ(0, MatchWildcard((pattern + "B").c_str(), name.c_str()));
    EXPECT_EQ(1, MatchWildcard((pattern + "*").c_str(), name.c_str()));
    EXPECT_EQ(1, MatchWildcard(std::string(5000, '*').c_str(), name.c_str()));
}

TEST(WildcardFilter, NamesAndPatternsAreComparedInUpperCase) {
    EXPECT_TRUE(MatchesFilter({"*.txt", "*.log"}, "README.TXT"));
    EXPECT_TRUE(MatchesFilter({"*.txt", "*.log"}, "notes.Log"));
    EXPECT_FALSE(MatchesFilter({"*.c", " *.h"}, "main.h"));
    EXPECT_TRUE(MatchesFilter({"ａｂ*"}, "ＡＢ.txt")) << "full-width letters too";
    EXPECT_FALSE(MatchesFilter({"ｱ*"}, "ｲ.txt"));
    EXPECT_FALSE(MatchesFilter({}, "anything"));
}

class FilterRun : public ::testing::Test {
protected:
    void SetUp() override {
        tree.WriteFile("list\\README.TXT", "");
        tree.WriteFile("list\\notes.Log", "");
        tree.WriteFile("list\\main.h", "");
        tree.WriteFile("list\\Makefile", "");
        tree.WriteFile("list\\src\\inner.txt", "");
        tree.WriteFile("list\\old.log\\deep.c", "");
    }

    std::string Run(const std::string& filterText, bool directoryNames) {
        ListingOptions job = RelativeListing(tree / "list", tree / "out.txt");
        job.directoryNames = directoryNames;
        job.filter = 1;
        job.filterText = Wide(filterText);
        RunListing(job);
        return ReadWholeFile(job.outputPath);
    }

    TempFolder tree;
};

TEST_F(FilterRun, DirectoriesAreFilteredByNameButAlwaysEntered) {
    EXPECT_EQ("notes.Log\r\nold.log\r\nREADME.TXT\r\nsrc\\inner.txt\r\n", Run("*.txt;*.log", true));
    EXPECT_EQ("notes.Log\r\nREADME.TXT\r\nsrc\\inner.txt\r\n", Run("*.txt;*.log", false));
    EXPECT_EQ("old.log\\deep.c\r\n", Run("*.c; *.h", false));
    EXPECT_EQ("main.h\r\nold.log\\deep.c\r\n", Run("*.c;*.h", false));
    EXPECT_EQ("Makefile\r\n", Run("make*", true));
}

TEST_F(FilterRun, AnEmptyFilterListsNothingButStillWalksEverything) {
    EXPECT_EQ("", Run("", true));
    EXPECT_EQ("", Run(";", true));

    TempFolder nested;
    nested.WriteFile("list\\a\\b\\c.txt", "");
    ListingOptions job = RelativeListing(nested / "list", nested / "out.txt");
    job.filter = 1;
    job.useTemplate = 1;
    job.headerText = "[%COUNT%]";
    job.footerText = "last: %DIR%";
    RunListing(job);
    EXPECT_EQ("[0]\r\nlast: a\\b\\\r\n", ReadWholeFile(job.outputPath));
}

}  // namespace
