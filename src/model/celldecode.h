#pragma once

namespace kelmor {

// Cell code to cell value: "A".."Y" give 0..24, "0".."9" and the blank give
// 100..109, anything else its own low 8 bits. Values of 121 and more have no
// catalogue entry; Catalogue::tileOf shows them as tile 0.
int cellValue(char code);

// Whether the code names an entry of the catalogue: "A" to "X", "0" to "9",
// and the blank, which reads as "0". Any other code draws as tile 0 and
// means nothing to the game.
bool namesCatalogueEntry(char code);

// Where picking finds a cell's entry in the palette: letters as their cell
// value, digits (and the blank, read as "0") after the partsMax objects, any
// other code its own value, which usually lies past the last entry.
int palettePosition(char code, int partsMax);

}  // namespace kelmor
