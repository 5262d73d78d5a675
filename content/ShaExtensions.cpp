#include "content/ShaExtensions.h"

#ifdef QM_SHA_EXTENSIONS

#include <intrin.h>
#include <immintrin.h>

#include "content/Sha256.h"

// GCC and Clang compile these instructions only in functions marked for them, so the rest of
// the program runs on processors without them; MSVC accepts them anywhere. Only 128-bit
// registers are used: no AVX, so no spill needs more than the stack's 16-byte alignment.
#if defined(__GNUC__) || defined(__clang__)
#define QM_SHA_TARGET __attribute__((target("sha,sse4.1")))
#else
#define QM_SHA_TARGET
#endif

namespace {

// The message words are big-endian: byte order reversed within each 32-bit lane.
QM_SHA_TARGET inline __m128i LoadWords(const unsigned char* p) {
    const __m128i reverse = _mm_set_epi64x(0x0C0D0E0F08090A0BLL, 0x0405060700010203LL);
    return _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)), reverse);
}

// The four words of the next group of rounds from the four groups before it; the variables
// rotate rather than index an array, so they stay in registers.
QM_SHA_TARGET inline __m128i NextSha256Words(__m128i w0, __m128i w1, __m128i w2, __m128i w3) {
    const __m128i x = _mm_add_epi32(_mm_sha256msg1_epu32(w0, w1), _mm_alignr_epi8(w3, w2, 4));
    return _mm_sha256msg2_epu32(x, w3);
}

QM_SHA_TARGET void Sha256Block(__m128i& abef, __m128i& cdgh, const unsigned char* p) {
    const __m128i abefBefore = abef, cdghBefore = cdgh;
    __m128i w0 = LoadWords(p), w1 = LoadWords(p + 16), w2 = LoadWords(p + 32), w3 = LoadWords(p + 48);
    for (int group = 0; group < 16; ++group) {
        const __m128i k = _mm_loadu_si128(reinterpret_cast<const __m128i*>(kSha256Rounds + 4 * group));
        __m128i message = _mm_add_epi32(w0, k);
        cdgh = _mm_sha256rnds2_epu32(cdgh, abef, message);
        message = _mm_shuffle_epi32(message, 0x0E);
        abef = _mm_sha256rnds2_epu32(abef, cdgh, message);
        const __m128i next = NextSha256Words(w0, w1, w2, w3);
        w0 = w1;
        w1 = w2;
        w2 = w3;
        w3 = next;
    }
    abef = _mm_add_epi32(abef, abefBefore);
    cdgh = _mm_add_epi32(cdgh, cdghBefore);
}

// The SHA-1 words come byte-reversed across the whole register (word 0 in the high lane).
QM_SHA_TARGET inline __m128i LoadSha1Words(const unsigned char* p) {
    const __m128i reverse = _mm_set_epi64x(0x0001020304050607LL, 0x08090A0B0C0D0E0FLL);
    return _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)), reverse);
}

struct Sha1Registers {
    __m128i abcd;
    __m128i abcdBefore;  // abcd before the last four rounds: its A gives the next rounds' E
    __m128i w0, w1, w2, w3;
};

// Five groups of four rounds with one round function (an immediate), the schedule running on.
template <int Function>
QM_SHA_TARGET inline void Sha1Rounds(Sha1Registers& r, bool first) {
    for (int group = 0; group < 5; ++group) {
        const __m128i e = first && group == 0 ? _mm_add_epi32(r.abcdBefore, r.w0)
                                              : _mm_sha1nexte_epu32(r.abcdBefore, r.w0);
        r.abcdBefore = r.abcd;
        r.abcd = _mm_sha1rnds4_epu32(r.abcd, e, Function);
        const __m128i next = _mm_sha1msg2_epu32(_mm_xor_si128(_mm_sha1msg1_epu32(r.w0, r.w1), r.w2), r.w3);
        r.w0 = r.w1;
        r.w1 = r.w2;
        r.w2 = r.w3;
        r.w3 = next;
    }
}

// e: E in the high lane. The first group adds E to the words itself; later groups derive E
// from the A of four rounds earlier.
QM_SHA_TARGET void Sha1Block(__m128i& abcd, __m128i& e, const unsigned char* p) {
    Sha1Registers r{abcd, e, LoadSha1Words(p), LoadSha1Words(p + 16), LoadSha1Words(p + 32),
                    LoadSha1Words(p + 48)};
    Sha1Rounds<0>(r, true);
    Sha1Rounds<1>(r, false);
    Sha1Rounds<2>(r, false);
    Sha1Rounds<3>(r, false);
    e = _mm_sha1nexte_epu32(r.abcdBefore, e);
    abcd = _mm_add_epi32(r.abcd, abcd);
}

bool AskProcessor() {
    int regs[4] = {};
    __cpuid(regs, 0);
    if (regs[0] < 7) return false;
    __cpuid(regs, 1);
    const int kSsse3 = 1 << 9, kSse41 = 1 << 19;
    if (!(regs[2] & kSsse3) || !(regs[2] & kSse41)) return false;
    __cpuidex(regs, 7, 0);
    const int kSha = 1 << 29;
    return (regs[1] & kSha) != 0;
}

}  // namespace

bool CpuHasShaExtensions() {
    static const bool has = AskProcessor();
    return has;
}

QM_SHA_TARGET void Sha256BlocksShaExtensions(uint32_t* state, const unsigned char* blocks, size_t count) {
    // The rounds instruction holds the state as ABEF and CDGH.
    __m128i dcba = _mm_loadu_si128(reinterpret_cast<const __m128i*>(state));
    __m128i hgfe = _mm_loadu_si128(reinterpret_cast<const __m128i*>(state + 4));
    const __m128i cdab = _mm_shuffle_epi32(dcba, 0xB1);
    const __m128i efgh = _mm_shuffle_epi32(hgfe, 0x1B);
    __m128i abef = _mm_alignr_epi8(cdab, efgh, 8);
    __m128i cdgh = _mm_blend_epi16(efgh, cdab, 0xF0);
    for (size_t i = 0; i < count; ++i) Sha256Block(abef, cdgh, blocks + 64 * i);
    const __m128i feba = _mm_shuffle_epi32(abef, 0x1B);
    const __m128i dchg = _mm_shuffle_epi32(cdgh, 0xB1);
    dcba = _mm_blend_epi16(feba, dchg, 0xF0);
    hgfe = _mm_alignr_epi8(dchg, feba, 8);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(state), dcba);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(state + 4), hgfe);
}

QM_SHA_TARGET void Sha1BlocksShaExtensions(uint32_t* state, const unsigned char* blocks, size_t count) {
    __m128i abcd = _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(state)), 0x1B);
    __m128i e = _mm_set_epi32(static_cast<int>(state[4]), 0, 0, 0);
    for (size_t i = 0; i < count; ++i) Sha1Block(abcd, e, blocks + 64 * i);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(state), _mm_shuffle_epi32(abcd, 0x1B));
    state[4] = static_cast<uint32_t>(_mm_extract_epi32(e, 3));
}

#endif
