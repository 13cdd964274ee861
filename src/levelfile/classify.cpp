#include "levelfile/classify.h"

#include <algorithm>
#include <bit>
#include <cstring>

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

// The cells of plain rows are counted sixteen (or thirty-two) bytes at a
// time: a byte is a digit when it lies in a range of ten that a shift moves
// to the bottom of the signed bytes, where one comparison finds it; letters
// the same way, blanks by equality. A lane counts up to 255 blocks before
// its bytes are summed. The last bytes are counted in a block of the same
// width, so that no code of another width runs in between (mixing the two
// costs more than the whole count).
std::size_t countOthersSse2(const char* p, std::size_t size)
{
    const __m128i toDigits = _mm_set1_epi8(static_cast<char>(0x80 - '0'));
    const __m128i digitsBelow = _mm_set1_epi8(static_cast<char>(0x80 + 10));
    const __m128i toLetters = _mm_set1_epi8(static_cast<char>(0x80 - 'A'));
    const __m128i lettersBelow = _mm_set1_epi8(static_cast<char>(0x80 + 24));
    const __m128i blank = _mm_set1_epi8(' ');
    const auto cells = [&](__m128i v) {
        return _mm_or_si128(_mm_or_si128(_mm_cmplt_epi8(_mm_add_epi8(v, toDigits), digitsBelow),
                                         _mm_cmplt_epi8(_mm_add_epi8(v, toLetters), lettersBelow)),
                            _mm_cmpeq_epi8(v, blank));
    };
    const auto sum = [](__m128i counts) {
        const __m128i sums = _mm_sad_epu8(counts, _mm_setzero_si128());
        return static_cast<std::size_t>(_mm_cvtsi128_si64(sums)) +
               static_cast<std::size_t>(_mm_cvtsi128_si64(_mm_unpackhi_epi64(sums, sums)));
    };
    std::size_t found = 0, i = 0;
    while (i + 16 <= size) {
        __m128i counts = _mm_setzero_si128();
        for (const std::size_t stop = std::min(size - size % 16, i + 255 * 16); i < stop; i += 16)
            counts = _mm_sub_epi8(counts, cells(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i))));
        found += sum(counts);
    }
    if (i < size) {
        // The last block again, ending where the bytes end, its bytes
        // counted already left out; or, when there is no whole block, a copy
        // filled up with cells.
        const std::size_t left = size - i;
        if (size >= 16) {
            const auto bits = static_cast<unsigned>(
                _mm_movemask_epi8(cells(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + size - 16)))));
            found += static_cast<std::size_t>(std::popcount(bits >> (16 - left)));
        } else {
            char last[16];
            std::memset(last, '0', sizeof last);
            std::memcpy(last, p + i, left);
            found += static_cast<std::size_t>(std::popcount(static_cast<unsigned>(
                         _mm_movemask_epi8(cells(_mm_loadu_si128(reinterpret_cast<const __m128i*>(last))))))) -
                     (16 - left);
        }
    }
    return size - found;
}

__attribute__((target("avx2,popcnt"))) std::size_t countOthersAvx2(const char* p, std::size_t size)
{
    const __m256i toDigits = _mm256_set1_epi8(static_cast<char>(0x80 - '0'));
    const __m256i digitsBelow = _mm256_set1_epi8(static_cast<char>(0x80 + 10));
    const __m256i toLetters = _mm256_set1_epi8(static_cast<char>(0x80 - 'A'));
    const __m256i lettersBelow = _mm256_set1_epi8(static_cast<char>(0x80 + 24));
    const __m256i blank = _mm256_set1_epi8(' ');
    const auto cells = [&](__m256i v) __attribute__((target("avx2,popcnt")))
    {
        return _mm256_or_si256(_mm256_or_si256(_mm256_cmpgt_epi8(digitsBelow, _mm256_add_epi8(v, toDigits)),
                                               _mm256_cmpgt_epi8(lettersBelow, _mm256_add_epi8(v, toLetters))),
                               _mm256_cmpeq_epi8(v, blank));
    };
    const auto sum = [](__m256i counts) __attribute__((target("avx2,popcnt")))
    {
        const __m256i sums = _mm256_sad_epu8(counts, _mm256_setzero_si256());
        return static_cast<std::size_t>(_mm256_extract_epi64(sums, 0)) +
               static_cast<std::size_t>(_mm256_extract_epi64(sums, 1)) +
               static_cast<std::size_t>(_mm256_extract_epi64(sums, 2)) +
               static_cast<std::size_t>(_mm256_extract_epi64(sums, 3));
    };
    std::size_t found = 0, i = 0;
    while (i + 32 <= size) {
        __m256i counts = _mm256_setzero_si256();
        for (const std::size_t stop = std::min(size - size % 32, i + 255 * 32); i < stop; i += 32)
            counts = _mm256_sub_epi8(counts, cells(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + i))));
        found += sum(counts);
    }
    if (i < size) {
        const std::size_t left = size - i;
        if (size >= 32) {
            const auto bits = static_cast<std::uint32_t>(
                _mm256_movemask_epi8(cells(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + size - 32)))));
            found += static_cast<std::size_t>(std::popcount(bits >> (32 - left)));
        } else {
            char last[32];
            std::memset(last, '0', sizeof last);
            std::memcpy(last, p + i, left);
            found += static_cast<std::size_t>(std::popcount(static_cast<std::uint32_t>(
                         _mm256_movemask_epi8(cells(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(last))))))) -
                     (32 - left);
        }
    }
    return size - found;
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

std::size_t countOthersPortable(const char* p, std::size_t size)
{
    std::size_t others = 0;
    for (std::size_t i = 0; i < size; ++i)
        others += !isPlainCell(static_cast<unsigned char>(p[i]));
    return others;
}

Classifier bestClassifier()
{
#if defined(KELMOR_X86)
    return hasAvx2() ? classifyAvx2 : classifySse2;
#else
    return classifyPortable;
#endif
}

OtherCounter bestOtherCounter()
{
#if defined(KELMOR_X86)
    return hasAvx2() ? countOthersAvx2 : countOthersSse2;
#else
    return countOthersPortable;
#endif
}

std::vector<NamedClassifier> availableClassifiers()
{
    std::vector<NamedClassifier> all{{"portable", classifyPortable, countOthersPortable}};
#if defined(KELMOR_X86)
    all.push_back({"sse2", classifySse2, countOthersSse2});
    if (hasAvx2())
        all.push_back({"avx2", classifyAvx2, countOthersAvx2});
#endif
    return all;
}

}  // namespace kelmor
