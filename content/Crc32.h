#pragma once
// CRC-32 (ISO-HDLC: reflected polynomial 0x04C11DB7, initial value and final XOR 0xFFFFFFFF).
// Crc32 and Crc32Update pick the fastest method the processor offers; the other entry
// points exist so that tests and the benchmark can hold each method against the reference.
#include <cstddef>
#include <cstdint>
#include <vector>

// The 256-entry table of the byte-at-a-time method: entry 1 is 0x77073096.
const uint32_t* Crc32Table();

// The CRC of a block: "123456789" gives 0xCBF43926.
uint32_t Crc32(const void* data, size_t length);

// Continues a CRC over more data: Crc32Update(Crc32Update(0, a), b) == Crc32(a + b).
uint32_t Crc32Update(uint32_t crc, const void* data, size_t length);

// The same value by the plain table-driven byte loop: the reference for the fast methods.
uint32_t Crc32UpdateReference(uint32_t crc, const void* data, size_t length);

// The same value by sixteen tables, sixteen bytes per step: the portable fast method.
uint32_t Crc32UpdateSlicing16(uint32_t crc, const void* data, size_t length);

// One way of computing Crc32Update, with a name for the benchmark's figures.
struct Crc32Method {
    const char* name;
    uint32_t (*update)(uint32_t crc, const void* data, size_t length);
};

// The methods this processor can run, fastest first, down to the byte-loop reference last;
// Crc32Update uses the first.
const std::vector<Crc32Method>& Crc32Methods();
