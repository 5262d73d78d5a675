// Whole runs in both output encodings: the same lines in the same order, and a name that holds
// control characters still one line.
#include <gtest/gtest.h>

#include <string>

#include "format/ListingOptions.h"
#include "support/LineTexts.h"
#include "support/ListingRun.h"
#include "support/TempFolder.h"
#include "support/UnixSide.h"
#include "text/Utf8Text.h"

namespace {

const char kByteOrderMark[] = "\xEF\xBB\xBF";

class OutputEncodingRun : public ::testing::Test {
protected:
    std::string List(bool utf8) {
        ListingOptions options = RelativeListing(tree / "list", tree / "out.txt");
        options.directoryNames = options.size = true;
        options.utf8 = utf8;
        EXPECT_EQ(RunResult::Complete, RunListing(options).result);
        return ReadWholeFile(tree / "out.txt");
    }

    TempFolder tree;
};

// The traps of the order: "\" and "_" before the letters, "[" "]" "^" "`" between the capitals
// and the small letters of code points, half-width katakana after the ASCII, kanji by code page.
TEST_F(OutputEncodingRun, UTF8ListsTheCodePageListingsLinesInItsOrder) {
    for (const char* name : {"doc\\a.txt", "docs.txt", "doc_b.txt", "doc[1].txt", "DOC^.txt", "doc`.txt", "ｱｲ.txt",
                             "ｶﾞ\\x.txt", "アイ.txt", "漢字\\ａ.txt", "表.txt", "ＡＢ.txt", "ab.txt"})
        tree.WriteFile(std::string("list\\") + name, name);
    const std::string codePage = List(false);
    EXPECT_EQ(Lines({"ab.txt\t6", "doc\t0", "doc[1].txt\t10", "doc\\a.txt\t9", "DOC^.txt\t8", "doc_b.txt\t9",
                     "doc`.txt\t8", "docs.txt\t8", "ｱｲ.txt\t6", "ｶﾞ\t0", "ｶﾞ\\x.txt\t8", "ＡＢ.txt\t8", "アイ.txt\t8",
                     "漢字\t0", "漢字\\ａ.txt\t11", "表.txt\t6"}),
              codePage);
    EXPECT_EQ(kByteOrderMark + Utf8Text::Instance().TextFromWide(Wide(codePage)), List(true));
}

TEST_F(OutputEncodingRun, ANameWithATabAndALineBreakIsOneLineInBothEncodings) {
    tree.WriteFile("list\\plain.txt", "1");
    ASSERT_TRUE(RunUnixShell("cd '" + UnixPath(tree / "list") + "' && printf 12 >\"$(printf 'a\\tb\\nc.txt')\""));
    EXPECT_EQ(Lines({"a?b?c.txt\t2", "plain.txt\t1"}), List(false));
    EXPECT_EQ(kByteOrderMark + Lines({"a?b?c.txt\t2", "plain.txt\t1"}), List(true));
}

}  // namespace
