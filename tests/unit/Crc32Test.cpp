#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "content/Crc32.h"

namespace {

uint32_t Of(const std::string& s) { return Crc32(s.data(), s.size()); }

std::vector<unsigned char> RandomBytes(size_t n, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<unsigned char> bytes(n);
    for (unsigned char& b : bytes) b = static_cast<unsigned char>(random());
    return bytes;
}

}  // namespace

TEST(Crc32, CheckValuesAndTableEntries) {
    EXPECT_EQ(0xCBF43926u, Of("123456789"));
    EXPECT_EQ(0x352441C2u, Of("abc"));
    EXPECT_EQ(0x00000000u, Of(""));
    EXPECT_EQ(0xCBF43926u, Crc32UpdateReference(0, "123456789", 9));
    EXPECT_EQ(0xCBF43926u, Crc32UpdateSlicing16(0, "123456789", 9));
    // 64 bytes and more go through the fast method; a known value of a longer text.
    EXPECT_EQ(0x414FA339u, Of("The quick brown fox jumps over the lazy dog"));
    const std::string a1000(1000, 'a');
    EXPECT_EQ(Crc32UpdateReference(0, a1000.data(), a1000.size()), Of(a1000));
    const uint32_t* table = Crc32Table();
    EXPECT_EQ(0x00000000u, table[0]);
    EXPECT_EQ(0x77073096u, table[1]);
    EXPECT_EQ(0xEDB88320u, table[128]);
    EXPECT_EQ(0x2D02EF8Du, table[255]);
}

// Every method this processor can run (the 512-bit and 128-bit folding where present, the
// tables) and the dispatching entry point, each held against the byte loop.
TEST(Crc32, EveryMethodEqualsTheReferenceForEveryLengthUpTo4096) {
    // Room for every length at every start offset within 16 bytes.
    const std::vector<unsigned char> bytes = RandomBytes(4096 + 64, 5);
    for (size_t length = 0; length <= 4096; ++length) {
        const unsigned char* p = bytes.data() + length % 17;  // unaligned starts too
        const uint32_t expected = Crc32UpdateReference(0, p, length);
        ASSERT_EQ(expected, Crc32(p, length)) << "length " << length;
        for (const Crc32Method& method : Crc32Methods())
            ASSERT_EQ(expected, method.update(0, p, length)) << method.name << ", " << length;
    }
}

TEST(Crc32, EveryMethodEqualsTheReferenceAtEveryStartOffset) {
    const std::vector<unsigned char> bytes = RandomBytes(70000, 9);
    for (size_t offset = 0; offset < 64; ++offset) {
        // Around the 64-byte and 256-byte steps of the folding loops, and their tails.
        for (size_t length : {63u, 64u, 65u, 127u, 128u, 129u, 255u, 256u, 257u, 319u, 511u, 512u,
                              783u, 1000u, 65536u}) {
            const unsigned char* p = bytes.data() + offset;
            const uint32_t expected = Crc32UpdateReference(0, p, length);
            for (const Crc32Method& method : Crc32Methods())
                ASSERT_EQ(expected, method.update(0, p, length))
                    << method.name << ", " << offset << "+" << length;
        }
    }
}

TEST(Crc32, ContinuingOverPiecesGivesTheWholeBlocksValue) {
    const std::vector<unsigned char> bytes = RandomBytes(10000, 3);
    const uint32_t whole = Crc32UpdateReference(0, bytes.data(), bytes.size());
    for (const Crc32Method& method : Crc32Methods()) {
        for (size_t split : {0u, 1u, 15u, 64u, 100u, 257u, 4097u, 9999u, 10000u}) {
            const uint32_t crc = method.update(0, bytes.data(), split);
            EXPECT_EQ(whole, method.update(crc, bytes.data() + split, bytes.size() - split))
                << method.name << ", " << split;
        }
        // All-zero and all-one blocks, where a wrong fold constant can still cancel out.
        for (int fill : {0x00, 0xFF}) {
            const std::vector<unsigned char> same(4096 + 48, static_cast<unsigned char>(fill));
            EXPECT_EQ(Crc32UpdateReference(0, same.data(), same.size()),
                      method.update(0, same.data(), same.size()))
                << method.name << ", " << fill;
        }
    }
}
