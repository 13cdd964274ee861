#pragma once

#include <QString>
#include <string>

namespace kelmor {

// Turns header bytes from the level file into text for the header box and
// back. Headers are UTF-8 or Shift_JIS (the usual encoding of older Japanese
// desktop files). A header shown unchanged goes back in exactly the bytes it
// was read in, so saving finds its map again; an edited one is written in the
// encoding it was read in, where that can hold it, else in UTF-8.
class HeaderCodec {
public:
    // Decodes `bytes` and remembers them as the header on display.
    QString decode(const std::string& bytes);
    // Forgets the remembered header (a new map has an ASCII header of its own).
    void forget();
    std::string encode(const QString& text) const;

private:
    enum class Encoding { Utf8, ShiftJis };
    Encoding encoding_ = Encoding::Utf8;
    std::string bytes_;
    QString text_;
    bool remembered_ = false;
};

}  // namespace kelmor
