#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "fs/bytesource.h"
#include "levelfile/classify.h"

namespace kelmor {

struct ItemInfo {
    bool hasStar = false;    // the item holds a "*": it heads a map
    std::uint64_t size = 0;  // bytes in the item
};

// Reads the level file as items: an item ends at a comma, a line end (CR LF,
// LF or a lone CR) or the end of the file, and the comma or line end goes with
// it; blanks in front are skipped; an item that opens with a double quote runs
// to the closing quote, commas and line ends included, without the quotes, and
// whatever follows the closing quote up to the next comma or line end is
// dropped. An empty line is one empty item.
//
// It streams through a fixed buffer, so memory does not grow with the file.
// Each buffer is classified once, when first asked about, into bit masks of
// item ends and stars, so an item costs a few bit operations whatever its
// length, and runs of items can be passed over by counting bits. A caller
// that recognises what it wants in the bytes themselves (see ahead()) spares
// the buffer its classification.
class ItemReader {
public:
    explicit ItemReader(ByteSource& source, std::size_t bufferSize = 64 * 1024);

    // True exactly when no byte is left.
    bool atEnd() { return !fill(); }

    // Reads one item and passes its bytes, in one or more pieces, to
    // `sink(std::string_view)`.
    template <class Sink>
    ItemInfo read(Sink&& sink);

    ItemInfo skip()
    {
        return read([](std::string_view) {});
    }

    // Whether the next item opens with a double quote (after its leading
    // blanks, which no item keeps): only such an item can hold a comma or a
    // line end, or begin with a blank.
    bool nextIsQuoted()
    {
        while (fill()) {
            if (buffer_[pos_] != ' ')
                return buffer_[pos_] == '"';
            ++pos_;
        }
        return false;
    }

    // Reads one item into `out`, replacing what it held.
    ItemInfo readInto(std::string& out)
    {
        out.clear();
        return read([&out](std::string_view part) { out.append(part); });
    }

    // Hands over, as one piece, the longest run of whole items from here on
    // that are already written the way the editor writes them (one item a
    // line, CR LF, no leading blank or quote), so that rewriting them one by
    // one would give the same bytes; with `stopAtStar`, the run ends before
    // the first item that holds a "*". Returns false when the next item is
    // not such an item, or nothing is left.
    template <class Sink>
    bool copyPlainLines(Sink&& sink, bool stopAtStar);

    // Passes over up to `count` items without looking at them; returns how
    // many there were before the end.
    std::size_t skipItems(std::size_t count);

    // The bytes from the next item on as they stand, at least `wanted` of
    // them when the buffer and the file have that many (the part not yet
    // read is moved to the front of the buffer to make room); valid until
    // the next read. Empty at the end.
    std::string_view ahead(std::size_t wanted);
    // Goes past `count` of the bytes ahead() handed over, which must end
    // where an item ends.
    void advance(std::size_t count) { pos_ += count; }

    // Where the next item starts, counted in bytes from the start of the file,
    // and going back there, when the source allows it.
    std::uint64_t offset() const { return base_ + pos_; }
    // Whether a "*" may stand between two offsets read past: exact while both
    // lie in the buffer at hand, true (not known) otherwise.
    bool mayHoldStar(std::uint64_t from, std::uint64_t to) const
    {
        if (from < base_ || to > base_ + end_)
            return true;
        return starIn(static_cast<std::size_t>(from - base_), static_cast<std::size_t>(to - base_));
    }
    // The bytes between two offsets read past, while both lie in the buffer
    // at hand (valid until the next read); empty otherwise.
    std::string_view bytesBetween(std::uint64_t from, std::uint64_t to) const
    {
        if (from < base_ || to > base_ + end_ || from > to)
            return {};
        return {buffer_.get() + (from - base_), static_cast<std::size_t>(to - from)};
    }
    bool seekable() const { return source_.seekable(); }
    bool seek(std::uint64_t offset);

private:
    bool fill()
    {
        if (pos_ < end_)
            return true;
        return refill();
    }
    bool refill();
    // Makes the masks of the buffer at hand, once.
    void classify() const
    {
        if (!classified_)
            classifyNow();
    }
    void classifyNow() const;
    // The first set bit of `mask` at or after `from`, or end_ when none.
    std::size_t nextBit(const std::uint64_t* mask, std::size_t from) const;
    // The first item end at or after `from`, or end_ when the buffer has none.
    std::size_t nextEnd(std::size_t from) const { return nextBit(ends_.get(), from); }
    bool starIn(std::size_t from, std::size_t to) const;
    // The first star at or after `from`, or end_.
    std::size_t nextStar(std::size_t from) const { return nextBit(stars_.get(), from); }
    // Consumes the comma or line end at `at`, a CR LF pair as one.
    void consumeEnd(std::size_t at);
    template <class Sink>
    ItemInfo readQuoted(Sink&& sink);

