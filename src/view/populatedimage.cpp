#include "view/populatedimage.h"

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace kelmor {

#if defined(__linux__)
namespace {
struct Mapping {
    void* at;
    std::size_t length;
};

void unmap(void* info)
{
    const auto* mapping = static_cast<Mapping*>(info);
    ::munmap(mapping->at, mapping->length);
    delete mapping;
}
}  // namespace

QImage populatedImage(QSize size, QImage::Format format)
{
    if (size.isEmpty())
        return QImage(size, format);
    // The stride QImage gives its own images: rows on 32-bit boundaries.
    const qsizetype depth = QImage::toPixelFormat(format).bitsPerPixel();
    const qsizetype stride = (size.width() * depth + 31) / 32 * 4;
    const std::size_t length = static_cast<std::size_t>(stride) * static_cast<std::size_t>(size.height());
    void* at = ::mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
    if (at == MAP_FAILED)
        return QImage(size, format);
    // A format of no depth never gets here: its length is 0, which mmap refuses.
    return QImage(static_cast<uchar*>(at), size.width(), size.height(), stride, format, unmap, new Mapping{at, length});
}
#else
QImage populatedImage(QSize size, QImage::Format format)
{
    return QImage(size, format);
}
#endif

}  // namespace kelmor
