#include "view/tilesheet.h"

#include <QFileInfo>
#include <QImageReader>

namespace kelmor {

TileSheet::Status TileSheet::load(const QString& path)
{
    image_ = QImage();
    if (!QFileInfo(path).isFile())
        return Status::Missing;
    QImageReader reader(path, "bmp");
    reader.setDecideFormatFromContent(true);
    QImage loaded = reader.read();
    if (loaded.isNull())
        return Status::Unreadable;
    setImage(loaded);
    return Status::Loaded;
}

void TileSheet::setImage(const QImage& image)
{
    image_ = image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace kelmor
