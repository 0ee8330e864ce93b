#include "ui/toolkit/FocusReturn.h"

namespace htmlayout {

bool return_focus(const dom::element& wanted, const dom::element& root)
{
    HELEMENT found = nullptr;
    if (HTMLayoutGetFocusTarget(wanted, root, &found) != ENGINE_OK || !found)
        return false;
    dom::element(found).set_state(STATE_FOCUS, 0);  // the engine scrolls what the program focuses into view
    return true;
}

}  // namespace htmlayout
