#pragma once
// CRC-32 (ISO-HDLC: reflected polynomial 0x04C11DB7, initial value and final XOR 0xFFFFFFFF).
// Crc32 and Crc32Update pick the fastest method the processor offers; the other entry
// points exist so that tests and the benchmark can hold each method against the reference.
#include <cstddef>
#include <cstdint>

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

// True when this processor has carry-less multiply, which Crc32Update then uses.
bool Crc32HasCarrylessMultiply();
