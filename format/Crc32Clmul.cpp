#include "format/Crc32Clmul.h"

#ifdef QM_CRC32_CARRYLESS

#include <intrin.h>
#include <immintrin.h>
#include <wmmintrin.h>

// GCC and Clang compile these instructions only in functions marked for them; the rest of
// the program stays runnable on processors without them. MSVC accepts them anywhere.
#if defined(__GNUC__) || defined(__clang__)
#define QM_CARRYLESS_TARGET __attribute__((target("pclmul,sse4.1")))
#else
#define QM_CARRYLESS_TARGET
#endif

namespace {

// Powers of x modulo the bit-reflected polynomial (Intel, "Fast CRC Computation for Generic
// Polynomials Using PCLMULQDQ"): fold distances of 512 and 128 bits, the 64-to-32-bit
// fold, and the polynomial with its Barrett constant.
const uint64_t kFold512Low = 0x154442BD4, kFold512High = 0x1C6E41596;
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

}  // namespace

bool CpuHasCarrylessMultiply() {
    int regs[4] = {};
    __cpuid(regs, 0);
    if (regs[0] < 1) return false;
    __cpuid(regs, 1);
    const int kPclmulqdq = 1 << 1, kSse41 = 1 << 19;
    return (regs[2] & kPclmulqdq) && (regs[2] & kSse41);
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

#endif
