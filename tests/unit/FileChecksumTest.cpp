#include <gtest/gtest.h>

#include <windows.h>
#include <string>

#include "support/DeepFolder.h"
#include "support/TempFolder.h"
#include "content/Crc32.h"
#include "content/FileChecksum.h"

TEST(FileChecksum, ContentOfFilesOfAnySize) {
    TempFolder temp;
    EXPECT_EQ("CBF43926", FileChecksumText(Wide(temp.WriteFile("sub\\digits.txt", "123456789"))));
    EXPECT_EQ("00000000", FileChecksumText(Wide(temp.WriteFile("empty.txt", ""))));
    EXPECT_EQ("352441C2", FileChecksumText(Wide(temp.WriteFile("abc.txt", "abc"))));
    // Several read blocks and a short last one.
    std::string big(3 * 1024 * 1024 + 7, '\0');
    for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i * 2654435761u >> 13);
    char expected[9];
    std::snprintf(expected, sizeof expected, "%08lX",
                  static_cast<unsigned long>(Crc32UpdateReference(0, big.data(), big.size())));
    EXPECT_EQ(expected, FileChecksumText(Wide(temp.WriteFile("big.bin", big))));
    // Double-byte name, with a trail byte of 0x5C.
    EXPECT_EQ("CBF43926", FileChecksumText(Wide(temp.WriteFile("表.txt", "123456789"))));
}

namespace {

HANDLE OpenForReading(const std::string& path) {
    return CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

// One of the ways of reading over a fresh handle, for the given size.
bool CrcOfFile(bool (*way)(HANDLE, uint64_t, ContentDigests&, const StopSignal&), const std::string& path,
               uint64_t size, uint32_t& crc) {
    HANDLE file = OpenForReading(path);
    if (file == INVALID_HANDLE_VALUE) return false;
    ContentNeeds crcOnly;
    crcOnly.checksum = true;
    ContentDigests digests(crcOnly);
    const bool ok = way(file, size, digests, StopSignal::Never());
    crc = digests.Crc();
    CloseHandle(file);
    return ok;
}

}  // namespace

TEST(FileChecksum, AnOpenFileGivesTheCrcOfTheSizeAskedForAndFailsBeyondItsEnd) {
    TempFolder temp;
    const std::string digits = temp.WriteFile("digits.txt", "123456789");
    for (auto way : {DigestOpenFile, DigestOpenFileInTurn, DigestOpenFileReadingAhead}) {
        uint32_t crc = 0;
        EXPECT_TRUE(CrcOfFile(way, digits, 9, crc));
        EXPECT_EQ(0xCBF43926u, crc);
        EXPECT_TRUE(CrcOfFile(way, digits, 3, crc));
        EXPECT_EQ(Crc32("123", 3), crc);
        EXPECT_FALSE(CrcOfFile(way, digits, 10, crc));
    }
}

TEST(FileChecksum, ReadingAheadOverMoreBlocksThanItsRingHolds) {
    std::string content((16 << 20) + 7, '\0');
    uint32_t x = 2463534242u;  // xorshift32
    for (char& c : content) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        c = static_cast<char>(x);
    }
    TempFolder temp;
    const std::string large = temp.WriteFile("large.bin", content);
    uint32_t crc = 0;
    EXPECT_TRUE(CrcOfFile(DigestOpenFileReadingAhead, large, content.size(), crc));
    EXPECT_EQ(Crc32(content.data(), content.size()), crc);
    // The reading thread meets the end early: in the last block, and in the first.
    EXPECT_FALSE(CrcOfFile(DigestOpenFileReadingAhead, large, content.size() + 1, crc));
    const std::string small = temp.WriteFile("small.bin", content.substr(0, 1000));
    EXPECT_FALSE(CrcOfFile(DigestOpenFileReadingAhead, small, content.size(), crc));
}

TEST(FileChecksum, UnopenableFilesGiveHyphens) {
    TempFolder temp;
    EXPECT_EQ("--------", FileChecksumText(Wide(temp.MakeDir("folder"))));
    EXPECT_EQ("--------", FileChecksumText(Wide(temp / "missing.txt")));
    EXPECT_EQ("--------", FileChecksumText(Wide("")));
    // Held open for writing by another handle, as the run's own output file is.
    const std::string held = temp.WriteFile("held.txt", "123456789");
    HANDLE writer = CreateFileA(held.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, writer);
    EXPECT_EQ("--------", FileChecksumText(Wide(held)));
    CloseHandle(writer);
    EXPECT_EQ("CBF43926", FileChecksumText(Wide(held)));
    // Open for reading by someone else does not stop the checksum.
    HANDLE reader = OpenForReading(held);
    EXPECT_EQ("CBF43926", FileChecksumText(Wide(held)));
    CloseHandle(reader);
}

TEST(FileChecksum, FullPathsOf260BytesAndMore) {
    TempFolder temp;
    DeepFolder deep(temp.Path(), 300);
    ASSERT_GE(deep.Path().size(), 300u);
    const std::string file = deep.WriteFile("digits.txt", "123456789");
    ASSERT_FALSE(file.empty());
    EXPECT_EQ("CBF43926", FileChecksumText(Wide(file)));
    // Exactly at the boundary: 259 bytes is the last length without the prefix.
    for (size_t length : {259u, 260u}) {
        DeepFolder edge(temp.Path(), 1);
        std::string name = "n";
        name += std::string(length - edge.Path().size() - 2, 'b');
        const std::string path = edge.WriteFile(name, "abc");
        ASSERT_EQ(length, path.size());
        EXPECT_EQ("352441C2", FileChecksumText(Wide(path))) << length;
    }
}
