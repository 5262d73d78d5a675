// Names the code page cannot hold, and names ending in a dot or a space: every entry is read
// by its real name, written as "?" where the code page lacks a character, exactly in UTF-8.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "content/Crc32.h"
#include "format/ListingOptions.h"
#include "support/LineTexts.h"
#include "support/ListingRun.h"
#include "support/TempFolder.h"

namespace {

std::string Crc(const std::string& content) {
    char text[9];
    std::snprintf(text, sizeof text, "%08lX", static_cast<unsigned long>(Crc32(content.data(), content.size())));
    return text;
}

std::string Utf8(const std::wstring& wide) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), &text[0], n, nullptr, nullptr);
    return text;
}

class RealNames : public ::testing::Test {
protected:
    // Relative paths, subfolders and directory names, with size and checksum.
    std::string List(bool utf8) {
        ListingOptions options = RelativeListing(tree / "list", tree / "out.txt");
        options.directoryNames = options.size = options.checksum = true;
        options.utf8 = utf8;
        EXPECT_EQ(RunResult::Complete, RunListing(options).result);
        return ReadWholeFile(tree / "out.txt");
    }

    TempFolder tree;
};

TEST_F(RealNames, EachFileIsReadByItsRealNameAndWrittenWithoutLookAlikes) {
    tree.WriteFile(L"list\\Caf\u00e9\\only-here.txt", "only");
    tree.WriteFile(L"list\\Cafe\\same.txt", "same");
    tree.WriteFile(L"list\\r\u00e9sum\u00e9.txt", "x");
    tree.WriteFile(L"list\\resume.txt", "abc");
    tree.WriteFile(L"list\\\ud55c\uad6d\\k.txt", "k");
    tree.WriteFile(L"list\\\U0001F600.txt", "smile");
    const std::string folder = "\t0\t--------";
    EXPECT_EQ(Lines({"??" + folder, "??.txt\t5\t" + Crc("smile"), "??\\k.txt\t1\t" + Crc("k"),
                     "Caf?" + folder, "Caf?\\only-here.txt\t4\t" + Crc("only"), "Cafe" + folder,
                     "Cafe\\same.txt\t4\t" + Crc("same"), "r?sum?.txt\t1\t" + Crc("x"),
                     "resume.txt\t3\t" + Crc("abc")}),
              List(false));
    // What the code page lacks sorts after all it holds, by code point: E before É, Latin before
    // Hangul before the emoji.
    EXPECT_EQ("\xEF\xBB\xBF" + Lines({"Cafe" + folder, "Cafe\\same.txt\t4\t" + Crc("same"),
                                      Utf8(L"Caf\u00e9") + folder,
                                      Utf8(L"Caf\u00e9\\only-here.txt") + "\t4\t" + Crc("only"),
                                      "resume.txt\t3\t" + Crc("abc"),
                                      Utf8(L"r\u00e9sum\u00e9.txt") + "\t1\t" + Crc("x"),
                                      Utf8(L"\ud55c\uad6d") + folder,
                                      Utf8(L"\ud55c\uad6d\\k.txt") + "\t1\t" + Crc("k"),
                                      Utf8(L"\U0001F600.txt") + "\t5\t" + Crc("smile")}),
              List(true));
}

TEST_F(RealNames, ANameEndingInADotOrASpaceIsNotItsSibling) {
    tree.WriteFile(L"list\\apache.\\own.txt", "dot");
    tree.WriteFile(L"list\\apache\\other.txt", "plain");
    tree.WriteFile(L"list\\name", "1");
    tree.WriteFile(L"list\\name.", "12");
    tree.WriteFile(L"list\\name ", "123");
    const std::string folder = "\t0\t--------";
    EXPECT_EQ(Lines({"apache" + folder, "apache." + folder, "apache.\\own.txt\t3\t" + Crc("dot"),
                     "apache\\other.txt\t5\t" + Crc("plain"), "name\t1\t" + Crc("1"),
                     "name \t3\t" + Crc("123"), "name.\t2\t" + Crc("12")}),
              List(false));
}

}  // namespace
