// One timed listing of a folder tree, for tools/bench-listing. Usage:
//   listing_bench MODE FOLDER OUTPUT [THREADS]
//   listing_bench compare FOLDER OUTPUT EARLIER
// walk: the bare breadth-first FindFirstFileA / FindNextFileA walk, counting entries (the floor);
//   with THREADS, the same directories read by that many threads at once, in no set order;
// readloop: the bare walk opening and reading every file in 1 MiB blocks on one thread, no
//   checksum (the floor of a checksum run);
// full: a list-form run with size, date and attributes and relative paths;
// utf8: the full run written in UTF-8;
// template: a run through the built-in HTML texts;
// filter: the full run with the filter *.txt;*.log;
// exclude: the full run with half of the tree's folders excluded (dir000 to dir049 of each group);
// checksum: a list-form run with size and checksum and relative paths;
// page: the browsable page of the full run's columns;
// compare: the full run compared with the listing EARLIER (a full run's output: the report is
//   empty), read as the comparison goes; prints the earlier listing's bytes as the amount.
// The runs read ahead on THREADS readers (the default for the machine when not given; 1: the
// walk on one thread). Prints: mode, seconds, processor seconds of this process, entries
// (walk), bytes read (readloop) or output bytes, peak working set and peak pagefile usage in
// bytes, and the number of allocations made (operator new).
#include <windows.h>
#include <psapi.h>

#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "engine/ListingRun.h"
#include "common/PageResources.h"
#include "text/CodePageText.h"

namespace {

std::atomic<unsigned long long> allocations{0};

}  // namespace

// Counted, so that the allocations a run makes for each entry show.
void* operator new(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* memory = std::malloc(size ? size : 1)) return memory;
    throw std::bad_alloc();
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace {

double ProcessorSeconds() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto seconds = [](const FILETIME& t) {
        return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e7;
    };
    return seconds(kernel) + seconds(user);
}

