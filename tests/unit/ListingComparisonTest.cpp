// Comparing a tree with its earlier listing, whole runs against real trees: what the report
// holds and counts, in both encodings either way, a relative listing of a copy elsewhere, and
// the earlier listings that are refused with nothing written.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/OptionsSettings.h"
#include "engine/ListingRun.h"
#include "format/ListingOptions.h"
#include "support/LineTexts.h"
#include "support/ListingRun.h"
#include "support/TempFolder.h"
#include "text/Utf8Text.h"

namespace {

const char kByteOrderMark[] = "\xEF\xBB\xBF";

struct Compared {
    RunResult result;
    ComparisonCounts counts;
    std::string report;
};

class ListingComparison : public ::testing::Test {
protected:
    // Every entry gets the same time, so that only what a test changes differs.
    void Stamp(const std::string& path) { ASSERT_TRUE(SetLastWriteTime(path, 2020, 1, 2, 3, 4, 5)); }
    void Put(const std::string& relative, const std::string& content) { Stamp(tree.WriteFile(relative, content)); }

    // A file added, one removed, one rewritten with the same size and date, a folder renamed.
    void BuildTree(const std::string& root) {
        for (const char* name : {"a.txt", "表.txt"}) Put(root + "\\" + name, name[0] == 'a' ? "a" : "hyo");
        Put(root + "\\gone.txt", "gone");
        Put(root + "\\rewritten.txt", "abc");
        Put(root + "\\docs\\x.txt", "x");
        Stamp(tree / (root + "\\docs"));
    }
    void ChangeTree(const std::string& root) {
        ASSERT_TRUE(DeleteFileA((tree / (root + "\\gone.txt")).c_str()));
        Put(root + "\\new.txt", "new");
        Put(root + "\\rewritten.txt", "xyz");
        ASSERT_TRUE(MoveFileA((tree / (root + "\\docs")).c_str(), (tree / (root + "\\papers")).c_str()));
        Stamp(tree / (root + "\\papers"));
    }

    ListingOptions Options(const std::string& root, const std::string& output, bool utf8) {
        ListingOptions options = RelativeListing(tree / root, tree / output);
        options.directoryNames = options.size = options.date = options.checksum = true;
        options.utf8 = utf8;
        return options;
    }
    void List(const std::string& root, const std::string& output, bool utf8) {
        ListingOptions options = Options(root, output, utf8);
        ASSERT_EQ(RunResult::Complete, RunListing(options).result);
    }
    Compared Compare(ListingOptions options, const std::string& earlier) {
        options.compare = true;
        options.earlierListing = Wide(tree / earlier);
        ListingRun run(options);
        run.RunHere();
        return {run.Result(), run.Comparison(), ReadWholeFile(Narrow(options.outputPath))};
    }

    TempFolder tree;
};

TEST_F(ListingComparison, ReportHoldsExactlyTheChangesInBothEncodingsEitherWay) {
    BuildTree("list");
    List("list", "earlier-cp.txt", false);
    List("list", "earlier-utf8.txt", true);
    ChangeTree("list");
    const std::string report = Lines({"-\tdocs\t0\t2020/01/02 12:04:05\t--------",
                                      "-\tdocs\\x.txt\t1\t2020/01/02 12:04:05\t8CDC1683",
                                      "-\tgone.txt\t4\t2020/01/02 12:04:05\t02984F45",
                                      "+\tnew.txt\t3\t2020/01/02 12:04:05\t6BE34445",
                                      "+\tpapers\t0\t2020/01/02 12:04:05\t--------",
                                      "+\tpapers\\x.txt\t1\t2020/01/02 12:04:05\t8CDC1683",
                                      "<\trewritten.txt\t3\t2020/01/02 12:04:05\t352441C2",
                                      ">\trewritten.txt\t3\t2020/01/02 12:04:05\tEB8EBA67"});
    for (bool utf8Now : {false, true}) {
        for (const char* earlier : {"earlier-cp.txt", "earlier-utf8.txt"}) {
            const Compared compared = Compare(Options("list", "report.txt", utf8Now), earlier);
            EXPECT_EQ(RunResult::Complete, compared.result) << earlier;
            EXPECT_EQ((utf8Now ? kByteOrderMark : "") + report, compared.report) << earlier << " utf8 " << utf8Now;
            EXPECT_EQ(3u, compared.counts.added);
            EXPECT_EQ(3u, compared.counts.removed);
            EXPECT_EQ(1u, compared.counts.changed);
            EXPECT_EQ(2u, compared.counts.unchanged) << "a.txt and 表.txt, its name in the other encoding";
        }
    }
    // The dialog's way: the listing goes to the output as a listing does, the report beside it.
    ListingOptions both = Options("list", "now.txt", false);
    both.reportPath = Wide(tree / "now.diff.txt");
    EXPECT_EQ(RunResult::Complete, Compare(both, "earlier-cp.txt").result);
    EXPECT_EQ(report, ReadWholeFile(tree / "now.diff.txt"));
    List("list", "plain.txt", false);
    EXPECT_EQ(ReadWholeFile(tree / "plain.txt"), ReadWholeFile(tree / "now.txt"));
}

TEST_F(ListingComparison, RelativeListingOfACopyElsewhereComparesClean) {
    BuildTree("data");
    BuildTree("backup\\deeper\\data");
    List("data", "earlier.txt", false);
    const Compared compared = Compare(Options("backup\\deeper\\data", "report.txt", false), "earlier.txt");
    EXPECT_EQ(RunResult::Complete, compared.result);
    EXPECT_EQ("", compared.report);
    EXPECT_FALSE(compared.counts.AnyDifference());
    EXPECT_EQ(6u, compared.counts.unchanged);
}

TEST_F(ListingComparison, EarlierListingThatDoesNotFitIsRefusedWithNothingWritten) {
    BuildTree("list");
    ListingOptions other = Options("list", "attributes.txt", false);
    other.attributes = true;
    ASSERT_EQ(RunResult::Complete, RunListing(other).result);
    ListingOptions absolute = Options("list", "absolute.txt", false);
    absolute.pathType = PathType::Absolute;
    ASSERT_EQ(RunResult::Complete, RunListing(absolute).result);
    ListingOptions html = Options("list", "template.txt", false);
    const TemplateTexts builtIn = BuiltInTemplateTexts();
    html.useTemplate = true;
    html.headerText = builtIn.header;
    html.repeatText = builtIn.repeat;
    html.footerText = builtIn.footer;
    ASSERT_EQ(RunResult::Complete, RunListing(html).result);

    const struct {
        const char* earlier;
        RunResult refusal;
    } cases[] = {{"attributes.txt", RunResult::EarlierOtherColumns},
                 {"absolute.txt", RunResult::EarlierOtherPaths},
                 {"template.txt", RunResult::EarlierTemplate},
                 {"missing.txt", RunResult::EarlierUnreadable}};
    for (const auto& c : cases) {
        EXPECT_EQ(c.refusal, Compare(Options("list", "report.txt", false), c.earlier).result) << c.earlier;
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((tree / "report.txt").c_str())) << c.earlier;
    }
    // The version columns are left out of a line whose file has none: such a listing fits.
    ListingOptions versions = Options("list", "versions.txt", false);
    versions.fileVersion = versions.productVersion = true;
    ASSERT_EQ(RunResult::Complete, RunListing(versions).result);
    versions.outputPath = Wide(tree / "report.txt");
    const Compared clean = Compare(versions, "versions.txt");
    EXPECT_EQ(RunResult::Complete, clean.result);
    EXPECT_EQ("", clean.report);
}

