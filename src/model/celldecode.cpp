#include "model/celldecode.h"

namespace kelmor {

namespace {
int normalisedCode(char code)
{
    int c = static_cast<unsigned char>(code);
    return c == ' ' ? '0' : c;
}
}  // namespace

int cellValue(char code)
{
    const int c = normalisedCode(code);
    if (c >= 'A' && c < 'Z')  // "Z" itself is not a letter here; "Y" is
        return c - 'A';
    if (c >= '0' && c <= '9')
        return c - '0' + 100;
    return c;
}

int palettePosition(char code, int partsMax)
{
    const int c = normalisedCode(code);
    if (c >= 'A' && c < 'Z')
        return c - 'A';
    if (c >= '0' && c <= '9')
        return c - '0' + partsMax;
    return c;
}

bool namesCatalogueEntry(char code)
{
    return (code >= 'A' && code <= 'X') || (code >= '0' && code <= '9') || code == ' ';
}

}  // namespace kelmor
