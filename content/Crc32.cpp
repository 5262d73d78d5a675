#include "content/Crc32.h"

#include "content/Crc32Clmul.h"

namespace {

// Table k gives the CRC contribution of a byte followed by k zero bytes, so sixteen
// bytes can be looked up independently and combined with XOR.
struct SlicingTables {
    uint32_t t[16][256];
    SlicingTables() {
        for (uint32_t i = 0; i < 256; ++i) {
            uint32_t r = i;
            for (int bit = 0; bit < 8; ++bit) r = (r & 1) ? (r >> 1) ^ 0xEDB88320u : r >> 1;
            t[0][i] = r;
        }
        for (int k = 1; k < 16; ++k)
            for (int i = 0; i < 256; ++i) t[k][i] = (t[k - 1][i] >> 8) ^ t[0][t[k - 1][i] & 0xFF];
    }
};

// Built on first use; C++ makes that initialisation safe between threads.
const SlicingTables& Tables() {
    static const SlicingTables tables;
    return tables;
}

uint32_t ByteLoop(uint32_t reg, const unsigned char* p, size_t length) {
    const uint32_t* table = Tables().t[0];
    for (size_t i = 0; i < length; ++i) reg = table[(reg ^ p[i]) & 0xFF] ^ (reg >> 8);
    return reg;
}

inline uint32_t LoadLittleEndian32(const unsigned char* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

uint32_t Slicing16(uint32_t reg, const unsigned char* p, size_t length) {
    const SlicingTables& s = Tables();
    for (; length >= 16; length -= 16, p += 16) {
        uint32_t w[4] = {LoadLittleEndian32(p) ^ reg, LoadLittleEndian32(p + 4),
                         LoadLittleEndian32(p + 8), LoadLittleEndian32(p + 12)};
        reg = 0;
        for (int j = 0; j < 4; ++j) {
            const int k = 15 - 4 * j;  // the first byte of the block is the farthest from its end
            reg ^= s.t[k][w[j] & 0xFF] ^ s.t[k - 1][(w[j] >> 8) & 0xFF] ^
                   s.t[k - 2][(w[j] >> 16) & 0xFF] ^ s.t[k - 3][w[j] >> 24];
        }
    }
    return ByteLoop(reg, p, length);
}

#ifdef QM_CRC32_CARRYLESS
// Short blocks would not fill the folding registers; the rest below 16 bytes goes to the tables.
uint32_t Carryless128(uint32_t reg, const unsigned char* p, size_t length) {
    if (length >= 64) {
        const size_t folded = length & ~static_cast<size_t>(15);
        reg = Crc32FoldCarryless(reg, p, folded);
        p += folded;
        length -= folded;
    }
    return Slicing16(reg, p, length);
}

uint32_t Carryless512(uint32_t reg, const unsigned char* p, size_t length) {
    if (length < 256) return Carryless128(reg, p, length);
    const size_t folded = length & ~static_cast<size_t>(15);
    return Slicing16(Crc32FoldCarryless512(reg, p, folded), p + folded, length - folded);
}

uint32_t UpdateCarryless128(uint32_t crc, const void* data, size_t length) {
    return ~Carryless128(~crc, static_cast<const unsigned char*>(data), length);
}

uint32_t UpdateCarryless512(uint32_t crc, const void* data, size_t length) {
    return ~Carryless512(~crc, static_cast<const unsigned char*>(data), length);
}
#endif

std::vector<Crc32Method> AvailableMethods() {
    std::vector<Crc32Method> methods;
#ifdef QM_CRC32_CARRYLESS
    if (CpuHasWideCarrylessMultiply())
        methods.push_back({"512-bit carry-less multiply", UpdateCarryless512});
    if (CpuHasCarrylessMultiply())
        methods.push_back({"128-bit carry-less multiply", UpdateCarryless128});
#endif
    methods.push_back({"slicing-by-16", Crc32UpdateSlicing16});
    methods.push_back({"byte loop", Crc32UpdateReference});
    return methods;
}

}  // namespace

const uint32_t* Crc32Table() { return Tables().t[0]; }

uint32_t Crc32UpdateReference(uint32_t crc, const void* data, size_t length) {
    return ~ByteLoop(~crc, static_cast<const unsigned char*>(data), length);
}

uint32_t Crc32UpdateSlicing16(uint32_t crc, const void* data, size_t length) {
    return ~Slicing16(~crc, static_cast<const unsigned char*>(data), length);
}

const std::vector<Crc32Method>& Crc32Methods() {
    static const std::vector<Crc32Method> methods = AvailableMethods();
    return methods;
}

uint32_t Crc32Update(uint32_t crc, const void* data, size_t length) {
    // Chosen once; afterwards each call costs one indirect jump.
    static const auto fastest = Crc32Methods().front().update;
    return fastest(crc, data, length);
}

uint32_t Crc32(const void* data, size_t length) { return Crc32Update(0, data, length); }