// Each way an earlier listing can be broken is refused with its own reason and nothing
// written; a listing of paths in URL form is absolute whatever its case.
TEST_F(ListingComparison, BrokenEarlierListingsAreRefusedSayingWhy) {
    BuildTree("list");
    List("list", "earlier.txt", false);
    const std::string good = ReadWholeFile(tree / "earlier.txt");
    const std::string firstLine = good.substr(0, good.find("\r\n") + 2);
    tree.WriteFile("reordered.txt", good.substr(firstLine.size()) + firstLine);
    std::string withNul = good;
    withNul[1] = '\0';
    tree.WriteFile("nul.txt", withNul);
    std::string utf16 = "\xFE\xFF";  // big-endian, as the order mark says
    for (char c : good) utf16 += std::string(1, '\0') + c;
    tree.WriteFile("utf16.txt", utf16);
    tree.WriteFile("long.txt", good + std::string(3 << 20, 'x') + "\t1\t2020/01/02 12:04:05\t00000000\r\n");
    ListingOptions url = Options("list", "url.txt", false);
    url.url = true;
    url.pathType = PathType::Absolute;
    ASSERT_EQ(RunResult::Complete, RunListing(url).result);
    ASSERT_EQ(0u, ReadWholeFile(tree / "url.txt").rfind("file://", 0));
    ListingOptions relativeUrl = Options("list", "url-relative.txt", false);
    relativeUrl.url = true;
    ASSERT_EQ(RunResult::Complete, RunListing(relativeUrl).result);

    const struct {
        const char* earlier;
        RunResult refusal;
    } cases[] = {{"reordered.txt", RunResult::EarlierOutOfOrder},
                 {"nul.txt", RunResult::EarlierNotText},
                 {"utf16.txt", RunResult::EarlierUtf16},
                 {"long.txt", RunResult::EarlierLineTooLong},
                 {"url.txt", RunResult::EarlierOtherPaths},
                 {"url-relative.txt", RunResult::EarlierOtherPaths}};
    for (const auto& c : cases) {
        EXPECT_EQ(c.refusal, Compare(Options("list", "report.txt", false), c.earlier).result) << c.earlier;
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((tree / "report.txt").c_str())) << c.earlier;
    }
    // A plain listing against a relative run in URL form, and that form's own listing, whose
    // "\x5C" in a kanji is no separator.
    relativeUrl.outputPath = Wide(tree / "report.txt");
    EXPECT_EQ(RunResult::EarlierOtherPaths, Compare(relativeUrl, "earlier.txt").result);
    EXPECT_EQ(RunResult::Complete, Compare(relativeUrl, "url-relative.txt").result);
    // The same listing in upper case fits an absolute run of the same form.
    url.upperCase = true;
    url.outputPath = Wide(tree / "url-upper.txt");
    ASSERT_EQ(RunResult::Complete, RunListing(url).result);
    url.outputPath = Wide(tree / "report.txt");
    const Compared upper = Compare(url, "url-upper.txt");
    EXPECT_EQ(RunResult::Complete, upper.result);
    EXPECT_EQ("", upper.report);
}

// A stop ends the walk before every entry was seen: no report tells the rest as gone, neither
// the console program's (the output) nor the dialog's (a file of its own).
TEST_F(ListingComparison, StoppedComparisonWritesNoReport) {
    BuildTree("list");
    List("list", "earlier.txt", false);
    for (bool ownFile : {false, true}) {
        ListingOptions options = Options("list", "now.txt", false);
        options.compare = true;
        options.earlierListing = Wide(tree / "earlier.txt");
        if (ownFile) options.reportPath = Wide(tree / "now.diff.txt");
        EXPECT_EQ(RunResult::Stopped, RunListing(options, true).result);
        const std::string report = ownFile ? "now.diff.txt" : "now.txt";
        EXPECT_EQ("<missing>", ReadWholeFile(tree / report)) << report;
    }
}

}  // namespace
