#pragma once

#include <string>

namespace kelmor {

// Keeps commas and blanks out of a header line, the way the header box always
// has: commas are removed one at a time from the first on, then blanks; each
// removal keeps at most 255 of the characters that followed the removed one.
// Only ASCII "," and " " are removed. A text holding neither is returned as it
// is, whatever its length. Works on UTF-16 code units, as the text box does,
// but never leaves half of a surrogate pair at the cut.
std::u16string filterHeader(std::u16string text);

}  // namespace kelmor
