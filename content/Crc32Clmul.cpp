#include "content/Crc32Clmul.h"

#ifdef QM_CRC32_CARRYLESS

#include <intrin.h>
#include <immintrin.h>
#include <wmmintrin.h>

// GCC and Clang compile these instructions only in functions marked for them; the rest of
// the program stays runnable on processors without them. MSVC accepts them anywhere.
#if defined(__GNUC__) || defined(__clang__)
#define QM_CARRYLESS_TARGET __attribute__((target("pclmul,sse4.1")))
#define QM_WIDE_CARRYLESS_TARGET \
    __attribute__((target("pclmul,sse4.1,avx2,avx512f,avx512vl,vpclmulqdq")))
#define QM_XGETBV_TARGET __attribute__((target("xsave")))
#else
#define QM_CARRYLESS_TARGET
#define QM_WIDE_CARRYLESS_TARGET
#define QM_XGETBV_TARGET
#endif

namespace {

// Powers of x modulo the bit-reflected polynomial (Intel, "Fast CRC Computation for Generic
// Polynomials Using PCLMULQDQ"): fold distances of 512 and 128 bits, the 64-to-32-bit
// fold, and the polynomial with its Barrett constant. The 512-bit method adds 2048 bits
// (four registers ahead), and 384 and 256 bits to bring one register's lanes together.
const uint64_t kFold2048Low = 0x11542778A, kFold2048High = 0x1322D1430;
const uint64_t kFold512Low = 0x154442BD4, kFold512High = 0x1C6E41596;
const uint64_t kFold384Low = 0x03DB1ECDC, kFold384High = 0x174359406;
const uint64_t kFold256Low = 0x0F1DA05AA, kFold256High = 0x15A546366;
const uint64_t kFold128Low = 0x1751997D0, kFold128High = 0x0CCAA009E;
const uint64_t kFold64 = 0x163CD6124;
const uint64_t kPolynomial = 0x1DB710641, kBarrett = 0x1F7011641;

QM_CARRYLESS_TARGET inline __m128i Fold(__m128i acc, __m128i constants, __m128i next) {
    __m128i low = _mm_clmulepi64_si128(acc, constants, 0x00);
    __m128i high = _mm_clmulepi64_si128(acc, constants, 0x11);
    return _mm_xor_si128(_mm_xor_si128(low, high), next);
}

QM_CARRYLESS_TARGET inline __m128i Load(const unsigned char* p) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

// 128 bits of remainder down to the 32-bit register.
QM_CARRYLESS_TARGET uint32_t Reduce(__m128i x) {
    const __m128i low32 = _mm_setr_epi32(-1, 0, -1, 0);
    __m128i k = _mm_set_epi64x(static_cast<long long>(kFold128High), 0);
    x = _mm_xor_si128(_mm_srli_si128(x, 8), _mm_clmulepi64_si128(x, k, 0x10));
    k = _mm_set_epi64x(0, static_cast<long long>(kFold64));
    x = _mm_xor_si128(_mm_srli_si128(x, 4), _mm_clmulepi64_si128(_mm_and_si128(x, low32), k, 0x00));
    k = _mm_set_epi64x(static_cast<long long>(kBarrett), static_cast<long long>(kPolynomial));
    __m128i t = _mm_and_si128(_mm_clmulepi64_si128(_mm_and_si128(x, low32), k, 0x10), low32);
    x = _mm_xor_si128(x, _mm_clmulepi64_si128(t, k, 0x00));
    return static_cast<uint32_t>(_mm_extract_epi32(x, 1));
}

// The same fold on four 128-bit lanes at once; the three-way XOR is one instruction.
QM_WIDE_CARRYLESS_TARGET inline __m512i Fold(__m512i acc, __m512i constants, __m512i next) {
    return _mm512_ternarylogic_epi64(_mm512_clmulepi64_epi128(acc, constants, 0x00),
                                     _mm512_clmulepi64_epi128(acc, constants, 0x11), next, 0x96);
}

QM_WIDE_CARRYLESS_TARGET inline __m512i Load512(const unsigned char* p) {
    return _mm512_loadu_si512(p);
}

QM_WIDE_CARRYLESS_TARGET inline __m512i Broadcast(uint64_t high, uint64_t low) {
    return _mm512_broadcast_i32x4(
        _mm_set_epi64x(static_cast<long long>(high), static_cast<long long>(low)));
}

}  // namespace

bool CpuHasCarrylessMultiply() {
    int regs[4] = {};
    __cpuid(regs, 0);
    if (regs[0] < 1) return false;
    __cpuid(regs, 1);
    const int kPclmulqdq = 1 << 1, kSse41 = 1 << 19;
    return (regs[2] & kPclmulqdq) && (regs[2] & kSse41);
}

