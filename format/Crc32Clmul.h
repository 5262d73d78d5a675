#pragma once
// CRC-32 folding with the processor's carry-less multiply (PCLMULQDQ), x86 and x64 only.
#include <cstddef>
#include <cstdint>

#if defined(_M_X64) || defined(_M_IX86) || defined(__x86_64__) || defined(__i386__)
#define QM_CRC32_CARRYLESS 1

// True when the processor can run Crc32FoldCarryless.
bool CpuHasCarrylessMultiply();

// Runs the CRC register (not complemented) over a block whose length is a multiple of 16
// and at least 64; returns the new register. Call only when CpuHasCarrylessMultiply().
uint32_t Crc32FoldCarryless(uint32_t reg, const unsigned char* data, size_t length);
#endif
