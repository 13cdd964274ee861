#pragma once

#include "model/mapgrid.h"

namespace kelmor {

// Turns the map into the blank template. Rows of full width are overwritten in
// place, cell by cell; a row too short for that (no map was loaded, or the file
// was cut off) gets its whole template line.
void eraseToTemplate(MapRows& grid);

}  // namespace kelmor
