#pragma once

#include <QString>
#include <optional>

#include "model/mapnumber.h"

namespace kelmor {

// A map number as a person types it: digits only, ASCII or full-width, with
// blanks around them allowed; nothing for anything else. A number too long
// to hold comes back as one past the last map number, which it is too.
std::optional<MapNumber> parseMapNumber(const QString& typed);

}  // namespace kelmor
