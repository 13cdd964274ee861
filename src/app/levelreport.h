#pragma once

#include <iosfwd>
#include <string>

namespace kelmor {

// The level file from the command line, with no window and no Qt: every
// map's number, header and state (--list), or what is wrong in it (--check).
// `shownAs` names the file in what is printed. Both return the program's
// exit code: 0, 1 when --check found something, 2 when the file cannot be read.
int listMaps(const std::string& path, const std::string& shownAs, std::ostream& out, std::ostream& err);
int checkLevel(const std::string& path, const std::string& shownAs, std::ostream& out, std::ostream& err);

// A header on one line of a tab-separated list: tab, line ends and the
// backslash itself written as \t, \n, \r and \\.
std::string escapeField(const std::string& text);

}  // namespace kelmor
