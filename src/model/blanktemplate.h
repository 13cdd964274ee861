#pragma once

#include <string>

namespace kelmor {

// The blank map that erasing and creating start from: objects "A".."Q" on the
// top row, tiles "1".."9" on row 15, brick "6" along the right column and the
// bottom row, empty "0" elsewhere.
std::string blankTemplateRow(int row);

}  // namespace kelmor
