#include "levelfile/itemreader.h"

namespace kelmor {

ItemReader::ItemReader(ByteSource& source, std::size_t bufferSize)
    : source_(source), buffer_(new char[bufferSize == 0 ? 1 : bufferSize]),
      capacity_(bufferSize == 0 ? 1 : bufferSize)
{
}

bool ItemReader::refill()
{
    pos_ = 0;
    end_ = exhausted_ ? 0 : source_.read(buffer_.get(), capacity_);
    exhausted_ = end_ == 0;
    return end_ > 0;
}

void ItemReader::consumeLineEndOrComma()
{
    const char c = buffer_[pos_++];
    if (c == '\r' && fill() && buffer_[pos_] == '\n')
        ++pos_;
}

}  // namespace kelmor
