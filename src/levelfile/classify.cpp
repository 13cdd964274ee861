#include "levelfile/classify.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define KELMOR_X86 1
#include <immintrin.h>
#endif

namespace kelmor {

namespace {

struct Masks {
    std::uint64_t anyEnd;  // comma, CR or LF
    std::uint64_t cr;
    std::uint64_t lf;
    std::uint64_t star;
};

// The one rule every classifier stores its masks by.
inline void store(const Masks& m, std::uint64_t* ends, std::uint64_t* stars, std::size_t w, std::uint64_t& previousCr)
{
    const std::uint64_t lfAfterCr = m.lf & ((m.cr << 1) | previousCr);
    ends[w] = m.anyEnd & ~lfAfterCr;
    stars[w] = m.star;
    previousCr = m.cr >> 63;
}

#if defined(KELMOR_X86)
// Bit i set where byte i of `v` equals the byte in `k`.
inline std::uint64_t equalBits(__m128i v, __m128i k)
{
    return static_cast<std::uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, k))));
}

// The same over one block held in four 16-byte lanes.
inline std::uint64_t equalBits(const __m128i (&block)[4], __m128i k)
{
    return equalBits(block[0], k) | equalBits(block[1], k) << 16 | equalBits(block[2], k) << 32 |
           equalBits(block[3], k) << 48;
}

__attribute__((target("avx2"))) inline std::uint64_t equalBits(__m256i v, __m256i k)
{
    return static_cast<std::uint64_t>(static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(v, k))));
}

__attribute__((target("avx2"))) inline std::uint64_t equalBits(__m256i lo, __m256i hi, __m256i k)
{
    return equalBits(lo, k) | equalBits(hi, k) << 32;
}

// x86-64 always has SSE2; AVX2 halves the work where the processor has it.
bool classifySse2(const char* p, std::size_t blocks, std::uint64_t* ends, std::uint64_t* stars,
                  std::uint64_t& previousCr)
{
    const __m128i comma = _mm_set1_epi8(','), cr = _mm_set1_epi8('\r'), lf = _mm_set1_epi8('\n');
    const __m128i star = _mm_set1_epi8('*'), quote = _mm_set1_epi8('"');
    __m128i quoteSeen = _mm_setzero_si128();
    for (std::size_t w = 0; w < blocks; ++w, p += kClassifyBlock) {
        const __m128i block[4] = {_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)),
                                  _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16)),
                                  _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 32)),
                                  _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 48))};
        const std::uint64_t crBits = equalBits(block, cr), lfBits = equalBits(block, lf);
        store({equalBits(block, comma) | crBits | lfBits, crBits, lfBits, equalBits(block, star)}, ends, stars, w,
              previousCr);
        const __m128i q = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(block[0], quote), _mm_cmpeq_epi8(block[1], quote)),
                                       _mm_or_si128(_mm_cmpeq_epi8(block[2], quote), _mm_cmpeq_epi8(block[3], quote)));
        quoteSeen = _mm_or_si128(quoteSeen, q);
    }
    return _mm_movemask_epi8(quoteSeen) != 0;
}

__attribute__((target("avx2"))) bool classifyAvx2(const char* p, std::size_t blocks, std::uint64_t* ends,
                                                  std::uint64_t* stars, std::uint64_t& previousCr)
{
    const __m256i comma = _mm256_set1_epi8(','), cr = _mm256_set1_epi8('\r'), lf = _mm256_set1_epi8('\n');
    const __m256i star = _mm256_set1_epi8('*'), quote = _mm256_set1_epi8('"');
    __m256i quoteSeen = _mm256_setzero_si256();
    for (std::size_t w = 0; w < blocks; ++w, p += kClassifyBlock) {
        const __m256i lo = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
        const __m256i hi = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + 32));
        const std::uint64_t crBits = equalBits(lo, hi, cr), lfBits = equalBits(lo, hi, lf);
        store({equalBits(lo, hi, comma) | crBits | lfBits, crBits, lfBits, equalBits(lo, hi, star)}, ends, stars, w,
              previousCr);
        quoteSeen =
            _mm256_or_si256(quoteSeen, _mm256_or_si256(_mm256_cmpeq_epi8(lo, quote), _mm256_cmpeq_epi8(hi, quote)));
    }
    return !_mm256_testz_si256(quoteSeen, quoteSeen);
}

bool hasAvx2()
{
    // The reader picks its classifier while the program starts, possibly
    // before the runtime has looked at the processor.
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2");
}
#endif

}  // namespace

bool classifyPortable(const char* p, std::size_t blocks, std::uint64_t* ends, std::uint64_t* stars,
                      std::uint64_t& previousCr)
{
    bool quotes = false;
    for (std::size_t w = 0; w < blocks; ++w, p += kClassifyBlock) {
        Masks m{};
        for (std::size_t i = 0; i < kClassifyBlock; ++i) {
            const std::uint64_t bit = std::uint64_t{1} << i;
            switch (p[i]) {
            case ',': m.anyEnd |= bit; break;
            case '\r':
                m.anyEnd |= bit;
                m.cr |= bit;
                break;
            case '\n':
                m.anyEnd |= bit;
                m.lf |= bit;
                break;
            case '*': m.star |= bit; break;
            case '"': quotes = true; break;
            default: break;
            }
        }
        store(m, ends, stars, w, previousCr);
    }
    return quotes;
}

Classifier bestClassifier()
{
#if defined(KELMOR_X86)
    return hasAvx2() ? classifyAvx2 : classifySse2;
#else
    return classifyPortable;
#endif
}

std::vector<NamedClassifier> availableClassifiers()
{
    std::vector<NamedClassifier> all{{"portable", classifyPortable}};
#if defined(KELMOR_X86)
    all.push_back({"sse2", classifySse2});
    if (hasAvx2())
        all.push_back({"avx2", classifyAvx2});
#endif
    return all;
}

}  // namespace kelmor
