#pragma once
// SHA-256 and SHA-1 blocks with the x86 SHA extensions (SHA-NI), x86 and x64 only. They use
// 128-bit registers alone, whose spills the 16-byte stack alignment of both ABIs holds.
#include <cstddef>
#include <cstdint>

#if defined(_M_X64) || defined(_M_IX86) || defined(__x86_64__) || defined(__i386__)
#define QM_SHA_EXTENSIONS 1

// True when the processor has the SHA extensions and SSE4.1 (asked once).
bool CpuHasShaExtensions();

// As Sha256BlocksPortable and Sha1BlocksPortable; call only when CpuHasShaExtensions().
void Sha256BlocksShaExtensions(uint32_t* state, const unsigned char* blocks, size_t count);
void Sha1BlocksShaExtensions(uint32_t* state, const unsigned char* blocks, size_t count);
#endif
