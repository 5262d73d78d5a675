// What a listing could not read, or write as it is: recorded alike by the walk on one thread
// and the walk read ahead, and never a trace of an entry a stop dropped. The tests run as
// root under Wine, where no folder is closed to them: a seam fails the search of the folder
// that stands for a closed one.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "cli/ConsoleListing.h"
#include "content/ReadPause.h"
#include "engine/DirectorySearch.h"
#include "engine/ReadSeams.h"
#include "engine/ListingRun.h"
#include "format/ListingOptions.h"
#include "framework/MessageText.h"
#include "support/TempFolder.h"
#include "support/UnixSide.h"

namespace {

const unsigned kReaderCounts[] = {1, 3};  // the walk on one thread, and read ahead

// Searches of a folder whose path ends with name\ fail as a folder closed to its reader does.
class ClosedFolder {
public:
    explicit ClosedFolder(const std::wstring& name) {
        SetSearchFailureForTests([name](const std::wstring& pattern) -> DWORD {
            const std::wstring tail = L"\\" + name + L"\\*";
            const bool closed = pattern.size() >= tail.size() &&
                                pattern.compare(pattern.size() - tail.size(), tail.size(), tail) == 0;
            return closed ? ERROR_ACCESS_DENIED : 0;
        });
    }
    ~ClosedFolder() { SetSearchFailureForTests(nullptr); }
    ClosedFolder(const ClosedFolder&) = delete;
    ClosedFolder& operator=(const ClosedFolder&) = delete;
};

struct Listed {
    RunResult result;
    std::string text;
    std::vector<UnreadEntry> unread;
    uint64_t inexactNames;
};

Listed List(const ListingOptions& options, unsigned readers) {
    ListingRun run(options);
    run.SetReaderThreads(readers);
    run.RunHere();
    return Listed{run.Result(), ReadWholeFile(options.outputPath), run.Gaps().unread, run.Gaps().inexactNames.load()};
}

ListingOptions ChecksumListing(const TempFolder& tree, const std::string& output) {
    ListingOptions options;
    options.folder = Wide(tree / "data");
    options.outputPath = Wide(output);
    options.pathType = PathType::Relative;
    options.subfolders = options.directoryNames = options.checksum = true;
    return options;
}

TEST(ListingGaps, ClosedFolderAndHeldFileAreRecordedAndEverythingElseListedInEitherWalk) {
    TempFolder tree;
    tree.WriteFile("data\\a.txt", "abc");
    tree.WriteFile("data\\closed\\x.txt", "never seen");
    tree.WriteFile("data\\open\\b.txt", "123456789");
    tree.WriteFile("data\\held.txt", "in use");
    tree.WriteFile(L"data\\한국어.txt", "abc");
    // Open for writing elsewhere: its content cannot be read. The run's own output, in the
    // tree too, is listed with "--------" as well but is not counted.
    HANDLE held = CreateFileA((tree / "data\\held.txt").c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    ClosedFolder closed(L"closed");
    const ListingOptions options = ChecksumListing(tree, tree / "data\\out.txt");
    for (unsigned readers : kReaderCounts) {
        const Listed listed = List(options, readers);
        EXPECT_EQ(RunResult::Complete, listed.result) << readers;
        EXPECT_EQ("???.txt\t352441C2\r\na.txt\t352441C2\r\nclosed\t--------\r\nheld.txt\t--------\r\n"
                  "open\t--------\r\nopen\\b.txt\tCBF43926\r\nout.txt\t--------\r\n",
                  listed.text)
            << readers;
        ASSERT_EQ(2u, listed.unread.size()) << readers;
        EXPECT_EQ(RealPath(tree / "data\\held.txt"), listed.unread[0].path);
        EXPECT_EQ(DWORD(ERROR_SHARING_VIOLATION), listed.unread[0].error);
        EXPECT_EQ(RealPath(tree / "data\\closed\\"), listed.unread[1].path);
        EXPECT_EQ(DWORD(ERROR_ACCESS_DENIED), listed.unread[1].error);
        EXPECT_EQ(1u, listed.inexactNames) << readers;
    }
    CloseHandle(held);
}

// A comparing run writes its listing and its report inside the listed folder: neither, held
// open for writing, is a gap, and the report, a side file of the run, gets no line.
TEST(ListingGaps, TheRunsOwnListingAndReportAreNoGaps) {
    TempFolder tree;
    tree.WriteFile("data\\a.txt", "abc");
    ListingOptions options = ChecksumListing(tree, tree / "earlier.txt");
    ASSERT_EQ(RunResult::Complete, List(options, 1).result);
    options.outputPath = Wide(tree / "data\\out.txt");
    options.compare = true;
    options.earlierListing = Wide(tree / "earlier.txt");
    options.reportPath = Wide(tree / "data\\report.txt");
    for (unsigned readers : kReaderCounts) {
        const Listed listed = List(options, readers);
        EXPECT_EQ(RunResult::Complete, listed.result) << readers;
        EXPECT_TRUE(listed.unread.empty()) << readers;
        EXPECT_EQ("a.txt\t352441C2\r\nout.txt\t--------\r\n", listed.text) << readers;
    }
}

// The listed folder itself closed: a folder that cannot be reached, and nothing is created.
// (How the console program tells the entries it could not read: tests/e2e, ConsoleExitCode.)
TEST(ListingGaps, AClosedListedFolderIsUnreachableAndNothingIsCreated) {
    TempFolder tree;
    tree.WriteFile("data\\a.txt", "abc");
    ClosedFolder root(L"data");
    const ListingOptions options = ChecksumListing(tree, tree / "none.txt");
    for (unsigned readers : kReaderCounts) {
        EXPECT_EQ(RunResult::FolderUnreadable, List(options, readers).result) << readers;
        EXPECT_EQ("<missing>", ReadWholeFile(tree / "none.txt")) << readers;
    }
}

// Standard error of the calling process goes to a file while it lives.
class CapturedErrors {
public:
    explicit CapturedErrors(const std::string& path) : path_(path), saved_(GetStdHandle(STD_ERROR_HANDLE)) {
        file_ = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, 0, nullptr);
        SetStdHandle(STD_ERROR_HANDLE, file_);
    }
    ~CapturedErrors() { Release(); }
    CapturedErrors(const CapturedErrors&) = delete;
    CapturedErrors& operator=(const CapturedErrors&) = delete;

    // What was written, as text.
    std::wstring Text() {
        Release();
        const std::string bytes = ReadWholeFile(path_);
        const UINT codePage = GetConsoleOutputCP() ? GetConsoleOutputCP() : GetACP();
        std::wstring text(bytes.size(), L'\0');
        text.resize(static_cast<size_t>(MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()),
                                                            &text[0], static_cast<int>(text.size()))));
        return text;
    }

