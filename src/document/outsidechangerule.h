#pragma once

namespace kelmor {

class MapDocument;

// What becomes of the map on screen when another program changes the level
// file, decided from the file as it is now and the map's edits: a map
// without edits is read again, one with edits is kept and the user asked,
// and a file gone is told once, until it is back.
class OutsideChangeRule {
public:
    enum class Step { Nothing, TellGone, AskAboutEdits, ReadAgain };

    explicit OutsideChangeRule(const MapDocument& document) : document_(document) {}

    // One look, after the watch has settled.
    Step next();

private:
    const MapDocument& document_;
    bool goneTold_ = false;
};

}  // namespace kelmor
