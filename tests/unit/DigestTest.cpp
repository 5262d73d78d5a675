// BCryptHash, the one-call form, is declared from Windows 10 on (and Wine has it); only this
// test asks for it, the program targets Windows 7.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0A00
#include <gtest/gtest.h>

#include <windows.h>
#include <bcrypt.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "content/Md5.h"
#include "content/Sha1.h"
#include "content/Sha256.h"
#include "support/UnixSide.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes RandomBytes(size_t n, unsigned seed) {
    std::mt19937 random(seed);
    Bytes bytes(n);
    for (unsigned char& b : bytes) b = static_cast<unsigned char>(random());
    return bytes;
}

std::string Hex(const Bytes& digest) {
    std::string text;
    char two[3];
    for (unsigned char b : digest) {
        std::snprintf(two, sizeof two, "%02x", b);
        text += two;
    }
    return text;
}

// The system's own provider: the reference every method is held against.
Bytes SystemDigest(LPCWSTR algorithm, const unsigned char* data, size_t length) {
    BCRYPT_ALG_HANDLE provider = nullptr;
    EXPECT_EQ(0, BCryptOpenAlgorithmProvider(&provider, algorithm, nullptr, 0));
    DWORD size = 0, got = 0;
    BCryptGetProperty(provider, BCRYPT_HASH_LENGTH, reinterpret_cast<PUCHAR>(&size), sizeof size, &got, 0);
    Bytes digest(size);
    EXPECT_EQ(0, BCryptHash(provider, nullptr, 0, const_cast<PUCHAR>(data), static_cast<ULONG>(length),
                            digest.data(), size));
    BCryptCloseAlgorithmProvider(provider, 0);
    return digest;
}

// One digest the way the program may feed it: in uneven pieces that cross block edges.
Bytes OurDigest(BlockDigest digest, size_t size, const unsigned char* data, size_t length, size_t piece) {
    for (size_t done = 0; done < length;) {
        const size_t n = length - done < piece ? length - done : piece;
        digest.Update(data + done, n);
        done += n;
    }
    Bytes out(size);
    digest.Finish(out.data());
    return out;
}

struct Kind {
    const char* name;
    LPCWSTR algorithm;
    size_t size;
    BlockDigest (*make)(DigestBlocks);
    std::vector<DigestMethod> methods;
};

BlockDigest MakeMd5(DigestBlocks) { return NewMd5(); }

std::vector<Kind> Kinds() {
    return {{"SHA-256", BCRYPT_SHA256_ALGORITHM, kSha256Size, NewSha256, Sha256Methods()},
            {"SHA-1", BCRYPT_SHA1_ALGORITHM, kSha1Size, NewSha1, Sha1Methods()},
            {"MD5", BCRYPT_MD5_ALGORITHM, kMd5Size, MakeMd5, {{"portable", Md5Blocks}}}};
}

// Every length 0 to 300, each side of the block edges up to 4 KiB, and a few MiB.
std::vector<size_t> Lengths() {
    std::vector<size_t> lengths;
    for (size_t n = 0; n <= 300; ++n) lengths.push_back(n);
    for (size_t edge = 320; edge <= 4096; edge += 64)
        for (size_t n : {edge - 9, edge - 8, edge - 1, edge, edge + 1}) lengths.push_back(n);
    lengths.push_back((3u << 20) + 13);
    return lengths;
}

// What the machine says of itself, apart from what the program's own check finds.
bool MachineHasShaNi() { return RunUnixShell("grep -qw sha_ni /proc/cpuinfo"); }

}  // namespace

TEST(Digest, PublishedVectors) {
    const std::string abc = "abc", empty = "",
                      two = "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq", million(1000000, 'a');
    auto of = [](BlockDigest digest, size_t size, const std::string& text) {
        return Hex(OurDigest(digest, size, reinterpret_cast<const unsigned char*>(text.data()), text.size(), 1000));
    };
    for (const DigestMethod& method : Sha256Methods()) {
        SCOPED_TRACE(method.name);
        EXPECT_EQ("ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad", of(NewSha256(method.blocks), 32, abc));
        EXPECT_EQ("e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855", of(NewSha256(method.blocks), 32, empty));
        EXPECT_EQ("248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1", of(NewSha256(method.blocks), 32, two));
        EXPECT_EQ("cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0", of(NewSha256(method.blocks), 32, million));
    }
    for (const DigestMethod& method : Sha1Methods()) {
        SCOPED_TRACE(method.name);
        EXPECT_EQ("a9993e364706816aba3e25717850c26c9cd0d89d", of(NewSha1(method.blocks), 20, abc));
        EXPECT_EQ("da39a3ee5e6b4b0d3255bfef95601890afd80709", of(NewSha1(method.blocks), 20, empty));
        EXPECT_EQ("84983e441c3bd26ebaae4aa1f95129e5e54670f1", of(NewSha1(method.blocks), 20, two));
        EXPECT_EQ("34aa973cd4c4daa4f61eeb2bdbad27316534016f", of(NewSha1(method.blocks), 20, million));
    }
    EXPECT_EQ("d41d8cd98f00b204e9800998ecf8427e", of(NewMd5(), 16, empty));
    EXPECT_EQ("900150983cd24fb0d6963f7d28e17f72", of(NewMd5(), 16, abc));
    EXPECT_EQ("57edf4a22be3c955ac49da2e2107b67a",
              of(NewMd5(), 16, "12345678901234567890123456789012345678901234567890123456789012345678901234567890"));
    EXPECT_EQ("7707d6ae4e027c70eea2a935c2296f21", of(NewMd5(), 16, million));
}

// Every method against CNG on random data, fed whole and in pieces of 1, 63 and 1000 bytes.
TEST(Digest, EveryMethodMatchesTheSystemProvider) {
    const Bytes data = RandomBytes((3u << 20) + 13, 32);
    for (const Kind& kind : Kinds()) {
        for (const DigestMethod& method : kind.methods) {
            SCOPED_TRACE(std::string(kind.name) + " " + method.name);
            for (size_t length : Lengths()) {
                const Bytes expected = SystemDigest(kind.algorithm, data.data(), length);
                // The start moves too, so that no method leans on the data's alignment.
                const unsigned char* start = data.data() + length % 7;
                const Bytes shifted = SystemDigest(kind.algorithm, start, length);
                ASSERT_EQ(expected, OurDigest(kind.make(method.blocks), kind.size, data.data(), length, length + 1))
                    << length;
                ASSERT_EQ(shifted, OurDigest(kind.make(method.blocks), kind.size, start, length, 63)) << length;
                if (length <= 4096) {
                    ASSERT_EQ(expected, OurDigest(kind.make(method.blocks), kind.size, data.data(), length, 1))
                        << length;
                    ASSERT_EQ(expected, OurDigest(kind.make(method.blocks), kind.size, data.data(), length, 1000))
                        << length;
                }
            }
        }
    }
}

// On a processor with the SHA extensions both methods of SHA-256 and SHA-1 are there (and
// so both were tested above), the extensions first.
TEST(Digest, ShaExtensionsAreUsedWhereThereAreAny) {
    if (!MachineHasShaNi()) GTEST_SKIP() << "no sha_ni on this machine";
    ASSERT_EQ(2u, Sha256Methods().size());
    ASSERT_EQ(2u, Sha1Methods().size());
    EXPECT_EQ(std::string("SHA extensions"), Sha256Methods().front().name);
    EXPECT_EQ(std::string("SHA extensions"), Sha1Methods().front().name);
}
