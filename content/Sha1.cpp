#include "content/Sha1.h"

#include "content/ShaExtensions.h"

namespace {

inline uint32_t RotateLeft(uint32_t x, int n) { return (x << n) | (x >> (32 - n)); }

void Block(uint32_t* state, const unsigned char* p) {
    uint32_t w[80];
    for (int t = 0; t < 16; ++t)
        w[t] = static_cast<uint32_t>(p[4 * t]) << 24 | static_cast<uint32_t>(p[4 * t + 1]) << 16 |
               static_cast<uint32_t>(p[4 * t + 2]) << 8 | static_cast<uint32_t>(p[4 * t + 3]);
    for (int t = 16; t < 80; ++t) w[t] = RotateLeft(w[t - 3] ^ w[t - 8] ^ w[t - 14] ^ w[t - 16], 1);
    uint32_t a = state[0], b = state[1], c = state[2], d = state[3], e = state[4];
    for (int t = 0; t < 80; ++t) {
        uint32_t mix, k;
        if (t < 20) {
            mix = d ^ (b & (c ^ d));
            k = 0x5A827999;
        } else if (t < 40) {
            mix = b ^ c ^ d;
            k = 0x6ED9EBA1;
        } else if (t < 60) {
            mix = (b & c) | (d & (b | c));
            k = 0x8F1BBCDC;
        } else {
            mix = b ^ c ^ d;
            k = 0xCA62C1D6;
        }
        const uint32_t next = RotateLeft(a, 5) + mix + e + k + w[t];
        e = d;
        d = c;
        c = RotateLeft(b, 30);
        b = a;
        a = next;
    }
    state[0] += a;
    state[1] += b;
    state[2] += c;
    state[3] += d;
    state[4] += e;
}

const uint32_t kInitial[5] = {0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476, 0xC3D2E1F0};

std::vector<DigestMethod> AvailableMethods() {
    std::vector<DigestMethod> methods;
#ifdef QM_SHA_EXTENSIONS
    if (CpuHasShaExtensions()) methods.push_back({"SHA extensions", Sha1BlocksShaExtensions});
#endif
    methods.push_back({"portable", Sha1BlocksPortable});
    return methods;
}

}  // namespace

void Sha1BlocksPortable(uint32_t* state, const unsigned char* blocks, size_t count) {
    for (size_t i = 0; i < count; ++i) Block(state, blocks + 64 * i);
}

const std::vector<DigestMethod>& Sha1Methods() {
    static const std::vector<DigestMethod> methods = AvailableMethods();
    return methods;
}

void Sha1Blocks(uint32_t* state, const unsigned char* blocks, size_t count) {
    static const DigestBlocks fastest = Sha1Methods().front().blocks;
    fastest(state, blocks, count);
}

BlockDigest NewSha1(DigestBlocks blocks) { return BlockDigest(blocks, kInitial, 5, BlockDigest::Order::BigEndian); }
