#include "format/Crc32.h"

namespace {

struct Table {
    uint32_t entries[256];
    Table() {
        for (uint32_t i = 0; i < 256; ++i) {
            uint32_t r = i;
            for (int bit = 0; bit < 8; ++bit) r = (r & 1) ? (r >> 1) ^ 0xEDB88320u : r >> 1;
            entries[i] = r;
        }
    }
};

}  // namespace

const uint32_t* Crc32Table() {
    static const Table table;
    return table.entries;
}

uint32_t Crc32Update(uint32_t crc, const void* data, size_t length) {
    const uint32_t* table = Crc32Table();
    const unsigned char* p = static_cast<const unsigned char*>(data);
    uint32_t h = ~crc;
    for (size_t i = 0; i < length; ++i) h = table[(h ^ p[i]) & 0xFF] ^ (h >> 8);
    return ~h;
}

uint32_t Crc32(const void* data, size_t length) { return Crc32Update(0, data, length); }
