#include "levelfile/itemreader.h"

#include <bit>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define KELMOR_X86_DISPATCH 1
#include <immintrin.h>
#endif

namespace kelmor {

namespace {
constexpr std::size_t kBlock = 64;

// Marks where items end and where stars stand in `blocks` blocks of 64
// bytes: ends are commas, CRs and LFs, but not the LF of a CR LF pair (also
// across blocks, through `previousCr`). Returns whether any quote was seen.
struct Masks {
    std::uint64_t anyEnd, cr, lf, star;  // anyEnd: comma, CR or LF
};

inline void store(const Masks& m, std::uint64_t* ends, std::uint64_t* stars, std::size_t w,
                  std::uint64_t& previousCr)
{
    const std::uint64_t lfAfterCr = m.lf & ((m.cr << 1) | previousCr);
    ends[w] = m.anyEnd & ~lfAfterCr;
    stars[w] = m.star;
    previousCr = m.cr >> 63;
}

[[maybe_unused]] bool classifyPortable(const char* p, std::size_t blocks, std::uint64_t* ends,
                                       std::uint64_t* stars, std::uint64_t& previousCr)
{
    bool quotes = false;
    for (std::size_t w = 0; w < blocks; ++w, p += kBlock) {
        Masks m{};
        for (std::size_t i = 0; i < kBlock; ++i) {
            const std::uint64_t bit = std::uint64_t{1} << i;
            switch (p[i]) {
            case ',': m.anyEnd |= bit; break;
            case '\r': m.anyEnd |= bit; m.cr |= bit; break;
            case '\n': m.anyEnd |= bit; m.lf |= bit; break;
            case '*': m.star |= bit; break;
            case '"': quotes = true; break;
            default: break;
            }
        }
        store(m, ends, stars, w, previousCr);
    }
    return quotes;
}

#if defined(KELMOR_X86_DISPATCH)
#define KELMOR_MASK16(v, k) \
    static_cast<std::uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8((v), (k)))))
#define KELMOR_MASK64(k) \
    (KELMOR_MASK16(a, k) | KELMOR_MASK16(b, k) << 16 | KELMOR_MASK16(c, k) << 32 | KELMOR_MASK16(d, k) << 48)

// x86-64 always has SSE2; AVX2 halves the work where the processor has it.
bool classifySse2(const char* p, std::size_t blocks, std::uint64_t* ends, std::uint64_t* stars,
                  std::uint64_t& previousCr)
{
    const __m128i comma = _mm_set1_epi8(','), cr = _mm_set1_epi8('\r'), lf = _mm_set1_epi8('\n');
    const __m128i star = _mm_set1_epi8('*'), quote = _mm_set1_epi8('"');
    __m128i quoteSeen = _mm_setzero_si128();
    for (std::size_t w = 0; w < blocks; ++w, p += kBlock) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16));
        const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 32));
        const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 48));
        const std::uint64_t crBits = KELMOR_MASK64(cr), lfBits = KELMOR_MASK64(lf);
        const Masks m{KELMOR_MASK64(comma) | crBits | lfBits, crBits, lfBits, KELMOR_MASK64(star)};
        quoteSeen = _mm_or_si128(quoteSeen, _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(a, quote), _mm_cmpeq_epi8(b, quote)),
                                                         _mm_or_si128(_mm_cmpeq_epi8(c, quote), _mm_cmpeq_epi8(d, quote))));
        store(m, ends, stars, w, previousCr);
    }
    return _mm_movemask_epi8(quoteSeen) != 0;
}

#define KELMOR_MASK32(v, k) \
    static_cast<std::uint64_t>(static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8((v), (k)))))

__attribute__((target("avx2"))) bool classifyAvx2(const char* p, std::size_t blocks, std::uint64_t* ends,
                                                  std::uint64_t* stars, std::uint64_t& previousCr)
{
    const __m256i comma = _mm256_set1_epi8(','), cr = _mm256_set1_epi8('\r'), lf = _mm256_set1_epi8('\n');
    const __m256i star = _mm256_set1_epi8('*'), quote = _mm256_set1_epi8('"');
    __m256i quoteSeen = _mm256_setzero_si256();
    for (std::size_t w = 0; w < blocks; ++w, p += kBlock) {
        const __m256i lo = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
        const __m256i hi = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + 32));
        quoteSeen = _mm256_or_si256(quoteSeen, _mm256_or_si256(_mm256_cmpeq_epi8(lo, quote), _mm256_cmpeq_epi8(hi, quote)));
        const std::uint64_t crBits = KELMOR_MASK32(lo, cr) | KELMOR_MASK32(hi, cr) << 32;
        const std::uint64_t lfBits = KELMOR_MASK32(lo, lf) | KELMOR_MASK32(hi, lf) << 32;
        const std::uint64_t commaBits = KELMOR_MASK32(lo, comma) | KELMOR_MASK32(hi, comma) << 32;
        const Masks m{commaBits | crBits | lfBits, crBits, lfBits,
                      KELMOR_MASK32(lo, star) | KELMOR_MASK32(hi, star) << 32};
        store(m, ends, stars, w, previousCr);
    }
    return !_mm256_testz_si256(quoteSeen, quoteSeen);
}

using Classifier = bool (*)(const char*, std::size_t, std::uint64_t*, std::uint64_t*, std::uint64_t&);
const Classifier classifyBlocks = __builtin_cpu_supports("avx2") ? classifyAvx2 : classifySse2;
#else
const auto classifyBlocks = classifyPortable;
#endif

}  // namespace

