#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "levelfile/bytesource.h"

namespace kelmor {

struct ItemInfo {
    bool hasStar = false;     // the item holds a "*": it heads a map
    std::uint64_t size = 0;   // bytes in the item
};

// Reads the level file as items: an item ends at a comma, a line end (CR LF,
// LF or a lone CR) or the end of the file, and the comma or line end goes with
// it; blanks in front are skipped; an item that opens with a double quote runs
// to the closing quote, commas and line ends included, without the quotes, and
// whatever follows the closing quote up to the next comma or line end is
// dropped. An empty line is one empty item.
//
// It streams through a fixed buffer, so memory does not grow with the file;
// an item's bytes are handed out in pieces, and skipping an item keeps none.
class ItemReader {
public:
    explicit ItemReader(ByteSource& source, std::size_t bufferSize = 64 * 1024);

    // True exactly when no byte is left.
    bool atEnd() { return !fill(); }

    // Reads one item and passes its bytes, in one or more pieces, to
    // `sink(std::string_view)`.
    template <class Sink>
    ItemInfo read(Sink&& sink);

    ItemInfo skip() { return read([](std::string_view) {}); }

    // Reads one item into `out`, replacing what it held.
    ItemInfo readInto(std::string& out)
    {
        out.clear();
        return read([&out](std::string_view part) { out.append(part); });
    }

    int error() const { return source_.error(); }

private:
    bool fill()
    {
        if (pos_ < end_)
            return true;
        return refill();
    }
    bool refill();
    void consumeLineEndOrComma();

    ByteSource& source_;
    std::unique_ptr<char[]> buffer_;
    std::size_t capacity_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    bool exhausted_ = false;  // the source said "end": it is not asked again
};

template <class Sink>
ItemInfo ItemReader::read(Sink&& sink)
{
    ItemInfo info;
    auto deliver = [&](const char* from, std::size_t n) {
        if (n == 0)
            return;
        if (!info.hasStar && std::memchr(from, '*', n) != nullptr)
            info.hasStar = true;
        info.size += n;
        sink(std::string_view(from, n));
    };

    while (fill() && buffer_[pos_] == ' ')
        ++pos_;
    if (!fill())
        return info;

    if (buffer_[pos_] == '"') {
        ++pos_;
        while (fill()) {
            const char* from = buffer_.get() + pos_;
            const auto* quote = static_cast<const char*>(std::memchr(from, '"', end_ - pos_));
            if (quote != nullptr) {
                deliver(from, static_cast<std::size_t>(quote - from));
                pos_ = static_cast<std::size_t>(quote - buffer_.get()) + 1;
                // The rest of the field after the closing quote is not part of the item.
                while (fill()) {
                    const char c = buffer_[pos_];
                    if (c == ',' || c == '\r' || c == '\n') {
                        consumeLineEndOrComma();
                        break;
                    }
                    ++pos_;
                }
                return info;
            }
            deliver(from, end_ - pos_);
            pos_ = end_;
        }
        return info;
    }

    while (fill()) {
        const char* from = buffer_.get() + pos_;
        const char* stop = buffer_.get() + end_;
        const char* p = from;
        while (p != stop && *p != ',' && *p != '\r' && *p != '\n')
            ++p;
        deliver(from, static_cast<std::size_t>(p - from));
        pos_ = static_cast<std::size_t>(p - buffer_.get());
        if (p != stop) {
            consumeLineEndOrComma();
            return info;
        }
    }
    return info;
}

}  // namespace kelmor
