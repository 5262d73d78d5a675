// Path column forms: absolute or relative, URL form, letter case, odd folder texts.
#include <gtest/gtest.h>

#include <string>

#include "engine/ListingJob.h"
#include "engine/EntryLines.h"
#include "format/PathForms.h"
#include "text/CodePageText.h"
#include "support/ListingRun.h"
#include "support/TempFolder.h"

namespace {

enum Form { kPlain = 0, kUrl = 1, kUpper = 2, kLower = 4 };

// The run's lines, never finished.
class Lines final : public EntryLines {
public:
    using EntryLines::EntryLines;

private:
    bool FinishLines(const SortedLineStore&, bool) override { return true; }
};

FoundEntry Named(const char* name) {
    FoundEntry entry;
    entry.name = name;
    return entry;
}

struct Formed {
    std::string path;
    std::string folderAfterBegin;
    std::string file;
    std::string dir;
};

// The path column of one entry in the given directory below the folder, through the lines the
// run makes (no file is touched: no checksum or version is asked for).
// pathType: 0 absolute, 1 relative (the radios' indices).
Formed PathOf(const std::string& folder, int pathType, int form, const std::string& below,
              const char* name) {
    ListingOptions options;
    options.folder = Wide(folder);
    options.outputPath = Wide("unused.txt");
    options.pathType = static_cast<PathType>(pathType);
    options.url = (form & kUrl) != 0;
    options.upperCase = (form & kUpper) != 0;
    options.lowerCase = (form & kLower) != 0;
    const ListingJob job(options);
    Lines lines(job);
    lines.SetDirectory(lines.Texts().dirName + below, L"");
    lines.Add(Named(name), nullptr);
    return {lines.Texts().path, lines.Texts().dirName, lines.Texts().file, lines.Texts().dir};
}

std::string Path(const std::string& folder, int pathType, int form, const char* name = "a b.txt") {
    return PathOf(folder, pathType, form, "sub\\", name).path;
}

TEST(PathForms, EveryCombinationForAFileInASubfolder) {
    const std::string data = "C:\\Data";
    EXPECT_EQ("C:\\Data\\sub\\a b.txt", Path(data, 0, kPlain));
    EXPECT_EQ("file://C:/Data/sub/a b.txt", Path(data, 0, kUrl));
    EXPECT_EQ("FILE://C:/DATA/SUB/A B.TXT", Path(data, 0, kUrl | kUpper));
    EXPECT_EQ("file://c:/data/sub/a b.txt", Path(data, 0, kUrl | kLower));
    EXPECT_EQ("C:\\DATA\\SUB\\A B.TXT", Path(data, 0, kUpper));
    EXPECT_EQ("sub\\a b.txt", Path(data, 1, kPlain));
    EXPECT_EQ("sub/a%20b.txt", Path(data, 1, kUrl));
    EXPECT_EQ("SUB/A%20B.TXT", Path(data, 1, kUrl | kUpper));
    EXPECT_EQ("sub\\a b.txt", Path(data, 1, kLower, "A B.TXT"));
    EXPECT_EQ("sub\\a b.txt", Path(data, 1, kUpper | kLower, "A B.TXT")) << "lower case is applied last";
    EXPECT_EQ("SUB\\ＡＢ表.TXT", Path(data, 1, kUpper, "ａｂ表.txt"));
}

TEST(PathForms, EntryDirectlyInTheFolder) {
    EXPECT_EQ("a b.txt", PathOf("C:\\Data", 1, kPlain, "", "a b.txt").path);
    EXPECT_EQ("a%20b%20c.txt", PathOf("C:\\Data", 1, kUrl, "", "a b c.txt").path);
    EXPECT_EQ("", PathOf("C:\\Data", 1, kPlain, "", "x").dir);
}

TEST(PathForms, FolderTextsWithAndWithoutTheirBackslash) {
    Formed typed = PathOf("C:\\Data\\", 1, kPlain, "sub\\", "x");
    EXPECT_EQ("C:\\Data\\", typed.folderAfterBegin);
    EXPECT_EQ("sub\\x", typed.path);
    Formed root = PathOf("C:\\", 1, kPlain, "sub\\", "x");
    EXPECT_EQ("C:\\", root.folderAfterBegin);
    EXPECT_EQ("sub\\x", root.path);
    EXPECT_EQ("file://C:/sub/x", PathOf("C:\\", 0, kUrl, "sub\\", "x").path);
    // 表 ends in the byte 0x5C, which is not a separator: a backslash is still appended.
    Formed kanji = PathOf("C:\\表", 1, kPlain, "ソ\\", "x");
    EXPECT_EQ("C:\\表\\", kanji.folderAfterBegin);
    EXPECT_EQ("ソ\\x", kanji.path);
    EXPECT_EQ("file://C:/表/ソ/x", PathOf("C:\\表", 0, kUrl, "ソ\\", "x").path);
    EXPECT_EQ("ソ/x%20y", PathOf("C:\\表", 1, kUrl, "ソ\\", "x y").path);
}

TEST(PathForms, UncFolderGivesFourSlashes) {
    EXPECT_EQ("file:////server/share/sub/a b.txt", Path("\\\\server\\share", 0, kUrl));
    EXPECT_EQ("\\\\server\\share\\sub\\a b.txt", Path("\\\\server\\share", 0, kPlain));
    EXPECT_EQ("sub/a%20b.txt", Path("\\\\server\\share", 1, kUrl));
}

TEST(PathForms, WithoutAListedFolderTheRelativePathIsTheBareName) {
    ListingOptions options;
    options.folder = L"C:\\ignored";
    options.pathType = PathType::Relative;
    const ListingJob paths(options, PathList{L"C:\\work\\a.txt"});
    EXPECT_EQ(L"", paths.options.folder);
    Lines relative(paths);
    relative.SetDirectory("C:\\work\\", L"");
    relative.Add(Named("a.txt"), nullptr);
    EXPECT_EQ("a.txt", relative.Texts().path);
    EXPECT_EQ("", relative.Texts().dirName);

    options.pathType = PathType::Absolute;
    const ListingJob absolutePaths(options, PathList{});
    Lines absolute(absolutePaths);
    absolute.SetDirectory("C:\\work\\", L"");
    absolute.Add(Named("a.txt"), nullptr);
    EXPECT_EQ("C:\\work\\a.txt", absolute.Texts().path);
}

TEST(PathForms, CaseChangesOnlyThePathPlaceholder) {
    Formed upper = PathOf("C:\\Data", 1, kUpper, "Sub\\", "Name.txt");
    EXPECT_EQ("SUB\\NAME.TXT", upper.path);
    EXPECT_EQ("Name.txt", upper.file);
    EXPECT_EQ("Sub\\", upper.dir);
}

TEST(MakeUrlForm, RelativeEscapesOnlyControlBytesAndSpaces) {
    EXPECT_EQ("a%09b%0ac%01d%20e", MakeUrlForm("a\tb\nc\x01" "d e", false, CodePageText::System()));
    EXPECT_EQ("100%#?ｱ~/x", MakeUrlForm("100%#?ｱ~\\x", false, CodePageText::System()));
    EXPECT_EQ("file://a\tb c/x", MakeUrlForm("a\tb c\\x", true, CodePageText::System()));
    EXPECT_EQ("file://", MakeUrlForm("", true, CodePageText::System()));
    EXPECT_EQ("表/ソ", MakeUrlForm("表\\ソ", false, CodePageText::System())) << "trail bytes 0x5C stay";
    const std::string spaces(300, ' ');
    std::string escaped;
    for (int i = 0; i < 300; ++i) escaped += "%20";
    EXPECT_EQ(escaped, MakeUrlForm(spaces, false, CodePageText::System())) << "no length limit";
}

TEST(PathForms, ARealRunInUrlFormWithAJapaneseFolder) {
    TempFolder tree;
    tree.WriteFile("表\\ソ\\a b.txt", "");
    ListingOptions job = RelativeListing(tree / "表", tree / "out.txt");
    job.url = 1;
    RunListing(job);
    EXPECT_EQ("ソ/a%20b.txt\r\n", ReadWholeFile(job.outputPath));
    EXPECT_EQ(Wide(tree / "表\\"), job.folder);
}

}  // namespace
