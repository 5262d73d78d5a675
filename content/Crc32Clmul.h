#pragma once
// CRC-32 folding with the processor's carry-less multiply, x86 and x64 only: PCLMULQDQ on
// 128-bit registers, and VPCLMULQDQ on 512-bit registers where AVX-512 is there too.
#include <cstddef>
#include <cstdint>

#if defined(_M_X64) || defined(_M_IX86) || defined(__x86_64__) || defined(__i386__)
#define QM_CRC32_CARRYLESS 1

// True when the processor can run Crc32FoldCarryless.
bool CpuHasCarrylessMultiply();

// Runs the CRC register (not complemented) over a block whose length is a multiple of 16
// and at least 64; returns the new register. Call only when CpuHasCarrylessMultiply().
uint32_t Crc32FoldCarryless(uint32_t reg, const unsigned char* data, size_t length);

// True when the processor can run Crc32FoldCarryless512 (VPCLMULQDQ, AVX-512F and VL) and
// the operating system saves the 512-bit registers on a thread switch.
bool CpuHasWideCarrylessMultiply();

// As Crc32FoldCarryless, for a length that is a multiple of 16 and at least 256.
// Call only when CpuHasWideCarrylessMultiply().
uint32_t Crc32FoldCarryless512(uint32_t reg, const unsigned char* data, size_t length);
#endif
