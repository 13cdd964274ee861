#include "model/blanktemplate.h"

#include "model/mapgrid.h"

namespace kelmor {

std::string blankTemplateRow(int row)
{
    std::string line(kMapColumns, '0');
    line[kLastColumn] = '6';
    if (row == kLastRow)
        line.assign(kMapColumns, '6');
    if (row == 0)
        for (int i = 0; i <= 16; ++i)
            line[static_cast<std::size_t>(i)] = static_cast<char>('A' + i);
    if (row == 15)
        for (int i = 1; i <= 9; ++i)
            line[static_cast<std::size_t>(i)] = static_cast<char>('0' + i);
    return line;
}

}  // namespace kelmor
