#include "levelfile/itemreader.h"

#include <algorithm>
#include <bit>

namespace kelmor {

namespace {
constexpr std::size_t kBlock = kClassifyBlock;
const Classifier classifyBlocks = bestClassifier();
}  // namespace

ItemReader::ItemReader(ByteSource& source, std::size_t bufferSize)
    : source_(source),
      capacity_(bufferSize == 0 ? 1 : bufferSize),
      // Room for whole blocks past the end, so classification never reads
      // outside the buffer; it zeroes the part past the bytes read itself.
      // Nothing is zeroed here: a small file then touches only the pages it
      // fills, and a page first touched is dear on some virtual machines.
      buffer_(new char[(capacity_ + kBlock - 1) / kBlock * kBlock]),
      ends_(new std::uint64_t[(capacity_ + kBlock - 1) / kBlock]),
      stars_(new std::uint64_t[(capacity_ + kBlock - 1) / kBlock])
{}

bool ItemReader::refill()
{
    if (end_ > 0)
        crBefore_ = buffer_[end_ - 1] == '\r';
    base_ += end_;
    pos_ = 0;
    end_ = exhausted_ ? 0 : source_.read(buffer_.get(), capacity_);
    exhausted_ = end_ == 0;
    classified_ = false;
    return end_ > 0;
}

std::string_view ItemReader::ahead(std::size_t wanted)
{
    if (!fill())
        return {};
    if (end_ - pos_ < wanted && end_ - pos_ < capacity_ && !exhausted_) {
        // The part not yet read goes to the front, and the rest is filled.
        if (pos_ > 0) {
            crBefore_ = buffer_[pos_ - 1] == '\r';
            std::memmove(buffer_.get(), buffer_.get() + pos_, end_ - pos_);
            base_ += pos_;
            end_ -= pos_;
            pos_ = 0;
        }
        while (end_ < wanted && end_ < capacity_) {
            const std::size_t got = source_.read(buffer_.get() + end_, capacity_ - end_);
            if (got == 0) {
                exhausted_ = true;
                break;
            }
            end_ += got;
        }
        classified_ = false;
    }
    return {buffer_.get() + pos_, end_ - pos_};
}

void ItemReader::classifyNow() const
{
    words_ = (end_ + kBlock - 1) / kBlock;
    std::memset(buffer_.get() + end_, 0, words_ * kBlock - end_);
    std::uint64_t previousCr = crBefore_ ? 1 : 0;
    hasQuote_ = end_ > 0 && classifyBlocks(buffer_.get(), words_, ends_.get(), stars_.get(), previousCr);
    classified_ = true;
}

std::size_t ItemReader::nextBit(const std::uint64_t* mask, std::size_t from) const
{
    classify();
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
    classify();
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

bool ItemReader::skipOneItemOrBuffer(SkipCarry& carry)
{
    if (carry.pending == Pending::Item) {
        const std::size_t e = nextEnd(pos_);
        if (e == end_) {
            pos_ = end_;
            return false;
        }
        consumeEnd(e);
    } else {
        skip();
    }
    carry.pending = Pending::None;
    return true;
}

// Inlined: skipItems runs once a map, and a call of its own per map costs
// a few percent of counting a large file.
[[gnu::always_inline]] inline std::size_t ItemReader::countEnds(std::size_t count, std::size_t& done)
{
    std::size_t w = pos_ / kBlock;
    std::uint64_t bits = ends_[w] & (~std::uint64_t{0} << (pos_ % kBlock));
    std::size_t lastEnd = end_;
    for (;;) {
        if (bits != 0) {
            lastEnd = w * kBlock + kBlock - 1 - static_cast<std::size_t>(std::countl_zero(bits));
            // Bit by bit rather than std::popcount: without a POPCNT target
            // that is a library call, and a word holds only a few ends.
            do {
                if (++done == count) {
                    consumeEnd(w * kBlock + static_cast<std::size_t>(std::countr_zero(bits)));
                    return lastEnd;
                }
                bits &= bits - 1;
            } while (bits != 0);
        }
        if (++w >= words_)
            return lastEnd;
        bits = ends_[w];
    }
}

ItemReader::SkipCarry ItemReader::carryAcross(std::size_t lastEnd, SkipCarry carry) const
{
    const bool ended = lastEnd != end_;
    if (ended)
        carry.pending = Pending::None;
    std::size_t tail = ended ? lastEnd + 1 : pos_;
    if (ended && buffer_[lastEnd] == '\r' && tail < end_ && buffer_[tail] == '\n')
        ++tail;  // the LF of a CR LF pair belongs to the end before it
    if (tail < end_) {
        const bool blanks = std::all_of(buffer_.get() + tail, buffer_.get() + end_, [](char c) { return c == ' '; });
        if (!blanks)
            carry.pending = Pending::Item;
        else if (carry.pending == Pending::None)
            carry.pending = Pending::Blanks;
    } else if (buffer_[end_ - 1] == '\r') {
        carry.skipLf = true;
    }
    return carry;
}

std::size_t ItemReader::skipItems(std::size_t count)
{
    SkipCarry carry;
    std::size_t done = 0;
    while (done < count) {
        if (!fill())
            return done + (carry.pending != Pending::None ? 1 : 0);
        if (carry.skipLf) {
            carry.skipLf = false;
            if (buffer_[pos_] == '\n') {
                ++pos_;
                continue;
            }
        }
        classify();
        if (hasQuote_) {
            if (skipOneItemOrBuffer(carry))
                ++done;
            continue;
        }
        const std::size_t lastEnd = countEnds(count, done);
        if (done == count)
            return count;
        carry = carryAcross(lastEnd, carry);
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
    classified_ = false;
    crBefore_ = false;
    return true;
}

}  // namespace kelmor
