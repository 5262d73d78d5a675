// The comparison's merge against a plain reference: every sequence of up to five entries, each
// added, gone, changed or unchanged, so that each kind stands at the start, in the middle and at
// the end next to every other, in the code page and in UTF-8. The short sequences are listings
// of their own; all of them together, each in a folder of its own, make one long listing.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "engine/EarlierListing.h"
#include "engine/ListingComparison.h"
#include "engine/OutputFile.h"
#include "engine/SortedLineStore.h"
#include "support/TempFolder.h"
#include "text/CodePageText.h"
#include "text/Utf8Text.h"

namespace {

enum class Kind { Added, Gone, Changed, Unchanged };
const Kind kKinds[] = {Kind::Added, Kind::Gone, Kind::Changed, Kind::Unchanged};

// In the listing's order: a name and the longer one it begins, case apart, a double-byte name
// whose trail byte is "\" and a path below it.
const char* const kNames[] = {"a", "a b", "A.txt", "\x95\x5C", "\x95\x5C\\x"};

struct Expected {
    std::string earlier;  // the earlier listing's bytes
    std::vector<std::string> now;
    std::string report;
    ComparisonCounts counts;
};

// Adds what the comparison must give for the entries of one folder, written out entry by entry.
void AddReference(const std::vector<Kind>& kinds, const std::string& folder, const TextEncoding& encoding, bool utf8,
                  Expected& expected) {
    for (size_t i = 0; i < kinds.size(); ++i) {
        const std::string path = folder + kNames[i];
        const std::string name = utf8 ? encoding.FromCodePage(path) : path;
        const std::string before = name + "\t1\t2020/01/02 03:04:05";
        const std::string changed = name + "\t2\t2020/01/02 03:04:05";
        switch (kinds[i]) {
        case Kind::Added:
            expected.now.push_back(changed);
            expected.report += "+\t" + changed + "\r\n";
            ++expected.counts.added;
            break;
        case Kind::Gone:
            expected.earlier += before + "\r\n";
            expected.report += "-\t" + before + "\r\n";
            ++expected.counts.removed;
            break;
        case Kind::Changed:
            expected.earlier += before + "\r\n";
            expected.now.push_back(changed);
            expected.report += "<\t" + before + "\r\n>\t" + changed + "\r\n";
            ++expected.counts.changed;
            break;
        case Kind::Unchanged:
            expected.earlier += before + "\r\n";
            expected.now.push_back(before);
            ++expected.counts.unchanged;
            break;
        }
    }
}

// Every sequence of kinds up to the number of names, shortest first.
std::vector<std::vector<Kind>> Sequences() {
    std::vector<std::vector<Kind>> sequences{{}};
    for (size_t start = 0; start < sequences.size(); ++start) {
        if (sequences[start].size() == sizeof kNames / sizeof kNames[0]) continue;
        for (Kind kind : kKinds) {
            std::vector<Kind> longer = sequences[start];
            longer.push_back(kind);
            sequences.push_back(longer);
        }
    }
    return sequences;
}

std::string Described(const std::vector<Kind>& kinds) {
    std::string text;
    for (Kind kind : kinds) text += "+-<="[static_cast<int>(kind)];
    return text;
}

class ComparisonMerge : public ::testing::Test {
protected:
    void Check(const Expected& expected, const TextEncoding& encoding, bool utf8, const std::string& described) {
        folder.WriteFile("earlier.txt", (utf8 ? "\xEF\xBB\xBF" : "") + expected.earlier);
        SortedLineStore now(encoding);
        for (const std::string& line : expected.now) now.InsertLine(line);
        EarlierListing earlier;
        ASSERT_TRUE(earlier.Open(Wide(folder / "earlier.txt"), utf8));
        OutputFile report;
        ASSERT_TRUE(report.Create(Wide(folder / "report.txt")));
        ComparisonCounts counts;
        ASSERT_TRUE(CompareWithEarlier(now, earlier, encoding, report, counts)) << described;
        ASSERT_TRUE(report.Close());
        EXPECT_EQ(expected.report, ReadWholeFile(folder / "report.txt")) << described;
        EXPECT_EQ(expected.counts.added, counts.added) << described;
        EXPECT_EQ(expected.counts.removed, counts.removed) << described;
        EXPECT_EQ(expected.counts.changed, counts.changed) << described;
        EXPECT_EQ(expected.counts.unchanged, counts.unchanged) << described;
    }

    TempFolder folder;
};

TEST_F(ComparisonMerge, EveryInterleavingMatchesThePlainReferenceInBothEncodings) {
    const std::vector<std::vector<Kind>> sequences = Sequences();
    for (bool utf8 : {false, true}) {
        const TextEncoding& encoding =
            utf8 ? static_cast<const TextEncoding&>(Utf8Text::Instance()) : CodePageText::System();
        const char* const encodingName = utf8 ? " in UTF-8" : " in the code page";
        for (size_t i = 1; i < sizeof kNames / sizeof kNames[0]; ++i)
            ASSERT_LT(encoding.Compare(kNames[i - 1], kNames[i]), 0) << kNames[i];
        Expected all;
        for (size_t i = 0; i < sequences.size(); ++i) {
            if (sequences[i].size() <= 3) {
                Expected alone;
                AddReference(sequences[i], "", encoding, utf8, alone);
                Check(alone, encoding, utf8, Described(sequences[i]) + encodingName);
            }
            char folderName[16];
            std::snprintf(folderName, sizeof folderName, "%04u\\", static_cast<unsigned>(i));
            AddReference(sequences[i], folderName, encoding, utf8, all);
        }
        Check(all, encoding, utf8, std::string("every sequence in one listing") + encodingName);
    }
}

}  // namespace
