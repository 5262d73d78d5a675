#include "text/CodePageText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const CodePageText& Sjis() { return CodePageText::System(); }

int Sign(int v) { return (v > 0) - (v < 0); }

TEST(CodePageText, RunsUnderCodePage932) {
    ASSERT_EQ(932u, GetACP());
    EXPECT_TRUE(Sjis().IsDoubleByteCodePage());
    EXPECT_TRUE(Sjis().IsLeadByte(0x81));
    EXPECT_TRUE(Sjis().IsLeadByte(0xFC));
    EXPECT_FALSE(Sjis().IsLeadByte(0xA1));  // half-width katakana
    EXPECT_FALSE(Sjis().IsLeadByte('\\'));
}

TEST(CodePageText, BackwardScanFindsTheRealSeparatorBefore0x5CTrailByte) {
    const std::string path = "C:\\data\\\x95\x5C";  // folder name ends in 表
    ASSERT_EQ("C:\\data\\表", path);
    const char* start = path.c_str();
    const char* p = start + path.size();
    p = Sjis().Prev(start, p);
    EXPECT_EQ(start + 8, p) << "the trail byte 0x5C is not a character of its own";
    p = Sjis().Prev(start, p);
    EXPECT_EQ('\\', *p);
    EXPECT_EQ(start + 7, p);
    EXPECT_EQ(start, Sjis().Prev(start, start));
}

TEST(CodePageText, ForwardStepsKeepPairsTogetherAndStopAtTheEnd) {
    const std::string text = "aソb";  // ソ is 0x83 0x5C
    const char* p = text.c_str();
    p = Sjis().Next(p);
    EXPECT_EQ(text.c_str() + 1, p);
    p = Sjis().Next(p);
    EXPECT_EQ(text.c_str() + 3, p);
    p = Sjis().Next(Sjis().Next(p));
    EXPECT_EQ('\0', *p);
    EXPECT_EQ(p, Sjis().Next(p));
    const char lone[] = {'\x95', '\0'};  // a lead byte cut off by the terminator
    EXPECT_EQ(lone + 1, Sjis().Next(lone));
}

TEST(CodePageText, CaseConversionChangesLettersOnly) {
    std::string text = "abc XYZ ａｂｃ ＤＥＦ ｶﾀｶﾅ 表ソ漢字 αβ";
    Sjis().ToUpper(text);
    EXPECT_EQ("ABC XYZ ＡＢＣ ＤＥＦ ｶﾀｶﾅ 表ソ漢字 ΑΒ", text);
    Sjis().ToLower(text);
    EXPECT_EQ("abc xyz ａｂｃ ｄｅｆ ｶﾀｶﾅ 表ソ漢字 αβ", text);
}

TEST(CodePageText, TrailBytesThatLookLikeLettersAreNotChanged) {
    std::string text = "\x82\x61\x83\x61";  // Ｂ (0x82 0x61) and ア (0x83 0x61): trail 'a'
    std::string upper = text;
    Sjis().ToUpper(upper);
    EXPECT_EQ(text, upper);
    std::string mixed = "\x83" "a" "a";
    Sjis().ToUpper(mixed);
    EXPECT_EQ("\x83" "aA", mixed);
}

TEST(CodePageText, ComparisonOrder) {
    EXPECT_LT(Sjis().Compare("a_b", "ab"), 0) << "'_' sorts before letters";
    EXPECT_LT(Sjis().Compare("sub2.txt", "sub\\z.txt"), 0) << "digits before backslash";
    EXPECT_LT(Sjis().Compare("a.txt", "a\\"), 0) << "full stop before backslash";
    EXPECT_LT(Sjis().Compare("a\\", "aa"), 0) << "backslash before letters";
    EXPECT_LT(Sjis().Compare("ab", "abc"), 0) << "shorter sorts first";
    EXPECT_LT(Sjis().Compare("z", "ｱ"), 0);
    EXPECT_LT(Sjis().Compare("ｱ", "ア"), 0) << "single-byte before double-byte";
    EXPECT_EQ(0, Sjis().Compare("README.txt", "readme.TXT"));
    EXPECT_EQ(0, Sjis().Compare("ａｂｃ", "ＡＢＣ"));
    EXPECT_NE(0, Sjis().Compare("ｱ", "ア"));
    EXPECT_EQ(0, Sjis().Compare("", ""));
    EXPECT_LT(Sjis().Compare("", "a"), 0);
}

TEST(CodePageText, ComparisonIsAConsistentOrderForSorting) {
    std::vector<std::string> lines = {"sub\\z.txt", "Ab", "ソ", "a_b", "sub2.txt", "表", "ａ", "AB"};
    std::stable_sort(lines.begin(), lines.end(), [](const std::string& x, const std::string& y) {
        return Sjis().Compare(x.c_str(), y.c_str()) < 0;
    });
    const std::vector<std::string> expected = {"a_b", "Ab", "AB", "sub2.txt", "sub\\z.txt",
                                               "ａ", "ソ", "表"};
    EXPECT_EQ(expected, lines);
    for (const auto& x : lines)
        for (const auto& y : lines)
            EXPECT_EQ(Sign(Sjis().Compare(x.c_str(), y.c_str())),
                      -Sign(Sjis().Compare(y.c_str(), x.c_str())));
}

TEST(CodePageText, SingleByteCodePageTreatsEveryByteAlone) {
    const CodePageText latin(1252);
    EXPECT_FALSE(latin.IsDoubleByteCodePage());
    EXPECT_FALSE(latin.IsLeadByte(0x95));
    std::string text = "ab\x95\x5C\xE9\xC9z";  // é and É stay: only A-Z / a-z change
    latin.ToUpper(text);
    EXPECT_EQ("AB\x95\x5C\xE9\xC9Z", text);
    latin.ToLower(text);
    EXPECT_EQ("ab\x95\x5C\xE9\xC9z", text);
    const std::string path = "C:\\x\x95\x5C";
    EXPECT_EQ(path.c_str() + path.size() - 1, latin.Prev(path.c_str(), path.c_str() + path.size()));
    EXPECT_EQ(0, latin.Compare("ABC", "abc"));
    EXPECT_LT(latin.Compare("\x95", "\xE9"), 0);
    EXPECT_GT(latin.Compare("\xE9", "z"), 0);
}

}  // namespace
