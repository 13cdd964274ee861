#pragma once

#include <QCoreApplication>
#include <cstdint>
#include <functional>
#include <optional>

#include "levelfile/levelfile.h"
#include "model/mapnumber.h"

namespace kelmor {

class Asker;
class MapDocument;

// Going from map to map as the navigation buttons and マップへ移動 do, and
// creating or duplicating a map under a new number, each after the
// unsaved-changes check; and putting a map read from the level file on
// screen, telling what went wrong.
class MapNavigation {
    Q_DECLARE_TR_FUNCTIONS(MapNavigation)

public:
    struct Hooks {
        // The unsaved-changes check: false when the action must stop.
        std::function<bool()> saveIfEdited;
        // The map commands, off while a map loads.
        std::function<void(bool)> setCommandsEnabled;
        // The map on screen is now what the file holds.
        std::function<void()> loaded;
    };

    MapNavigation(MapDocument& document, Asker& asker, Hooks hooks);

    void load(MapNumber wanted);
    void show(const MapLoad& result);
    void first();
    void previous();
    void next();
    // Counted and loaded in one pass: the last map is read as the count ends.
    void last();
    // Asks for a map's number and goes there.
    void goTo();
    // The maps the file holds; nothing when it could not be counted (told).
    std::optional<std::int64_t> countMaps();
    // A blank map, or a copy of the one on screen, as the map after the last.
    void create();
    void duplicate();
    // The number after the last map, asked for, after the unsaved-changes
    // check; nothing when not to go on. `stopped` says what cannot go on
    // when the file cannot be counted ("マップを作成できません").
    std::optional<MapNumber> askNewMapNumber(const QString& stopped);
    // No map past the last map number.
    void tellOverflow();
    // Puts back the edits let go of that `id` names (see LetGoEdits) after the
    // unsaved-changes check: on their map, loaded first, or as a new map
    // when the file no longer has that number.
    void putBack(std::uint64_t id);

private:
    void tellCountFailure(const FileFailure& failure, const QString& stopped);

    MapDocument& document_;
    Asker& asker_;
    Hooks hooks_;
};

}  // namespace kelmor
