// Loading a map from the level file, counting maps, and the full redraw.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cerrno>

#include "app/asker.h"
#include "app/form1.h"
#include "levelfile/fileops.h"
#include "levelfile/itemreader.h"
#include "levelfile/mapcount.h"
#include "levelfile/mapload.h"
#include "view/mapview.h"

namespace kelmor {

void Form1::subMapload()
{
    setCommandsEnabled(false);

    LoadedMap loaded;
    int error = 0;
    std::unique_ptr<ByteSource> source = fileOps_.openRead(levelPath(), error);
    if (!source) {
        if (error == ENOENT)
            asker_.notify(QStringLiteral("kelmor.cnf が見つかりません。\n"
                                         "マップを保存すると、このフォルダーに新しく作られます。"));
        else
            asker_.notify(QStringLiteral("kelmor.cnf を読み込めません。\n%1").arg(reasonOf(error)));
    } else {
        ItemReader reader(*source);
        loaded = loadMap(reader, mapNo);
        if (source->error() != 0)
            asker_.notify(QStringLiteral("kelmor.cnf を最後まで読み込めませんでした。\n%1")
                              .arg(reasonOf(source->error())));
    }

    mapNo = static_cast<std::int16_t>(loaded.mapNo);
    if (loaded.found) {
        Text1->setText(headerCodec_.decode(loaded.header));
        for (int r = 0; r < kMapRows; ++r)
            mapLine[static_cast<std::size_t>(r)] = std::move(loaded.rows[static_cast<std::size_t>(r)]);
    }
    Label1->setText(QStringLiteral("map No %1").arg(mapNo));
    subDraw();
    setCommandsEnabled(true);

    if (loaded.found && loaded.rowsRead < kMapRows)
        asker_.notify(QStringLiteral("map No %1 は途中で切れています。\n"
                                     "kelmor.cnf にはこのマップの %2 行のうち %3 行しかありません。"
                                     "無い行は空白で表示しています。")
                          .arg(mapNo)
                          .arg(kMapRows)
                          .arg(loaded.rowsRead));
}

void Form1::subDraw()
{
    Picture2->mapImage().drawMap(mapLine, parts, tileSheet);
    Picture2->imageChanged(Picture2->rect());
}

std::int64_t Form1::fncMapmax()
{
    int error = 0;
    std::unique_ptr<ByteSource> source = fileOps_.openRead(levelPath(), error);
    if (!source)
        return 0;  // the load that follows tells the user why
    ItemReader reader(*source);
    return countMapsSkippingRows(reader);
}

}  // namespace kelmor
