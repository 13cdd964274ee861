#pragma once

#include <string>
#include <vector>

namespace kelmor {

// What the editor is started on, from its arguments: `kelmor-edit [PATH]`,
// or `kelmor-edit --list|--check [PATH]` for the level file without a window.
struct StartRequest {
    enum class Action { Edit, Help, Version, Refuse, List, Check };
    Action action = Action::Edit;
    std::string folder;     // holds the level file, the tile sheet and the scratch file
    std::string levelName;  // the level file's name in `folder`
    std::string problem;    // for Refuse: what is wrong, in one line
};

// PATH is a folder (its "kelmor.cnf") or a level file of any name, which may
// not exist yet when its folder does; without PATH, `programFolder`. Checks
// only what can be known before a window opens.
StartRequest parseCommandLine(const std::vector<std::string>& args, const std::string& programFolder);

// The usage and the keys, for --help.
std::string usageText();

}  // namespace kelmor
