#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "levelfile/levelfile.h"

namespace kelmor {

// The level file from the command line, with no window and no Qt: every
// map's number, header and state (--list), or what is wrong in it (--check).
// The file is named by its path in what is printed. Both return the
// program's exit code: 0, 1 when --check found something, 2 when the file
// cannot be read.
int listMaps(const LevelFile& level, std::ostream& out, std::ostream& err);
int checkLevel(const LevelFile& level, std::ostream& out, std::ostream& err);

// --diff: every difference of `newLevel` from `oldLevel`, a line each (maps
// added, removed, moved, renamed, each changed cell, items outside maps);
// 0 when there is none, 1 when there are some, 2 when either cannot be read.
int diffLevelFiles(const LevelFile& oldLevel, const LevelFile& newLevel, std::ostream& out, std::ostream& err);
// --textconv, for git's diff: each map's header, then its rows each named by
// the header and its number ("*MAP012 03 |…|"), so that a hunk names the map
// and the row; the items outside maps as they are. 0, or 2 when the file
// cannot be read.
int textConv(const LevelFile& level, std::ostream& out, std::ostream& err);

// --merge, git's merge driver: THEIRS merged into OURS from BASE (`files`,
// in that order) and written over OURS in one step, its mode kept; each
// conflict told on `err` after `name`. 0 for a clean merge, 1 with
// conflicts, 2 when nothing could be merged (OURS is then as it was).
int mergeLevelFiles(const std::vector<std::string>& files, const std::string& name, FileOps& ops, std::ostream& err);

// "kelmor-edit: cannot read PATH…" and why, for a failure to read the level file.
void tellReadFailure(const LevelFile& level, const FileFailure& failure, std::ostream& err);

// A header on one line of a tab-separated list, safe on a terminal: tab,
// line ends and the backslash itself written as \t, \n, \r and \\, every
// other control character (below 0x20, 0x7F, and the C1 controls U+0080 to
// U+009F) and every byte that is not UTF-8 as \xNN, each byte.
std::string escapeField(const std::string& text);

}  // namespace kelmor
