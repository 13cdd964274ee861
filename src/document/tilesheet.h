#pragma once

#include <QImage>
#include <QString>

namespace kelmor {

// The bitmap that the map's graphics are copied from, addressed in 8 x 8 cells,
// 28 to a row; a tile number's graphic is the 16 x 16 block at its cell.
class TileSheet {
public:
    enum class Status { Loaded, Missing, Unreadable };

    // Decodes a tile sheet file's bytes, read by the caller: the file's name
    // stays bytes all the way to the system, whatever its encoding.
    Status decode(const QByteArray& bytes);
    // The pixels of a bitmap of 24 or 32 bits a pixel without compression
    // and with the plain header, as sheets are drawn and saved, read without
    // Qt's image reader; null for any other bytes, which decode gives to it.
    static QImage readPlainBitmap(const QByteArray& bytes);
    void setImage(const QImage& image);
    void clear() { image_ = QImage(); }

    bool isLoaded() const { return !image_.isNull(); }
    // Always in QImage::Format_RGB32 when loaded.
    const QImage& image() const { return image_; }

    static QPoint blockOrigin(int tileNumber) { return {(tileNumber % 28) * 8, (tileNumber / 28) * 8}; }

private:
    QImage image_;
};

}  // namespace kelmor
