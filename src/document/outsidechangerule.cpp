#include "document/outsidechangerule.h"

#include "document/mapdocument.h"

namespace kelmor {

OutsideChangeRule::Step OutsideChangeRule::next()
{
    const OutsideChange change = document_.outsideChange();
    if (change == OutsideChange::Gone) {
        const bool told = goneTold_;
        goneTold_ = true;
        return told ? Step::Nothing : Step::TellGone;
    }
    goneTold_ = false;
    if (change == OutsideChange::None)
        return Step::Nothing;
    return document_.differsFromFile() ? Step::AskAboutEdits : Step::ReadAgain;
}

}  // namespace kelmor
