#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "engine/ChecksumReport.h"
#include "support/TempFolder.h"

namespace {

const std::string kAbcSha256 = "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad";
const std::string kDigitsSha256 = "15e2b0d3c33891ebb0f1ef609ec419420c20e320ce94c65fbc8c3312448eb225";
const std::string kAbcMd5 = "900150983cd24fb0d6963f7d28e17f72";

struct Checked {
    CheckResult result;
    CheckCounts counts;
    std::string report;  // "<none>" when no report was written
};

class Check : public ::testing::Test {
protected:
    void SetUp() override {
        tree.WriteFile("abc.txt", "abc");
        tree.WriteFile("sub\\digits.txt", "123456789");
        tree.WriteFile("表.txt", "abc");  // code page 932: the trail byte is 0x5C
    }

    Checked CheckSums(const std::string& name, const std::string& bytes, bool leaveOutOk = false) {
        const std::string sums = tree.WriteFile(name, bytes);
        const std::string report = tree / "report.txt";
        DeleteFileA(report.c_str());
        StopSignal stop;
        ChecksumCheck check(Wide(sums), stop, 2);
        Checked checked{WriteCheckReport(check, Wide(report), nullptr, leaveOutOk), {}, "<none>"};
        checked.counts = check.Counts();
        if (GetFileAttributesA(report.c_str()) != INVALID_FILE_ATTRIBUTES) checked.report = ReadWholeFile(report);
        return checked;
    }

    TempFolder tree;
};

TEST_F(Check, OtherToolsFormsAllCheckOk) {
    const std::string utf8Name = "\xE8\xA1\xA8.txt";
    const struct {
        const char* name;
        std::string bytes;
        size_t files;
    } cases[] = {
        {"text.sha256", kAbcSha256 + "  abc.txt\n" + kDigitsSha256 + "  sub/digits.txt\n", 2},
        {"binary.sha256", kAbcSha256 + " *abc.txt\r\n" + kDigitsSha256 + " *sub\\digits.txt\r\n", 2},
        {"escaped.sha256", "\\" + kDigitsSha256 + " *sub\\\\digits.txt\n", 1},
        {"tags.txt",
         "SHA256 (abc.txt) = " + kAbcSha256 + "\nMD5 (sub/digits.txt) = 25f9e794323b453885f5181f1b624d0b\n" +
             "SHA1 (abc.txt) = A9993E364706816ABA3E25717850C26C9CD0D89D\nCRC32 (abc.txt) = 352441c2\n",
         4},
        {"list.sfv", "; made elsewhere\r\n;\r\nabc.txt 352441C2\r\nsub\\digits.txt CBF43926\r\n\r\n", 2},
        {"bom.md5", "\xEF\xBB\xBF" + kAbcMd5 + " *" + utf8Name + "\r\n" + kAbcMd5 + "  abc.txt\r\n", 2},
        {"plain.md5", kAbcMd5 + "  " + utf8Name + "\n", 1},
        {"codepage.md5", "# made elsewhere\n" + kAbcMd5 + "  表.txt\n", 1},
        {"bylength.txt", kAbcMd5 + "  abc.txt\n" + kDigitsSha256 + "  sub\\digits.txt\n", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Checked checked = CheckSums(c.name, c.bytes);
        EXPECT_EQ(CheckResult::Complete, checked.result);
        EXPECT_EQ(c.files, checked.counts.ok) << checked.report;
        EXPECT_EQ(0u, checked.counts.failed + checked.counts.missing + checked.counts.unreadable +
                          checked.counts.malformed);
    }
    EXPECT_EQ("\xEF\xBB\xBFOK\t" + utf8Name + "\r\nOK\tabc.txt\r\n", CheckSums("bom.md5", cases[5].bytes).report)
        << "the paths as written, in the checksum file's encoding";
}

TEST_F(Check, FailedMissingUnreadableAndMalformedInTheFilesOrder) {
    const std::string changed = tree.WriteFile("changed.txt", "abc");
    tree.WriteFile("held.txt", "abc");
    const std::string sums = kAbcSha256 + " *changed.txt\n" + kAbcSha256 + " *gone.txt\nnot a checksum line\n" +
                             kAbcSha256 + " *held.txt\n" + kAbcSha256 + " *abc.txt\n";
    // The same size and date, other content.
    WIN32_FILE_ATTRIBUTE_DATA before;
    ASSERT_TRUE(GetFileAttributesExA(changed.c_str(), GetFileExInfoStandard, &before));
    tree.WriteFile("changed.txt", "abd");
    HANDLE touch = CreateFileA(changed.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_TRUE(SetFileTime(touch, nullptr, nullptr, &before.ftLastWriteTime));
    CloseHandle(touch);
    HANDLE held = CreateFileA((tree / "held.txt").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    const Checked checked = CheckSums("tree.sha256", sums);
    const Checked quiet = CheckSums("tree.sha256", sums, true);
    CloseHandle(held);
    EXPECT_EQ(CheckResult::Complete, checked.result);
    const CheckCounts& n = checked.counts;
    EXPECT_EQ(1u, n.ok);
    EXPECT_EQ(1u, n.failed);
    EXPECT_EQ(1u, n.missing);
    EXPECT_EQ(1u, n.unreadable);
    EXPECT_EQ(1u, n.malformed);
    const std::string start = "FAILED\tchanged.txt\r\nMISSING\tgone.txt\r\nUNREADABLE\theld.txt\t";
    EXPECT_EQ(0u, checked.report.find(start)) << checked.report;
    const std::string last = "OK\tabc.txt\r\n";
    ASSERT_GT(checked.report.size(), start.size() + 2 + last.size()) << "the system's reason";
    EXPECT_EQ(checked.report.size() - last.size(), checked.report.find(last)) << checked.report;
    EXPECT_EQ(checked.report.substr(0, checked.report.size() - last.size()), quiet.report) << "no OK lines";
}

TEST_F(Check, NoWellFormedLineOrNoFileWritesNothing) {
    const Checked none = CheckSums("bad.sha256", "; only a comment\nnot a line\n" + kAbcMd5 + "  abc.txt\n");
    EXPECT_EQ(CheckResult::NoChecksumLine, none.result) << "an MD5 in a .sha256 file is no SHA-256";
    EXPECT_EQ(2u, none.counts.malformed);
    EXPECT_EQ("<none>", none.report);
    StopSignal stop;
    ChecksumCheck missing(Wide(tree / "no-such.sha256"), stop, 2);
    EXPECT_EQ(CheckResult::SumsUnreadable,
              WriteCheckReport(missing, Wide(tree / "report.txt"), nullptr, false));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((tree / "report.txt").c_str()));
}

}  // namespace