// Lists one directory: counts its entries, queues its folders, and hands each file's folder
// and name to onFile.
template <class OnFile>
unsigned long long ReadDirectory(const std::string& directory, std::vector<std::string>& folders, OnFile onFile) {
    unsigned long long entries = 0;
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((directory + "*.*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return 0;
    do {
        const bool isDirectory = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (isDirectory && entry.cFileName[0] == '.') continue;
        ++entries;
        if (isDirectory) folders.push_back(directory + entry.cFileName + "\\");
        else onFile(directory, entry.cFileName);
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    return entries;
}

template <class OnFile>
unsigned long long BareWalk(const std::string& folder, OnFile onFile) {
    unsigned long long entries = 0;
    std::deque<std::string> queue{folder + "\\"};
    std::vector<std::string> folders;
    while (!queue.empty()) {
        entries += ReadDirectory(queue.front(), folders, onFile);
        queue.pop_front();
        for (std::string& found : folders) queue.push_back(std::move(found));
        folders.clear();
    }
    return entries;
}

// The bare walk's directories read by several threads, each taking the next one queued.
unsigned long long BareWalkOnThreads(const std::string& folder, unsigned threads) {
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<std::string> queue{folder + "\\"};
    unsigned busy = 0;
    unsigned long long entries = 0;
    auto work = [&] {
        std::vector<std::string> folders;
        std::unique_lock<std::mutex> lock(mutex);
        for (;;) {
            changed.wait(lock, [&] { return !queue.empty() || busy == 0; });
            if (queue.empty()) return;
            const std::string directory = std::move(queue.front());
            queue.pop_front();
            ++busy;
            lock.unlock();
            const unsigned long long found = ReadDirectory(directory, folders, [](const std::string&, const char*) {});
            lock.lock();
            --busy;
            entries += found;
            for (std::string& subfolder : folders) queue.push_back(std::move(subfolder));
            folders.clear();
            changed.notify_all();
        }
    };
    std::vector<std::thread> pool;
    for (unsigned i = 0; i < threads; ++i) pool.emplace_back(work);
    for (std::thread& thread : pool) thread.join();
    return entries;
}

// Every file opened by its name and read through, as a checksum run must, without the sum.
unsigned long long ReadLoop(const std::string& folder) {
    std::unique_ptr<char[]> block(new char[1 << 20]);
    unsigned long long bytes = 0;
    BareWalk(folder, [&](const std::string& directory, const char* name) {
        const std::wstring wide = CodePageText::System().ToWide(directory + name);
        HANDLE file = CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
        if (file == INVALID_HANDLE_VALUE) return;
        DWORD got = 0;
        while (ReadFile(file, block.get(), 1 << 20, &got, nullptr) && got > 0) bytes += got;
        CloseHandle(file);
    });
    return bytes;
}

unsigned long long FileBytes(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

unsigned long long TimedRun(const std::string& mode, const std::string& folder, const std::string& output,
                            unsigned readers, const std::string& earlier) {
    ListingOptions options;
    options.folder = CodePageText::System().ToWide(folder);
    options.outputPath = CodePageText::System().ToWide(output);
    options.subfolders = true;
    options.pathType = PathType::Relative;
    options.size = true;
    if (mode == "checksum") {
        options.checksum = true;
    } else {
        options.date = true;
        options.attributes = true;
    }
    options.utf8 = mode == "utf8";
    if (mode == "filter") {
        options.filter = true;
        options.filterText = L"*.txt;*.log";
    }
    if (mode == "exclude") options.excludeText = L"dir00*;dir01*;dir02*;dir03*;dir04*";
    if (mode == "template") {
        options.useTemplate = true;
        options.headerText = "<html>\r\n<head>\r\n<title> Quillmark OUTPUT</title>\r\n</head>\r\n<body>\r\n";
        options.repeatText = "<p><a href=\"%PATH%\">%FILE% %SIZE%Bytes %DATE% %ATTRIBUTES%</a></p>";
        options.footerText = "</body>\r\n</html>\r\n";
    }
    options.compare = mode == "compare";
    options.page = mode == "page";
    options.earlierListing = CodePageText::System().ToWide(earlier);
    ListingRun run(options);
    if (options.page) run.SetPageAssets(LoadPageAssets());
    if (readers) run.SetReaderThreads(readers);
    run.RunHere();
    if (run.Result() != RunResult::Complete) return 0;
    if (options.compare) return run.Comparison().AnyDifference() ? 0 : FileBytes(earlier);
    return FileBytes(output);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr,
                     "usage: listing_bench walk|readloop|full|utf8|template|filter|exclude|checksum|page FOLDER OUTPUT [THREADS]\n"
                     "       listing_bench compare FOLDER OUTPUT EARLIER\n");
        return 2;
    }
    const std::string mode = argv[1];
    const bool compare = mode == "compare";
    const unsigned threads = argc == 5 && !compare ? static_cast<unsigned>(std::strtoul(argv[4], nullptr, 10)) : 0;
    const std::string earlier = argc == 5 && compare ? argv[4] : "";
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    const double processorStart = ProcessorSeconds();
    QueryPerformanceCounter(&start);
    unsigned long long amount = 0;
    if (mode == "walk" && threads > 1) amount = BareWalkOnThreads(argv[2], threads);
    else if (mode == "walk") amount = BareWalk(argv[2], [](const std::string&, const char*) {});
    else if (mode == "readloop") amount = ReadLoop(argv[2]);
    else amount = TimedRun(mode, argv[2], argv[3], threads, earlier);
    QueryPerformanceCounter(&end);
    const double processor = ProcessorSeconds() - processorStart;
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    std::printf("%s %.3f %.3f %llu %llu %llu %llu\n", mode.c_str(),
                static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart),
                processor, amount, static_cast<unsigned long long>(memory.PeakWorkingSetSize),
                static_cast<unsigned long long>(memory.PeakPagefileUsage), allocations.load());
    return amount == 0 ? 1 : 0;
}
