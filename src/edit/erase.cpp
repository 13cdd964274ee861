#include "edit/erase.h"

#include "model/blanktemplate.h"

namespace kelmor {

void eraseToTemplate(MapRows& grid)
{
    for (int r = 0; r < kMapRows; ++r) {
        std::string& row = grid[static_cast<std::size_t>(r)];
        const std::string line = blankTemplateRow(r);
        if (row.size() < line.size())
            row = line;
        else
            row.replace(0, line.size(), line);
    }
}

}  // namespace kelmor
