// The navigation, save and create buttons, closing, and the unsaved-changes rule.
#include <algorithm>

#include "app/asker.h"
#include "app/form1.h"
#include "app/mapnumbertext.h"
#include "app/messages.h"

namespace kelmor {

bool Form1::saveIfEdited()
{
    if (!document_.marked())
        return true;
    return savemap() != SaveOutcome::Failed;
}

void Form1::reportOverflow()
{
    asker_.notify(overflowText());
}

void Form1::Command1_Click()
{
    savemap();
}

void Form1::Command7_Click()
{
    if (!saveIfEdited())
        return;
    subMapload(1);
}

void Form1::Command4_Click()
{
    if (!saveIfEdited())
        return;
    subMapload(std::max<MapNumber>(document_.mapNo() - 1, 1));
}

void Form1::Command2_Click()
{
    if (!saveIfEdited())
        return;
    if (document_.mapNo() >= kLastMapNo) {
        reportOverflow();
        return;
    }
    subMapload(document_.mapNo() + 1);
}

void Form1::Command6_Click()
{
    if (!saveIfEdited())
        return;
    // Counted and loaded in one pass: the last map is read as the count ends.
    const MapLoad last = document_.readLastMap();
    if (last.failure.failed() && !last.failure.missing()) {
        reportCountFailure(last.failure, tr("最後のマップを開けません"));
        return;
    }
    if (last.map.mapNo > kLastMapNo) {
        reportOverflow();
        return;
    }
    showLoaded(last);
}

std::optional<MapNumber> Form1::askNewMapNumber(const QString& stopped)
{
    if (!saveIfEdited())
        return std::nullopt;
    const MapCount counted = document_.countHeaders();
    if (counted.failure.failed()) {
        // Without the count the new map's number would be a guess.
        reportCountFailure(counted.failure, stopped);
        return std::nullopt;
    }
    const std::int64_t next = counted.count + 1;
    if (next > kLastMapNo) {
        reportOverflow();
        return std::nullopt;
    }
    if (!asker_.askYesNo(tr("map No %1を新規に作成しますか?").arg(next)))
        return std::nullopt;
    return next;
}

void Form1::Command5_Click()
{
    if (const std::optional<MapNumber> next = askNewMapNumber(tr("マップを作成できません")))
        document_.create(*next);
}

void Form1::goToMap()
{
    const std::optional<QString> typed = asker_.askText(tr("移動するマップの番号を入力してください。"));
    if (!typed)
        return;
    const std::optional<std::int64_t> count = fncMapmax();
    if (!count)
        return;
    const MapNumber last = std::min<MapNumber>(*count, kLastMapNo);
    if (const QString refusal = goToRefusalText(*typed, last, levelName()); !refusal.isEmpty()) {
        asker_.notify(refusal);
        return;
    }
    if (!saveIfEdited())
        return;
    subMapload(*parseMapNumber(*typed));
}

bool Form1::Form_Unload()
{
    return saveIfEdited();
}

}  // namespace kelmor
