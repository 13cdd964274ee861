#include "app/mapnavigation.h"

#include <algorithm>
#include <utility>

#include "app/asker.h"
#include "app/mapnumbertext.h"
#include "app/messages.h"
#include "document/mapdocument.h"

namespace kelmor {

MapNavigation::MapNavigation(MapDocument& document, Asker& asker, Hooks hooks)
    : document_(document),
      asker_(asker),
      hooks_(std::move(hooks))
{}

void MapNavigation::load(MapNumber wanted)
{
    show(document_.readMap(wanted));
}

void MapNavigation::show(const MapLoad& result)
{
    hooks_.setCommandsEnabled(false);
    document_.loaded(result);
    hooks_.loaded();
    if (result.failure.failed())
        asker_.notify(loadFailureText(result.failure));
    hooks_.setCommandsEnabled(true);

    if (document_.cutOff())
        asker_.notify(cutOffText(result.map, document_.levelName()));
    if (document_.unsavable())
        asker_.notify(damageText(result.map, document_.levelName()));
}

void MapNavigation::first()
{
    if (hooks_.saveIfEdited())
        load(1);
}

void MapNavigation::previous()
{
    if (hooks_.saveIfEdited())
        load(std::max<MapNumber>(document_.mapNo() - 1, 1));
}

void MapNavigation::next()
{
    if (!hooks_.saveIfEdited())
        return;
    if (document_.mapNo() >= kLastMapNo) {
        tellOverflow();
        return;
    }
    load(document_.mapNo() + 1);
}

void MapNavigation::last()
{
    if (!hooks_.saveIfEdited())
        return;
    const MapLoad last = document_.readLastMap();
    if (last.failure.failed() && !last.failure.missing()) {
        tellCountFailure(last.failure, tr("最後のマップを開けません"));
        return;
    }
    if (last.map.mapNo > kLastMapNo) {
        tellOverflow();
        return;
    }
    show(last);
}

void MapNavigation::goTo()
{
    const std::optional<QString> typed = asker_.askText(tr("移動するマップの番号を入力してください。"));
    if (!typed)
        return;
    const std::optional<std::int64_t> count = countMaps();
    if (!count)
        return;
    const MapNumber last = std::min<MapNumber>(*count, kLastMapNo);
    if (const QString refusal = goToRefusalText(*typed, last, document_.levelName()); !refusal.isEmpty()) {
        asker_.notify(refusal);
        return;
    }
    if (hooks_.saveIfEdited())
        load(*parseMapNumber(*typed));
}

std::optional<std::int64_t> MapNavigation::countMaps()
{
    const MapCount counted = document_.countMaps();
    if (counted.failure.failed()) {
        tellCountFailure(counted.failure, tr("最後のマップを開けません"));
        return std::nullopt;
    }
    return counted.count;
}

void MapNavigation::create()
{
    if (const std::optional<MapNumber> next = askNewMapNumber(tr("マップを作成できません")))
        document_.create(*next);
}

void MapNavigation::duplicate()
{
    // Its rows hold another map's header or a cut line: a copy would be as
    // damaged, and saving it would break the file as saving it would.
    if (document_.unsavable()) {
        asker_.notify(damagedNotDuplicatedText(document_.mapNo(), document_.levelName()));
        return;
    }
    if (const std::optional<MapNumber> next = askNewMapNumber(tr("マップを複製できません")))
        document_.duplicate(*next);
}

std::optional<MapNumber> MapNavigation::askNewMapNumber(const QString& stopped)
{
    if (!hooks_.saveIfEdited())
        return std::nullopt;
    const MapCount counted = document_.countHeaders();
    if (counted.failure.failed()) {
        // Without the count the new map's number would be a guess.
        tellCountFailure(counted.failure, stopped);
        return std::nullopt;
    }
    const std::int64_t next = counted.count + 1;
    if (next > kLastMapNo) {
        tellOverflow();
        return std::nullopt;
    }
    if (!asker_.askYesNo(tr("map No %1を新規に作成しますか?").arg(next)))
        return std::nullopt;
    return next;
}

void MapNavigation::putBack(std::uint64_t id)
{
    if (!hooks_.saveIfEdited())
        return;
    const std::optional<std::int64_t> count = countMaps();
    if (!count)
        return;
    std::optional<LetGoEdit> taken = document_.letGo().take(id);
    if (!taken)
        return;
    Recovery& edits = taken->edits;
    if (!edits.created && edits.mapNo <= *count) {
        load(edits.mapNo);
    } else if (*count + 1 > kLastMapNo) {
        document_.letGo().keep(edits, taken->when);
        tellOverflow();
        return;
    } else {
        edits.created = true;
        edits.mapNo = *count + 1;
    }
    document_.putBack(edits);
}

void MapNavigation::tellOverflow()
{
    asker_.notify(overflowText());
}

void MapNavigation::tellCountFailure(const FileFailure& failure, const QString& stopped)
{
    asker_.notify(countFailureText(failure, stopped));
}

}  // namespace kelmor
