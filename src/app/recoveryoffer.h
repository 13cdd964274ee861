#pragma once

#include <functional>

#include "model/mapnumber.h"

namespace kelmor {

class Asker;
class MapDocument;

// At start-up, what editors that died left for the document's level file:
// the first usable map is offered back (`load` puts a map of the file on
// screen first, when the edits were of one), the rest at later starts; one
// given up or already saved is removed; one that cannot be used (broken,
// of another level file, its map gone) is set aside under a new name and
// told.
void offerRecovery(MapDocument& document, Asker& asker, const std::function<void(MapNumber)>& load);

}  // namespace kelmor
