#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kelmor {

// Where a key works.
enum class KeyPlace { Map, Anywhere, Overview, Question };

// A key, or keys that belong together, and what they do, in Japanese and
// English. `actions` names the commands (their object names, separated by
// ", ") whose shortcuts the keys are: one command takes every key, several
// take one key each, in order. A row without commands is behaviour that a
// control has by itself (the map's arrows, a question's Y and N).
struct KeyRow {
    const char* actions;
    const char* keys;
    KeyPlace place;
    const char* japanese;
    const char* english;
    // The keys as the Japanese list writes them, where words name them.
    const char* japaneseKeys = nullptr;
};

// Every key of the editor: the one place keys are written. The window's
// commands take their shortcuts from it, and the key list, --help, the
// manual page and the README show it.
std::span<const KeyRow> keyTable();

// A ", "-separated list of a row, split.
std::vector<std::string> splitKeyList(std::string_view list);

// The keys of command `action`, as the table spells them; none when the
// table gives it none.
std::vector<std::string> keysOfAction(std::string_view action);

// The keys section of --help, in English, a row a line.
std::string keysHelpText();

}  // namespace kelmor