    // What skipItems carries from one buffer to the next: how much of an item
    // the last buffer left unfinished (blanks only, so it may still open with
    // a quote, or the start of an unquoted item), and whether it ended in a CR
    // that closed an item, whose LF the next buffer may start with.
    enum class Pending { None, Blanks, Item };
    struct SkipCarry {
        Pending pending = Pending::None;
        bool skipLf = false;
    };
    // With a quote in the buffer an item may hold commas and line ends, so
    // items go one at a time. False when the buffer ended inside the item.
    bool skipOneItemOrBuffer(SkipCarry& carry);
    // Counts item ends in the buffer from here on into `done`. When `done`
    // reaches `count`, consumes that end; returns the buffer's last end seen,
    // or end_ when it has none.
    std::size_t countEnds(std::size_t count, std::size_t& done);
    // What the buffer's tail after `lastEnd` leaves open for the next buffer.
    SkipCarry carryAcross(std::size_t lastEnd, SkipCarry carry) const;

    ByteSource& source_;
    std::size_t capacity_;
    std::unique_ptr<char[]> buffer_;
    // The buffer's classification, made when first needed.
    std::unique_ptr<std::uint64_t[]> ends_;   // bit i: byte i ends an item
    std::unique_ptr<std::uint64_t[]> stars_;  // bit i: byte i is a "*"
    mutable std::size_t words_ = 0;           // mask words in use
    mutable bool hasQuote_ = false;           // the buffer holds a '"'
    mutable bool classified_ = false;
    bool crBefore_ = false;  // the file's byte before buffer_[0] is a CR
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    std::uint64_t base_ = 0;  // file offset of buffer_[0]
    bool exhausted_ = false;  // the source said "end": it is not asked again
};

template <class Sink>
ItemInfo ItemReader::read(Sink&& sink)
{
    ItemInfo info;
    for (;;) {
        if (!fill())
            return info;
        if (buffer_[pos_] != ' ')
            break;
        ++pos_;
    }
    if (buffer_[pos_] == '"')
        return readQuoted(sink);

    for (;;) {
        const std::size_t stop = nextEnd(pos_);
        if (stop > pos_) {
            if (!info.hasStar && starIn(pos_, stop))
                info.hasStar = true;
            info.size += stop - pos_;
            sink(std::string_view(buffer_.get() + pos_, stop - pos_));
        }
        if (stop < end_) {
            consumeEnd(stop);
            return info;
        }
        pos_ = end_;
        if (!fill())
            return info;
    }
}

template <class Sink>
bool ItemReader::copyPlainLines(Sink&& sink, bool stopAtStar)
{
    if (!fill())
        return false;
    const std::size_t start = pos_;
    const std::size_t star = stopAtStar ? nextStar(pos_) : end_;
    std::size_t at = pos_;
    while (at < end_ && buffer_[at] != ' ' && buffer_[at] != '"') {
        const std::size_t e = nextEnd(at);
        if (e + 1 >= end_ || buffer_[e] != '\r' || buffer_[e + 1] != '\n' || star < e)
            break;
        at = e + 2;
    }
    if (at == start)
        return false;
    sink(std::string_view(buffer_.get() + start, at - start));
    pos_ = at;
    return true;
}

template <class Sink>
ItemInfo ItemReader::readQuoted(Sink&& sink)
{
    ItemInfo info;
    ++pos_;
    while (fill()) {
        const char* from = buffer_.get() + pos_;
        const auto* quote = static_cast<const char*>(std::memchr(from, '"', end_ - pos_));
        const std::size_t stop = quote ? static_cast<std::size_t>(quote - buffer_.get()) : end_;
        if (stop > pos_) {
            if (!info.hasStar && starIn(pos_, stop))
                info.hasStar = true;
            info.size += stop - pos_;
            sink(std::string_view(from, stop - pos_));
        }
        if (quote == nullptr) {
            pos_ = end_;
            continue;
        }
        // The rest of the field after the closing quote is not part of the item.
        pos_ = stop + 1;
        while (fill()) {
            const std::size_t e = nextEnd(pos_);
            if (e < end_) {
                consumeEnd(e);
                return info;
            }
            pos_ = end_;
        }
        return info;
    }
    return info;
}

}  // namespace kelmor
