// CRC-32 throughput: every method this processor can run (the fast one Crc32 uses first, the
// byte-loop reference last) over a 256 MiB buffer in memory and over a 256 KiB block in the
// cache (as the file checksum sees its blocks just read), then the whole-file checksum of a
// cached 1 GiB file (size in MiB as the optional first argument), also by each of its two
// ways of reading. Prints GB/s (10^9 bytes per second); the best of several rounds.
#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "BenchMeasures.h"
#include "content/Crc32.h"
#include "content/FileChecksum.h"

namespace {

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

// One of the file checksum's ways of reading, over a fresh handle; "--------" on failure.
std::string CrcOfFile(bool (*way)(HANDLE, uint64_t, ContentDigests&, const StopSignal&),
                      const std::string& path, uint64_t size) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "--------";
    ContentNeeds crcOnly;
    crcOnly.checksum = true;
    ContentDigests digests(crcOnly);
    const bool ok = way(file, size, digests, StopSignal::Never());
    CloseHandle(file);
    return ok ? digests.CrcText() : "--------";
}

}  // namespace

int main(int argc, char** argv) {
    const size_t fileMiB = argc > 1 ? std::strtoul(argv[1], nullptr, 10) / 64 * 64 : 1024;
    std::vector<unsigned char> buffer = PseudoRandomBytes(256u << 20);
    const uint64_t bytes = buffer.size();
    const std::vector<Crc32Method>& methods = Crc32Methods();
    std::printf("Fast method: %s\n\n", methods.front().name);
    std::printf("%-30s %12s %12s  %s\n", "GB/s", "256 MiB", "256 KiB", "CRC");

    // The same number of bytes again, as one block in the cache checksummed over and over.
    const size_t cachedBlock = 256u << 10;
    std::vector<uint32_t> crcs, cachedCrcs;
    for (const Crc32Method& method : methods) {
        const int rounds = &method >= &methods.back() - 1 ? 2 : 5;  // the two table methods
        uint32_t crc = 0, cached = 0;
        // The times are taken before the CRCs are compared, so the work cannot be left out.
        const double memory =
            BestSeconds(rounds, [&] { crc = method.update(0, buffer.data(), buffer.size()); });
        const double cache = BestSeconds(rounds, [&] {
            cached = 0;
            for (size_t done = 0; done < buffer.size(); done += cachedBlock)
                cached = method.update(cached, buffer.data(), cachedBlock);
        });
        std::printf("%-30s %12.2f %12.2f  %08lX\n", method.name, Rate(bytes, memory),
                    Rate(bytes, cache), static_cast<unsigned long>(crc));
        crcs.push_back(crc);
        cachedCrcs.push_back(cached);
    }
    for (size_t i = 0; i < crcs.size(); ++i) {
        if (crcs[i] != crcs.back() || cachedCrcs[i] != cachedCrcs.back()) {
            std::printf("MISMATCH between the methods\n");
            return 1;
        }
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
    const uint64_t size = static_cast<uint64_t>(fileMiB) << 20;
    std::printf("\nCached %zu MiB file                   GB/s  CRC\n", fileMiB);
    const auto report = [&](const char* what, double seconds) {
        std::printf("%-30s %12.2f  %s\n", what, Rate(size, seconds),
                    text.c_str());
    };
    report("FileChecksumText", BestSeconds(5, [&] { text = FileChecksumText(widePath); }));
    report("block after block",
           BestSeconds(5, [&] { text = CrcOfFile(DigestOpenFileInTurn, path, size); }));
    report("reading ahead",
           BestSeconds(5, [&] { text = CrcOfFile(DigestOpenFileReadingAhead, path, size); }));
    DeleteFileA(path.c_str());
    return 0;
}