private:
    void Release() {
        if (!file_) return;
        SetStdHandle(STD_ERROR_HANDLE, saved_);
        CloseHandle(file_);
        file_ = nullptr;
    }

    std::string path_;
    HANDLE saved_;
    HANDLE file_ = nullptr;
};

// The one console case that needs the closed-folder seam, so it cannot run as its own process.
TEST(ListingGaps, ConsoleWritesTheNamesOfWhatItCouldNotReadAsTheOutputWritesNames) {
    TempFolder tree;
    tree.WriteFile("data\\a.txt", "abc");
    // From the Unix side: a line break that would forge a line, an escape that would clear the terminal.
    ASSERT_TRUE(RunUnixShell("mkdir \"" + UnixPath(tree / "data") + "/$(printf 'x\\r\\ny\\033[2J')\""));
    ClosedFolder closed(L"x\r\ny\x1b[2J");
    CapturedErrors errors(tree / "errors.txt");
    EXPECT_EQ(kExitUnread, RunConsoleListing(ChecksumListing(tree, tree / "out.txt"), true));
    EXPECT_EQ(L"読み取れませんでした: " + Wide(tree / "data\\x??y?[2J\\") + L" (" +
                  SystemErrorText(ERROR_ACCESS_DENIED) + L")\r\n",
              errors.Text());
    EXPECT_EQ("a.txt\t352441C2\r\nx??y?[2J\t--------\r\n", ReadWholeFile(tree / "out.txt"));
}

