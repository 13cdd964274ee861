#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "levelfile/maporder.h"

namespace kelmor {

// What a picture export is asked for (see usageText).
struct ExportOptions {
    std::string out;         // the picture to write
    std::int64_t map = 0;    // --export-png: the map
    int scale = 1;           // --export-png: 1 to 16
    bool grid = false;       // --export-png: the grid over the map
    bool codes = false;      // --export-png: the cell codes over the map
    bool marker = false;     // --export-png: the red marker
    bool force = false;      // replace an existing picture
    int columns = 0;         // --export-sheet: maps side by side (0: as many as suit)
    std::int64_t first = 1;  // --export-sheet: the maps from first to last
    std::int64_t last = 0;   // 0: to the file's last map
    int size = 0;            // --thumbnail: the most pixels wide
};

// What the editor is started on, from its arguments: `kelmor-edit [PATH]`,
// or `kelmor-edit OPTION… [PATH]` for the level file without a window.
struct StartRequest {
    enum class Action {
        Edit,
        Help,
        Version,
        Refuse,
        List,
        Check,
        ExportPng,
        ExportSheet,
        Thumbnail,
        Diff,
        TextConv,
        Merge,
        ChangeOrder
    };
    Action action = Action::Edit;
    std::string folder;     // holds the level file, the tile sheet and the scratch file
    std::string levelName;  // the level file's name in `folder`
    std::string problem;    // for Refuse: what is wrong, in one line
    ExportOptions picture;  // for the exports
    // For Diff: the old level file (the new one is `folder` and `levelName`).
    std::string oldFolder;
    std::string oldLevelName;
    // For Merge: BASE, OURS and THEIRS as given, and the name messages use.
    std::vector<std::string> merged;
    std::string mergeName;
    // For ChangeOrder: --move-map, --insert-map or --delete-map.
    MapOrderChange order;
    // For Edit: "ja" or "en" from --language; empty for the system's choice.
    std::string language;
};

// Where a path the user gave puts the level file, or why it cannot: the
// folder and the name in it, or a refusal with the reason in English.
struct LevelLocation {
    enum class Refusal { None, Missing, NotCnf, FolderUnreadable };
    Refusal refusal = Refusal::None;
    std::string folder;
    std::string levelName;
    std::string problem;
};
// A folder (its "kelmor.cnf"), a level file, or a name ending in .cnf in a
// folder that exists (made by the first save); the folder must be readable.
LevelLocation locateLevel(const std::string& given);

// PATH is a folder (its "kelmor.cnf") or a level file of any name, which may
// not exist yet when its folder does; without PATH, `programFolder`. Checks
// only what can be known before a window opens.
StartRequest parseCommandLine(const std::vector<std::string>& args, const std::string& programFolder);

// The usage and the keys, for --help.
std::string usageText();

}  // namespace kelmor