QM_XGETBV_TARGET bool CpuHasWideCarrylessMultiply() {
    if (!CpuHasCarrylessMultiply()) return false;
    int regs[4] = {};
    __cpuid(regs, 1);
    const int kOsXsave = 1 << 27;
    if (!(regs[2] & kOsXsave)) return false;
    // The system must save the SSE, AVX and all AVX-512 parts (mask, upper 256 bits of
    // zmm0-15, zmm16-31), or a thread switch would lose them.
    const unsigned long long kZmmState = 0xE6;
    if ((static_cast<unsigned long long>(_xgetbv(0)) & kZmmState) != kZmmState) return false;
    __cpuid(regs, 0);
    if (regs[0] < 7) return false;
    __cpuidex(regs, 7, 0);
    const unsigned ebx = static_cast<unsigned>(regs[1]), ecx = static_cast<unsigned>(regs[2]);
    // The 512-bit method is compiled for AVX2 too, which a processor may lack beside AVX-512.
    const unsigned kAvx2 = 1u << 5, kAvx512F = 1u << 16, kAvx512VL = 1u << 31, kVpclmulqdq = 1u << 10;
    return (ebx & kAvx2) && (ebx & kAvx512F) && (ebx & kAvx512VL) && (ecx & kVpclmulqdq);
}

QM_CARRYLESS_TARGET uint32_t Crc32FoldCarryless(uint32_t reg, const unsigned char* p, size_t length) {
    // Four lanes of 128 bits, each folded 512 bits ahead, keep several multiplies in flight.
    __m128i x0 = _mm_xor_si128(Load(p), _mm_cvtsi32_si128(static_cast<int>(reg)));
    __m128i x1 = Load(p + 16), x2 = Load(p + 32), x3 = Load(p + 48);
    p += 64;
    length -= 64;
    const __m128i k512 = _mm_set_epi64x(static_cast<long long>(kFold512High),
                                        static_cast<long long>(kFold512Low));
    for (; length >= 64; length -= 64, p += 64) {
        x0 = Fold(x0, k512, Load(p));
        x1 = Fold(x1, k512, Load(p + 16));
        x2 = Fold(x2, k512, Load(p + 32));
        x3 = Fold(x3, k512, Load(p + 48));
    }
    const __m128i k128 = _mm_set_epi64x(static_cast<long long>(kFold128High),
                                        static_cast<long long>(kFold128Low));
    __m128i x = Fold(Fold(Fold(x0, k128, x1), k128, x2), k128, x3);
    for (; length >= 16; length -= 16, p += 16) x = Fold(x, k128, Load(p));
    return Reduce(x);
}

QM_WIDE_CARRYLESS_TARGET uint32_t Crc32FoldCarryless512(uint32_t reg, const unsigned char* p,
                                                        size_t length) {
    // Four registers of four lanes, 256 bytes per step: enough multiplies in flight to
    // cover their latency.
    __m512i x0 = _mm512_xor_si512(Load512(p),
                                  _mm512_zextsi128_si512(_mm_cvtsi32_si128(static_cast<int>(reg))));
    __m512i x1 = Load512(p + 64), x2 = Load512(p + 128), x3 = Load512(p + 192);
    p += 256;
    length -= 256;
    const __m512i k2048 = Broadcast(kFold2048High, kFold2048Low);
    for (; length >= 256; length -= 256, p += 256) {
        x0 = Fold(x0, k2048, Load512(p));
        x1 = Fold(x1, k2048, Load512(p + 64));
        x2 = Fold(x2, k2048, Load512(p + 128));
        x3 = Fold(x3, k2048, Load512(p + 192));
    }
    const __m512i k512 = Broadcast(kFold512High, kFold512Low);
    __m512i x = Fold(Fold(Fold(x0, k512, x1), k512, x2), k512, x3);
    for (; length >= 64; length -= 64, p += 64) x = Fold(x, k512, Load512(p));
    // Each lane folded by its distance to the last one; the last lane's constants are zero,
    // so the same step leaves it out, and it is added back unchanged.
    const __m512i kLanes = _mm512_set_epi64(
        0, 0, static_cast<long long>(kFold128High), static_cast<long long>(kFold128Low),
        static_cast<long long>(kFold256High), static_cast<long long>(kFold256Low),
        static_cast<long long>(kFold384High), static_cast<long long>(kFold384Low));
    const __m512i lanes = _mm512_xor_si512(_mm512_clmulepi64_epi128(x, kLanes, 0x00),
                                           _mm512_clmulepi64_epi128(x, kLanes, 0x11));
    const __m256i halves = _mm256_xor_si256(_mm512_castsi512_si256(lanes),
                                            _mm512_extracti64x4_epi64(lanes, 1));
    __m128i y = _mm_xor_si128(
        _mm_xor_si128(_mm256_castsi256_si128(halves), _mm256_extracti128_si256(halves, 1)),
        _mm256_extracti128_si256(_mm512_extracti64x4_epi64(x, 1), 1));
    const __m128i k128 = _mm_set_epi64x(static_cast<long long>(kFold128High),
                                        static_cast<long long>(kFold128Low));
    for (; length >= 16; length -= 16, p += 16) y = Fold(y, k128, Load(p));
    return Reduce(y);
}

#endif