TEST(ListingGaps, ChecksumCoversWhatTheFileHoldsAndAFileChangedWhileReadIsRecorded) {
    TempFolder tree;
    tree.WriteFile("data\\grows.txt", "123");
    ListingOptions options = ChecksumListing(tree, tree / "out.txt");
    options.size = true;
    for (unsigned readers : kReaderCounts) {
        // Grown after the walk read its folder, before it is opened: the whole content counts;
        // the size column stays the walk's.
        tree.WriteFile("data\\grows.txt", "123");
        const std::string grows = tree / "data\\grows.txt";
        // In either walk the folder's read comes first, then the file's.
        static unsigned reads;
        reads = 0;
        SetReadPauseForTests([grows] {
            if (++reads != 2) return;
            HANDLE file = CreateFileA(grows.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
            DWORD written = 0;
            WriteFile(file, "456789", 6, &written, nullptr);
            CloseHandle(file);
        });
        Listed listed = List(options, readers);
        SetReadPauseForTests(nullptr);
        EXPECT_EQ("grows.txt\t3\tCBF43926\r\n", listed.text) << readers;
        EXPECT_TRUE(listed.unread.empty()) << readers;

        // Grown once its size was taken, while it is read (from the Unix side, which no
        // sharing rule holds back): no checksum, and recorded.
        tree.WriteFile("data\\grows.txt", "123");
        const std::string script = "printf 456 >>'" + UnixPath(grows) + "'";
        SetSizeTakenForTests([script] { RunUnixShell(script); });
        listed = List(options, readers);
        SetSizeTakenForTests(nullptr);
        EXPECT_EQ("grows.txt\t3\t--------\r\n", listed.text) << readers;
        ASSERT_EQ(1u, listed.unread.size()) << readers;
        EXPECT_EQ(RealPath(grows), listed.unread[0].path);
        EXPECT_EQ(DWORD(ERROR_MORE_DATA), listed.unread[0].error);
    }
}

TEST(ListingGaps, NameWithASeparatorIsListedWithQuestionMarksAndNothingIsReadThroughIt) {
    TempFolder tree;
    tree.WriteFile("data\\x\\y\\decoy.txt", "decoy");
    // From a share of another system: a file "a\b.txt" and a folder "x\y" (Wine shows them).
    ASSERT_TRUE(RunUnixShell("cd '" + UnixPath(tree / "data") + "' && printf abc >'a\\b.txt' && mkdir 'x\\y' && "
                             "printf secret >'x\\y/inside.txt'"));
    const ListingOptions options = ChecksumListing(tree, tree / "out.txt");
    for (unsigned readers : kReaderCounts) {
        const Listed listed = List(options, readers);
        EXPECT_EQ("a?b.txt\t--------\r\nx\t--------\r\nx?y\t--------\r\nx\\y\t--------\r\n"
                  "x\\y\\decoy.txt\t2745EA28\r\n",
                  listed.text)
            << readers;
        ASSERT_EQ(2u, listed.unread.size()) << readers;
        EXPECT_EQ(DWORD(ERROR_INVALID_NAME), listed.unread[0].error);
        EXPECT_EQ(DWORD(ERROR_INVALID_NAME), listed.unread[1].error);
        EXPECT_EQ(RealPath(tree / "data") + L"\\a\\b.txt", listed.unread[0].path);
        EXPECT_EQ(RealPath(tree / "data") + L"\\x\\y\\", listed.unread[1].path);
        // A folder at the depth's end is recorded as well, and no other.
        ListingOptions shallow = options;
        shallow.depth = 1;
        const Listed top = List(shallow, readers);
        EXPECT_EQ("a?b.txt\t--------\r\nx\t--------\r\nx?y\t--------\r\n", top.text) << readers;
        ASSERT_EQ(2u, top.unread.size()) << readers;
        EXPECT_EQ(RealPath(tree / "data") + L"\\x\\y\\", top.unread[1].path);
    }
    // The real names' forms (UTF-8 from UTF-16) write it so too.
    ListingOptions urls = options;
    urls.subfolders = false;
    urls.useTemplate = true;
    urls.repeatText = "%PATH:url%";
    EXPECT_EQ("\r\na%3Fb.txt\r\nx\r\nx%3Fy\r\n\r\n", List(urls, 1).text) << "between an empty header and footer";
}

// A stop that gives up an entry's checksum leaves no trace of it: the footer's COUNT and FILE
// are those of the last entry listed.
TEST(ListingGaps, StoppedTemplateRunsFooterCountIsTheLastListedEntrys) {
    TempFolder tree;
    for (char name = 'a'; name <= 'h'; ++name) tree.WriteFile(std::string("data\\") + name + ".txt", "abc");
    ListingOptions options = ChecksumListing(tree, tree / "out.txt");
    options.useTemplate = true;
    options.headerText = "";
    options.repeatText = "%COUNT% %FILE% %CRC%";
    options.footerText = "end %COUNT% %FILE%";
    for (unsigned readers : kReaderCounts) {
        ListingRun run(options);
        run.SetReaderThreads(readers);
        static ListingRun* stopped;
        static int reads;
        stopped = &run;
        reads = 0;
        SetReadPauseForTests([] {
            if (++reads == 4) stopped->RequestStop();
        });
        run.RunHere();
        SetReadPauseForTests(nullptr);
        EXPECT_EQ(RunResult::Stopped, run.Result());
        // The empty header, lines "N x.txt 352441C2" in name order, then the footer.
        const std::string text = ReadWholeFile(options.outputPath);
        std::string last = "0 ";  // "N x.txt" of the highest N; a count of 0 and no name before the first entry
        unsigned long highest = 0;
        ASSERT_EQ(0u, text.find("\r\n")) << text;
        size_t start = 2;
        for (size_t end; (end = text.find("\r\n", start)) != std::string::npos && text.compare(start, 4, "end ") != 0;
             start = end + 2) {
            const std::string line = text.substr(start, end - start);
            EXPECT_EQ(" 352441C2", line.substr(line.rfind(' '))) << line;
            const unsigned long number = std::stoul(line);
            if (number > highest) {
                highest = number;
                last = line.substr(0, line.rfind(' '));
            }
        }
        EXPECT_LT(highest, 8u) << readers;
        EXPECT_EQ("end " + last + "\r\n", text.substr(start)) << readers << "\n" << text;
    }
}

}  // namespace
