#pragma once

#include <string>

#include "model/mapgrid.h"

namespace kelmor::test {

// A map's 17 rows, each 35 copies of `fill`.
inline MapRows rowsOf(char fill)
{
    MapRows rows;
    rows.fill(std::string(kMapColumns, fill));
    return rows;
}

}  // namespace kelmor::test