ItemReader::ItemReader(ByteSource& source, std::size_t bufferSize)
    : source_(source),
      capacity_(bufferSize == 0 ? 1 : bufferSize),
      // Room for whole blocks past the end, zeroed, so classification never
      // reads outside the buffer and finds nothing there.
      buffer_(new char[(capacity_ + kBlock - 1) / kBlock * kBlock]()),
      ends_(new std::uint64_t[(capacity_ + kBlock - 1) / kBlock]()),
      stars_(new std::uint64_t[(capacity_ + kBlock - 1) / kBlock]())
{
}

bool ItemReader::refill()
{
    base_ += end_;
    pos_ = 0;
    end_ = exhausted_ ? 0 : source_.read(buffer_.get(), capacity_);
    exhausted_ = end_ == 0;
    if (end_ == 0) {
        words_ = 0;
        return false;
    }
    classify();
    return true;
}

void ItemReader::classify()
{
    words_ = (end_ + kBlock - 1) / kBlock;
    std::memset(buffer_.get() + end_, 0, words_ * kBlock - end_);
    std::uint64_t previousCr = crPending_ ? 1 : 0;
    hasQuote_ = classifyBlocks(buffer_.get(), words_, ends_.get(), stars_.get(), previousCr);
    crPending_ = end_ > 0 && buffer_[end_ - 1] == '\r';
}

std::size_t ItemReader::nextBit(const std::uint64_t* mask, std::size_t from) const
{
    std::size_t w = from / kBlock;
    if (w >= words_)
        return end_;
    std::uint64_t bits = mask[w] & (~std::uint64_t{0} << (from % kBlock));
    while (bits == 0) {
        if (++w >= words_)
            return end_;
        bits = mask[w];
    }
    const std::size_t at = w * kBlock + static_cast<std::size_t>(std::countr_zero(bits));
    return at < end_ ? at : end_;
}

bool ItemReader::starIn(std::size_t from, std::size_t to) const
{
    if (from >= to)
        return false;
    const std::size_t first = from / kBlock;
    const std::size_t last = (to - 1) / kBlock;
    for (std::size_t w = first; w <= last; ++w) {
        std::uint64_t bits = stars_[w];
        if (w == first)
            bits &= ~std::uint64_t{0} << (from % kBlock);
        if (w == last && to % kBlock != 0)
            bits &= ~(~std::uint64_t{0} << (to % kBlock));
        if (bits != 0)
            return true;
    }
    return false;
}

void ItemReader::consumeEnd(std::size_t at)
{
    const char c = buffer_[at];
    pos_ = at + 1;
    if (c != '\r')
        return;
    if (pos_ < end_) {
        if (buffer_[pos_] == '\n')
            ++pos_;
    } else if (refill() && buffer_[0] == '\n') {
        pos_ = 1;
    }
}

std::size_t ItemReader::skipItems(std::size_t count)
{
    // What has been passed of an item that the buffer did not finish: blanks
    // only (it may still open with a quote), or the start of an unquoted item.
    enum class Pending { None, Blanks, Item } pending = Pending::None;
    bool skipLf = false;  // the last buffer ended in a CR that closed an item
    std::size_t done = 0;
    while (done < count) {
        if (!fill())
            return done + (pending != Pending::None ? 1 : 0);
        if (skipLf) {
            skipLf = false;
            if (buffer_[pos_] == '\n') {
                ++pos_;
                continue;
            }
        }
        if (hasQuote_) {
            // A quoted item may hold commas and line ends: go item by item.
            if (pending == Pending::Item) {
                const std::size_t e = nextEnd(pos_);
                if (e == end_) {
                    pos_ = end_;
                    continue;
                }
                consumeEnd(e);
            } else {
                skip();
            }
            pending = Pending::None;
            ++done;
            continue;
        }

        std::size_t w = pos_ / kBlock;
        std::uint64_t bits = ends_[w] & (~std::uint64_t{0} << (pos_ % kBlock));
        std::size_t lastEnd = end_;  // none yet
        for (;;) {
            if (bits != 0) {
                lastEnd = w * kBlock + kBlock - 1 - static_cast<std::size_t>(std::countl_zero(bits));
                do {
                    if (++done == count) {
                        consumeEnd(w * kBlock + static_cast<std::size_t>(std::countr_zero(bits)));
                        return count;
                    }
                    bits &= bits - 1;
                } while (bits != 0);
            }
            if (++w >= words_)
                break;
            bits = ends_[w];
        }

        // No more ends in this buffer: note what its tail leaves open.
        if (lastEnd != end_)
            pending = Pending::None;
        std::size_t tail = lastEnd != end_ ? lastEnd + 1 : pos_;
        if (lastEnd != end_ && buffer_[lastEnd] == '\r' && tail < end_ && buffer_[tail] == '\n')
            ++tail;  // the LF of a CR LF pair belongs to the end before it
        if (tail < end_) {
            bool blanks = true;
            for (std::size_t i = tail; i < end_ && blanks; ++i)
                blanks = buffer_[i] == ' ';
            if (!blanks)
                pending = Pending::Item;
            else if (pending == Pending::None)
                pending = Pending::Blanks;
        } else if (buffer_[end_ - 1] == '\r') {
            skipLf = true;
        }
        pos_ = end_;
    }
    return done;
}

bool ItemReader::seek(std::uint64_t offset)
{
    if (offset >= base_ && offset <= base_ + end_ && end_ > 0) {
        pos_ = static_cast<std::size_t>(offset - base_);
        return true;
    }
    if (!source_.seek(offset))
        return false;
    base_ = offset;
    pos_ = end_ = words_ = 0;
    exhausted_ = false;
    crPending_ = false;
    return true;
}

}  // namespace kelmor
