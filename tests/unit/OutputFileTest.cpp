// The output file's writing: few write calls, and after a failed or short write every whole
// line that reached the file, and nothing after it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/OutputFile.h"
#include "support/LineTexts.h"
#include "support/TempFolder.h"

namespace {

int g_calls = 0;
int g_failingCall = 0;  // this call writes half its bytes and then fails (0: none fails)
bool g_reportError = false;  // the failing call returns FALSE, else it only comes back short
size_t g_reached = 0;        // bytes the calls put into the file

BOOL WINAPI TestWrite(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED overlapped) {
    const bool fails = ++g_calls == g_failingCall;
    BOOL ok = ::WriteFile(file, data, fails ? size / 2 : size, written, overlapped);
    g_reached += *written;
    return fails && g_reportError ? FALSE : ok;
}

// No call fails, and nothing is counted yet.
void ResetWrites() {
    g_calls = 0;
    g_failingCall = 0;
    g_reportError = false;
    g_reached = 0;
}

class OutputFileWrites : public ::testing::Test {
protected:
    void SetUp() override {
        ResetWrites();
        // 30,000 lines of 50 to 120 bytes: about 2.5 MiB, several pieces.
        for (int i = 0; i < 30000; ++i)
            lines_.push_back("line " + std::to_string(i) + std::string(static_cast<size_t>(45 + i % 71), 'x'));
    }

    // Writes every line until one is refused; returns Close's result.
    bool WriteAll(const std::string& path, size_t& accepted) {
        OutputFile file(TestWrite);
        EXPECT_TRUE(file.Create(Wide(path)));
        accepted = 0;
        for (const std::string& line : lines_) {
            if (!file.WriteLine(line.data(), line.size())) break;
            ++accepted;
        }
        return file.Close();
    }

    TempFolder folder_;
    std::vector<std::string> lines_;
};

TEST_F(OutputFileWrites, EveryLineArrivesInAFewLargeWrites) {
    lines_.push_back(std::string(3 << 20, 'L'));  // one line larger than a piece
    lines_.push_back("after the long line");
    size_t accepted = 0;
    EXPECT_TRUE(WriteAll(folder_ / "out.txt", accepted));
    EXPECT_EQ(lines_.size(), accepted);
    EXPECT_EQ(Lines(lines_), ReadWholeFile(folder_ / "out.txt"));
    EXPECT_LE(g_calls, 6) << "about one write per MiB";
}

TEST_F(OutputFileWrites, AFailedOrShortWriteLeavesWholeLinesOnly) {
    for (bool reportError : {true, false}) {
        ResetWrites();
        g_failingCall = 2;
        g_reportError = reportError;
        size_t accepted = 0;
        EXPECT_FALSE(WriteAll(folder_ / "out.txt", accepted)) << reportError;
        EXPECT_LT(accepted, lines_.size()) << "no line is taken after the failure";
        // The first piece and the whole lines of the half of the second that reached the file.
        const std::string joined = Lines(lines_);
        const std::string content = ReadWholeFile(folder_ / "out.txt");
        EXPECT_EQ(joined.substr(0, joined.rfind("\r\n", g_reached - 2) + 2), content) << reportError;
        EXPECT_EQ(2, g_calls) << "nothing is written after the failure";
    }
}

TEST_F(OutputFileWrites, NothingWrittenBeforeTheFirstPieceFills) {
    OutputFile file(TestWrite);
    ASSERT_TRUE(file.Create(Wide(folder_ / "out.txt")));
    ASSERT_TRUE(file.WriteLine("one", 3));
    EXPECT_EQ(0, g_calls);
    EXPECT_TRUE(file.Close());
    EXPECT_EQ("one\r\n", ReadWholeFile(folder_ / "out.txt"));
    EXPECT_FALSE(file.WriteLine("two", 3)) << "closed";
}

}  // namespace
