// Loading a map from the level file, counting maps, and the full redraw.
#include <QLabel>
#include <QLineEdit>

#include "app/asker.h"
#include "app/form1.h"
#include "app/reason.h"
#include "view/mapview.h"

namespace kelmor {

void Form1::subMapload(MapNumber wanted)
{
    showLoaded(document_.levelFile().load(wanted));
}

void Form1::showLoaded(const MapLoad& result)
{
    setCommandsEnabled(false);
    document_.loaded(result);
    reportLoadFailure(result.failure);
    setCommandsEnabled(true);

    const LoadedMap& loaded = result.map;
    if (document_.cutOff())
        asker_.notify(QStringLiteral("map No %1 は途中で切れています。\n"
                                     "%2 にはこのマップの %3 行のうち %4 行しかありません。"
                                     "無い行は空白で表示しています。")
                          .arg(QString::number(loaded.mapNo), levelName(), QString::number(kMapRows),
                               QString::number(loaded.rowsRead)));
    if (document_.unsavable())
        reportDamage(loaded);
}

void Form1::reportLoadFailure(const FileFailure& failure)
{
    const QString file = QString::fromStdString(failure.file);
    if (failure.missing())
        asker_.notify(QStringLiteral("%1 が見つかりません。\n"
                                     "マップを保存すると、このフォルダーに新しく作られます。")
                          .arg(file));
    else if (failure.step == FileStep::NotRegular)
        asker_.notify(QStringLiteral("%1 は普通のファイルではないため（フォルダー、パイプ、デバイスなど）、"
                                     "開けません。").arg(file));
    else if (failure.step == FileStep::Open)
        asker_.notify(QStringLiteral("%1 を読み込めません。\n%2").arg(file, reasonOf(failure.error)));
    else if (failure.failed())
        asker_.notify(QStringLiteral("%1 を最後まで読み込めませんでした。\n%2").arg(file, reasonOf(failure.error)));
}

void Form1::reportDamage(const LoadedMap& loaded)
{
    QString what;
    if (loaded.headerTooLong)
        what = QStringLiteral("ヘッダーが %1 バイトより長く、表示できません。").arg(kMaxHeaderBytes);
    else if (loaded.rowTooLong)
        what = QStringLiteral("%1 バイトより長い行があり、その先は表示していません。").arg(kMaxRowBytes);
    else
        what = QStringLiteral("%1 行目に「*」を含む行（別のマップのヘッダー）があります。"
                              "このマップの行が足りず、次のマップが行として読まれています。")
                   .arg(loaded.headerInRow + 1);
    asker_.notify(QStringLiteral("map No %1 は %2 の中で壊れています。\n").arg(QString::number(loaded.mapNo), levelName()) +
                  what + QStringLiteral("\n保存すると別のマップや行を壊すため、このマップは保存できません。"));
}

void Form1::subDraw()
{
    Picture2->showMap(document_.rows(), parts_, tileSheet_);
    describeCursor();
}

void Form1::showMapNo(MapNumber number)
{
    // Having no accessible name of its own, the label tells a screen reader
    // of its new text itself.
    Label1->setText(QStringLiteral("map No %1").arg(number));
}

std::optional<std::int64_t> Form1::fncMapmax()
{
    const MapCount counted = document_.levelFile().countMaps();
    if (counted.failure.failed()) {
        reportCountFailure(counted.failure, QStringLiteral("最後のマップを開けません"));
        return std::nullopt;
    }
    return counted.count;
}

void Form1::reportCountFailure(const FileFailure& failure, const QString& stopped)
{
    const QString file = QString::fromStdString(failure.file);
    if (failure.step == FileStep::NotRegular) {
        asker_.notify(QStringLiteral("%1 は普通のファイルではないため、%2。").arg(file, stopped));
        return;
    }
    const QString how = failure.step == FileStep::Open ? QStringLiteral("読み込めない")
                                                       : QStringLiteral("最後まで読み込めない");
    asker_.notify(QStringLiteral("%1 を%2ため、%3。\n%4").arg(file, how, stopped, reasonOf(failure.error)));
}

}  // namespace kelmor
