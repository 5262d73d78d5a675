#pragma once
// CRC-32 (ISO-HDLC: reflected polynomial 0x04C11DB7, initial value and final XOR 0xFFFFFFFF).
#include <cstddef>
#include <cstdint>

// The 256-entry table of the byte-at-a-time method.
const uint32_t* Crc32Table();

// The CRC of a block: "123456789" gives 0xCBF43926.
uint32_t Crc32(const void* data, size_t length);

// Continues a CRC over more data: Crc32Update(Crc32Update(0, a), b) == Crc32(a + b).
uint32_t Crc32Update(uint32_t crc, const void* data, size_t length);
