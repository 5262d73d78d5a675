// CRC-32 throughput: the fast method, the portable tables and the byte-loop reference over a
// 256 MiB buffer, then the whole-file checksum of a cached 1 GiB file (size in MiB as the
// optional first argument). Prints GB/s (10^9 bytes per second); the best of several rounds.
#include <windows.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "format/Crc32.h"
#include "format/FileChecksum.h"

namespace {

using Clock = std::chrono::steady_clock;

template <typename Work>
double BestSeconds(int rounds, Work work) {
    double best = 1e30;
    for (int i = 0; i < rounds; ++i) {
        const Clock::time_point start = Clock::now();
        work();
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        if (seconds < best) best = seconds;
    }
    return best;
}

void Report(const char* what, double bytes, double seconds, uint32_t crc) {
    std::printf("%-38s %7.2f GB/s  (CRC %08lX)\n", what, bytes / seconds / 1e9,
                static_cast<unsigned long>(crc));
}

bool WriteTestFile(const std::string& path, const std::vector<unsigned char>& chunk, size_t mib) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    bool ok = true;
    for (size_t written = 0; ok && written < mib; written += 64) {
        DWORD done = 0;
        ok = WriteFile(h, chunk.data(), 64u << 20, &done, nullptr) && done == (64u << 20);
    }
    CloseHandle(h);
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    const size_t fileMiB = argc > 1 ? std::strtoul(argv[1], nullptr, 10) / 64 * 64 : 1024;
    std::vector<unsigned char> buffer(256u << 20);
    uint32_t x = 2463534242u;  // xorshift32
    for (unsigned char& b : buffer) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        b = static_cast<unsigned char>(x);
    }
    const double bytes = static_cast<double>(buffer.size());
    std::printf("Carry-less multiply: %s\n", Crc32HasCarrylessMultiply() ? "yes" : "no");

    uint32_t fast = 0, tables = 0, reference = 0;
    // Each time is taken before its CRC is printed.
    double seconds = BestSeconds(5, [&] { fast = Crc32(buffer.data(), buffer.size()); });
    Report("Crc32 (fast method), 256 MiB", bytes, seconds, fast);
    seconds = BestSeconds(3, [&] { tables = Crc32UpdateSlicing16(0, buffer.data(), buffer.size()); });
    Report("Slicing-by-16 tables, 256 MiB", bytes, seconds, tables);
    seconds = BestSeconds(2, [&] { reference = Crc32UpdateReference(0, buffer.data(), buffer.size()); });
    Report("Byte-loop reference, 256 MiB", bytes, seconds, reference);
    if (fast != reference || tables != reference) {
        std::printf("MISMATCH between the methods\n");
        return 1;
    }

    char temp[MAX_PATH + 1];
    GetTempPathA(sizeof temp, temp);
    const std::string path = std::string(temp) + "qm_crc_bench.bin";
    wchar_t wideTemp[MAX_PATH + 1];
    GetTempPathW(MAX_PATH + 1, wideTemp);
    const std::wstring widePath = std::wstring(wideTemp) + L"qm_crc_bench.bin";
    buffer.resize(64u << 20);
    if (fileMiB == 0 || !WriteTestFile(path, buffer, fileMiB)) {
        std::printf("Cannot write %s\n", path.c_str());
        return 1;
    }
    std::string text = FileChecksumText(widePath);  // brings the file into the cache
    seconds = BestSeconds(3, [&] { text = FileChecksumText(widePath); });
    std::printf("%-38s %7.2f GB/s  (CRC %s)\n",
                ("FileChecksumText, cached " + std::to_string(fileMiB) + " MiB file").c_str(),
                static_cast<double>(fileMiB << 20) / seconds / 1e9, text.c_str());
    DeleteFileA(path.c_str());
    return 0;
}
