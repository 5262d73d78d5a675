// Digest throughput and the cost of checking, printed (never asserted):
// 1. each digest in memory on one core, by every method this processor can run, over a
//    256 MiB buffer fed in the 2 MiB blocks a file is read in (GB/s, 10^9 bytes a second);
// 2. CRC-32 and SHA-256 together from one pass (as one read of a file feeds both) against
//    SHA-256 alone;
// 3. listing a tree of small files with the sha256 ready texts against checking the listing
//    with the same digest (FILES files, 20,000 by default, made in a temporary folder).
// Usage: digest_bench [FILES]. The best of several rounds.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "BenchMeasures.h"
#include "content/ContentDigests.h"
#include "content/Crc32.h"
#include "content/Md5.h"
#include "content/Sha1.h"
#include "content/Sha256.h"
#include "engine/ChecksumReport.h"
#include "engine/ContentPrefetcher.h"
#include "engine/ListingJob.h"
#include "engine/ListingRun.h"

namespace {

const size_t kBlock = 2u << 20;

double DigestSeconds(BlockDigest (*make)(DigestBlocks), DigestBlocks blocks, const std::vector<unsigned char>& data) {
    return BestSeconds(3, [&] {
        BlockDigest digest = make(blocks);
        for (size_t done = 0; done < data.size(); done += kBlock) digest.Update(data.data() + done, kBlock);
        unsigned char out[32];
        digest.Finish(out);
    });
}

BlockDigest MakeMd5(DigestBlocks) { return NewMd5(); }

void InMemory(const std::vector<unsigned char>& data) {
    std::printf("%-34s %8s\n", "in memory, one core", "GB/s");
    for (const DigestMethod& m : Sha256Methods())
        std::printf("SHA-256, %-25s %8.2f\n", m.name, Rate(data.size(), DigestSeconds(NewSha256, m.blocks, data)));
    for (const DigestMethod& m : Sha1Methods())
        std::printf("SHA-1, %-27s %8.2f\n", m.name, Rate(data.size(), DigestSeconds(NewSha1, m.blocks, data)));
    std::printf("%-34s %8.2f\n", "MD5, portable", Rate(data.size(), DigestSeconds(MakeMd5, Md5Blocks, data)));
    const double crc = BestSeconds(3, [&] { Crc32(data.data(), data.size()); });
    std::printf("CRC-32, %-26s %8.2f\n", Crc32Methods().front().name, Rate(data.size(), crc));
}

double ContentSeconds(const ContentNeeds& needs, const std::vector<unsigned char>& data) {
    return BestSeconds(3, [&] {
        ContentDigests digests(needs);
        for (size_t done = 0; done < data.size(); done += kBlock) digests.Update(data.data() + done, kBlock);
        digests.Finish();
    });
}

void OnePass(const std::vector<unsigned char>& data) {
    ContentNeeds sha256;
    sha256.sha256 = true;
    ContentNeeds both = sha256;
    both.checksum = true;
    const double alone = ContentSeconds(sha256, data), together = ContentSeconds(both, data);
    std::printf("\nSHA-256 alone %.2f GB/s, with CRC-32 in the same pass %.2f GB/s: %.3fx the time\n",
                Rate(data.size(), alone), Rate(data.size(), together), together / alone);
}

std::wstring MakeTree(size_t files) {
    wchar_t temp[MAX_PATH + 1];
    GetTempPathW(MAX_PATH + 1, temp);
    const std::wstring root = std::wstring(temp) + L"qm_digest_bench\\";
    CreateDirectoryW(root.c_str(), nullptr);
    std::string content(4096, 'x');
    for (size_t i = 0; i < files; ++i) {
        const std::wstring folder = root + L"d" + std::to_wstring(i / 200) + L"\\";
        if (i % 200 == 0) CreateDirectoryW(folder.c_str(), nullptr);
        content[0] = static_cast<char>(i);
        content[1] = static_cast<char>(i >> 8);
        HANDLE file = CreateFileW((folder + L"f" + std::to_wstring(i) + L".bin").c_str(), GENERIC_WRITE, 0, nullptr,
                                  CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
        CloseHandle(file);
    }
    return root;
}

void ListingAgainstChecking(size_t files) {
    const std::wstring root = MakeTree(files);
    const std::wstring sums = root + L"tree.sha256";
    ListingOptions options;
    options.folder = root;
    options.outputPath = sums;
    options.subfolders = true;
    options.pathType = PathType::Relative;
    options.useTemplate = true;
    options.repeatText = "%SHA256% *%PATH%";
    const double listing = BestSeconds(3, [&] {
        ListingRun run(options);
        run.RunHere();
    });
    CheckCounts counts;
    const double checking = BestSeconds(3, [&] {
        StopSignal stop;
        ChecksumCheck check(sums, stop, DefaultReaderThreads() * kContentReadersPerReader);
        WriteCheckReport(check, root + L"report.txt", nullptr, false);
        counts = check.Counts();
    });
    std::printf("\n%zu files: listing with SHA-256 %.2f s, checking it %.2f s: %.3fx (%zu OK)\n", files, listing,
                checking, checking / listing, counts.ok);
}

}  // namespace

int main(int argc, char** argv) {
    const size_t files = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 20000;
    const std::vector<unsigned char> data = PseudoRandomBytes(256u << 20);
    InMemory(data);
    OnePass(data);
    if (files) ListingAgainstChecking(files);
    return 0;
}
