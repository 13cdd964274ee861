#pragma once

#include <ostream>

#include "edit/cellgeometry.h"

namespace kelmor {

// How a failed expectation shows cells.
inline void PrintTo(const CellPos& cell, std::ostream* out)
{
    *out << "(column " << cell.column << ", row " << cell.row << ")";
}

inline void PrintTo(const CellRect& rect, std::ostream* out)
{
    *out << "columns " << rect.left << ".." << rect.right << ", rows " << rect.top << ".." << rect.bottom;
}

}  // namespace kelmor
