#pragma once

#include <QImage>

namespace kelmor {

// A blank image of `size` whose memory the system maps with every page in
// place, in one call. An image that is drawn whole as soon as it is made (the
// map view's 600 KB) otherwise takes a page fault for each 4 KB it first
// touches, which on virtual machines costs about twice as much. Where the
// mapping cannot be made, an ordinary image. Its contents are undefined, as
// a new QImage's are.
QImage populatedImage(QSize size, QImage::Format format);

}  // namespace kelmor
