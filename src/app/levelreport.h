#pragma once

#include <iosfwd>
#include <string>

#include "levelfile/levelfile.h"

namespace kelmor {

// The level file from the command line, with no window and no Qt: every
// map's number, header and state (--list), or what is wrong in it (--check).
// The file is named by its path in what is printed. Both return the
// program's exit code: 0, 1 when --check found something, 2 when the file
// cannot be read.
int listMaps(const LevelFile& level, std::ostream& out, std::ostream& err);
int checkLevel(const LevelFile& level, std::ostream& out, std::ostream& err);

// A header on one line of a tab-separated list, safe on a terminal: tab,
// line ends and the backslash itself written as \t, \n, \r and \\, every
// other control character (below 0x20, 0x7F, and the C1 controls U+0080 to
// U+009F) and every byte that is not UTF-8 as \xNN, each byte.
std::string escapeField(const std::string& text);

}  // namespace kelmor
