// One timed listing of a folder tree, for tools/bench-listing. Usage:
//   listing_bench walk|full|template FOLDER OUTPUT
// walk: the bare breadth-first FindFirstFileA / FindNextFileA walk, counting entries (the floor);
// full: a list-form run with size, date and attributes and relative paths;
// template: a run through the built-in HTML texts.
// Prints: mode, seconds, processor seconds of this process, entries (walk) or output bytes,
// peak working set and peak pagefile usage in bytes.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstring>
#include <deque>
#include <string>

#include "engine/ListingRun.h"
#include "text/CodePageText.h"

namespace {

double ProcessorSeconds() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto seconds = [](const FILETIME& t) {
        return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e7;
    };
    return seconds(kernel) + seconds(user);
}

unsigned long long BareWalk(const std::string& folder) {
    unsigned long long entries = 0;
    std::deque<std::string> queue{folder + "\\"};
    while (!queue.empty()) {
        const std::string directory = queue.front();
        queue.pop_front();
        WIN32_FIND_DATAA entry;
        HANDLE search = FindFirstFileA((directory + "*.*").c_str(), &entry);
        if (search == INVALID_HANDLE_VALUE) continue;
        do {
            const bool isDirectory = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
            if (isDirectory && entry.cFileName[0] == '.') continue;
            ++entries;
            if (isDirectory) queue.push_back(directory + entry.cFileName + "\\");
        } while (FindNextFileA(search, &entry));
        FindClose(search);
    }
    return entries;
}

unsigned long long TimedRun(const std::string& mode, const std::string& folder, const std::string& output) {
    ListingOptions options;
    options.folder = CodePageText::System().ToWide(folder);
    options.outputPath = CodePageText::System().ToWide(output);
    options.subfolders = true;
    options.pathType = PathType::Relative;
    options.size = true;
    options.date = true;
    options.attributes = true;
    if (mode == "template") {
        options.useTemplate = true;
        options.headerText = "<html>\r\n<head>\r\n<title> Quillmark OUTPUT</title>\r\n</head>\r\n<body>\r\n";
        options.repeatText = "<p><a href=\"%PATH%\">%FILE% %SIZE%Bytes %DATE% %ATTRIBUTES%</a></p>";
        options.footerText = "</body>\r\n</html>\r\n";
    }
    ListingRun run(options);
    run.RunHere();
    if (run.Result() != RunResult::Complete) return 0;
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(output.c_str(), GetFileExInfoStandard, &data)) return 0;
    return (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: listing_bench walk|full|template FOLDER OUTPUT\n");
        return 2;
    }
    const std::string mode = argv[1];
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    const double processorStart = ProcessorSeconds();
    QueryPerformanceCounter(&start);
    const unsigned long long amount = mode == "walk" ? BareWalk(argv[2]) : TimedRun(mode, argv[2], argv[3]);
    QueryPerformanceCounter(&end);
    const double processor = ProcessorSeconds() - processorStart;
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    std::printf("%s %.3f %.3f %llu %llu %llu\n", mode.c_str(),
                static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart),
                processor, amount, static_cast<unsigned long long>(memory.PeakWorkingSetSize),
                static_cast<unsigned long long>(memory.PeakPagefileUsage));
    return amount == 0 ? 1 : 0;
}
