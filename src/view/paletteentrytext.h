#pragma once

#include <QString>
#include <string>

namespace kelmor {

// A palette entry ("A:ハキュラ") as the window shows it: the code as it is,
// the catalogue's name in the window's language.
QString paletteEntryText(const std::string& entry);

}  // namespace kelmor
