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

// A header on one line of a tab-separated list: tab, line ends and the
// backslash itself written as \t, \n, \r and \\.
std::string escapeField(const std::string& text);

}  // namespace kelmor
